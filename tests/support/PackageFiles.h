// Packages for the download tests: zip archives made through the system's
// archive library, and a bound on the files this process writes that stands
// in for a full disk.
#pragma once

#include <archive.h>
#include <archive_entry.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstdint>
#include <string>

namespace quendal::test {

// Bytes that do not compress: a zip holding them is about as long.
inline std::string noiseBytes(std::size_t count, uint32_t seed = 12345) {
    std::string bytes(count, '\0');
    for (char& b : bytes) {
        seed = seed * 1664525u + 1013904223u;
        b = char(seed >> 24);
    }
    return bytes;
}

// A zip archive holding one deflated file of that name and content, or
// none at all for an empty name.
inline std::string zipHolding(const std::string& name, const std::string& content) {
    std::string out;
    archive* writer = archive_write_new();
    archive_write_set_format_zip(writer);
    archive_write_set_bytes_in_last_block(writer, 1);  // the archive ends where it ends, unpadded
    archive_write_open(writer, &out, nullptr,
                       [](archive*, void* user, const void* data, std::size_t size) -> la_ssize_t {
                           static_cast<std::string*>(user)->append(static_cast<const char*>(data), size);
                           return la_ssize_t(size);
                       },
                       nullptr);
    if (!name.empty()) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.c_str());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, la_int64_t(content.size()));
        archive_write_header(writer, entry);
        archive_write_data(writer, content.data(), content.size());
        archive_entry_free(entry);
    }
    archive_write_close(writer);
    archive_write_free(writer);
    return out;
}

// While it lives, no file of this process grows past `bytes`: a write
// beyond fails as on a full disk (the signal that would end the process is
// ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before_);
        previous_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before_);
        signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before_{};
    sighandler_t previous_ = SIG_DFL;
};

}  // namespace quendal::test
