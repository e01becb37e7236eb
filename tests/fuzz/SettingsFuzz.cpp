// The preferences file as the program reads it: any text reads in time
// linear in its size, and once written back, with a key the program adds,
// it reads as the same entries, that key a line of its own.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "platform/qt/SettingsFile.h"

using namespace quendal::platform::qt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<SettingsEntry> entries = parseSettingsText(text);

    // A value the program writes, made of the input's first bytes.
    const std::string key = "\x01written", value(text.substr(0, 24));
    std::erase_if(entries, [&key](const SettingsEntry& e) { return e.section.empty() && e.key == key; });
    entries.push_back({"", key, settingsValueText(value), {value}, true});

    // Written and read again, the file is written as the same text: every
    // entry stays as it was read, each key once; and the value reads back
    // as itself.
    const std::string written = settingsText(entries);
    const std::vector<SettingsEntry> again = parseSettingsText(written);
    FUZZ_CHECK(again.size() == entries.size());
    FUZZ_CHECK(settingsText(again) == written);
    const auto found = std::find_if(again.begin(), again.end(),
                                    [&key](const SettingsEntry& e) { return e.section.empty() && e.key == key; });
    FUZZ_CHECK(found != again.end() && found->texts == std::vector<std::string>{value} && found->readable);
    return 0;
}
