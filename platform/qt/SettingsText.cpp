// The preferences file's text: what each line reads as, and the text the
// entries are written back as.
#include <algorithm>
#include <string>
#include <unordered_map>

#include "platform/MacRomanText.h"
#include "platform/qt/SettingsFile.h"

namespace quendal::platform::qt {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The character an escape stands for, from just after its backslash;
// `i` is left after the escape.
void unescapeAt(std::string_view v, std::size_t& i, std::string& out) {
    if (i >= v.size()) return;
    const char c = v[i++];
    switch (c) {
        case 'a': out += '\a'; return;
        case 'b': out += '\b'; return;
        case 'f': out += '\f'; return;
        case 'n': out += '\n'; return;
        case 'r': out += '\r'; return;
        case 't': out += '\t'; return;
        case 'v': out += '\v'; return;
        case '\n': return;  // the value goes on on the next line
        default: break;
    }
    const int base = c == 'x' ? 16 : (c >= '0' && c <= '7') ? 8 : 0;
    if (base == 0) {
        out += c;  // a quote, backslash, or a character standing for itself
        return;
    }
    unsigned long code = base == 8 ? unsigned(c - '0') : 0;
    for (; i < v.size(); ++i) {
        const int d = hexValue(v[i]);
        if (d < 0 || d >= base) break;
        code = std::min(code * unsigned(base) + unsigned(d), 0x10FFFFul);
    }
    platform::appendUtf8(out, char32_t(code));
}

// What a value of the file reads as: its parts, one unless it is a list.
SettingsEntry valueOf(std::string_view v) {
    SettingsEntry e;
    std::string part, blanks;  // blanks held until a character follows them
    bool quoted = false;
    std::size_t i = 0;
    const auto endPart = [&] {
        e.texts.push_back(part);
        part.clear();
        blanks.clear();
    };
    while (i < v.size()) {
        const char c = v[i];
        if (c == '"') {
            quoted = !quoted;
            ++i;
            continue;
        }
        if (!quoted && c == ';') break;  // a comment to the end of the line
        if (!quoted && c == ',') {
            endPart();
            ++i;
            continue;
        }
        if (!quoted && isBlank(c)) {
            if (!part.empty()) blanks += c;
            ++i;
            continue;
        }
        part += blanks;
        blanks.clear();
        if (c == '\\') {
            ++i;
            unescapeAt(v, i, part);
        } else {
            part += c;
            ++i;
        }
    }
    endPart();
    // "@@" stands for a text that begins with "@"; any other "@" form is a
    // value of a type that holds no text.
    for (std::string& t : e.texts) {
        if (t.starts_with("@@")) t.erase(0, 1);
        else if (t.starts_with("@")) e.readable = false;
    }
    return e;
}

// The sections met so far, each name held once and numbered (0 is
// [General]): a section given again is the same one, found by one look at
// its name, and its entries share the name.
class Sections {
public:
    std::size_t of(std::string_view name) {
        if (name.empty() || name == "General") return 0;
        if (const auto found = numbers_.find(name); found != numbers_.end()) return found->second;
        names_.emplace_back(name);
        numbers_.emplace(names_.back().view(), names_.size() - 1);
        return names_.size() - 1;
    }
    const SectionName& name(std::size_t number) const { return names_[number]; }

private:
    std::vector<SectionName> names_{SectionName()};
    std::unordered_map<std::string_view, std::size_t> numbers_;  // views of the names held
};

// One text for a key of a section, unlike that of any other pair.
std::string placeKey(std::size_t section, std::string_view key) {
    std::string place = std::to_string(section) + ':';
    place.append(key);
    return place;
}

}  // namespace

std::vector<SettingsEntry> parseSettingsText(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<SettingsEntry> entries;
    // Where each key of each section stands in `entries`: a key given again
    // is found at once, however many keys the file holds.
    std::unordered_map<std::string, std::size_t> places;
    Sections sections;
    std::size_t section = 0;
    std::size_t at = 0;
    const auto nextLine = [&]() {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    };
    // A backslash that ends a line (not itself escaped) carries the value on
    // to the next. Only the run of backslashes at the end is counted.
    const auto continues = [](std::string_view l) {
        std::size_t n = 0;
        while (n < l.size() && l[l.size() - 1 - n] == '\\') ++n;
        return n % 2 == 1;
    };
    std::string line;
    while (at < text.size()) {
        line = nextLine();
        while (continues(line) && at < text.size()) {
            line += '\n';
            line += nextLine();
        }
        // One left at the end of the file carries the value on to nothing:
        // it stands for nothing, and is not kept either (nor a line end's
        // carriage return before it), so that a line written after this one
        // stays a line of its own and the value reads the same once written.
        while (!line.empty() && (continues(line) || line.back() == '\r')) line.pop_back();
        const std::string_view l = trimmed(line);
        if (l.empty() || l[0] == ';' || l[0] == '#') continue;
        if (l[0] == '[') {
            const std::size_t close = l.find(']');
            const std::string_view name = l.substr(1, close == std::string_view::npos ? l.size() - 1 : close - 1);
            section = sections.of(name);
            continue;
        }
        const std::size_t equals = l.find('=');
        if (equals == std::string_view::npos) continue;
        // What ends the value and would not read the same once written
        // back is dropped: blanks and carriage returns, which a line's end
        // drops, and a lone backslash, which escapes nothing there but would
        // carry the value on to the next line.
        std::string_view value = l.substr(equals + 1);
        while (!value.empty() && (isBlank(value.back()) || value.back() == '\r' || continues(value)))
            value.remove_suffix(1);
        value = trimmed(value);
        SettingsEntry e = valueOf(value);
        e.section = sections.name(section);
        e.key = std::string(trimmed(l.substr(0, equals)));
        e.raw = std::string(value);
        // A key given twice holds what it was given last, in its first place.
        const auto [place, added] = places.try_emplace(placeKey(section, e.key), entries.size());
        if (added) entries.push_back(std::move(e));
        else entries[place->second] = std::move(e);
    }
    return entries;
}

std::string settingsValueText(std::string_view text) {
    bool quote = !text.empty() && (isBlank(text.front()) || isBlank(text.back()));
    std::string body = text.starts_with('@') ? "@" : "";
    bool afterHex = false;  // a hexadecimal digit after "\x.." would join its escape
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == ',' || c == ';' || c == '=') quote = true;
        const bool hexDigit = hexValue(c) >= 0;
        if (c == '\\') body += "\\\\";
        else if (c == '"') body += "\\\"";
        else if (c == '\n') body += "\\n";
        else if (c == '\r') body += "\\r";
        else if (c == '\t') body += "\\t";
        else if (u < 0x20 || u == 0x7F || (afterHex && hexDigit)) {
            static constexpr char kHex[] = "0123456789abcdef";
            body += "\\x";
            if (u >= 0x10) body += kHex[u >> 4];
            body += kHex[u & 0xF];
            afterHex = true;
            continue;
        } else body += c;
        afterHex = false;
    }
    return quote ? '"' + body + '"' : body;
}

std::string settingsText(const std::vector<SettingsEntry>& entries) {
    // The entries of each section, the sections in the order of their first
    // entry, [General] first. A section's name is looked at once for each
    // copy of it, not once for each entry that shares it.
    std::vector<std::vector<const SettingsEntry*>> groups;
    std::unordered_map<const void*, std::size_t> groupOfCopy;
    std::unordered_map<std::string_view, std::size_t> groupOfName;
    if (std::any_of(entries.begin(), entries.end(), [](const SettingsEntry& e) { return e.section.empty(); })) {
        groups.emplace_back();
        groupOfName.emplace(std::string_view(), 0);
    }
    for (const SettingsEntry& e : entries) {
        auto copy = groupOfCopy.find(e.section.identity());
        if (copy == groupOfCopy.end()) {
            const auto [named, added] = groupOfName.try_emplace(e.section.view(), groups.size());
            if (added) groups.emplace_back();
            copy = groupOfCopy.emplace(e.section.identity(), named->second).first;
        }
        groups[copy->second].push_back(&e);
    }
    std::string text;
    for (const auto& group : groups) {
        if (!text.empty()) text += '\n';
        const std::string_view section = group.front()->section.view();
        text += '[';
        text += section.empty() ? std::string_view("General") : section;
        text += "]\n";
        for (const SettingsEntry* e : group) {
            text += e->key;
            text += '=';
            text += e->raw;
            text += '\n';
        }
    }
    return text;
}

}  // namespace quendal::platform::qt
