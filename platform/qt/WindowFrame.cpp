#include "platform/qt/WindowFrame.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleHints>
#include <QWheelEvent>
#include <QWindow>

#include "platform/qt/ControlWidgets.h"
#include "platform/qt/MacRoman.h"
#include "platform/qt/Registry.h"

namespace quendal::platform::qt {

namespace {

constexpr int kProgramMoveGraceMs = 500;  // window-system echoes of our own moves
constexpr int kDragSettleMs = 300;        // no move for this long ends a drag
constexpr int kAssumedTitleBar = 24;      // px, until the window system has framed the window
constexpr int kAssumedBorder = 5;         // px on the other sides until then: a window placed at
                                          // the screen's edge keeps its frame on the screen
constexpr int kScrollStep = 20;           // px per arrow click of the page's scroll bar
constexpr int kWheelNotch = 120;          // angle units of one wheel notch
constexpr int kLinesPerNotch = 3;         // scroll steps per wheel notch

uint32_t modifiersOf(Qt::KeyboardModifiers m) {
    uint32_t r = 0;
    if (m & Qt::ControlModifier) r |= kCommandKey;
    if (m & Qt::ShiftModifier) r |= kShiftKey;
    if (m & Qt::AltModifier) r |= kOptionKey;
    if (m & Qt::MetaModifier) r |= kControlKey;
    return r;
}

// The character a key event types, as the handlers compare it.
uint8_t characterOf(const QKeyEvent& e) {
    switch (e.key()) {
        case Qt::Key_Return: return kReturnChar;
        case Qt::Key_Enter: return kEnterChar;
        case Qt::Key_Escape: return kEscapeChar;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return kTabChar;
        case Qt::Key_Left: return kLeftArrowChar;
        case Qt::Key_Right: return kRightArrowChar;
        case Qt::Key_Up: return kUpArrowChar;
        case Qt::Key_Down: return kDownArrowChar;
        case Qt::Key_Backspace: return kBackspaceChar;
        case Qt::Key_Delete: return kDeleteChar;
        case Qt::Key_Space: return kSpaceChar;
        default: break;
    }
    const Qt::KeyboardModifiers m = e.modifiers();
    const bool letter = e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z;
    // Option (Alt) with D or S types the characters the shortcuts are known by.
    if ((m & Qt::AltModifier) && !(m & Qt::ControlModifier)) {
        if (e.key() == Qt::Key_D) return kOptionDChar;
        if (e.key() == Qt::Key_S) return kOptionSChar;
    }
    // With Command (Ctrl) a letter key types its letter, not a control character.
    if (letter && ((m & Qt::ControlModifier) || e.text().isEmpty()))
        return uint8_t(((m & Qt::ShiftModifier) ? 'A' : 'a') + (e.key() - Qt::Key_A));
    if (!e.text().isEmpty()) {
        const std::string bytes = toMacRoman(e.text().left(1));
        if (!bytes.empty() && (bytes[0] != '?' || e.text().startsWith(QLatin1Char('?'))))
            return static_cast<uint8_t>(bytes[0]);
    }
    return 0;
}

}  // namespace

bool openMenuBarByKey(QMenuBar* bar, const QKeyEvent& key) {
    if (bar == nullptr || key.type() != QEvent::KeyPress || key.key() != Qt::Key_F10 ||
        key.modifiers() != Qt::NoModifier)
        return false;
    for (QAction* action : bar->actions()) {
        if (action->isVisible() && !action->isSeparator()) {
            bar->setActiveAction(action);
            return true;
        }
    }
    return true;  // an empty bar: the key still means the menus
}

void showMenusInBar(QMenuBar* bar, const QList<QMenu*>& menus) {
    QList<QAction*> wanted;
    wanted.reserve(menus.size());
    for (QMenu* menu : menus) wanted.append(menu->menuAction());
    for (QAction* action : bar->actions())
        if (!wanted.contains(action)) bar->removeAction(action);
    for (qsizetype at = 0; at < wanted.size(); ++at) {
        const QList<QAction*> shown = bar->actions();
        if (at < shown.size() && shown[at] == wanted[at]) continue;
        bar->insertAction(at < shown.size() ? shown[at] : nullptr, wanted[at]);  // moves it when it is there
    }
}

// --- ContentView -------------------------------------------------------------

ContentView::ContentView(WindowNumber window, QColor background, QWidget* parent)
    : QWidget(parent), window_(window), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void ContentView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), background_);
    if (WindowRecord* record = findWindow(window_); record != nullptr && record->surface)
        p.drawImage(QPointF(0, 0), record->surface->image());
}

// --- WindowFrame ---------------------------------------------------------------

WindowFrame::WindowFrame(WindowNumber window, WindowKind kind, QWidget* parent)
    : QWidget(parent), window_(window), kind_(kind) {
    switch (kind) {
        case WindowKind::Document: setWindowFlags(Qt::Window); break;
        case WindowKind::Dialog: setWindowFlags(Qt::Dialog); break;
        case WindowKind::FloatingPalette: setWindowFlags(Qt::Tool); break;
        case WindowKind::Sheet:
            setWindowFlags(Qt::Dialog);
            setWindowModality(Qt::WindowModal);
            break;
    }
    const QColor background = kind == WindowKind::Document ? QColor(Qt::white) : palette().color(QPalette::Window);
    if (kind == WindowKind::Document) {
        menuBar_ = new QMenuBar(this);
    }
    content_ = new ContentView(window, background, this);
    content_->setMouseTracking(true);
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QStringLiteral("page-scroll"));
    scrollBar_->setSingleStep(kScrollStep);
    scrollBar_->hide();
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this] { layoutChildren(); });
    setMouseTracking(true);
    dragEnd_.setSingleShot(true);
    connect(&dragEnd_, &QTimer::timeout, this, [this] {
        dragging_ = false;
        send(WindowEventKind::DragCompleted);
    });
    create();
    if (QWindow* handle = windowHandle()) handle->installEventFilter(this);
}

int WindowFrame::menuBarHeight() const {
    if (menuBar_ == nullptr || menuBar_->isNativeMenuBar()) return 0;
    return menuBar_->sizeHint().height();
}

void WindowFrame::layoutChildren() {
    const int bar = menuBarHeight();
    if (menuBar_ != nullptr) menuBar_->setGeometry(0, 0, width(), bar);
    const QSize visible(width(), std::max(0, height() - bar));
    // The content view is the page: at least the visible content, taller
    // where the page is taller, and then scrolled.
    const QSize page = page_.isValid() ? page_.expandedTo(visible) : visible;
    const int hidden = page.height() - visible.height();
    {
        const QSignalBlocker blocker(scrollBar_);
        scrollBar_->setRange(0, std::max(0, hidden));
        scrollBar_->setPageStep(std::max(1, visible.height()));
    }
    if (hidden > 0) {
        const int w = scrollBar_->sizeHint().width();
        scrollBar_->setGeometry(width() - w, bar, w, visible.height());
        scrollBar_->show();
        scrollBar_->raise();
    } else {
        scrollBar_->hide();
    }
    content_->setGeometry(0, bar - scrollBar_->value(), page.width(), page.height());
    if (WindowRecord* record = findWindow(window_); record != nullptr && record->surface)
        record->surface->resize(content_->size(), content_->devicePixelRatioF());
}

QRect WindowFrame::contentGeometry() const {
    const int bar = menuBarHeight();  // geometry(): without the window system's frame
    return QRect(geometry().topLeft() + QPoint(0, bar), QSize(width(), std::max(0, height() - bar)));
}

void WindowFrame::setContentGeometry(const QRect& rect) {
    const int bar = menuBarHeight();
    sinceProgramMove_.restart();
    if (!resizable_) setFixedSize(rect.width(), rect.height() + bar);
    else applySizeLimits();
    setGeometry(rect.x(), rect.y() - bar, rect.width(), rect.height() + bar);
    layoutChildren();
}

void WindowFrame::setResizable(bool resizable) {
    resizable_ = resizable;
    applySizeLimits();
}

void WindowFrame::setContentLimits(QSize minimum, QSize maximum) {
    minContent_ = minimum;
    maxContent_ = maximum;
    sinceProgramMove_.restart();
    applySizeLimits();  // a size outside the limits changes at once, its top left staying
    layoutChildren();
}

void WindowFrame::applySizeLimits() {
    const int bar = menuBarHeight();
    if (!resizable_) {
        setFixedSize(content_->width(), content_->height() + bar);
        return;
    }
    // Each limit on its own: 0 leaves it open.
    setMinimumSize(std::max(0, minContent_.width()), minContent_.height() > 0 ? minContent_.height() + bar : 0);
    setMaximumSize(maxContent_.width() > 0 ? maxContent_.width() : QWIDGETSIZE_MAX,
                   maxContent_.height() > 0 ? maxContent_.height() + bar : QWIDGETSIZE_MAX);
}

void WindowFrame::setPageSize(QSize page) {
    page_ = page;
    layoutChildren();
}

int WindowFrame::pageScroll() const { return scrollBar_->isVisible() ? scrollBar_->value() : 0; }

QMargins WindowFrame::frameMargins() const {
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    QMargins margins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                     outer.bottom() - inner.bottom());
    if (outer == inner) margins = QMargins(kAssumedBorder, kAssumedTitleBar, kAssumedBorder, kAssumedBorder);  // not framed yet
    margins.setTop(margins.top() + menuBarHeight());
    return margins;
}

bool WindowFrame::startUserMove() {
    if (!isVisible()) return false;
    dragEnd_.stop();
    if (QWindow* handle = windowHandle(); handle != nullptr && handle->startSystemMove()) return true;
    // No move by the window system (none running, or none offered): follow
    // the pointer until the button comes up.
    manualMove_ = true;
    moveStartPosition_ = geometry().topLeft();
    dragging_ = true;
    send(WindowEventKind::DragStarted);
    return true;
}

bool WindowFrame::manualMoveEvent(QEvent* event) {
    auto* me = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseButtonRelease) {
        endManualMove();
        return mouseEvent(event);  // the handlers see the button come up
    }
    if (event->type() != QEvent::MouseMove) return true;
    if (me->buttons() == Qt::NoButton) {  // the release went elsewhere
        endManualMove();
        return false;
    }
    const QPoint offset = (me->globalPosition() - lastPressGlobal_).toPoint();
    setGeometry(QRect(moveStartPosition_ + offset, size()));
    followWindowGroup(window_);
    send(WindowEventKind::BoundsChanged);
    return true;
}

void WindowFrame::endManualMove() {
    if (!manualMove_) return;
    manualMove_ = false;
    dragging_ = false;
    dragEnd_.stop();
    send(WindowEventKind::DragCompleted);
}

void WindowFrame::setMenus(const QList<QMenu*>& menus) {
    if (menuBar_ == nullptr) return;
    const QRect content = contentGeometry();
    const int before = menuBarHeight();
    showMenusInBar(menuBar_, menus);
    if (menuBarHeight() != before) {
        applySizeLimits();
        setContentGeometry(content);
    }
}

void WindowFrame::closeQuietly() {
    quiet_ = true;
    manualMove_ = false;
    dragEnd_.stop();
    hide();
}

int32_t WindowFrame::send(WindowEventKind kind) {
    WindowEvent e;
    e.kind = kind;
    e.window = window_;
    return dispatchWindowEvent(e);
}

void WindowFrame::closeEvent(QCloseEvent* event) {
    if (quiet_) {
        event->accept();
        return;
    }
    const WindowNumber number = window_;
    if (kind_ == WindowKind::Sheet) {
        // A sheet closes only through its room, which takes the close for
        // Cancel, so that what Cancel restores is never skipped.
        event->ignore();
        send(WindowEventKind::Close);
        return;
    }
    if (send(WindowEventKind::Close) == kHandled) {
        event->ignore();  // the handler decides; it may have closed the window itself
        return;
    }
    event->accept();
    platform::closeWindow(number);  // the standard handling: the window goes
}

void WindowFrame::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (quiet_ || manualMove_) return;  // a move the layer runs reports its own events
    const bool byProgram = sinceProgramMove_.isValid() && sinceProgramMove_.elapsed() < kProgramMoveGraceMs;
    QPointer<WindowFrame> self(this);
    if (!byProgram && event->spontaneous() && isVisible()) {
        followWindowGroup(window_);
        if (!dragging_) {
            dragging_ = true;
            send(WindowEventKind::DragStarted);
            if (!self) return;
        }
        dragEnd_.start(kDragSettleMs);
    }
    send(WindowEventKind::BoundsChanged);
}

void WindowFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutChildren();
    if (!quiet_) send(WindowEventKind::BoundsChanged);
}

void WindowFrame::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    layoutChildren();
    if (kind_ == WindowKind::Document) scheduleMenuHostUpdate();
    if (!quiet_ && !returning_) send(WindowEventKind::Shown);
}

void WindowFrame::setVisible(bool visible) {
    if (kind_ == WindowKind::FloatingPalette) {
        shownByProgram_ = visible;
        if (visible && dialogShown()) {
            QWidget::setVisible(false);
            return;
        }
    }
    QWidget::setVisible(visible);
}

bool WindowFrame::shownByProgram() const { return kind_ == WindowKind::FloatingPalette ? shownByProgram_ : isVisible(); }

void WindowFrame::standAside(bool aside) {
    if (kind_ != WindowKind::FloatingPalette || !shownByProgram_ || aside != isVisible()) return;
    if (aside) {
        // Off the screen it floats over nothing: the window system hands
        // the keyboard on as for any window that goes, not to the window
        // it floated over.
        if (QWindow* handle = windowHandle()) {
            floatsOver_ = handle->transientParent();
            handle->setTransientParent(nullptr);
        }
        QWidget::setVisible(false);
        return;
    }
    if (QWindow* handle = windowHandle(); handle != nullptr && floatsOver_) handle->setTransientParent(floatsOver_);
    const bool quietShow = testAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    returning_ = true;
    QWidget::setVisible(true);
    returning_ = false;
    setAttribute(Qt::WA_ShowWithoutActivating, quietShow);
}

void WindowFrame::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (kind_ == WindowKind::Document) scheduleMenuHostUpdate();
}

void WindowFrame::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && kind_ == WindowKind::Document) carryPalettes();
    if (event->type() != QEvent::ActivationChange) return;
    // Activated with no control focused: the window gives the keyboard to
    // its default button rather than to a Cancel first in the Tab order.
    if (isActiveWindow() && focusWidget() == nullptr)
        if (QWidget* button = defaultButtonFirst(this)) button->setFocus(Qt::ActiveWindowFocusReason);
    if (!quiet_) send(isActiveWindow() ? WindowEventKind::Activated : WindowEventKind::Deactivated);
}

// A document minimized takes the palettes floating over it off the screen,
// and brings back as it comes back those it took: the window manager
// minimizes each palette alone, a transient of the program's windows as a
// group rather than of the document.
void WindowFrame::carryPalettes() {
    const bool minimized = isMinimized();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* palette = dynamic_cast<WindowFrame*>(widget);
        if (palette == nullptr || palette->document_ != this || !palette->isVisible()) continue;
        if (minimized && !palette->isMinimized()) {
            palette->minimizedWithDocument_ = true;
            palette->setWindowState(palette->windowState() | Qt::WindowMinimized);
        } else if (!minimized && std::exchange(palette->minimizedWithDocument_, false) && palette->isMinimized()) {
            palette->setWindowState(palette->windowState() & ~Qt::WindowMinimized);
        }
    }
}

bool WindowFrame::focusNextPrevChild(bool next) {
    // Tab and Shift+Tab walk the window's own order; a focus outside it
    // (none, or a control Tab does not stop at) walks the toolkit's chain.
    return focusNextInTabOrder(this, next) || QWidget::focusNextPrevChild(next);
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != windowHandle() || quiet_) return false;
    if (manualMove_) {
        switch (event->type()) {
            case QEvent::MouseButtonRelease:
            case QEvent::MouseMove: return manualMoveEvent(event);
            default: break;
        }
    }
    switch (event->type()) {
        case QEvent::Wheel:
            return wheelEvent(event);
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return mouseEvent(event);
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // An open list, popup or menu takes the keys while it is open;
            // the window beneath never sees them.
            if (QApplication::activePopupWidget() != nullptr) return false;
            return keyEvent(event);
        default:
            return false;
    }
}

bool WindowFrame::wheelEvent(QEvent* event) {
    if (!scrollBar_->isVisible()) return false;
    const auto* we = static_cast<QWheelEvent*>(event);
    const int notches = we->angleDelta().y() / kWheelNotch;
    scrollBar_->setValue(scrollBar_->value() - notches * kLinesPerNotch * scrollBar_->singleStep());
    return true;
}

bool WindowFrame::mouseEvent(QEvent* event) {
    auto* me = static_cast<QMouseEvent*>(event);
    // The scroll bar of a page works as it is; the handlers never see it.
    if (scrollBar_->isVisible() && scrollBar_->geometry().contains(me->position().toPoint())) return false;
    const bool overMenuBar = me->position().y() < menuBarHeight();
    const QPointF local = me->position() - QPointF(content_->pos());  // page coordinates
    WindowEvent e;
    e.window = window_;
    e.x = int32_t(std::floor(local.x()));
    e.y = int32_t(std::floor(local.y()));
    e.modifiers = modifiersOf(me->modifiers());
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            if (overMenuBar) return false;
            lastPressGlobal_ = me->globalPosition();
            const auto* hints = QGuiApplication::styleHints();
            const bool again = clicks_ > 0 && me->timestamp() >= lastPressTime_ &&
                               me->timestamp() - lastPressTime_ < ulong(hints->mouseDoubleClickInterval()) &&
                               (me->position() - lastPress_).manhattanLength() < hints->startDragDistance();
            clicks_ = again ? clicks_ + 1 : 1;
            lastPressTime_ = me->timestamp();
            lastPress_ = me->position();
            e.kind = WindowEventKind::MouseDown;
            e.clickCount = clicks_;
            pressConsumed_ = dispatchWindowEvent(e) == kHandled;
            return pressConsumed_;
        }
        case QEvent::MouseButtonDblClick:
            // Qt's extra double-click event; the second press above stood for it.
            return pressConsumed_;
        case QEvent::MouseButtonRelease:
            e.kind = WindowEventKind::MouseUp;
            return dispatchWindowEvent(e) == kHandled;
        default:
            if (me->buttons() != Qt::NoButton || overMenuBar) return false;
            e.kind = WindowEventKind::MouseMoved;
            return dispatchWindowEvent(e) == kHandled;
    }
}

bool WindowFrame::keyEvent(QEvent* event) {
    auto* ke = static_cast<QKeyEvent*>(event);
    if (menuBar_ != nullptr && !menuBar_->isNativeMenuBar()) {
        // Alt alone put the bar in keyboard mode: the keys that follow are its own.
        if (menuBar_->hasFocus()) return false;
        if (openMenuBarByKey(menuBar_, *ke)) return true;
    }
    switch (ke->key()) {  // a modifier alone types nothing
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return false;
        default: break;
    }
    switch (takerOfKey(focusWidget(), *ke)) {
        case KeyTaker::Control: return false;
        case KeyTaker::Pressed: return true;
        case KeyTaker::Window: break;
    }
    WindowEvent e;
    e.window = window_;
    e.modifiers = modifiersOf(ke->modifiers());
    e.character = characterOf(*ke);
    if (event->type() == QEvent::KeyPress) {
        e.kind = ke->isAutoRepeat() ? WindowEventKind::KeyRepeat : WindowEventKind::KeyDown;
    } else {
        if (ke->isAutoRepeat()) return false;
        e.kind = WindowEventKind::KeyUp;
    }
    return dispatchWindowEvent(e) == kHandled;
}

}  // namespace quendal::platform::qt
