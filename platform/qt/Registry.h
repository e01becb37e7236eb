// The windowing layer's tables: windows by number, their controls by number,
// their handlers and drawing surfaces. Shared by the files of platform/qt;
// the Qt-driven tests reach the widgets through it too.
#pragma once

#include <map>
#include <memory>
#include <string>

#include <QPointer>
#include <QWidget>

#include "platform/Platform.h"
#include "platform/qt/PainterSurface.h"

class QMenu;

namespace quendal::platform::qt {

class WindowFrame;

struct ControlRecord {
    ControlNumber number = 0;
    ControlKind kind = ControlKind::PushButton;
    QPointer<QWidget> widget;
    ControlNumber parent = 0;
    MenuNumber menu = 0;
    ControlHandler handler = nullptr;
    int32_t userData = 0;
    SliderAction sliderAction = nullptr;
    int32_t sliderPart = kIndicatorPart;  // the part the user moved the slider by
    // Kept here for the kinds whose widget holds no such value.
    int32_t value = 0, minimum = 0, maximum = 0;
    std::string title;
    std::string helpTag;  // the tag as shown
};

struct WindowRecord {
    WindowNumber number = 0;
    WindowKind kind = WindowKind::Document;
    WindowNumber parent = 0;
    QPointer<WindowFrame> frame;
    std::map<ControlNumber, ControlRecord> controls;
    WindowHandler handler = nullptr;
    int32_t userData = 0;
    std::unique_ptr<WindowSurface> surface;  // made on the first drawing
    std::string title;
};

WindowRecord* findWindow(WindowNumber window);
ControlRecord* findControl(WindowNumber window, ControlNumber control);
std::map<WindowNumber, WindowRecord>& windowTable();

// The widgets of a window and of a control, for the Qt side and for tests.
QWidget* windowWidget(WindowNumber window);
QWidget* contentWidget(WindowNumber window);
QWidget* controlWidget(WindowNumber window, ControlNumber control);

// The window's drawing surface, made on first use at the content's size.
WindowSurface* surfaceOf(WindowRecord& record);

// Calls the installed handlers; they look the records up afresh, since a
// handler may close the window or remove the control.
int32_t dispatchWindowEvent(const WindowEvent& event);
int32_t dispatchControlEvent(WindowNumber window, ControlNumber control, ControlEventKind kind);

// The Qt menu of a numbered menu (popup and bevel buttons show it).
QMenu* menuWidget(MenuNumber menu);

// Moves the other windows of the moved window's group by the offset it
// has moved since the group was formed; nothing for a window in no group.
void followWindowGroup(WindowNumber moved);

// Lays the menu bar into every document window again.
void refreshMenuBars();

// Installs the layer's surfaces as the drawing primitives' provider.
void installSurfaceProvider();

// Parts of resetPlatform kept in their own files.
void removeAllMenus();
void removeAllTimers();
void closePageIfOpen();

}  // namespace quendal::platform::qt
