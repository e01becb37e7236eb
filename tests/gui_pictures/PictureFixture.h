// Tests of the program's pictures start from the layer as just started, the
// state at its defaults and the resources of the source tree.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include "model/State.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"

namespace quendal::test {

class PictureTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
        platform::setResourceFolder("");
    }
    void TearDown() override {
        platform::resetPlatform();
        platform::setResourceFolder("");
        resetState();
    }

    void openResponseWindow() {
        ASSERT_TRUE(platform::createWindow(7, platform::WindowKind::Document, Rect16{100, 100, 490, 640}, "Response"));
        platform::showWindow(7);
    }

    QImage drawing(platform::WindowNumber window = 7) {
        platform::qt::WindowRecord* record = platform::qt::findWindow(window);
        if (record == nullptr || !record->surface) return {};
        return record->surface->image();
    }
};

// The smallest rectangle holding every pixel that differs from the
// background (by alpha on a transparent image, by colour otherwise);
// empty when there is none.
inline QRect inkBounds(const QImage& image, QRgb background) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    const bool transparent = image.hasAlphaChannel() && qAlpha(background) == 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const bool ink = transparent ? qAlpha(p) > 24 : (p & 0xFFFFFFu) != (background & 0xFFFFFFu);
            if (!ink) continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// A drawing of the resources rendered alone onto a transparent image, with
// `margin` pixels of room all round (where a drawing that strays from its
// canvas would show).
inline QImage renderAlone(const std::string& path, QSize size, int margin = 0) {
    QSvgRenderer renderer(QString::fromStdString(path));
    if (!renderer.isValid()) return {};
    QImage image(size + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(margin, margin, size.width(), size.height()));
    return image;
}

}  // namespace quendal::test
