// The package is whole only when it reads through as a zip archive.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/Platform.h"
#include "support/PackageFiles.h"

namespace quendal::test {
namespace {

namespace fs = std::filesystem;

TEST(PackageArchiveTest, OnlyAZipReadThroughToItsEndCounts) {
    const std::string zip = zipHolding("Quendal.pkg", noiseBytes(100000));
    std::string flipped = zip;
    flipped[zip.size() / 2] = char(flipped[zip.size() / 2] ^ 0x20);  // a byte of the entry's data
    const std::string half = zip.substr(0, zip.size() / 2);
    struct Row {
        const char* name;
        std::string bytes;
        int64_t unpackedLimit;
        bool whole;
    } rows[] = {
        {"a whole archive", zip, 1 << 20, true},
        {"cut short, then junk", half + noiseBytes(zip.size() - half.size(), 99), 1 << 20, false},
        {"a byte of its data changed", flipped, 1 << 20, false},
        {"holding nothing", zipHolding("", ""), 1 << 20, false},
        {"unpacking past the limit", zip, 50000, false},
    };
    const fs::path path = fs::temp_directory_path() / ("quendal-package-" + std::to_string(::getpid()) + ".zip");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << row.bytes;
        EXPECT_EQ(platform::archives().readsWholeAsZip(path.string(), row.unpackedLimit), row.whole);
    }
    // Told to stop, a reading ends without a verdict of whole.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << zip;
    const std::atomic<bool> stop{true};
    EXPECT_FALSE(platform::archives().readsWholeAsZip(path.string(), 1 << 20, &stop));
    fs::remove(path);
}

}  // namespace
}  // namespace quendal::test
