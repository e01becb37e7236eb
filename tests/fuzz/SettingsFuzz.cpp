// The preferences file as the program reads it: any text reads in time
// linear in its size, and once written back it reads as the same entries,
// with a key the program adds after them a line of its own.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "fuzz/FuzzCheck.h"
#include "platform/qt/SettingsFile.h"

using namespace quendal::platform::qt;

namespace {

using Entries = std::map<std::pair<std::string, std::string>, std::tuple<std::string, std::vector<std::string>, bool>>;

Entries byPlace(const std::vector<SettingsEntry>& entries) {
    Entries places;
    for (const SettingsEntry& e : entries) places[{e.section, e.key}] = {e.raw, e.texts, e.readable};
    return places;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<SettingsEntry> entries = parseSettingsText(text);
    const Entries read = byPlace(entries);
    FUZZ_CHECK(read.size() == entries.size());  // each key once
    FUZZ_CHECK(byPlace(parseSettingsText(settingsText(entries))) == read);

    // A value the program writes, made of the input's first bytes: it reads
    // back as itself, and every entry read stays as it was.
    const std::string value(text.substr(0, 24));
    entries.push_back({"", "\x01written", settingsValueText(value), {value}, true});
    Entries expected = read;
    expected[{"", "\x01written"}] = {entries.back().raw, {value}, true};
    FUZZ_CHECK(byPlace(parseSettingsText(settingsText(entries))) == expected);
    return 0;
}
