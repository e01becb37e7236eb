// The windowing layer's tables: windows by number, their controls by number,
// their handlers and drawing surfaces. Shared by the files of platform/qt;
// the Qt-driven tests reach the widgets through it too.
#pragma once

#include <map>
#include <memory>
#include <string>

#include <QMargins>
#include <QPointer>
#include <QWidget>

#include "platform/HelpTag.h"
#include "platform/Platform.h"
#include "platform/qt/PainterSurface.h"

class QKeyEvent;
class QMenu;
class QMenuBar;

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
    // Kept here for the kinds whose widget holds no such value.
    int32_t value = 0, minimum = 0, maximum = 0;
    std::string title;
    char mnemonic = 0;    // a push button's Alt letter
    HelpTag tag;          // the help tag as set
    Cursor cursor = Cursor::Arrow;
    // What the widget reaches beyond the control's rectangle (the frame of
    // an edit text drawn outside its text area).
    QMargins outset;
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
    Cursor cursor = Cursor::Arrow;
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

// The keyboard's one rule (placeKeyboard), as the layer's files feed it:
// the rule follows the windows shown, hidden and activated once
// watchKeyboard has run; bringForward makes a top-level window the one the
// user is in (brought forward by the program, or chosen by the user) and
// places the keyboard now; noteKeyboardGiven records the
// control the program or the user gave the keyboard in its window;
// noteKeyboardPassedOn the control that holds it while the one given it
// cannot yet (dimmed, hidden), which the rule takes for no one's choice;
// settleWindowKeyboard
// places it within a window whose control with the keyboard was dimmed;
// scheduleKeyboardPlacement asks the rule once the current event is done.
void watchKeyboard();
void bringForward(QWidget* window, bool byUser = false);
void noteKeyboardGiven(QWidget* control);
void noteKeyboardPassedOn(QWidget* control);
void settleWindowKeyboard(QWidget* window);
void scheduleKeyboardPlacement();
void forgetKeyboardPlaces();

// Calls the installed handlers; they look the records up afresh, since a
// handler may close the window or remove the control.
int32_t dispatchWindowEvent(const WindowEvent& event);
int32_t dispatchControlEvent(WindowNumber window, ControlNumber control, ControlEventKind kind);

// Hands a chosen item to the menu's own handler or the application's.
int32_t deliverCommand(MenuNumber menu, int32_t item);

// The Qt menu of a numbered menu (popup and bevel buttons show it).
QMenu* menuWidget(MenuNumber menu);

// Moves the other windows of the moved window's group by the offset it
// has moved since the group was formed; nothing for a window in no group.
void followWindowGroup(WindowNumber moved);

// Lays the menu bar into every document window again.
void refreshMenuBars();

// The handlers every new window and control gets (nullptr: none).
WindowHandler defaultWindowHandler();
ControlHandler defaultControlHandler();

// The menu host: shown while no document window is visible. The update runs
// once the current event is done; updateMenuHost runs it now.
void scheduleMenuHostUpdate();
void updateMenuHost();
QWidget* menuHostWidget();  // nullptr while there is no host
void setMenuHostMenus(const QList<QMenu*>& menus);
// Sends the quit command, whatever the state of its menu.
void deliverQuitCommand();

// The Edit items follow the focused edit field, and the menus' command keys
// come before a field's own line editing.
void refreshEditItems();
void startEditTracking();
// Whether the key chooses an item of the menu bar now: the command key of
// an enabled item of an enabled menu in a shown menu bar, no modal window up.
bool choosesMenuItem(const QKeyEvent& key);

// Installs the layer's surfaces as the drawing primitives' provider.
void installSurfaceProvider();

// Parts of resetPlatform kept in their own files.
void removeAllMenus();
void removeAllTimers();
void closePageIfOpen();
void resetMenuHost();
void stopAllLoads();
void stopAllZipChecks();

// Makes the layer's preferences file, folders, desktop opener and network
// the shell services the program uses.
void installShellServices();
NetworkService& layerNetwork();
// Makes the layer's worker threads read archives for checkZipAway.
void installZipChecks();

}  // namespace quendal::platform::qt
