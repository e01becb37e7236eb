// The update's package as the program checks it before taking it: any
// bytes on the disk are read through as a whole zip or refused, within the
// bound on what they unpack to.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "model/UpdateCheckState.h"
#include "platform/ShellServices.h"

using namespace quendal;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string file = [] {
        const char* folder = std::getenv("TMPDIR");
        std::string made = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/fuzz-package-XXXXXX";
        const int fd = ::mkstemp(made.data());
        FUZZ_CHECK(fd >= 0);
        ::close(fd);
        std::atexit([] { ::unlink(file.c_str()); });
        return made;
    }();
    FILE* out = std::fopen(file.c_str(), "wb");
    FUZZ_CHECK(out != nullptr);
    if (size > 0) FUZZ_CHECK(std::fwrite(data, 1, size, out) == size);
    std::fclose(out);
    (void)platform::libraryArchives().readsWholeAsZip(file, UpdateCheckState{}.PackageUnpackedLimit, nullptr);
    return 0;
}
