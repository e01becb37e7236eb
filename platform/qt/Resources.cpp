#include "platform/qt/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>

#include "platform/Platform.h"
#include "platform/qt/MacRoman.h"

namespace quendal::platform {

namespace {

std::string gResourceFolder;

QHash<QString, QImage>& imageCache() {
    static QHash<QString, QImage> cache;
    return cache;
}

}  // namespace

std::string resourceFolder() {
    if (!gResourceFolder.empty()) return gResourceFolder;
    if (QCoreApplication::instance() != nullptr) {
        const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("resources"));
        if (QFileInfo(beside).isDir()) return beside.toStdString();
    }
    return std::string(QUENDAL_SOURCE_DIR) + "/resources";
}

void setResourceFolder(const std::string& folder) {
    gResourceFolder = folder;
    imageCache().clear();
}

namespace qt {

QImage resourceImage(std::string_view file, std::string_view folder) {
    if (file.empty()) return {};
    QDir dir(QString::fromStdString(resourceFolder()));
    if (!folder.empty()) dir.setPath(dir.filePath(fromMacRoman(folder)));
    const QString path = dir.filePath(fromMacRoman(file));
    auto& cache = imageCache();
    const auto it = cache.constFind(path);
    if (it != cache.constEnd()) return it.value();
    QImageReader reader(path);
    QImage image = reader.read();  // null when missing or undecodable
    cache.insert(path, image);
    return image;
}

}  // namespace qt

}  // namespace quendal::platform
