// The preferences file as the program reads it: any text reads in time
// linear in its size, and once written back it reads as the same entries,
// with a key the program adds after them a line of its own.
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "platform/qt/SettingsFile.h"

using namespace quendal::platform::qt;

namespace {

// The entries by section, then by key, as views into the entries: a long
// section name is looked at once for each copy of it, not once for each key.
using Entry = std::tuple<std::string_view, const std::vector<std::string>*, bool>;
using Entries = std::map<std::string_view, std::map<std::string_view, Entry>>;

Entries byPlace(const std::vector<SettingsEntry>& entries, std::size_t& count) {
    Entries places;
    std::unordered_map<const void*, std::map<std::string_view, Entry>*> sections;
    for (const SettingsEntry& e : entries) {
        auto& section = sections[e.section.identity()];
        if (section == nullptr) section = &places[e.section.view()];
        section->insert_or_assign(e.key, Entry{e.raw, &e.texts, e.readable});
    }
    count = 0;
    for (const auto& [name, keys] : places) count += keys.size();
    return places;
}

bool same(const std::vector<SettingsEntry>& a, const std::vector<SettingsEntry>& b) {
    std::size_t ka = 0, kb = 0;
    const Entries x = byPlace(a, ka), y = byPlace(b, kb);
    return ka == kb && x.size() == y.size() &&
           std::equal(x.begin(), x.end(), y.begin(), [](const auto& s, const auto& t) {
               return s.first == t.first && s.second.size() == t.second.size() &&
                      std::equal(s.second.begin(), s.second.end(), t.second.begin(), [](const auto& u, const auto& v) {
                          return u.first == v.first && std::get<0>(u.second) == std::get<0>(v.second) &&
                                 *std::get<1>(u.second) == *std::get<1>(v.second) &&
                                 std::get<2>(u.second) == std::get<2>(v.second);
                      });
           });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<SettingsEntry> entries = parseSettingsText(text);
    std::size_t keys = 0;
    byPlace(entries, keys);
    FUZZ_CHECK(keys == entries.size());  // each key once
    FUZZ_CHECK(same(parseSettingsText(settingsText(entries)), entries));

    // A value the program writes, made of the input's first bytes: it reads
    // back as itself, and every entry read stays as it was.
    const std::string value(text.substr(0, 24));
    std::erase_if(entries, [](const SettingsEntry& e) { return e.section.empty() && e.key == "\x01written"; });
    entries.push_back({"", "\x01written", settingsValueText(value), {value}, true});
    FUZZ_CHECK(same(parseSettingsText(settingsText(entries)), entries));
    return 0;
}
