// The windows the walk under the window manager sees, and where the
// keyboard must be among them after each step:
//   - where a question, sheet, file dialog or open list stands, in it;
//     while a design waits behind Speaker Select or System Select, in the
//     choosing window or a dialog over it; a dialog that has just opened
//     has it;
//   - on a visible, enabled control of the active window (the response
//     window, the palettes, System Select, About and the menu bar's own
//     window may hold it on none).
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QScreen>

#include "WalkWatch.h"
#include "app/DesignFlow.h"
#include "model/WindowNumbers.h"
#include "platform/qt/Registry.h"
#include "platform/qt/WindowFrame.h"

namespace quendal::test {

inline const platform::qt::WindowFrame* frameOf(const QWidget* window) {
    return dynamic_cast<const platform::qt::WindowFrame*>(window);
}

// A dialog of the program or of the layer: Preferences, About, Check for
// Updates, a question, a file dialog, a sheet.
inline bool isDialog(const QWidget* window) {
    if (qobject_cast<const QDialog*>(window) != nullptr) return true;
    const platform::qt::WindowFrame* frame = frameOf(window);
    return frame != nullptr &&
           (frame->kind() == platform::WindowKind::Dialog || frame->kind() == platform::WindowKind::Sheet);
}

// The response window, the palettes, System Select (whose pictures its
// arrows, Space and Tab choose), About (which any key closes) and the menu
// bar's own window while no design is open may hold the keyboard themselves.
inline bool holdsKeysItself(const QWidget* window) {
    if (window == platform::qt::menuHostWidget()) return true;  // the menu bar without a design
    const platform::qt::WindowFrame* frame = frameOf(window);
    return frame != nullptr && (frame->number() == kResponseWindow || frame->number() == kSystemSelectWindow ||
                                frame->number() == kAboutWindow ||
                                frame->kind() == platform::WindowKind::FloatingPalette);
}

inline bool onScreen(const QWidget* widget) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect rect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    return screen != nullptr && screen->geometry().contains(rect.center());
}

// The program's windows on the screen (not a palette standing aside).
inline std::vector<QWidget*> windowsShown() {
    std::vector<QWidget*> shown;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && type != Qt::Popup && type != Qt::ToolTip && onScreen(widget)) shown.push_back(widget);
    }
    return shown;
}

// Where the keyboard is after a step, against where it must be; "" when
// it is there. `before`: the windows shown before the step.
inline std::string placementFault(const std::vector<QWidget*>& before) {
    if (QApplication::activePopupWidget() != nullptr) return {};  // the open list or menu takes the keys
    const std::vector<QWidget*> shown = windowsShown();
    if (shown.empty()) return {};
    QWidget* active = QApplication::activeWindow();
    if (active == nullptr) return "no window of the program has the keyboard";
    const std::string in = "the keyboard is in " + windowName(active);
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible() && active != modal) return in + " while " + windowName(modal) + " stands";
    if (modal == nullptr) {
        // A dialog that has just opened has the keyboard.
        std::vector<QWidget*> opened;
        for (QWidget* window : shown)
            if (isDialog(window) && std::find(before.begin(), before.end(), window) == before.end())
                opened.push_back(window);
        if (!opened.empty() && std::find(opened.begin(), opened.end(), active) == opened.end())
            return in + " though " + windowName(opened.front()) + " has just opened";
        if (designKept() && !isDialog(active)) {
            const int32_t choosing = platform::windowExists(kDefaultParametersWindow) ? kDefaultParametersWindow : kSystemSelectWindow;
            if (active != platform::qt::windowWidget(choosing))
                return in + " while the design waits behind " + windowName(platform::qt::windowWidget(choosing));
        }
    }
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus == active)
        return holdsKeysItself(active) ? std::string() : in + ", on no control" + (focus == nullptr ? "" : " (the window itself)");
    // A menu a button opened holds the keys while it is open.
    if (focus->window()->windowType() == Qt::Popup && focus->window()->isVisible()) return {};
    if (focus->window() != active) return in + ", its control in " + windowName(focus->window());
    if (!focus->isVisible()) return in + ", on a hidden control";
    if (!focus->isEnabled()) return in + ", on a dimmed control";
    return {};
}

}  // namespace quendal::test
