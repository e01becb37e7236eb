// The user's document files: read whole, written atomically.
#include <algorithm>
#include <cstdint>
#include <string>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include "platform/Platform.h"
#include "platform/qt/MacRoman.h"

namespace quendal::platform {

namespace {

class QtDocumentFiles : public DocumentFileService {
public:
    bool readFile(const std::string& path, std::size_t limit, std::string& bytes, std::string& error) override {
        const QString name = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
        if (QFileInfo(name).isDir()) {
            error = "It is a folder, not a file.";
            return false;
        }
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly)) {
            error = qt::toMacRoman(file.errorString());
            return false;
        }
        const qint64 wanted = static_cast<qint64>(std::min<std::size_t>(limit, INT64_MAX));
        const QByteArray data = file.read(wanted);
        if (file.error() != QFileDevice::NoError) {
            error = qt::toMacRoman(file.errorString());
            return false;
        }
        bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
        return true;
    }

    // A new file beside the old one takes its place only once it is written
    // whole; writing in place when the folder refuses new files is never
    // tried, since a failure half way would destroy the old document. The
    // bytes go to the file unbuffered: a write the disk cuts short shows in
    // the count written, where a buffered write could lose it and commit a
    // truncated document as if all went well.
    bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error) override {
        QSaveFile file(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
        file.setDirectWriteFallback(false);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            error = qt::toMacRoman(file.errorString());
            return false;
        }
        const qint64 size = static_cast<qint64>(bytes.size());
        const qint64 written = bytes.empty() ? 0 : file.write(bytes.data(), size);
        if (written != size) {
            error = file.error() != QFileDevice::NoError && written < 0
                        ? qt::toMacRoman(file.errorString())
                        : "Only " + std::to_string(std::max<qint64>(written, 0)) + " of " + std::to_string(size) +
                              " bytes could be written.";
            file.cancelWriting();
            file.commit();  // removes the new file; the old one stays
            return false;
        }
        if (!file.commit()) {
            error = qt::toMacRoman(file.errorString());
            return false;
        }
        return true;
    }
};

QtDocumentFiles gQtDocumentFiles;
DocumentFileService* gDocumentFiles = nullptr;

}  // namespace

void setDocumentFileService(DocumentFileService* service) { gDocumentFiles = service; }

DocumentFileService& documentFiles() { return gDocumentFiles != nullptr ? *gDocumentFiles : gQtDocumentFiles; }

}  // namespace quendal::platform
