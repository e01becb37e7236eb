// Archives read through the system's archive library (libarchive). It knows
// no toolkit: it is the service in force wherever no double is installed.
#include <archive.h>
#include <archive_entry.h>

#include <memory>

#include <unistd.h>

#include "platform/CarefulFiles.h"
#include "platform/ShellServices.h"

namespace quendal::platform {

namespace {

constexpr std::size_t kReadBlockBytes = 64 * 1024;  // bytes handed to the library per read of the file

class LibraryArchives : public ArchiveService {
public:
    bool readsWholeAsZip(const std::string& path, int64_t maxUnpackedBytes, const std::atomic<bool>* stop) override {
        auto stopped = [stop] { return stop != nullptr && stop->load(std::memory_order_relaxed); };
        // Opened carefully (a regular file, without waiting), closed after the reader.
        const OpenedPath file = openCarefully(path, Opening::UserFile);
        if (!file) return false;
        const std::unique_ptr<const int, void (*)(const int*)> closing(&file.fd, [](const int* fd) { ::close(*fd); });
        const std::unique_ptr<archive, int (*)(archive*)> reader(archive_read_new(), archive_read_free);
        if (!reader) return false;
        // Only the zip format, read from its central directory at the end of
        // the file (a body cut short, or broken off into junk, has none), and
        // no outer compression: the package is the zip itself.
        if (archive_read_support_format_zip_seekable(reader.get()) != ARCHIVE_OK) return false;
        if (archive_read_open_fd(reader.get(), file.fd, kReadBlockBytes) != ARCHIVE_OK) return false;
        int64_t entries = 0, unpacked = 0;
        archive_entry* entry = nullptr;
        for (;;) {
            const int status = archive_read_next_header(reader.get(), &entry);
            if (status == ARCHIVE_EOF) break;
            if (status != ARCHIVE_OK || stopped()) return false;
            ++entries;
            // Each entry's data read to its end: the library checks its
            // length and checksum there.
            const void* block = nullptr;
            std::size_t size = 0;
            la_int64_t offset = 0;
            for (;;) {
                const int read = archive_read_data_block(reader.get(), &block, &size, &offset);
                if (read == ARCHIVE_EOF) break;
                if (read != ARCHIVE_OK || stopped()) return false;
                unpacked += int64_t(size);
                if (unpacked > maxUnpackedBytes) return false;
            }
        }
        return entries > 0 && archive_read_close(reader.get()) == ARCHIVE_OK;
    }
};

}  // namespace

ArchiveService& libraryArchives() {
    static LibraryArchives library;
    return library;
}

}  // namespace quendal::platform
