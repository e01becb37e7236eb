// Windows by number: creating, finding, showing, closing, bounds and titles.
#include <algorithm>
#include <vector>

#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include "platform/qt/DesktopGroup.h"
#include "platform/qt/MacRoman.h"
#include "platform/qt/Registry.h"
#include "platform/qt/WindowFrame.h"

namespace quendal::platform {

namespace qt {

namespace {

WindowNumber gCurrentWindow = 0;

int16_t clamp16(int v) { return int16_t(std::clamp(v, -32768, 32767)); }

Rect16 toRect16(const QRect& r) {
    return {clamp16(r.top()), clamp16(r.left()), clamp16(r.top() + r.height()), clamp16(r.left() + r.width())};
}

// Where a window without a place of its own opens: a sheet at the top of
// its parent's content, centred across it; the others centred on the screen.
QPoint defaultPlace(WindowKind kind, QSize size, const WindowFrame* parent) {
    if (kind == WindowKind::Sheet && parent != nullptr) {
        const QRect p = parent->contentGeometry();
        return {p.left() + (p.width() - size.width()) / 2, p.top()};
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return {area.left() + std::max(0, (area.width() - size.width()) / 2),
            area.top() + std::max(0, (area.height() - size.height()) / 3)};
}

WindowFrame* frameOf(WindowNumber window) {
    WindowRecord* record = findWindow(window);
    return record != nullptr ? record->frame.data() : nullptr;
}

// The window group: each member with the top left of its content when the
// group was formed (moved along with the program's own moves of it).
struct GroupMember {
    WindowNumber number;
    QPoint origin;
};
std::vector<GroupMember> gGroup;

GroupMember* groupMember(WindowNumber window) {
    for (GroupMember& member : gGroup)
        if (member.number == window) return &member;
    return nullptr;
}

}  // namespace

void followWindowGroup(WindowNumber moved) {
    const GroupMember* leader = groupMember(moved);
    WindowFrame* leaderFrame = frameOf(moved);
    if (leader == nullptr || leaderFrame == nullptr) return;
    const QPoint offset = leaderFrame->contentGeometry().topLeft() - leader->origin;
    for (const GroupMember& member : gGroup) {
        WindowFrame* frame = frameOf(member.number);
        if (member.number == moved || frame == nullptr) continue;
        QRect content = frame->contentGeometry();
        content.moveTopLeft(member.origin + offset);
        if (content != frame->contentGeometry()) frame->setContentGeometry(content);
    }
}

std::map<WindowNumber, WindowRecord>& windowTable() {
    static std::map<WindowNumber, WindowRecord> table;
    return table;
}

WindowRecord* findWindow(WindowNumber window) {
    auto& table = windowTable();
    const auto it = table.find(window);
    return it != table.end() && it->second.frame ? &it->second : nullptr;
}

QWidget* windowWidget(WindowNumber window) { return frameOf(window); }

QWidget* contentWidget(WindowNumber window) {
    WindowFrame* frame = frameOf(window);
    return frame != nullptr ? frame->content() : nullptr;
}

WindowSurface* surfaceOf(WindowRecord& record) {
    if (!record.surface && record.frame) {
        ContentView* view = record.frame->content();
        record.surface = std::make_unique<WindowSurface>(view, view->background());
        record.surface->resize(view->size(), view->devicePixelRatioF());
    }
    return record.surface.get();
}

int32_t dispatchWindowEvent(const WindowEvent& event) {
    WindowRecord* record = findWindow(event.window);
    if (record == nullptr || record->handler == nullptr) return kEventNotHandled;
    const WindowHandler handler = record->handler;
    const int32_t userData = record->userData;
    return handler(event, userData);
}

}  // namespace qt

using namespace qt;

bool createWindow(WindowNumber window, WindowKind kind, Rect16 bounds, std::string_view title, WindowNumber parent) {
    installSurfaceProvider();
    WindowFrame* parentFrame = nullptr;
    if (kind == WindowKind::Sheet) {
        parentFrame = frameOf(parent);
        if (parentFrame == nullptr || parent == window) return false;
    }
    closeWindow(window);

    WindowRecord& record = windowTable()[window];
    record = WindowRecord{};
    record.number = window;
    record.kind = kind;
    record.parent = kind == WindowKind::Sheet ? parent : 0;
    record.title = std::string(title);
    auto* frame = new WindowFrame(window, kind, parentFrame);
    record.frame = frame;
    if (kind == WindowKind::FloatingPalette) watchDialogsForPalettes();
    frame->setObjectName(QStringLiteral("window-%1").arg(window));
    frame->setWindowTitle(fromMacRoman(title) + QStringLiteral("[*]"));

    QRect content(bounds.left, bounds.top, std::max(1, bounds.right - bounds.left),
                  std::max(1, bounds.bottom - bounds.top));
    if (bounds.top == 0 && bounds.left == 0) content.moveTopLeft(defaultPlace(kind, content.size(), parentFrame));
    if (kind == WindowKind::Document) refreshMenuBars();
    frame->setContentGeometry(content);
    if (WindowHandler handler = defaultWindowHandler()) installWindowHandler(window, handler, window);
    // A palette stays in front of the window it floats over, whichever of
    // them the user or the program brings forward: never under it. On a
    // desktop it floats over the program's windows as a group, so that its
    // minimize button takes the palette alone; as the document's own
    // transient, the window manager would minimize the document and every
    // palette with it.
    if (WindowFrame* over = kind == WindowKind::FloatingPalette ? frameOf(parent) : nullptr; over != nullptr) {
        frame->winId();
        over->winId();
        QWindow* group = programWindowGroup();
        frame->windowHandle()->setTransientParent(group != nullptr ? group : over->windowHandle());
        frame->setFloatsOver(over);
    }
    return true;
}

bool windowExists(WindowNumber window) { return findWindow(window) != nullptr; }

void showWindow(WindowNumber window) {
    if (WindowFrame* frame = frameOf(window)) frame->show();
}

void hideWindow(WindowNumber window) {
    if (WindowFrame* frame = frameOf(window)) frame->hide();
}

bool isWindowVisible(WindowNumber window) {
    WindowFrame* frame = frameOf(window);
    return frame != nullptr && frame->shownByProgram();
}

void closeWindow(WindowNumber window) {
    auto& table = windowTable();
    // Its sheets go first: they are the window's children.
    std::vector<WindowNumber> sheets;
    for (const auto& [number, record] : table)
        if (record.kind == WindowKind::Sheet && record.parent == window && number != window) sheets.push_back(number);
    for (WindowNumber sheet : sheets) closeWindow(sheet);

    std::erase_if(gGroup, [window](const GroupMember& member) { return member.number == window; });
    const auto it = table.find(window);
    if (it == table.end()) return;
    QPointer<WindowFrame> frame = it->second.frame;
    std::unique_ptr<WindowSurface> surface = std::move(it->second.surface);
    table.erase(it);
    if (gCurrentWindow == window) gCurrentWindow = 0;
    surface.reset();
    if (frame) {
        frame->closeQuietly();
        frame->deleteLater();  // safe inside the window's own handlers
    }
}

void selectWindow(WindowNumber window) {
    WindowFrame* frame = frameOf(window);
    if (frame == nullptr) return;
    frame->show();
    frame->raise();
    // A sheet or alert standing on the window stays in front of it, with or
    // without a window manager that keeps it there.
    for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow() && child->isVisible()) child->raise();
    gCurrentWindow = window;
    bringForward(frame);
}

void unminimizeWindow(WindowNumber window) {
    WindowFrame* frame = frameOf(window);
    if (frame != nullptr && frame->isMinimized()) frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
}

void setCurrentWindow(WindowNumber window) { gCurrentWindow = windowExists(window) ? window : 0; }

WindowNumber currentWindow() { return windowExists(gCurrentWindow) ? gCurrentWindow : 0; }

WindowNumber activeWindow() {
    for (QWidget* w = QApplication::activeWindow(); w != nullptr; w = w->parentWidget()) {
        if (auto* frame = dynamic_cast<WindowFrame*>(w)) return windowExists(frame->number()) ? frame->number() : 0;
    }
    return 0;
}

Rect16 windowBounds(WindowNumber window) {
    WindowFrame* frame = frameOf(window);
    return frame != nullptr ? toRect16(frame->contentGeometry()) : Rect16{};
}

void setWindowBounds(WindowNumber window, Rect16 bounds) {
    WindowFrame* frame = frameOf(window);
    if (frame == nullptr) return;
    const QPoint before = frame->contentGeometry().topLeft();
    frame->setContentGeometry(QRect(bounds.left, bounds.top, std::max(1, bounds.right - bounds.left),
                                    std::max(1, bounds.bottom - bounds.top)));
    // The program's own move takes no group along: the window's place in
    // the group moves with it.
    if (GroupMember* member = groupMember(window)) member->origin += frame->contentGeometry().topLeft() - before;
}

Rect16 windowFrameMargins(WindowNumber window) {
    WindowFrame* frame = frameOf(window);
    if (frame == nullptr) return {};
    const QMargins m = frame->frameMargins();
    return {clamp16(m.top()), clamp16(m.left()), clamp16(m.bottom()), clamp16(m.right())};
}

void setWindowPageSize(WindowNumber window, int32_t width, int32_t height) {
    if (WindowFrame* frame = frameOf(window))
        frame->setPageSize(width > 0 && height > 0 ? QSize(width, height) : QSize());
}

int32_t windowPageScroll(WindowNumber window) {
    WindowFrame* frame = frameOf(window);
    return frame != nullptr ? frame->pageScroll() : 0;
}

bool startWindowMove(WindowNumber window) {
    WindowFrame* frame = frameOf(window);
    return frame != nullptr && frame->startUserMove();
}

void groupWindows(const std::vector<WindowNumber>& windows) {
    gGroup.clear();
    for (WindowNumber window : windows) {
        WindowFrame* frame = frameOf(window);
        if (frame != nullptr && groupMember(window) == nullptr)
            gGroup.push_back({window, frame->contentGeometry().topLeft()});
    }
}

void ungroupWindows() { gGroup.clear(); }

std::vector<WindowNumber> groupedWindows() {
    std::vector<WindowNumber> numbers;
    for (const GroupMember& member : gGroup) numbers.push_back(member.number);
    return numbers;
}

Rect16 availableScreenArea(int32_t x, int32_t y) {
    const QPoint point(x, y);
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (screen == nullptr) {  // off every screen: the nearest one
        long nearest = -1;
        for (const QScreen* candidate : QGuiApplication::screens()) {
            const QRect g = candidate->geometry();
            const long dx = std::max({g.left() - x, 0, x - g.right()});
            const long dy = std::max({g.top() - y, 0, y - g.bottom()});
            const long distance = dx * dx + dy * dy;
            if (nearest < 0 || distance < nearest) {
                nearest = distance;
                screen = candidate;
            }
        }
    }
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return toRect16(screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768));
}

void setWindowTitle(WindowNumber window, std::string_view title) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr) return;
    record->title = std::string(title);
    record->frame->setWindowTitle(fromMacRoman(title) + QStringLiteral("[*]"));
}

std::string windowTitle(WindowNumber window) {
    WindowRecord* record = findWindow(window);
    return record != nullptr ? record->title : std::string();
}

void setWindowModified(WindowNumber window, bool modified) {
    if (WindowFrame* frame = frameOf(window)) frame->setWindowModified(modified);
}

bool isWindowModified(WindowNumber window) {
    WindowFrame* frame = frameOf(window);
    return frame != nullptr && frame->isWindowModified();
}

void setWindowThemeBackground(WindowNumber window, bool theme) {
    WindowFrame* frame = frameOf(window);
    if (frame == nullptr) return;
    const QColor background = theme ? frame->palette().color(QPalette::Window) : QColor(Qt::white);
    frame->content()->setBackground(background);
    if (WindowRecord* record = findWindow(window); record != nullptr && record->surface)
        record->surface->setBackground(background);
}

bool writeWindowPng(WindowNumber window, const std::string& path) {
    // Written as a snapshot is: whole, beside the file and then in its place.
    std::string png, error;
    return !path.empty() && windowPng(window, png) && documentFiles().writeFileAtomically(path, png, error);
}

int32_t installWindowHandler(WindowNumber window, WindowHandler handler, int32_t userData) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr) return -1;
    record->handler = handler;
    record->userData = userData;
    return kHandled;
}

}  // namespace quendal::platform
