#include "app/Preferences.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "model/InputPower.h"
#include "model/State.h"
#include "platform/MacRomanText.h"

namespace quendal {

namespace {

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// A whole text that is one integer (blanks around it, an optional sign).
std::optional<long long> wholeInteger(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

// A whole text that is one finite decimal number, whatever the locale.
std::optional<double> wholeNumber(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double v = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// The stored texts as one: a hand-edited value with unquoted commas comes
// back from the file split at them.
std::optional<std::string> storedText(std::string_view key) {
    const auto stored = CFPrefsCopyAppValue(key);
    if (!stored || stored->texts.empty()) return std::nullopt;
    std::string joined;
    for (std::size_t i = 0; i < stored->texts.size(); ++i) {
        if (i > 0) joined += ',';
        joined += stored->texts[i];
    }
    return joined;
}

bool overlapsAScreen(const Rect16& r) {
    const std::vector<Rect16> screens = platform::desktop().screenAreas();
    if (screens.empty()) return true;  // nothing known to hold against it
    for (const Rect16& s : screens)
        if (r.left < s.right && s.left < r.right && r.top < s.bottom && s.top < r.bottom) return true;
    return false;
}

// The readers that LoadPrefs runs: a flag is 0 or 1, a selection within its
// range; anything else keeps the value as it is.
void readFlag(std::string_view key, int32_t& value) {
    int32_t stored = value;
    if (CFPrefsGetLong(key, &stored, value) && (stored == 0 || stored == 1)) value = stored;
}

void readChoice(std::string_view key, int32_t& value, int32_t first, int32_t last) {
    int32_t stored = value;
    if (CFPrefsGetLong(key, &stored, value)) value = (stored >= first && stored <= last) ? stored : 1;
}

void readAtLeast(std::string_view key, double& value, double minimum) {
    double stored = value;
    if (CFPrefsGetDbl(key, &stored, value) && stored >= minimum) value = stored;
}

void readRect(std::string_view key, Rect16& value) {
    const Rect16 current = value;
    CFPrefsGetRect(key, &value, &current);
}

// The values the file is to hold, as they stand now.
StoredPreferences prefsInForce() {
    const PreferenceOptions& p = state.prefs;
    const WindowBounds& b = state.bounds;
    const SystemSelection& sel = state.selection;
    const InputPowerSettings& power = state.power;
    const auto corners = [](const Rect16& r) { return StoredPreferences::Corners{r.top, r.left, r.bottom, r.right}; };
    StoredPreferences s;
    s.RespWndBounds = corners(b.RespWndBounds);
    s.CstmWndBounds = corners(b.CstmWndBounds);
    s.InfoWndBounds = corners(b.InfoWndBounds);
    s.SysSelWndBounds = corners(b.SysSelWndBounds);
    s.PrefeBounds = corners(b.PrefeBounds);
    s.BoundsCheck = p.BoundsCheck;
    s.SoundCheck = p.SoundCheck;
    s.SystemCheck = p.SystemCheck;
    s.SysSelTabNum = sel.SysSelTabNum;
    s.SysSelBtnNum = sel.SysSelBtnNum;
    s.PrintDateCheck = p.PrintDateCheck;
    s.UpdateForCheck = p.UpdateForCheck;
    s.InitSetupCheck = p.InitSetupCheck;
    s.InputPower = power.InputPower;
    s.PortThickness = power.PortThickness;
    s.PrintParamCheck = p.PrintParamCheck;
    s.InputPowerCheck = p.InputPowerCheck;
    s.MagniCheck = p.MagniCheck;
    return s;
}

// Writes every key, in the order of the file, and the file; the windows'
// places as real places ("FastOpenFlag" 0), as every write keeps them.
// What was tried is noted as written even when the file refused it: the
// next change, or Quit, tries again.
bool writePrefs(const StoredPreferences& s) {
    const auto rect = [](const StoredPreferences::Corners& c) { return rectangleText(Rect16{c[0], c[1], c[2], c[3]}); };
    const std::pair<std::string_view, platform::PreferenceSetting> settings[] = {
        {"FastOpenFlag", int32_t(0)},
        {"RespWndBounds", rect(s.RespWndBounds)},
        {"CstmWndBounds", rect(s.CstmWndBounds)},
        {"InfoWndBounds", rect(s.InfoWndBounds)},
        {"SysSelWndBounds", rect(s.SysSelWndBounds)},
        {"PrefeBounds", rect(s.PrefeBounds)},
        {"BoundsCheck", s.BoundsCheck},
        {"SoundCheck", s.SoundCheck},
        {"SystemCheck", s.SystemCheck},
        {"SysSelTabNum", s.SysSelTabNum},
        {"SysSelBtnNum", s.SysSelBtnNum},
        {"PrintDateCheck", s.PrintDateCheck},
        {"UpdateForCheck", s.UpdateForCheck},
        {"InitSetupCheck", s.InitSetupCheck},
        {"InputPower", s.InputPower},
        {"PortThickness", s.PortThickness},
        {"PrintParamCheck", s.PrintParamCheck},
        {"InputPowerCheck", s.InputPowerCheck},
        {"MagniCheck", s.MagniCheck}};
    for (const auto& [key, value] : settings) CFPrefsSetAppValue(key, value);
    state.prefs.Written = s;
    return CFPrefsAppSynchronize();
}

}  // namespace

std::string rectangleText(const Rect16& r) {
    std::string text;
    const int16_t parts[4] = {r.top, r.left, r.bottom, r.right};
    for (int i = 0; i < 4; ++i) {
        if (i > 0) text += ',';
        if (parts[i] >= 0) text += ' ';
        text += std::to_string(parts[i]);
    }
    return text;
}

std::optional<Rect16> parseRectangle(std::string_view text) {
    int16_t parts[4] = {};
    for (int i = 0; i < 4; ++i) {
        const std::size_t comma = text.find(',');
        if ((i < 3) == (comma == std::string_view::npos)) return std::nullopt;  // exactly three commas
        const auto v = wholeInteger(text.substr(0, comma));
        if (!v || *v < std::numeric_limits<int16_t>::min() || *v > std::numeric_limits<int16_t>::max())
            return std::nullopt;
        parts[i] = int16_t(*v);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return Rect16{parts[0], parts[1], parts[2], parts[3]};
}

void CFPrefsSetApplicationID(std::string_view identifier) {
    Str255& id = state.prefs.ApplicationID;
    if (!id.empty() || identifier.empty()) return;
    id = identifier;
    const std::size_t slash = identifier.find('/');
    const std::string_view organisation = slash == std::string_view::npos ? std::string_view() : identifier.substr(0, slash);
    const std::string_view application = slash == std::string_view::npos ? identifier : identifier.substr(slash + 1);
    platform::preferenceStore().setIdentity(organisation, application);
}

std::string CFPrefsGetApplicationID() {
    if (state.prefs.ApplicationID.empty()) CFPrefsSetApplicationID(kQuendalApplicationID);
    return state.prefs.ApplicationID.str();
}

bool CFPrefsAppSynchronize() {
    CFPrefsGetApplicationID();
    return platform::preferenceStore().synchronize();
}

std::optional<platform::StoredPreference> CFPrefsCopyAppValue(std::string_view key) {
    if (key.empty()) return std::nullopt;
    CFPrefsGetApplicationID();
    return platform::preferenceStore().read(key);
}

void CFPrefsSetAppValue(std::string_view key, const platform::PreferenceSetting& value) {
    if (key.empty()) return;
    CFPrefsGetApplicationID();
    platform::preferenceStore().write(key, value);
}

bool CFPrefsGetLong(std::string_view key, int32_t* value, int32_t defaultValue) {
    const auto text = storedText(key);
    const auto v = text ? wholeInteger(*text) : std::nullopt;
    const bool used = v && *v >= std::numeric_limits<int32_t>::min() && *v <= std::numeric_limits<int32_t>::max();
    *value = used ? int32_t(*v) : defaultValue;
    return used;
}

void CFPrefsSetLong(std::string_view key, int32_t value) { CFPrefsSetAppValue(key, value); }

bool CFPrefsGetDbl(std::string_view key, double* value, double defaultValue) {
    const auto text = storedText(key);
    const auto v = text ? wholeNumber(*text) : std::nullopt;
    *value = v ? *v : defaultValue;
    return v.has_value();
}

void CFPrefsSetDbl(std::string_view key, double value) { CFPrefsSetAppValue(key, value); }

bool CFPrefsGetPString(std::string_view key, Str255* value, std::string_view defaultValue) {
    const auto text = storedText(key);
    std::string bytes;
    if (text && platform::macRomanFromUtf8(*text, bytes) && bytes.size() <= Str255::kMaxLength) {
        *value = bytes;
        return true;
    }
    *value = defaultValue;
    return false;
}

void CFPrefsSetPString(std::string_view key, std::string_view value) {
    CFPrefsSetAppValue(key, platform::utf8FromMacRoman(value));
}

bool CFPrefsGetRect(std::string_view key, Rect16* value, const Rect16* defaultValue) {
    const auto text = storedText(key);
    const auto r = text ? parseRectangle(*text) : std::nullopt;
    if (r && r->bottom > r->top && r->right > r->left && overlapsAScreen(*r)) {
        *value = *r;
        return true;
    }
    BlockMove(defaultValue, value, sizeof(Rect16));
    return false;
}

void CFPrefsSetRect(std::string_view key, const Rect16* value) { CFPrefsSetAppValue(key, rectangleText(*value)); }

void BlockMove(const void* source, void* destination, std::ptrdiff_t count) {
    if (source != nullptr && destination != nullptr && count > 0 && source != destination)
        std::memmove(destination, source, std::size_t(count));
}

void LoadPrefs() {
    PreferenceOptions& p = state.prefs;
    WindowBounds& b = state.bounds;
    SystemSelection& sel = state.selection;
    InputPowerSettings& power = state.power;

    readFlag("FastOpenFlag", p.FastOpenFlag);
    readRect("RespWndBounds", b.RespWndBounds);
    readRect("CstmWndBounds", b.CstmWndBounds);
    readRect("InfoWndBounds", b.InfoWndBounds);
    readRect("SysSelWndBounds", b.SysSelWndBounds);
    readRect("PrefeBounds", b.PrefeBounds);
    readFlag("BoundsCheck", p.BoundsCheck);
    readFlag("SoundCheck", p.SoundCheck);
    readFlag("SystemCheck", p.SystemCheck);
    readChoice("SysSelTabNum", sel.SysSelTabNum, 1, 2);
    readChoice("SysSelBtnNum", sel.SysSelBtnNum, 1, 8);
    readFlag("PrintDateCheck", p.PrintDateCheck);
    readFlag("UpdateForCheck", p.UpdateForCheck);
    readFlag("InitSetupCheck", p.InitSetupCheck);
    readAtLeast("InputPower", power.InputPower, kMinimumInputPower);
    readAtLeast("PortThickness", power.PortThickness, kMinimumPortThickness);
    readFlag("PrintParamCheck", p.PrintParamCheck);
    readFlag("InputPowerCheck", p.InputPowerCheck);
    readFlag("MagniCheck", p.MagniCheck);
    power.InputPowerCheck = p.InputPowerCheck;  // the first design's choice

    if (p.SystemCheck == 0) {
        sel.SysSelTabNum = 1;
        sel.SysSelBtnNum = 1;
    }
    state.shell.LVP = power.PortThickness;
    state.shell.LVD = state.shell.LVP + 20.0;  // mm: a duct reaches 20 mm past the baffle
    state.view.Magni = p.MagniCheck;
    state.prefs.Written = prefsInForce();
}

bool SavePrefs() {
    // The bounds being saved are real places from now on, so that
    // "remember window places" can take effect at the next start.
    state.prefs.FastOpenFlag = 0;
    return writePrefs(prefsInForce());
}

bool SaveChangedPrefs() {
    if (!state.prefs.Written) return true;  // not read yet: a write would put defaults over the file
    const StoredPreferences now = prefsInForce();
    return now == *state.prefs.Written || writePrefs(now);
}

}  // namespace quendal
