// The version file the maker's server answers with: any body is a version
// or not, read in time linear in its size, and the text shown of it is a
// line without control characters.
#include <cstdint>
#include <string_view>

#include "app/UpdateCheck.h"
#include "fuzz/FuzzCheck.h"

using namespace quendal;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    if (const auto numbers = VersionNumbers(body)) {
        FUZZ_CHECK(!numbers->empty());
        FUZZ_CHECK(CompareVersions(*numbers, *numbers) == 0);
    }
    (void)IsNewerVersion(body, "1.2.3");
    (void)IsNewerVersion("1.2.3", body);
    const Str255 shown = VersionTextForDisplay(body);
    for (const char c : shown.view()) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    (void)IsPlainFileName(body);
    return 0;
}
