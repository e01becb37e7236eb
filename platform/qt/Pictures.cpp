#include "platform/qt/Pictures.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "platform/CarefulFiles.h"
#include "platform/Platform.h"
#include "platform/qt/MacRoman.h"

namespace quendal::platform::qt {

namespace {

const char* const kPictureProperty = "quendalPicture";
const char* const kWatcherName = "quendalPictureWatcher";

QHash<QString, QImage>& rasterCache() {
    static QHash<QString, QImage> cache;
    return cache;
}

QHash<QString, std::shared_ptr<QSvgRenderer>>& vectorCache() {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
    return cache;
}

// The bytes of a picture file, read carefully (a regular file only, without
// waiting); empty when there is none.
QByteArray pictureBytes(const QString& path) {
    constexpr std::size_t kLargestPicture = 16 << 20;  // bytes
    std::string bytes, reason;
    if (!readWholeFile(QFile::encodeName(path).toStdString(), Opening::UserFile, kLargestPicture, bytes, reason)) return {};
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

// The drawing of the file, read once; nullptr when it is no valid drawing.
QSvgRenderer* drawing(const QString& path) {
    auto& cache = vectorCache();
    auto it = cache.constFind(path);
    if (it == cache.constEnd()) {
        auto renderer = std::make_shared<QSvgRenderer>(pictureBytes(path));
        it = cache.insert(path, renderer->isValid() ? renderer : nullptr);
    }
    return it.value().get();
}

// The icons made so far: a handful (each button picture at the sizes its
// buttons have), kept for the life of the program.
QHash<QString, QIcon>& iconCache() {
    static QHash<QString, QIcon> cache;
    return cache;
}

// Counts the times the pictures read so far were forgotten.
int gForgotten = 0;

// The files the pictures were found in, by folder and name: looked up once
// for each resources folder; empty for a picture that is not there.
std::unordered_map<std::string, QString>& pathCache() {
    static std::unordered_map<std::string, QString> cache;
    return cache;
}

// The drawings as image views show them, by file, size and resolution: each
// is drawn once, however often a view of that size is made or shown again.
// The views have a handful of sizes; a window resized without end could
// make many more, so the cache starts afresh past a few dozen.
constexpr qsizetype kMostViewPictures = 64;
QHash<QString, QPixmap>& viewPictureCache() {
    static QHash<QString, QPixmap> cache;
    return cache;
}

QPixmap viewPicture(const QString& path, QSize size, qreal ratio) {
    const QString key =
        QStringLiteral("%1|%2x%3|%4").arg(path).arg(size.width()).arg(size.height()).arg(ratio, 0, 'g', 6);
    auto& cache = viewPictureCache();
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) {
        if (cache.size() >= kMostViewPictures) cache.clear();
        QPixmap pixmap = QPixmap::fromImage(pictureImage(path, size * ratio));
        pixmap.setDevicePixelRatio(ratio);
        it = cache.insert(key, pixmap);
    }
    return it.value();
}

const QImage& raster(const QString& path) {
    auto& cache = rasterCache();
    auto it = cache.constFind(path);
    if (it == cache.constEnd()) it = cache.insert(path, QImage::fromData(pictureBytes(path)));  // null when unreadable
    return it.value();
}

QRectF fitInside(QSizeF picture, const QRectF& target) {
    if (picture.isEmpty()) return target;
    const QSizeF fitted = picture.scaled(target.size(), Qt::KeepAspectRatio);
    return QRectF(target.center() - QPointF(fitted.width() / 2, fitted.height() / 2), fitted);
}

// Redraws the picture of an image view when the view's size or screen
// changes, so that a drawing never shows scaled pixels.
class PictureWatcher : public QObject {
public:
    explicit PictureWatcher(QLabel* label) : QObject(label), label_(label) {
        setObjectName(QString::fromLatin1(kWatcherName));
    }

    // Draws the picture anew unless the view shows it at its size and
    // resolution already (the view shown again, the same picture given).
    void refresh() {
        const QString path = label_->property(kPictureProperty).toString();
        if (path.isEmpty()) return;
        const QSize size = label_->size().expandedTo(QSize(1, 1));
        const qreal ratio = label_->devicePixelRatioF();
        if (path == shownPath_ && size == shownSize_ && ratio == shownRatio_ && shownAt_ == gForgotten) return;
        label_->setPixmap(viewPicture(path, size, ratio));
        shownPath_ = path;
        shownSize_ = size;
        shownRatio_ = ratio;
        shownAt_ = gForgotten;
    }

    // The view shows something else now.
    void forget() { shownPath_.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == label_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) refresh();
        return false;
    }

private:
    QLabel* label_;
    QString shownPath_;  // the drawing the view shows, empty for none of this watcher's
    QSize shownSize_;
    qreal shownRatio_ = 0.0;
    int shownAt_ = 0;  // gForgotten as it was drawn
};

// The file of the picture in the resources folder as it stands.
QString findPicture(std::string_view file, std::string_view folder) {
    QDir dir(QString::fromStdString(resourceFolder()));
    if (!folder.empty()) dir.setPath(dir.filePath(fromMacRoman(folder)));
    const QString path = dir.filePath(fromMacRoman(file));
    if (QFileInfo(path).isFile()) return path;
    // The windows name some pictures as raster files; the program ships them
    // as drawings of the same name.
    const QFileInfo info(path);
    const QString drawingPath = info.dir().filePath(info.completeBaseName() + QStringLiteral(".svg"));
    if (info.suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) != 0 && QFileInfo(drawingPath).isFile())
        return drawingPath;
    return {};
}

}  // namespace

QString picturePathOf(std::string_view file, std::string_view folder) {
    if (file.empty()) return {};
    std::string key(folder);
    key += '\0';
    key += file;
    auto& cache = pathCache();
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(std::move(key), findPicture(file, folder)).first;
    return it->second;
}

bool isVectorPicture(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
}

QSize pictureSize(const QString& path) {
    if (path.isEmpty()) return {};
    if (isVectorPicture(path)) {
        QSvgRenderer* renderer = drawing(path);
        return renderer != nullptr ? renderer->defaultSize() : QSize();
    }
    return raster(path).size();
}

bool paintPicture(QPainter& painter, const QString& path, const QRectF& target) {
    if (path.isEmpty() || !target.isValid()) return false;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    bool drawn = false;
    if (isVectorPicture(path)) {
        if (QSvgRenderer* renderer = drawing(path)) {
            // Like any drawing's outermost frame, its view box clips it.
            const QRectF place = fitInside(renderer->viewBoxF().size(), target);
            painter.setClipRect(place, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
            renderer->render(&painter, place);
            drawn = true;
        }
    } else if (const QImage& image = raster(path); !image.isNull()) {
        painter.drawImage(target, image);
        drawn = true;
    }
    painter.restore();
    return drawn;
}

QImage pictureImage(const QString& path, QSize size) {
    if (path.isEmpty() || size.isEmpty()) return {};
    if (!isVectorPicture(path)) {
        const QImage& image = raster(path);
        return image.isNull() || image.size() == size ? image
                                                      : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (drawing(path) == nullptr) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintPicture(painter, path, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

QIcon pictureIcon(const QString& path, QSize size, qreal ratio) {
    if (path.isEmpty() || size.isEmpty()) return {};
    const QString key =
        QStringLiteral("%1|%2x%3|%4").arg(path).arg(size.width()).arg(size.height()).arg(ratio, 0, 'g', 6);
    auto& cache = iconCache();
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) {
        const QImage image = pictureImage(path, size * ratio);
        QIcon icon;
        if (!image.isNull()) {
            QPixmap pixmap = QPixmap::fromImage(image);
            pixmap.setDevicePixelRatio(ratio);
            icon = QIcon(pixmap);
        }
        it = cache.insert(key, icon);
    }
    return it.value();
}

namespace {

// The one colour a picture is drawn in (a glyph: an arrow), or none for a
// picture of several colours. Edges smoothed against the transparent
// ground keep the colour.
std::optional<QColor> glyphColour(const QImage& image) {
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    std::optional<QColor> colour;
    constexpr int kTolerance = 24;  // per channel, where smoothing rounds
    for (int y = 0; y < straight.height(); ++y)
        for (int x = 0; x < straight.width(); ++x) {
            const QRgb pixel = straight.pixel(x, y);
            if (qAlpha(pixel) < 64) continue;
            if (!colour) {
                colour = QColor::fromRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
            } else if (std::abs(qRed(pixel) - colour->red()) > kTolerance ||
                       std::abs(qGreen(pixel) - colour->green()) > kTolerance ||
                       std::abs(qBlue(pixel) - colour->blue()) > kTolerance) {
                return std::nullopt;
            }
        }
    return colour;
}

}  // namespace

QIcon glyphIcon(const QString& path, QSize size, qreal ratio, QColor face, QColor ink) {
    constexpr int kLeastContrast = 96;  // of lightness, 0-255, for a glyph to stand out
    const QIcon own = pictureIcon(path, size, ratio);
    if (own.isNull()) return own;
    const QImage image = pictureImage(path, size * ratio);
    const std::optional<QColor> colour = glyphColour(image);
    if (!colour || std::abs(colour->lightness() - face.lightness()) >= kLeastContrast) return own;
    const QString key = QStringLiteral("%1|%2x%3|%4|ink %5")
                            .arg(path)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(ratio, 0, 'g', 6)
                            .arg(ink.name());
    auto& cache = iconCache();
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) {
        // The glyph's shape, filled with the ink.
        QImage inked = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&inked);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(inked.rect(), ink);
        painter.end();
        QPixmap pixmap = QPixmap::fromImage(inked);
        pixmap.setDevicePixelRatio(ratio);
        it = cache.insert(key, QIcon(pixmap));
    }
    return it.value();
}

bool showPictureInLabel(QLabel* label, const QString& path) {
    if (label == nullptr) return false;
    auto* watcher = static_cast<PictureWatcher*>(
        label->findChild<QObject*>(QString::fromLatin1(kWatcherName), Qt::FindDirectChildrenOnly));
    const bool readable = !path.isEmpty() && !pictureSize(path).isEmpty();
    if (!readable || !isVectorPicture(path)) {
        if (watcher != nullptr) watcher->forget();
        label->setProperty(kPictureProperty, QString());
        label->setPixmap(readable ? QPixmap::fromImage(raster(path)) : QPixmap());
        return readable;
    }
    label->setProperty(kPictureProperty, path);
    if (watcher == nullptr) {
        watcher = new PictureWatcher(label);
        label->installEventFilter(watcher);
    }
    watcher->refresh();
    return true;
}

void forgetPictures() {
    rasterCache().clear();
    vectorCache().clear();
    iconCache().clear();
    pathCache().clear();
    viewPictureCache().clear();
    ++gForgotten;
}

}  // namespace quendal::platform::qt
