// The colour of one pixel of a rendered window, in 0..255 per channel.
#pragma once

#include <QImage>

namespace quendal::test {

struct Rgb {
    int r, g, b;
};

inline Rgb rgbAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return {qRed(p), qGreen(p), qBlue(p)};
}

}  // namespace quendal::test
