// Packages for the download tests: zip archives made through the system's
// archive library, archives that unpack to far more than they weigh, and a
// bound on the files this process writes that stands in for a full disk.
#pragma once

#include <archive.h>
#include <archive_entry.h>
#include <signal.h>
#include <sys/resource.h>
#include <zlib.h>

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

// The library's zip writer, writing into `out`; the archive ends where it
// ends, unpadded.
inline archive* zipWriterInto(std::string& out) {
    archive* writer = archive_write_new();
    archive_write_set_format_zip(writer);
    archive_write_set_bytes_in_last_block(writer, 1);
    archive_write_open(writer, &out, nullptr,
                       [](archive*, void* user, const void* data, std::size_t size) -> la_ssize_t {
                           static_cast<std::string*>(user)->append(static_cast<const char*>(data), size);
                           return la_ssize_t(size);
                       },
                       nullptr);
    return writer;
}

// A zip archive holding one deflated file of that name and content, or
// none at all for an empty name.
inline std::string zipHolding(const std::string& name, const std::string& content) {
    std::string out;
    archive* writer = zipWriterInto(out);
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

// A zip archive of `entries` files of `bytesEach` zero bytes each (under
// 4 GiB apiece), deflated about a thousandfold: 5 entries of 1 GiB weigh
// about 5 MB. Each MiB of zeros deflates to the same bytes when the
// compressor starts afresh after it, so one MiB is compressed and repeated.
inline std::string zipOfZeros(int entries, int64_t bytesEach) {
    constexpr int64_t kMiB = int64_t(1) << 20;
    const std::string zeros(std::size_t(kMiB), '\0');
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);  // raw deflate, as zip holds it
    auto squeeze = [&stream](const std::string& in, int flush) {
        std::string out;
        char buffer[1 << 16];
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
        stream.avail_in = uInt(in.size());
        do {
            stream.next_out = reinterpret_cast<Bytef*>(buffer);
            stream.avail_out = sizeof buffer;
            deflate(&stream, flush);
            out.append(buffer, sizeof buffer - stream.avail_out);
        } while (stream.avail_out == 0);
        return out;
    };
    const std::string mebibyte = squeeze(zeros, Z_FULL_FLUSH);
    const std::string rest = squeeze(zeros.substr(0, std::size_t(bytesEach % kMiB)), Z_FINISH);
    deflateEnd(&stream);
    std::string data;
    for (int64_t i = 0; i < bytesEach / kMiB; ++i) data += mebibyte;
    data += rest;
    const uLong crcMiB = crc32(0, reinterpret_cast<const Bytef*>(zeros.data()), uInt(kMiB));
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(zeros.data()), uInt(bytesEach % kMiB));
    for (int64_t i = 0; i < bytesEach / kMiB; ++i) crc = crc32_combine(crc, crcMiB, z_off_t(kMiB));

    auto put = [](std::string& out, uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out += char((value >> (8 * i)) & 0xFF);
    };
    std::string zip, directory;
    for (int e = 0; e < entries; ++e) {
        const std::string name = "zeros" + std::to_string(e + 1);
        const uint32_t offset = uint32_t(zip.size());
        // The fields both headers share: version 2.0, no flags, deflated, 1 Jan 1980.
        std::string common;
        put(common, 20, 2), put(common, 0, 2), put(common, 8, 2), put(common, 0, 2), put(common, 0x21, 2);
        put(common, uint32_t(crc), 4), put(common, uint32_t(data.size()), 4), put(common, uint32_t(bytesEach), 4);
        put(common, uint32_t(name.size()), 2), put(common, 0, 2);
        put(zip, 0x04034b50, 4);
        zip += common + name + data;
        put(directory, 0x02014b50, 4), put(directory, 20, 2);
        directory += common;
        put(directory, 0, 2), put(directory, 0, 2), put(directory, 0, 2), put(directory, 0, 4), put(directory, offset, 4);
        directory += name;
    }
    const uint32_t directoryAt = uint32_t(zip.size());
    zip += directory;
    put(zip, 0x06054b50, 4), put(zip, 0, 2), put(zip, 0, 2), put(zip, uint32_t(entries), 2), put(zip, uint32_t(entries), 2);
    put(zip, uint32_t(directory.size()), 4), put(zip, directoryAt, 4), put(zip, 0, 2);
    return zip;
}

// A zip archive of `count` empty files.
inline std::string zipOfEmptyFiles(int count) {
    std::string out;
    archive* writer = zipWriterInto(out);
    archive_entry* entry = archive_entry_new();
    for (int i = 0; i < count; ++i) {
        archive_entry_clear(entry);
        archive_entry_set_pathname(entry, ("empty" + std::to_string(i)).c_str());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, 0);
        archive_write_header(writer, entry);
    }
    archive_entry_free(entry);
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
