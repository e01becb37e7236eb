// The windowing layer as the rest of the program sees it.
//
// Windows are created, found, shown and closed by their window number;
// controls are addressed by (window number, control number); menus and
// their items by number. One window handler and one control handler serve
// the whole program: each installation carries a number as its user data,
// and a handler returns kHandled (0) when it acted on an event and
// kEventNotHandled (-9874) otherwise, so that the toolkit's own handling
// goes on. Texts crossing this boundary are Mac Roman byte strings.
//
// Qt-free: platform/qt implements it over Qt 6 Widgets. Everything here runs
// on the one thread of the event loop.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/DocumentState.h"
#include "model/SharedTypes.h"
#include "platform/DrawSurface.h"
#include "platform/MacRomanText.h"

namespace quendal::platform {

using WindowNumber = int32_t;
using ControlNumber = int32_t;
using MenuNumber = int32_t;

inline constexpr int32_t kHandled = 0;
inline constexpr int32_t kEventNotHandled = -9874;

// ---------------------------------------------------------------------------
// Application and event loop

// Starts the windowing layer: creates the application object unless one
// exists already (a test's), and installs the layer's drawing surfaces
// (setSurfaceProvider), so the primitives draw into the windows.
void startApplication(int& argc, char** argv);

// Runs the event loop until quitApplication, or until SIGTERM, SIGINT or
// SIGHUP ends it as a quit would; after a signal, `signalled` runs first,
// with the windows still open. Then closes every window, menu and timer
// and runs `ending`, the program's own last work, with those signals still
// caught: one more while they run ends nothing halfway. Returns the exit
// status: 128 + the signal's number after a signal.
int runEventLoop(const std::function<void()>& ending = {}, const std::function<void()>& signalled = {});

// Ends the event loop with the status once the current handler returns.
void quitApplication(int status = 0);

// Closes every window, removes every menu, timer and handler and forgets
// the current window: the layer as just started. Tests begin from here.
void resetPlatform();

// ---------------------------------------------------------------------------
// Windows

enum class WindowKind : int32_t {
    Document,         // a main window; carries the menu bar
    Dialog,           // a movable window without menu bar
    FloatingPalette,  // a utility window floating over the documents, with a close box;
                      // off the screen while any dialog, alert or sheet is shown
    Sheet,            // window-modal on its parent window
};

// Creates window `window` hidden, its content bounds in screen pixels (a
// rectangle with top and left both 0 lets the layer choose the place). A
// sheet names its parent window; a palette may name the window it floats
// over, which the window system then keeps it in front of. An existing
// window of that number is closed first. Returns false when a sheet's
// parent does not exist.
bool createWindow(WindowNumber window, WindowKind kind, Rect16 bounds, std::string_view title,
                  WindowNumber parent = 0);
bool windowExists(WindowNumber window);
void showWindow(WindowNumber window);
void hideWindow(WindowNumber window);
// Whether the program has the window shown: a floating palette off the
// screen for a dialog counts as shown.
bool isWindowVisible(WindowNumber window);
// Closes and forgets the window with its controls and drawing; safe inside
// a handler of that very window.
void closeWindow(WindowNumber window);

// Brings the window forward: shown, raised, activated and made the current
// window.
void selectWindow(WindowNumber window);
// A window the user minimized comes back to the screen where it was (the
// Window menu's choice, Gather Windows); any other stays as it is.
void unminimizeWindow(WindowNumber window);
// The current (output) window: the one that calls naming only a control
// number address, and that drawing goes to. 0 when none.
void setCurrentWindow(WindowNumber window);
WindowNumber currentWindow();
// The active (front, keyboard) window, 0 when none of ours is.
WindowNumber activeWindow();

// Content bounds in screen pixels.
Rect16 windowBounds(WindowNumber window);
void setWindowBounds(WindowNumber window, Rect16 bounds);
// The part of the screen that windows may use (without the desktop's
// panels), in screen pixels: of the screen under the point, else of the
// screen nearest to it.
Rect16 availableScreenArea(int32_t x, int32_t y);
// What the window puts around its content on the screen, in pixels on each
// side (top, left, bottom, right): title bar and borders, and a document
// window's menu bar. Until the window system has framed the window a title
// bar of the usual height is counted.
Rect16 windowFrameMargins(WindowNumber window);

// The page a window shows: its drawing and its controls lie on a page of
// this size in pixels, whose coordinates the drawing, the controls and the
// mouse events use. Where the content is shorter than the page, the page
// scrolls under a scroll bar at the content's right edge (and with the
// wheel). 0 x 0, the default, makes the page the content itself.
void setWindowPageSize(WindowNumber window, int32_t width, int32_t height);
// The top of the part of the page in view (pixels from the page's top).
int32_t windowPageScroll(WindowNumber window);

// Moves the window with the pointer while the mouse button that is down
// stays down; called from the handler of that press. The window system
// moves it where it can, else the layer does. Either way the window gets
// drag started and drag completed events, and the other windows of its
// group follow. False when the window is not shown.
bool startWindowMove(WindowNumber window);

// A window group: while the user moves one of its windows, the others
// follow by the same offset. One group at a time: grouping again replaces
// it; a window that closes leaves it.
void groupWindows(const std::vector<WindowNumber>& windows);
void ungroupWindows();
std::vector<WindowNumber> groupedWindows();

void setWindowTitle(WindowNumber window, std::string_view title);
std::string windowTitle(WindowNumber window);
// The modified state shown with the title (unsaved changes).
void setWindowModified(WindowNumber window, bool modified);
bool isWindowModified(WindowNumber window);
// The document file a window stands for (UTF-8 path), "" when none. The
// binding goes with the window: a window made anew stands for no file.
void setWindowFilePath(WindowNumber window, const std::string& path);
std::string windowFilePath(WindowNumber window);

// The content's background: white for documents, the theme's dialog colour
// for the other kinds; `theme` chooses the latter for any window.
void setWindowThemeBackground(WindowNumber window, bool theme);

// Whether the user may resize the window (windows are created resizable),
// and the content sizes the user may resize it between, in pixels (0 leaves
// that limit open). setWindowBounds keeps a resizable window within its
// limits; one that is not resizable takes the size it is given.
void setWindowResizable(WindowNumber window, bool resizable);
bool isWindowResizable(WindowNumber window);
void setWindowSizeLimits(WindowNumber window, int32_t minWidth, int32_t minHeight, int32_t maxWidth,
                         int32_t maxHeight);

// Brings the window forward without taking the keyboard: shown, raised and
// made the current window, while the keys keep going to the window that has
// them (a palette the user is typing into).
void raiseWindow(WindowNumber window);

// ---------------------------------------------------------------------------
// Where the keyboard rests
//
// One rule places the keyboard after every window, sheet, dialog or
// question that opens or closes, every window brought forward and every
// control dimmed: it goes to
//   1. the frontmost modal window (a question, alert, file dialog or sheet);
//   2. else, while the user was in a design's window, a dialog window
//      standing in front (Preferences, About, the update window);
//   3. else the choosing window, while a design waits behind it, rather
//      than to the waiting design's document window or palettes;
//   4. else the window the user was in (brought forward, clicked, reached);
//      among a design's windows, the one the user chose (a click, the
//      Window menu, the window system's switch) keeps it while the program
//      brings the design's windows forward, until a choosing window takes
//      over. A window the window system activates on its own as a window
//      shows or hides is not the user's choice.
// Within that window the control the keyboard was given (by Tab, a click
// or setKeyboardFocus) keeps it while it is enabled and shown; otherwise
// the first empty entry field takes it, else the first entry field, its
// whole text selected, else the default button (in a dialog whose Tab
// order starts with a button; otherwise its first control, a tab control
// say). A document or palette without an entry field holds the keyboard
// itself, on no control, so that Return presses nothing there; a palette
// the program brings forward with none hands the keyboard to the document
// window it floats over. The layer asks the rule by itself once each such
// event is done; placeKeyboard asks it now.
void placeKeyboard();
// Brings the program's shown windows forward together, above every other
// program's windows (the program started again): the window the rule
// picks on top of them, with the keyboard, and the current window when it
// is a numbered one. False when the user was in no window yet.
bool bringProgramForward();
// The choosing window now, or 0 while no design waits; asked at every
// placement. nullptr: no design ever waits.
using ChoosingWindowRule = WindowNumber (*)();
void setChoosingWindowRule(ChoosingWindowRule rule);

// Writes what the window's content shows (its drawing and its controls) as
// a PNG file. False when the window does not exist or the file cannot be
// written.
bool writeWindowPng(WindowNumber window, const std::string& path);

// ---------------------------------------------------------------------------
// Window events

// Modifier keys as the handlers test them. Command is the Ctrl key here,
// Option the Alt key.
inline constexpr uint32_t kCommandKey = 256;
inline constexpr uint32_t kShiftKey = 512;
inline constexpr uint32_t kOptionKey = 2048;
inline constexpr uint32_t kControlKey = 4096;

// Character codes of the keys the handlers dispatch on.
inline constexpr uint8_t kEnterChar = 3;
inline constexpr uint8_t kBackspaceChar = 8;
inline constexpr uint8_t kTabChar = 9;
inline constexpr uint8_t kReturnChar = 13;
inline constexpr uint8_t kEscapeChar = 27;
inline constexpr uint8_t kLeftArrowChar = 28;
inline constexpr uint8_t kRightArrowChar = 29;
inline constexpr uint8_t kUpArrowChar = 30;
inline constexpr uint8_t kDownArrowChar = 31;
inline constexpr uint8_t kSpaceChar = 32;
inline constexpr uint8_t kDeleteChar = 127;
inline constexpr uint8_t kOptionDChar = 0xB6;  // what Option+D types
inline constexpr uint8_t kOptionSChar = 0xA7;  // what Option+S types

enum class WindowEventKind : int32_t {
    Activated,
    Deactivated,
    Close,          // the close box; handled: the window stays unless the handler closed it.
                    // A sheet never closes by itself: its room turns the close into Cancel.
    BoundsChanged,  // moved or resized
    Shown,
    DragStarted,    // the user began to move the window
    DragCompleted,  // ... and stopped
    MouseDown,
    MouseUp,
    MouseMoved,
    KeyDown,
    KeyUp,
    KeyRepeat,
};

struct WindowEvent {
    WindowEventKind kind = WindowEventKind::Activated;
    WindowNumber window = 0;
    int32_t x = 0, y = 0;    // mouse events: content pixels, origin top left
    int32_t clickCount = 0;  // mouse down: 1 single, 2 double click
    uint32_t modifiers = 0;  // mouse and key events: kCommandKey | kShiftKey | ...
    uint8_t character = 0;   // key events: the Mac Roman character typed, or a code above
};

// A handled mouse or key event does not reach the controls; a handled close
// leaves the window to the handler. The focused control takes its own keys
// before the handler sees them, as everywhere on this desktop: Space in a
// text field, on a button, radio button, check box or popup, and Return or
// Enter on a push button (which presses it). Those keys reach the handler
// only on other controls (a tab control) or with no control focused, and
// with Ctrl, Alt or Meta.
using WindowHandler = int32_t (*)(const WindowEvent& event, int32_t userData);

// Installs the handler on the window with `userData` (the window number by
// convention). Returns kHandled, or -1 when there is no such window.
int32_t installWindowHandler(WindowNumber window, WindowHandler handler, int32_t userData);

// ---------------------------------------------------------------------------
// Controls

enum class ControlKind : int32_t {
    PushButton,
    BevelButton,         // a square button with a title or picture; with a menu it pops it down
    RadioGroup,          // `items` are the buttons; value = 1-based index of the chosen one
    CheckBox,            // value 0 or 1
    Tab,                 // `items` are the tab titles; value = 1-based index
    Slider,              // minimum .. maximum; vertical when taller than wide
    EditText,            // one line of entry text; created disabled it shows a value only
    StaticText,
    ImageView,           // a picture of the resources, scaled to fit
    DisclosureTriangle,  // value 0 closed, 1 open
    PopupButton,         // the items of menu `menu`; value = 1-based item
    GroupBox,            // a titled frame other controls are embedded in
    Separator,           // a line, horizontal when wider than tall
    UserPane,            // an empty container (the pane of a tab)
};

enum class TextAlign : int32_t { Left, Centre, Right };

// How a static or edit text shows its text. An empty family and a size of
// 0 keep the toolkit's own.
struct TextStyle {
    std::string family;   // a font name of the program ("Lucida Grande", "Monaco", ...)
    double size = 0.0;    // px
    bool bold = false;
    TextAlign align = TextAlign::Left;
    bool coloured = false;
    Colour colour;
};

// A control as created: a kind, a rectangle, an initial state and a title;
// the other fields for the kinds that need them.
struct ControlSpec {
    ControlSpec() = default;
    ControlSpec(ControlKind kind_, Rect16 rect_, std::string_view title_ = {}, int32_t value_ = 0,
                int32_t minimum_ = 0, int32_t maximum_ = 0)
        : kind(kind_), rect(rect_), title(title_), value(value_), minimum(minimum_), maximum(maximum_) {}

    ControlKind kind = ControlKind::PushButton;
    Rect16 rect;                     // in the parent's content, pixels
    std::string title;               // Mac Roman: title, or the text of a text control
    int32_t value = 0;
    int32_t minimum = 0;
    int32_t maximum = 0;
    std::vector<std::string> items;  // radio buttons, tab titles
    MenuNumber menu = 0;             // popup button; bevel button with a pop-down menu
    ControlNumber parent = 0;        // embed in this control of the window (0: the content)
    std::string image;               // image view, bevel button: a picture file of the resources
    std::string imageFolder = "Images";
    bool hitOnPress = false;         // image view: a click is reported as the button goes down, without
                                     // tracking; otherwise when it is released over the picture
    bool defaultButton = false;      // push button drawn as the default
    char mnemonic = 0;               // push button: the letter of its title that Alt with it presses,
                                     // underlined; the title as read back stays as given
    bool enabled = true;
    bool visible = true;
    TextStyle style;
    // Edit text: `rect` is the area the text is laid out in, and the field's
    // frame is drawn around it, outside the rectangle, as the classic edit
    // texts of the palettes do. controlBounds gives that text area back.
    bool frameOutside = false;
};

// Creates control `control` in the window. An existing control of that
// number is removed first. Returns false when the window or the parent
// control does not exist.
bool createControl(WindowNumber window, ControlNumber control, const ControlSpec& desc);
bool controlExists(WindowNumber window, ControlNumber control);
// Removes the control and those embedded in it; safe inside its own handler.
void removeControl(WindowNumber window, ControlNumber control);
// The controls embedded directly in the control (the panes of a tab
// control), by increasing number.
std::vector<ControlNumber> embeddedControls(WindowNumber window, ControlNumber control);

int32_t controlValue(WindowNumber window, ControlNumber control);
void setControlValue(WindowNumber window, ControlNumber control, int32_t value);  // clamped to the range
int32_t controlMinimum(WindowNumber window, ControlNumber control);
int32_t controlMaximum(WindowNumber window, ControlNumber control);
void setControlRange(WindowNumber window, ControlNumber control, int32_t minimum, int32_t maximum);
// The title of a button or box, the text of a text control, the chosen item
// of a popup.
std::string controlText(WindowNumber window, ControlNumber control);
// The text of an entry field that holds a number, as controlText gives it,
// but read as numberTextFromUtf8 reads a number with its unit: a raised 2
// or 3 ("cm²", "dm³") comes as "^2" or "^3", the ohm sign as the Omega Mac
// Roman has, and a no-break, narrow no-break or thin space as a blank.
std::string numberFieldText(WindowNumber window, ControlNumber control);
// The text of an entry field as typed, in UTF-8, composed (Unicode NFC: a
// letter and its accent typed apart are the one accented letter); empty
// for another control. What a name field judges before it keeps the name.
std::string typedText(WindowNumber window, ControlNumber control);
void setControlText(WindowNumber window, ControlNumber control, std::string_view text);
bool isControlEnabled(WindowNumber window, ControlNumber control);
void setControlEnabled(WindowNumber window, ControlNumber control, bool enabled);
bool isControlVisible(WindowNumber window, ControlNumber control);  // its own state, whatever the window's
void setControlVisible(WindowNumber window, ControlNumber control, bool visible);
Rect16 controlBounds(WindowNumber window, ControlNumber control);
void setControlBounds(WindowNumber window, ControlNumber control, Rect16 rect);
// Keeps the control's distances to its parent's four edges as the parent
// (the window's content, or the control it is embedded in) resizes.
void bindControlToParent(WindowNumber window, ControlNumber control);
// Shows a picture of the resources in an image view or on a bevel button;
// false (and no picture) when the file is missing or unreadable.
bool setControlImage(WindowNumber window, ControlNumber control, std::string_view file,
                     std::string_view folder = "Images");
// Gives the control the keyboard focus, an entry field with its whole text
// selected so that typing replaces it; the focused control of the window
// (0 when none). A field whose text setControlText replaces while it has
// the keyboard holds its whole new text selected too.
void setKeyboardFocus(WindowNumber window, ControlNumber control);
// Gives the control the keyboard as setKeyboardFocus does, and takes the
// user to its window, activated, whichever window they were in: a command
// of theirs has just opened the control for typing.
void openForTyping(WindowNumber window, ControlNumber control);
ControlNumber keyboardFocus(WindowNumber window);

// Help tags: see platform/HelpTag.h for the text convention. Sets the tag
// shown when the pointer rests on the control; does nothing for a missing
// control.
void setHelpTag(WindowNumber window, ControlNumber control, std::string_view helpText);
std::string helpTag(WindowNumber window, ControlNumber control);  // the text shown
// The whole tag as set: its text, the expanded text shown while Command is
// held as the tag appears, and the side of the control it stands on.
struct HelpTag;
HelpTag helpTagOf(WindowNumber window, ControlNumber control);

enum class ControlEventKind : int32_t {
    Hit = 1,              // the user clicked (or chose, typed into, moved) the control
    TrackingEntered = 23, // the pointer came over it
    TrackingExited = 24,  // ... and left
};

struct ControlEvent {
    ControlEventKind kind = ControlEventKind::Hit;
    WindowNumber window = 0;
    ControlNumber control = 0;
};

using ControlHandler = int32_t (*)(const ControlEvent& event, int32_t userData);

// Installs the handler on the control with `userData` (the control number
// by convention). Returns kHandled, or -1 when there is no such control.
int32_t installControlHandler(WindowNumber window, ControlNumber control, ControlHandler handler,
                              int32_t userData);

// The live action of a slider, called whenever the user moves its thumb,
// dragging it or stepping it with the keys of the focused slider (part
// kIndicatorPart). A click in the track (kPageUpPart, kPageDownPart) leaves
// the thumb where it is, so the layer moves a slider by the thumb alone.
inline constexpr int32_t kPageUpPart = 22;
inline constexpr int32_t kPageDownPart = 23;
inline constexpr int32_t kIndicatorPart = 129;
using SliderAction = void (*)(WindowNumber window, ControlNumber control, int32_t part);
void installSliderAction(WindowNumber window, ControlNumber control, SliderAction action);

// ---------------------------------------------------------------------------
// Menus

// Creates menu `menu` with its title, or clears the items of an existing
// one. A menu is off the menu bar until inserted; popup and bevel-button
// menus stay off it.
void createMenu(MenuNumber menu, std::string_view title);
bool menuExists(MenuNumber menu);
// Puts the menu in the menu bar before the first menu there with a higher
// number below 32, otherwise at the end.
void insertMenu(MenuNumber menu);
// Takes the menu off the menu bar; it keeps its items.
void removeMenu(MenuNumber menu);
std::vector<MenuNumber> menuBar();
// While one lives, menus inserted and removed show in the windows' menu bars
// only when the last one ends, all at once: a rebuild of the whole bar that
// ends with the menus it began with leaves the bars as they were, instead of
// laying them out again at every step.
class MenuBarBatch {
public:
    MenuBarBatch();
    ~MenuBarBatch();
    MenuBarBatch(const MenuBarBatch&) = delete;
    MenuBarBatch& operator=(const MenuBarBatch&) = delete;
};

// Appends an item and returns its number (1-based; separators count).
// "-" is a separator; a text ending in "/X" gets the command key X
// (Command+X), with `modifiers` (kShiftKey, kOptionKey) added.
int32_t appendMenuItem(MenuNumber menu, std::string_view text, uint32_t modifiers = 0);
int32_t menuItemCount(MenuNumber menu);
void setMenuItemText(MenuNumber menu, int32_t item, std::string_view text);
std::string menuItemText(MenuNumber menu, int32_t item);
// Item 0 stands for the whole menu.
void setMenuItemEnabled(MenuNumber menu, int32_t item, bool enabled);
bool isMenuItemEnabled(MenuNumber menu, int32_t item);
void setMenuItemChecked(MenuNumber menu, int32_t item, bool checked);
bool isMenuItemChecked(MenuNumber menu, int32_t item);
// Checks the item and unchecks every other item without a submenu.
void checkOneMenuItem(MenuNumber menu, int32_t item);
// Hangs menu `submenu` under the item; its items arrive as its own commands.
void setMenuItemSubmenu(MenuNumber menu, int32_t item, MenuNumber submenu);

// The one application command handler: every chosen item arrives as
// (menu, item). An item of a disabled menu is never delivered, also not by
// its command key.
using CommandHandler = int32_t (*)(MenuNumber menu, int32_t item);
void setCommandHandler(CommandHandler handler);
// A handler of one menu's own: its items go there instead of to the
// application handler. Installing again replaces it; nullptr removes it.
void setMenuCommandHandler(MenuNumber menu, CommandHandler handler);
// Delivers a command as if chosen (an enabled item of an existing menu only).
int32_t sendCommand(MenuNumber menu, int32_t item);

// Makes the menu the program's Window menu: whenever it opens, its items are
// the titles of the program's visible windows (the active one checked), and
// choosing one brings that window forward. Its commands still reach the
// command handler afterwards.
void setWindowMenu(MenuNumber menu);
// Fills the Window menu now, as opening it does; tests and the keyboard path
// read it afterwards.
void refreshWindowMenu();

// ---------------------------------------------------------------------------
// One-shot timers

using TimerId = int32_t;
// Calls the action once after the delay; the timer is gone when it fires.
TimerId installTimer(double delaySeconds, std::function<void()> action);
void removeTimer(TimerId timer);  // an unknown or fired timer: nothing
bool isTimerPending(TimerId timer);

// ---------------------------------------------------------------------------
// Alerts, sheets and the beep

// The dialogs the layer shows on the program's behalf. Tests install their
// own (a double that records and answers) so that nothing waits for a user.
class DialogService {
public:
    virtual ~DialogService() = default;
    // A fixed-text alert with an OK button; returns when it is dismissed.
    virtual void alert(std::string_view title, std::string_view message) = 0;
    // A fixed-text alert sheet with an OK button on the window; returns at
    // once and calls onOk when the user dismisses it.
    virtual void sheetAlert(WindowNumber window, std::string_view title, std::string_view message,
                            std::function<void()> onOk) = 0;
    virtual void beep() = 0;
};

// nullptr puts the layer's own dialogs back.
void setDialogService(DialogService* service);
DialogService& dialogs();

inline void showAlert(std::string_view title, std::string_view message) { dialogs().alert(title, message); }
inline void showSheetAlert(WindowNumber window, std::string_view title, std::string_view message,
                           std::function<void()> onOk) {
    dialogs().sheetAlert(window, title, message, std::move(onOk));
}
inline void beep() { dialogs().beep(); }

// ---------------------------------------------------------------------------
// Cursors

enum class Cursor : int32_t { Arrow = 0, IBeam = 4, PointingHand = 10 };
void setCursor(Cursor cursor);
// A picture of the resources as the cursor, its hot spot at (hotX, hotY);
// a missing picture leaves the cursor as it is.
void setImageCursor(std::string_view file, std::string_view folder, int32_t hotX, int32_t hotY);
Cursor currentCursor();  // the last theme cursor set
// The shape the pointer takes while it is over the window's content, or over
// one control; it is the arrow again as soon as the pointer leaves them.
void setWindowCursor(WindowNumber window, Cursor cursor);
void setControlCursor(WindowNumber window, ControlNumber control, Cursor cursor);
Cursor windowCursor(WindowNumber window);
Cursor controlCursor(WindowNumber window, ControlNumber control);

// ---------------------------------------------------------------------------
// Resources

// The folder holding Images/ and the other resources: the one set here,
// else "resources" next to the executable, else the source tree's.
std::string resourceFolder();
void setResourceFolder(const std::string& folder);  // "" goes back to the search

// ---------------------------------------------------------------------------
// Pages: the print page and PNG pictures drawn with the primitives

enum class PageFormat : int32_t { Pdf, Png };

// Opens a page of width x height points (one unit one point; PNG: one
// pixel) written to `path`; while it is open the primitives draw on it when
// DoPrint is set. Returns false when a page is open already or the file
// cannot be made.
bool openPage(PageFormat format, const std::string& path, double width = 612.0, double height = 792.0);
// Finishes and writes the page; false when nothing was open or it could not
// be written.
bool closePage();

// ---------------------------------------------------------------------------
// Shell services: preferences, files and folders, the desktop opener

// Each service is an interface with the layer's own implementation and a
// replaceable instance, as the dialogs are: a test installs its double with
// set...(&double), and nullptr puts the layer's own back. Before the layer
// has started the services do nothing: the store holds nothing, no folder
// is found, nothing opens, and a load fails at once (there is no event loop
// to report it from). Paths, URLs and stored texts are UTF-8.

// A preference as the file gives it back: one text, or, for a hand-edited
// value with unquoted commas, the texts the file splits it into.
struct StoredPreference {
    std::vector<std::string> texts;
};

using PreferenceSetting = std::variant<int32_t, double, std::string>;

// The program's preferences file:
// <configuration folder>/<organisation>/<application>.ini.
class PreferenceStore {
public:
    virtual ~PreferenceStore() = default;
    // Whose preferences they are; set before the first read.
    virtual void setIdentity(std::string_view organisation, std::string_view application) = 0;
    virtual std::optional<StoredPreference> read(std::string_view key) = 0;
    virtual void write(std::string_view key, const PreferenceSetting& value) = 0;
    // Writes what is pending to the file; false when it cannot be written.
    virtual bool synchronize() = 0;
};
void setPreferenceStore(PreferenceStore* store);
PreferenceStore& preferenceStore();

// The user's standard folders as the desktop names them.
enum class UserFolder : int32_t {
    Home,
    Desktop,
    Documents,
    Downloads,
    Music,
    Movies,
    Pictures,
    Temporary,
    Configuration,
    Cache,
    ApplicationData,
    Applications,
};

enum class FileKind : int32_t { None, File, Folder };

class FileService {
public:
    virtual ~FileService() = default;
    // The folder's absolute path ("" when the desktop has none).
    virtual std::string userFolder(UserFolder folder) = 0;
    // The absolute path of what exists at `path` (relative paths start at
    // the working folder), links resolved; "" when nothing exists there.
    virtual std::string existingPath(const std::string& path) = 0;
    virtual FileKind kindOf(const std::string& path) = 0;
    // Creates one folder in an existing parent; false when it cannot.
    virtual bool createFolder(const std::string& path) = 0;
    // Moves the file or folder to the desktop's trash; false when it cannot.
    virtual bool moveToTrash(const std::string& path) = 0;
};
void setFileService(FileService* service);
FileService& files();

// The desktop opener, and the screens the desktop shows windows on.
class DesktopService {
public:
    virtual ~DesktopService() = default;
    // Hands an http(s), mailto or file URL to the desktop's opener, never
    // through a shell command; false when there is none to take it. The
    // opener runs on its own, the program never waits for it: when it ends
    // with a failure (no program of the desktop opens the URL), `failed` is
    // called from the event loop, never from inside this call.
    virtual bool openUrl(std::string_view url, std::function<void()> failed) = 0;
    // The screens' areas, in the screen pixels of window bounds.
    virtual std::vector<Rect16> screenAreas() = 0;
};
void setDesktopService(DesktopService* service);
DesktopService& desktop();

// ---------------------------------------------------------------------------
// Default handlers, menu-bar hosting and the Edit commands of text fields

// Every window created from now on gets the window handler (user data: its
// window number), every control the control handler (user data: its control
// number). nullptr for either installs nothing of that kind.
void setDefaultHandlers(WindowHandler windowHandler, ControlHandler controlHandler);

// The menu bar stands in every document window. While none is visible, a
// small document window of its own with this title carries it, so that the
// menus stay reachable; closing it sends the quit command. An empty title:
// no such window.
void setMenuHost(std::string_view title);
bool isMenuHostVisible();

// The command that quitting the program stands for. The layer sends it,
// whatever the menus' states, when the menu host window is closed and when
// the desktop session ends.
void setQuitCommand(MenuNumber menu, int32_t item);

// The keyboard reaches the menu bar of a document window as on any desktop:
// F10, or Alt pressed and released alone, opens it; the arrows move and
// Return chooses.

// The standard edit commands of a text field.
enum class EditCommand : int32_t { Undo, Redo, Cut, Copy, Paste, Clear, SelectAll };

// Gives the item an edit command: choosing it acts on the focused edit field
// (before the command handler hears of it), and the layer keeps the item
// enabled exactly while the command can act there.
void setMenuItemEditCommand(MenuNumber menu, int32_t item, EditCommand command);
// Whether an edit field of the program holds the keyboard focus (in the
// active window, or in the floating palette that last had it).
bool isEditFieldFocused();
bool canPerformEditCommand(EditCommand command);
// Acts on the focused edit field; nothing when none is focused or the
// command cannot act.
void performEditCommand(EditCommand command);

// ---------------------------------------------------------------------------
// Documents: reading whole files and writing them atomically

// The files of the user's documents. Paths are UTF-8; the bytes go in and
// out unchanged; a reason given in `error` is a Mac Roman text for the
// user. Tests may install their own service (a double that fails on demand).
class DocumentFileService {
public:
    virtual ~DocumentFileService() = default;
    // Reads the file: all of it, or its first `limit` bytes when it is
    // longer. False, with the reason, when it cannot be opened or read. Only
    // a regular file is read: a folder, pipe, socket or device is refused
    // before it is opened, so that reading never waits.
    virtual bool readFile(const std::string& path, std::size_t limit, std::string& bytes, std::string& error) = 0;
    // Makes `bytes` the whole file, created when missing, in one step: they
    // are written to a new file beside it, which takes its place only once
    // written whole and on the disk; the folder is then synchronised. True
    // only when every step succeeded. False, with the reason, when any step
    // fails; the new file is then removed and the old file left exactly as
    // it was (only when synchronising the folder fails after the new file
    // took its place is the old one already gone).
    virtual bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error) = 0;
    // As writeFileAtomically, over the very file `seen` identifies alone: the
    // file of that device and inode, at the name in the folder where it was
    // seen, looked at again just before the new file takes its place. When
    // another file, a link or nothing stands there by then, nothing is
    // written and `changed` is set (with the reason in `error`).
    virtual bool replaceFileSeen(const std::string& path, std::string_view bytes, const FileIdentity& seen,
                                 bool& changed, std::string& error) = 0;
    // What identifies the file at `path` now, a link followed to the file it
    // names; nothing when nothing is there or it cannot be looked at.
    virtual std::optional<FileIdentity> identify(const std::string& path) = 0;
};

// nullptr puts the layer's own service back.
void setDocumentFileService(DocumentFileService* service);
DocumentFileService& documentFiles();

// The questions of documents: the file dialogs, the save-changes question
// and the file-error alert. Each shows its dialog and returns at once; the
// answer comes later, on the event loop, exactly once (never when the
// window the dialog stands on is closed first). Tests install a double
// that records the questions and answers them.

// The answers of the save-changes question, by the codes the design flow
// dispatches on.
enum class SaveChangesAnswer : int32_t { Cancel = 1, Save = 6, DontSave = 7 };

// The answers of the question asked before a Save writes over a document
// file that is no longer as the program left it.
enum class ChangedFileAnswer : int32_t { Cancel, SaveOver, SaveAs };

struct OpenFileRequest {
    std::string message;  // Mac Roman, e.g. "Select Open File."
    // Which items the dialog lists: called with a UTF-8 path and whether it
    // is a folder; true shows it. No filter shows everything.
    std::function<bool(const std::string& path, bool isFolder)> filter;
    std::string folder;  // UTF-8 folder the dialog starts in; "": the user's home folder
};

struct SaveFileRequest {
    WindowNumber window = 0;   // the window the dialog stands on as a sheet; 0: none
    std::string message;       // Mac Roman, e.g. "Save This File As..."
    std::string proposedName;  // UTF-8 file name
    std::string folder;        // UTF-8 folder the dialog starts in; "": the user's home folder
    std::string suffix;        // without dot: every name given back ends in "." + suffix exactly
};

// Every question is answered exactly once: a dialog that goes with the
// window it stands on is answered as cancelled (nothing chosen, Cancel,
// Continue), on the event loop after the window has gone.
class DocumentDialogService {
public:
    virtual ~DocumentDialogService() = default;
    // Asks for one existing file, application-modal; `done` gets its UTF-8
    // path, or nothing when the user cancels.
    virtual void chooseFileToOpen(const OpenFileRequest& request,
                                  std::function<void(std::optional<std::string>)> done) = 0;
    // Asks where to save. The path given back ends in "." + suffix (added
    // when the name typed lacks it, letter case counting), and the user has
    // agreed to replace a file that is there; nothing when cancelled.
    virtual void chooseFileToSave(const SaveFileRequest& request,
                                  std::function<void(std::optional<std::string>)> done) = 0;
    // Whether the changes of the document named (Mac Roman) are to be
    // saved: Save, Don't Save or Cancel, as a sheet on the window.
    virtual void askSaveChanges(WindowNumber window, std::string_view documentName,
                                std::function<void(SaveChangesAnswer)> done) = 0;
    // Before a Save writes over a document file that changed, was replaced
    // or went since the program last read or wrote it (Mac Roman texts,
    // naming the file): "Save Over", "Save As..." or "Cancel", as a sheet
    // on the window; neither the default answer nor Escape writes over it.
    virtual void askSaveOverChangedFile(WindowNumber window, std::string_view message,
                                        std::string_view informativeText,
                                        std::function<void(ChangedFileAnswer)> done) = 0;
    // A file error (Mac Roman texts) with the buttons "Stop" and "Continue";
    // `done` gets true for Stop.
    virtual void fileError(WindowNumber window, std::string_view title, std::string_view message,
                           std::function<void(bool stop)> done) = 0;
};

// nullptr puts the layer's own dialogs back.
void setDocumentDialogService(DocumentDialogService* service);
DocumentDialogService& documentDialogs();

// Documents handed from one start of the program to another. The first
// program of the user that takes the receiving place (a socket in a private
// folder of the user's runtime folder) gets the documents named to every
// later start, and comes forward; the later start then ends.
using DocumentReceiver = std::function<void(const std::vector<std::string>& paths)>;

class DocumentHandoverService {
public:
    virtual ~DocumentHandoverService() = default;
    // With a program that receives: hands it the documents (absolute UTF-8
    // paths; none at all for a start without documents, which brings that
    // program forward) and returns true once it has them. Otherwise returns
    // false, and this one takes the place: `receiver` then gets the
    // documents of later starts on the event loop.
    virtual bool handOver(const std::vector<std::string>& paths, DocumentReceiver receiver) = 0;
    // Leaves the receiving place (the program ends).
    virtual void stopReceiving() = 0;
};

// nullptr puts the layer's own back.
void setDocumentHandoverService(DocumentHandoverService* service);
DocumentHandoverService& documentHandover();

// ---------------------------------------------------------------------------
// Pictures: vector drawings of the resources on surfaces and image views
//
// The program's pictures are vector drawings (.svg). Wherever a picture is
// named (image views, bevel buttons, cursors, the drawing primitives), a
// name whose file is missing finds the drawing of the same name instead, so
// "ClosedImage.png" shows "ClosedImage.svg". A drawing keeps its proportions
// when scaled into a rectangle of another shape, centred in it; on a PDF
// page it stays vectors.

// The file that shows picture `file` of folder `folder` of the resources:
// that file, or the drawing of the same name; "" when neither exists.
std::string picturePath(std::string_view file, std::string_view folder = "Images");

// ---------------------------------------------------------------------------
// URL loading

// What the server answered, before the body.
struct UrlResponse {
    std::string url;                 // after redirects
    int32_t httpStatus = 0;          // 200, 404, ...; 0 for other schemes
    int64_t expectedLength = -1;     // bytes; -1 when not announced
    std::string mimeType;
    std::string suggestedFilename;   // from the answer, else the URL's last part
};

enum class UrlErrorKind : int32_t {
    BadUrl,
    HostNotFound,
    CannotConnect,
    TimedOut,
    ConnectionLost,
    SecureConnectionFailed,
    HttpStatus,       // downloads: the server answered with an error status
    CannotWriteFile,  // downloads: no destination, or it could not be written
    TooLarge,         // the body was announced or grew past the load's byte limit
    Unreadable,       // downloads: the file did not read whole as the archive it must be
    Other,
};

struct UrlError {
    UrlErrorKind kind = UrlErrorKind::Other;
    std::string description;
};

// Bounds on one load, each off at its default. They are checked as the
// answer arrives: the announced length with the headers, the bytes with
// each piece of the body.
struct UrlLoadLimits {
    int64_t maxBytes = -1;         // a body announced or grown past this fails the load as TooLarge (-1: none)
    int64_t minBytes = 0;          // less than this many bytes in any period of
    double minBytesSeconds = 0.0;  // this many seconds fails the load as timed out (0: none)
    double maxSeconds = 0.0;       // a load not ended this long after its start fails as timed out (0: none)
};

struct UrlLoadRequest {
    std::string url;
    double timeoutSeconds = 60.0;  // no data for this long fails the load as timed out
    UrlLoadLimits limits = {};
};

// A load's callbacks, all from the event loop and never from inside start():
// `response` once, before any data; `data` as the bytes arrive, a bounded
// piece at a time (the connection waits while a piece is not taken); then exactly
// one of `finished` and `failed`. An HTTP error status (404, 500...) is an
// answer like any other: response, data, finished. A successful status whose
// body could not be had whole (cut short, undecodable) is a failure.
struct UrlLoadCallbacks {
    std::function<void(const UrlResponse&)> response;
    std::function<void(std::string_view bytes)> data;
    std::function<void()> finished;
    std::function<void(const UrlError&)> failed;
};

using UrlLoadId = int32_t;

class NetworkService {
public:
    virtual ~NetworkService() = default;
    // Starts loading; the id stays valid until finished or failed has been
    // called.
    virtual UrlLoadId start(const UrlLoadRequest& request, UrlLoadCallbacks callbacks) = 0;
    // Stops a running load: none of its callbacks comes afterwards.
    virtual void cancel(UrlLoadId load) = 0;
};
void setNetworkService(NetworkService* service);
NetworkService& network();

// ---------------------------------------------------------------------------
// Archives

// Reads the archives the program fetches (the update's package) through the
// system's archive library. A test installs a double with
// setArchiveService(&double); nullptr puts the library's own back.
class ArchiveService {
public:
    virtual ~ArchiveService() = default;
    // Whether the file at `path` reads whole as a zip archive: its directory
    // found where it ends, at least one entry, and every entry's data read
    // through with its checksum right. An archive whose entries unpack to
    // more than `maxUnpackedBytes` in all is refused unread to its end. Once
    // `stop` (when given) is set, the reading ends soon with false. It may be
    // called from a worker thread (see checkZipAway).
    virtual bool readsWholeAsZip(const std::string& path, int64_t maxUnpackedBytes,
                                 const std::atomic<bool>* stop = nullptr) = 0;
};
void setArchiveService(ArchiveService* service);
ArchiveService& archives();

// Reading an archive through can take seconds (an archive that unpacks to
// gigabytes, or one of countless entries), so a check runs away from the
// event loop: archives().readsWholeAsZip in a worker thread of its own, the
// only work of the program that does not run on the event loop. `verdict`
// comes from the event loop once the reading has ended, never from inside
// the call. Without the windowing layer (no event loop) the file is read at
// once and the verdict comes from inside the call. Ids start at 1.
using ZipCheckId = int32_t;
ZipCheckId checkZipAway(const std::string& path, int64_t maxUnpackedBytes, std::function<void(bool whole)> verdict);
// Stops a check: its reading ends soon after, and its verdict never comes
// (it is dropped later, on the event loop, not inside this call).
void stopZipCheck(ZipCheckId check);

// ---------------------------------------------------------------------------
// Messages between applications and the clipboard

// A text message between this program and a sibling application: the
// four-character class of the receiving side, the four-character event id
// ("TEXT") and at most 255 bytes of text.
struct AppMessage {
    std::string eventClass;
    std::string eventId;
    std::string text;
};
inline constexpr std::size_t kAppMessageTextLimit = 255;  // bytes

// What launching a sibling returns when the desktop has no such application.
inline constexpr int32_t kApplicationNotFound = -10814;

using AppMessageReceiver = std::function<void(const AppMessage&)>;

// Messages between the running programs of this user. Each program opens
// one endpoint under its application name; sending reaches every running
// program of the named application except the sender. A test installs a
// double with setMessageService(&double); nullptr puts the layer's own
// back. Before the layer has started, nothing is sent or received.
class MessageService {
public:
    virtual ~MessageService() = default;
    // Opens this program's endpoint and hands every message that arrives to
    // the receiver, on the event loop, one at a time. False when no endpoint
    // could be made (the program then receives nothing).
    virtual bool listen(std::string_view applicationName, AppMessageReceiver receiver) = 0;
    virtual void stopListening() = 0;
    // Sends the message to every running program of the application (an
    // empty name: to every other program); a text past 255 bytes is cut.
    // A program that is not running receives nothing and costs nothing.
    // Returns the number of programs served, or -1 when sending failed (the
    // programs served before keep their message).
    virtual int32_t send(std::string_view applicationName, const AppMessage& message) = 0;
    // Starts the application found by its desktop entry or executable name;
    // 0 when started, kApplicationNotFound when the desktop has none.
    virtual int32_t launch(std::string_view applicationName) = 0;
};
void setMessageService(MessageService* service);
MessageService& messageService();

// The desktop's clipboard, read only when the user pastes.
class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    // The text on the clipboard as the desktop gives it, in UTF-8 (possibly
    // empty), composed (Unicode NFC) as a typed text is; nothing when the
    // clipboard holds no text.
    virtual std::optional<std::string> text() = 0;
};
void setClipboardService(ClipboardService* service);
ClipboardService& clipboard();

// Whether one of the layer's own modal dialogs (a question, an alert, a
// file dialog) waits for its answer; the numbered windows do not count.
// Messages that would end or replace the design wait for none of them.
bool modalDialogShown();
// Brings forward what the layer itself shows in front of the numbered
// windows, raised and activated: the modal dialog that waits for its
// answer, else the menu host window while it is shown. False when neither is.
bool bringLayerWindowForward();

// The windowing layer's own services, installed when it starts; what
// set...Service(nullptr) goes back to.
void installLayerMessaging(MessageService* messages, ClipboardService* clipboard);

// ---------------------------------------------------------------------------
// Printing, PNG pictures of windows and sounds

// Printing. The print service lays the response page out in points (one
// unit one point) on the printable area of the paper, scaled by the page
// scale, and prints one document of pages drawn with the primitives: while
// a page is open the primitives draw on it whenever DoPrint is set. Tests
// install a double that prints to a PDF file through openPage.

// Status codes of printing: 0 success.
inline constexpr int32_t kPrintNoDefaultPrinter = -30872;  // no printer to print with
inline constexpr int32_t kPrintCancelled = -128;           // the user cancelled: nothing to report
inline constexpr int32_t kPrintOutputNotAFile = -37;       // the PDF file to print to names a folder
inline constexpr int32_t kPrintFailed = -30870;            // the printer or file could not be written

// A paper and the way the page lies on it.
struct PaperFormat {
    std::string paper;      // a name of paperNames()
    bool landscape = false;
};

// The printable area of the paper in points, from its top left corner:
// top and left 0, bottom its height and right its width.
struct PageArea {
    double top = 0.0, left = 0.0, bottom = 0.0, right = 0.0;
};

// What the print dialog is opened for.
struct PrintJobRequest {
    WindowNumber window = 0;   // the dialog is window-modal on it
    std::string jobName;       // UTF-8
    PaperFormat format;
    int32_t firstPage = 1, lastPage = 1;  // the pages the document has
    int32_t copies = 1;
    std::string folder;        // where a PDF file to print to is proposed (the document's folder)
};

// How the print dialog ended. A cancelled dialog is not accepted and has
// status kPrintCancelled; an accepted one that cannot print (a folder as
// the PDF file) has a failure status and `reason`, a UTF-8 text for the user.
struct PrintDialogResult {
    bool accepted = false;
    int32_t status = kPrintCancelled;
    int32_t firstPage = 1, lastPage = 1;  // the range chosen, within the document's pages
    PageArea area;                        // the printable area of the paper chosen
    std::string reason;
};

class PrintService {
public:
    virtual ~PrintService() = default;
    // The papers the page setup offers, and the one it starts from.
    virtual std::vector<std::string> paperNames() = 0;
    virtual std::string defaultPaper() = 0;
    // The printable area of the paper in that orientation; nothing for a
    // paper the service does not know.
    virtual std::optional<PageArea> printableArea(const PaperFormat& format) = 0;
    // Opens the print dialog window-modal on the job's window and returns at
    // once; `done` is called from the event loop when it closes. Without a
    // printer the dialog prints to a PDF file instead.
    virtual void runPrintDialog(const PrintJobRequest& job, std::function<void(const PrintDialogResult&)> done) = 0;
    // The document of the last accepted dialog, its page drawing scaled by
    // `scalePercent`: begin, then each page between beginPage and endPage,
    // then end. Each returns 0 or a failure status; endDocument always ends.
    virtual int32_t beginDocument(double scalePercent) = 0;
    virtual int32_t beginPage() = 0;
    virtual int32_t endPage() = 0;
    virtual int32_t endDocument() = 0;
    // Why the last document failed, in words for the user (UTF-8): what
    // could not be done and the system's reason; empty when none is known.
    virtual std::string failureReason() { return {}; }
};
// nullptr puts the layer's own service back.
void setPrintService(PrintService* service);
PrintService& printing();

// The window's content (its drawing and its controls) as PNG bytes, taken
// now; false when the window does not exist.
bool windowPng(WindowNumber window, std::string& png);

// The questions of a snapshot: where to save it, and whether to stop after
// it could not be written.
class ImageSaveService {
public:
    virtual ~ImageSaveService() = default;
    // A save dialog window-modal on the window, titled `title` (Mac Roman),
    // starting in `folder` (UTF-8; "": the user's home folder) and proposing
    // the file name `proposedName` (UTF-8) for a PNG picture; returns at once
    // and calls `done` with the path chosen (UTF-8), or nothing when the
    // user cancelled.
    virtual void askPngPath(WindowNumber window, std::string_view title, std::string_view folder,
                            std::string_view proposedName, std::function<void(std::optional<std::string>)> done) = 0;
    // A stop alert with "Stop" and "Continue" (texts Mac Roman); returns at
    // once and calls `done` with true for Stop.
    virtual void askStopOrContinue(std::string_view message, std::string_view informativeText,
                                   std::function<void(bool stop)> done) = 0;
};
// nullptr puts the layer's own service back.
void setImageSaveService(ImageSaveService* service);
ImageSaveService& imageSaving();

// Sounds made by the program itself.
class SoundService {
public:
    virtual ~SoundService() = default;
    // Starts playing the samples (16-bit, one channel, `sampleRate` per
    // second) and returns at once; plays nothing where there is no audio
    // output.
    virtual void playSamples(const std::vector<int16_t>& samples, int32_t sampleRate) = 0;
};
// nullptr puts the layer's own service back.
void setSoundService(SoundService* service);
SoundService& sound();

}  // namespace quendal::platform
