#include "platform/qt/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/Platform.h"
#include "platform/qt/Pictures.h"

namespace quendal::platform {

namespace {

std::string gResourceFolder;

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
    qt::forgetPictures();
}

namespace qt {

QImage resourceImage(std::string_view file, std::string_view folder) {
    // A drawing becomes an image of its own size (a cursor, say).
    const QString path = picturePathOf(file, folder);
    return pictureImage(path, pictureSize(path));
}

}  // namespace qt

std::string picturePath(std::string_view file, std::string_view folder) {
    return qt::picturePathOf(file, folder).toStdString();
}

}  // namespace quendal::platform
