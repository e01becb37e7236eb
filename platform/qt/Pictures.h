// Pictures of the resources, raster images and vector drawings alike: found
// by name, drawn into any painter (vectors stay vectors on a PDF page), and
// shown by image views and bevel buttons at their own size.
#pragma once

#include <string_view>

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QRectF>
#include <QString>

class QLabel;
class QPainter;

namespace quendal::platform::qt {

// The file of picture `file` of folder `folder` of the resources: that file,
// or the vector drawing of the same name (extension .svg) when only that
// exists; empty when neither does. Looked up once until the pictures are
// forgotten (forgetPictures).
QString picturePathOf(std::string_view file, std::string_view folder);

bool isVectorPicture(const QString& path);

// The picture's own size in pixels: a raster image's, or a drawing's width
// and height; empty when the file cannot be read.
QSize pictureSize(const QString& path);

// Draws the picture into the target rectangle: a raster image fills it, a
// drawing is scaled to fit inside it keeping its proportions, centred.
// False, drawing nothing, when the file cannot be read.
bool paintPicture(QPainter& painter, const QString& path, const QRectF& target);

// The picture as an image of `size` pixels (transparent where the picture
// leaves room); a null image when the file cannot be read.
QImage pictureImage(const QString& path, QSize size);

// The picture as the icon of a button: `size` in device-independent pixels,
// drawn at `ratio` device pixels to one. One icon for each picture, size and
// ratio, shared by every button that shows it: the icon's pixmaps cached for
// painting (in every state of the button) are made once and serve all the
// buttons, those of windows opened later included, rather than one set for
// each button made. A null icon when the file cannot be read.
QIcon pictureIcon(const QString& path, QSize size, qreal ratio);

// The icon of a picture drawn in one colour (a glyph: an arrow) on a button
// whose face is `face`: pictureIcon where the glyph stands out from the
// face; where it does not (a dark style's face under a dark arrow), the
// glyph's shape drawn in `ink`, the button's text colour. A picture of
// several colours is pictureIcon.
QIcon glyphIcon(const QString& path, QSize size, qreal ratio, QColor face, QColor ink);
// Shows the picture in an image view, drawn anew at the view's size and
// screen resolution whenever that changes (a drawing made once for each
// picture, size and resolution serves every view). False (and an empty view) when
// the file cannot be read.
bool showPictureInLabel(QLabel* label, const QString& path);

// Forgets every picture read and looked up so far (the resources folder
// changed).
void forgetPictures();

}  // namespace quendal::platform::qt
