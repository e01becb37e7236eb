// What windows and controls know of the documents and panes they carry:
// the file a window stands for, and the controls embedded in a control.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QVariant>
#include <QWidget>

#include "platform/Platform.h"
#include "platform/qt/Registry.h"

namespace quendal::platform {

namespace {

constexpr const char* kFilePathBytes = "quendalFilePath";

}  // namespace

// Held by the window's widget, so that it goes with the window: the path's
// bytes as the system gave them, whatever their encoding (a name that is no
// UTF-8 stays the file's name); the window system is shown it as text.
void setWindowFilePath(WindowNumber window, const std::string& path) {
    QWidget* widget = qt::windowWidget(window);
    if (widget == nullptr) return;
    const QByteArray bytes(path.data(), qsizetype(path.size()));
    widget->setProperty(kFilePathBytes, bytes);
    widget->setWindowFilePath(QFile::decodeName(bytes));
}

std::string windowFilePath(WindowNumber window) {
    const QWidget* widget = qt::windowWidget(window);
    if (widget == nullptr) return {};
    const QByteArray bytes = widget->property(kFilePathBytes).toByteArray();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

std::vector<ControlNumber> embeddedControls(WindowNumber window, ControlNumber control) {
    std::vector<ControlNumber> embedded;
    if (qt::WindowRecord* record = qt::findWindow(window))
        for (const auto& [number, child] : record->controls)
            if (child.parent == control && number != control) embedded.push_back(number);
    return embedded;
}

}  // namespace quendal::platform
