// What windows and controls know of the documents and panes they carry:
// the file a window stands for, and the controls embedded in a control.
#include <QString>
#include <QWidget>

#include "platform/Platform.h"
#include "platform/qt/Registry.h"

namespace quendal::platform {

// Held by the window's widget, so that it goes with the window.
void setWindowFilePath(WindowNumber window, const std::string& path) {
    if (QWidget* widget = qt::windowWidget(window)) widget->setWindowFilePath(QString::fromStdString(path));
}

std::string windowFilePath(WindowNumber window) {
    const QWidget* widget = qt::windowWidget(window);
    return widget != nullptr ? widget->windowFilePath().toStdString() : std::string();
}

std::vector<ControlNumber> embeddedControls(WindowNumber window, ControlNumber control) {
    std::vector<ControlNumber> embedded;
    if (qt::WindowRecord* record = qt::findWindow(window))
        for (const auto& [number, child] : record->controls)
            if (child.parent == control && number != control) embedded.push_back(number);
    return embedded;
}

}  // namespace quendal::platform
