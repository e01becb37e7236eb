// Where the keyboard rests: the one rule of Platform.h, applied to the
// program's numbered windows and to the layer's own questions and file
// dialogs alike.
#include <algorithm>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <QTimer>
#include <QWidget>

#include "platform/qt/ControlWidgets.h"
#include "platform/qt/Registry.h"
#include "platform/qt/WindowFrame.h"
#include "platform/qt/WindowManagerAnswer.h"

namespace quendal::platform {

namespace qt {

namespace {

// The window system may hand the keyboard elsewhere as fast as the rule
// takes it back; past this many activations asked for in this time after
// its events alone, the rule stops asking until the program asks again or
// the time is over, rather than chase it.
constexpr int kActivationBudget = 8;
constexpr int kBudgetPeriodMs = 1000;

ChoosingWindowRule gChoosing = nullptr;

// The top-level windows the user was in, the most recent first, each with
// whether the program brought it forward, rather than the user (a click,
// the Window menu, the window system's own switch).
struct Recent {
    QPointer<QWidget> window;
    bool byProgram = false;
};
std::vector<Recent> gRecent;
// The window the rule last asked the window system to activate, and every
// window it asked for since one of them arrived (the window system may
// still activate an earlier one on its way).
QPointer<QWidget> gAsked;
std::vector<QPointer<QWidget>> gOnItsWay;

void askActivation(QWidget* window) {
    gAsked = window;
    std::erase_if(gOnItsWay, [window](const QPointer<QWidget>& w) { return !w || w == window; });
    if (gOnItsWay.size() >= 8) gOnItsWay.erase(gOnItsWay.begin());  // never arrived: a window system without one
    gOnItsWay.emplace_back(window);
    window->activateWindow();
}
// The window the user chose last (a click, the Window menu, the window
// system's switch), until a choosing window takes over: the design's
// windows the program brings forward as it redraws take no keyboard from it.
QPointer<QWidget> gChosen;

// For each window, the control the keyboard was last given there (by the
// user, the program or the rule), and the control the toolkit gave it on
// its own as the window was activated with none (the first of its Tab
// order, which the rule does not take for a choice).
struct Given {
    QPointer<QWidget> window;
    QPointer<QWidget> control;
    QPointer<QWidget> byToolkit;
    bool activatedWithout = false;  // activated just now with no control focused
    // No key or click has come to the window since it opened or the rule
    // last moved the keyboard there: the field with the keyboard is
    // selected whole whenever the rule is asked, whatever the window
    // system's hand-over to the window undid meanwhile.
    bool untouched = true;
};
std::vector<Given> gGiven;

bool gScheduled = false;
QElapsedTimer gBudgetStart;
int gActivationsAsked = 0;

bool isPlainWindow(const QWidget* widget) {
    if (widget == nullptr || !widget->isWindow()) return false;
    const Qt::WindowType type = widget->windowType();
    return type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen && type != Qt::Desktop;
}

bool isKind(QWidget* window, WindowKind kind) {
    const auto* frame = dynamic_cast<WindowFrame*>(window);
    return frame != nullptr && frame->kind() == kind;
}

// Documents and palettes are a design's windows (the menu host stands for
// a document); a choosing window takes the keyboard from them while a
// design waits.
bool isDesignWindow(QWidget* window) {
    return isKind(window, WindowKind::Document) || isKind(window, WindowKind::FloatingPalette) ||
           (window != nullptr && window == menuHostWidget());
}

bool isDocument(QWidget* window) { return isKind(window, WindowKind::Document); }

bool isShown(const QWidget* window) { return window != nullptr && window->isVisible(); }

bool isEntryField(const QWidget* widget) {
    const auto* edit = qobject_cast<const QLineEdit*>(widget);
    return edit != nullptr && !edit->isReadOnly();
}

// A control of the window that can hold the keyboard now.
bool canHoldKeyboard(const QWidget* control, const QWidget* window) {
    return control != nullptr && control != window && control->window() == window && control->isEnabled() &&
           control->isVisibleTo(window) && control->focusPolicy() != Qt::NoFocus;
}

Given& givenFor(QWidget* window) {
    std::erase_if(gGiven, [](const Given& g) { return !g.window; });
    for (Given& g : gGiven)
        if (g.window == window) return g;
    gGiven.push_back({window, nullptr, nullptr, false, true});
    return gGiven.back();
}

void give(QWidget* window, QWidget* control) {
    Given& g = givenFor(window);
    g.control = control;
    if (g.byToolkit == control) g.byToolkit = nullptr;
}

// The rule within a window: the first empty entry field, else the first
// entry field. Else, in a dialog, the default button where a button comes
// first in the Tab order (rather than a Cancel before it), otherwise the
// first control of the Tab order (a tab control, whose Space switches the
// tabs); a document or a palette then has none.
QWidget* firstChoice(QWidget* window) {
    QWidget* firstField = nullptr;
    QWidget* firstStop = nullptr;
    for (QWidget* w = window->nextInFocusChain(); w != nullptr && w != window; w = w->nextInFocusChain()) {
        if (!canHoldKeyboard(w, window) || w->focusProxy() != nullptr || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (firstStop == nullptr) firstStop = w;
        if (!isEntryField(w)) continue;
        if (static_cast<QLineEdit*>(w)->text().isEmpty()) return w;
        if (firstField == nullptr) firstField = w;
    }
    if (firstField != nullptr || isDesignWindow(window)) return firstField;
    if (QWidget* button = defaultButtonFirst(window)) return button;
    return firstStop;
}

// The control that takes the keyboard in the window: the one focused
// there, unless the toolkit chose it on its own, else the one last given
// it, while they can hold it; else the rule's first choice. Only the user
// (a click, Tab), the program or the rule gives a control the keyboard:
// where the toolkit passed it on (to the first control of a window
// activated with none, or on from a control the program gave it while
// dimmed), the rule chooses.
QWidget* controlFor(QWidget* window) {
    Given& g = givenFor(window);
    QWidget* focus = window->focusWidget();
    if (qobject_cast<QMenuBar*>(focus) != nullptr) return focus;  // its menus opened by the keyboard
    if (canHoldKeyboard(focus, window) && focus != g.byToolkit) return focus;
    return canHoldKeyboard(g.control, window) ? g.control.data() : firstChoice(window);
}

// Gives the control the keyboard within its window, a field with its text
// selected whole; the window itself when there is no control.
void focusWithin(QWidget* window, QWidget* control) {
    Given& g = givenFor(window);
    give(window, control);
    if (control == nullptr) {
        // No control: keys go to the window's own handler, also from a
        // menu of the window that has closed with the keyboard in it.
        const QWidget* focus = QApplication::focusWidget();
        const bool leftInClosedMenu = focus != nullptr && focus->window() != window && !focus->window()->isVisible();
        if ((window->focusWidget() != nullptr && window->focusWidget() != window) || leftInClosedMenu)
            window->setFocus(Qt::OtherFocusReason);
        return;
    }
    auto* edit = qobject_cast<QLineEdit*>(control);
    if (window->focusWidget() != control) {
        control->setFocus(Qt::OtherFocusReason);
        g.untouched = true;
    }
    if (edit != nullptr && g.untouched) edit->selectAll();
}

const Recent* mostRecent(bool (*wanted)(QWidget*)) {
    std::erase_if(gRecent, [](const Recent& r) { return !r.window; });
    for (const Recent& r : gRecent)
        if (isShown(r.window) && (wanted == nullptr || wanted(r.window))) return &r;
    return nullptr;
}

// Which window takes the keyboard, and whether it must come to the front
// for it (a modal window or the choosing window).
struct Target {
    QWidget* window = nullptr;
    bool toFront = false;
};

// A dialog window shown (Preferences, About, the update window), the one
// the user was in last first.
bool isShownDialog(QWidget* window) { return isShown(window) && isKind(window, WindowKind::Dialog); }
QWidget* frontDialog() {
    if (const Recent* dialog = mostRecent(isShownDialog)) return dialog->window;
    for (auto& [number, record] : windowTable())
        if (record.kind == WindowKind::Dialog && isShown(record.frame)) return record.frame;
    return nullptr;
}

Target targetWindow() {
    if (QWidget* modal = QApplication::activeModalWidget(); isShown(modal)) return {modal, true};
    const Recent* last = mostRecent(nullptr);
    QWidget* recent = last != nullptr ? last->window.data() : nullptr;
    // The design's windows stand behind the dialogs in front of them.
    if (recent == nullptr || isDesignWindow(recent))
        if (QWidget* dialog = frontDialog()) return {dialog, true};
    if (gChoosing != nullptr)
        if (const WindowNumber choosing = gChoosing(); choosing != 0)
            if (QWidget* window = windowWidget(choosing); isShown(window) && (recent == nullptr || isDesignWindow(recent))) {
                gChosen = nullptr;  // a design opens or comes back from it
                return {window, true};
            }
    if (last != nullptr && last->byProgram && isDesignWindow(recent) && isShown(gChosen) && isDesignWindow(gChosen))
        return {gChosen, false};
    // A palette the program brought forward with nothing to type into
    // leaves the keyboard to the document it floats over.
    if (last != nullptr && last->byProgram && isKind(recent, WindowKind::FloatingPalette) && controlFor(recent) == nullptr)
        if (const Recent* document = mostRecent(isDocument)) return {document->window, false};
    return {recent, false};
}

// Whether the rule may ask for the activation once more: as often as the
// program asks, but only so often for the window system's own moves.
bool activationAllowed(bool fromEvents) {
    if (!fromEvents || !gBudgetStart.isValid() || gBudgetStart.elapsed() > kBudgetPeriodMs) {
        gBudgetStart.restart();
        gActivationsAsked = 0;
    }
    return ++gActivationsAsked <= kActivationBudget;
}

// The toolkit ignores the window system's activations while a menu or
// list is open, and keeps the window it had when that closes: the window
// the window system activated meanwhile is the one the keyboard is in.
void followWindowSystem() {
    QWindow* focus = QGuiApplication::focusWindow();
    QWidget* active = QApplication::activeWindow();
    if (focus == nullptr || QApplication::activePopupWidget() != nullptr || (active != nullptr && active->windowHandle() == focus))
        return;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->windowHandle() == focus && isPlainWindow(window) && window->isVisible())
            QApplication::setActiveWindow(window);
}

bool gMenuClosed = false;  // since the rule last placed the keyboard

void place(bool fromEvents) {
    if (gMenuClosed && QApplication::activePopupWidget() == nullptr) {
        gMenuClosed = false;
        followWindowSystem();
    }
    const Target target = targetWindow();
    if (target.window == nullptr) return;
    focusWithin(target.window, controlFor(target.window));
    // The window system activates asynchronously: while an activation the
    // rule asked for another window is on its way, the window the toolkit
    // still calls active is asked for again, or the other would win.
    const bool otherOnItsWay = gAsked != nullptr && gAsked != target.window && !gAsked->isActiveWindow();
    if ((QApplication::activeWindow() == target.window && !otherOnItsWay) || !activationAllowed(fromEvents)) return;
    if (target.toFront) target.window->raise();
    askActivation(target.window);
}

void noteRecent(QWidget* window, bool byProgram) {
    std::erase_if(gRecent, [window](const Recent& r) { return !r.window || r.window == window; });
    gRecent.insert(gRecent.begin(), {window, byProgram});
}

// The user chose the window: a design's window keeps the keyboard while
// the program brings the design's windows forward.
void noteChosen(QWidget* window) {
    if (isDesignWindow(window)) gChosen = window;
}

// Follows the windows and the keyboard: a window activated is the one the
// user is in; a control reached by Tab or a click is the one given the
// keyboard; any window shown, hidden or activated asks the rule again.
class KeyboardWatch : public QObject {
public:
    explicit KeyboardWatch(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
            case QEvent::FocusIn: {
                if (widget->isWindow()) break;
                Given& g = givenFor(widget->window());
                if (static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason && g.activatedWithout)
                    g.byToolkit = widget;
                g.activatedWithout = false;
                break;
            }
            case QEvent::KeyPress:
                if (!widget->isWindow()) givenFor(widget->window()).untouched = false;
                break;
            case QEvent::MouseButtonPress: {
                // A click in a window: the user is in it, whoever
                // activated it.
                QWidget* window = widget->window();
                if (!widget->isWindow()) givenFor(window).untouched = false;
                QWidget* modal = QApplication::activeModalWidget();
                if (!isPlainWindow(window) || (modal != nullptr && window != modal)) break;
                std::erase_if(gRecent, [](const Recent& r) { return !r.window; });
                if (gRecent.empty() || gRecent.front().window != window) {
                    noteRecent(window, false);
                    scheduleKeyboardPlacement();
                }
                noteChosen(window);
                break;
            }
            case QEvent::WindowActivate:
                if (isPlainWindow(widget)) {
                    // The toolkit focuses a control next when the window has none.
                    givenFor(widget).activatedWithout = widget->focusWidget() == nullptr;
                    // Activated as the rule asked: brought forward as before;
                    // otherwise the user's (or the window system's) choice.
                    const bool asked = widget == gAsked;
                    const bool askedBefore = std::find(gOnItsWay.begin(), gOnItsWay.end(), widget) != gOnItsWay.end();
                    const bool byProgram = asked && !gRecent.empty() && gRecent.front().window == widget &&
                                           gRecent.front().byProgram;
                    if (asked) {  // arrived
                        gAsked = nullptr;
                        gOnItsWay.clear();
                    }
                    // An activation the rule asked before the last one, late,
                    // or one unasked while the window manager is at work on a
                    // window shown or hidden (its hand-over, not the user's
                    // choice): the rule places again.
                    const bool handedOn = windowManagerAtWork();
                    const bool late = askedBefore && !asked;
                    if ((QApplication::activeModalWidget() == nullptr || widget == QApplication::activeModalWidget()) &&
                        !late && (asked || !handedOn)) {
                        noteRecent(widget, byProgram);
                        if (!asked) noteChosen(widget);
                    }
                    scheduleKeyboardPlacement();
                }
                break;
            case QEvent::Show:
            case QEvent::Hide:
                if (widget->windowType() == Qt::Popup && event->type() == QEvent::Hide) {
                    gMenuClosed = true;  // the toolkit's active window may be stale
                    scheduleKeyboardPlacement();
                }
                if (isPlainWindow(widget)) {
                    askWindowManager();
                    scheduleKeyboardPlacement();
                }
                break;
            default: break;
        }
        return false;
    }
};

QPointer<KeyboardWatch> gWatch;

}  // namespace

void watchKeyboard() {
    QCoreApplication* app = QCoreApplication::instance();
    if (gWatch || app == nullptr) return;
    gWatch = new KeyboardWatch(app);
    app->installEventFilter(gWatch);
}

void scheduleKeyboardPlacement() {
    if (gScheduled || QCoreApplication::instance() == nullptr) return;
    gScheduled = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        gScheduled = false;
        place(true);
    });
}

void bringForward(QWidget* window, bool byUser) {
    if (window == nullptr) return;
    // The rule's ask for another window is behind the window brought
    // forward now: that activation arriving after this one is late.
    if (gAsked != nullptr && gAsked != window) gAsked = nullptr;
    // The program bringing forward the window the user is already in (a
    // click there handled) leaves it the user's choice.
    std::erase_if(gRecent, [](const Recent& r) { return !r.window; });
    if (byUser || gRecent.empty() || gRecent.front().window != window) noteRecent(window, !byUser);
    if (byUser) noteChosen(window);
    placeKeyboard();
}

void noteKeyboardGiven(QWidget* control) {
    if (control != nullptr && !control->isWindow()) give(control->window(), control);
}

void noteKeyboardPassedOn(QWidget* control) {
    if (control != nullptr && !control->isWindow()) givenFor(control->window()).byToolkit = control;
}

void settleWindowKeyboard(QWidget* window) {
    if (window == nullptr) return;
    focusWithin(window, firstChoice(window));
    scheduleKeyboardPlacement();
}

void forgetKeyboardPlaces() {
    gRecent.clear();
    gChosen = nullptr;
    gGiven.clear();
    gAsked = nullptr;
    gOnItsWay.clear();
}

}  // namespace qt

using namespace qt;

void setChoosingWindowRule(ChoosingWindowRule rule) { gChoosing = rule; }

void placeKeyboard() { place(false); }

void openForTyping(WindowNumber window, ControlNumber control) {
    setKeyboardFocus(window, control);
    QWidget* frame = windowWidget(window);
    if (frame == nullptr || controlWidget(window, control) == nullptr || !frame->isVisible()) return;
    // The user's choice, as a click there would be: the design's windows
    // the command brings forward next take no keyboard from it.
    bringForward(frame, true);
}

bool bringProgramForward() {
    // The design's windows first, the others over them, each keeping its
    // place among its kind; the rule's window comes on top.
    std::vector<QWidget*> order;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (isPlainWindow(widget) && widget->isVisible()) order.push_back(widget);
    std::stable_partition(order.begin(), order.end(), [](QWidget* w) { return isDesignWindow(w); });
    for (QWidget* window : order) {
        // A window the user minimized comes back onto the screen with the
        // others: a program started again shows itself whole.
        if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
    }
    gAsked = nullptr;
    const Target target = targetWindow();
    if (target.window == nullptr) return false;
    target.window->raise();
    if (auto* frame = dynamic_cast<WindowFrame*>(target.window)) setCurrentWindow(frame->number());
    focusWithin(target.window, controlFor(target.window));
    askActivation(target.window);
    return true;
}

}  // namespace quendal::platform
