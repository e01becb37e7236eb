// The screens windows are placed on.
#include <algorithm>

#include <QGuiApplication>
#include <QScreen>

#include "platform/Platform.h"

namespace quendal::platform {

Rect16 availableScreenArea(int32_t x, int32_t y) {
    const QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    auto clamp16 = [](int v) { return int16_t(std::clamp(v, -32768, 32767)); };
    return {clamp16(area.top()), clamp16(area.left()), clamp16(area.top() + area.height()),
            clamp16(area.left() + area.width())};
}

}  // namespace quendal::platform
