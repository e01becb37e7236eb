#include "palette/CustomPaletteDisplay.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/CalculationContract.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "palette/CustomPalette.h"
#include "palette/CustomPaletteEnable.h"
#include "platform/Platform.h"
#include "view/ParameterLabels.h"
#include "view/SystemProfileText.h"
#include "dialogs/DialogControls.h"

namespace quendal {

namespace {

constexpr int32_t kWindow = kCustomPalette;

// A value of the palette: a classic edit text, created dimmed when it only
// shows the value, with its frame around the text area. It keeps every
// character typed: Calc. reads the text as every field reads a number, so
// that a text that is no number is refused rather than read as another.
void addField(int32_t id, int16_t top, std::string_view text, bool entry) {
    if (state.palette.valueFieldsSystem != 0) {  // the fields stand: only their values are new
        platform::setControlText(kWindow, id, text);
        platform::setControlEnabled(kWindow, id, entry);
        return;
    }
    platform::ControlSpec desc(platform::ControlKind::EditText, ltrb(93, top, 151, int16_t(top + 13)), text);
    desc.style = labelStyle(kPaletteValueTextSize, false, platform::TextAlign::Centre);
    desc.frameOutside = true;
    desc.enabled = entry;
    platform::createControl(kWindow, id, desc);
}

void removeValueControls() {
    for (int32_t id = kPaletteFirstField; id <= kPaletteLastField; ++id) platform::removeControl(kWindow, id);
    for (int32_t id = kPaletteFsValue; id <= kPaletteQtsValue; ++id) platform::removeControl(kWindow, id);
    for (int32_t id = kPaletteFirstValue; id <= kPaletteLastValue; ++id) platform::removeControl(kWindow, id);
}

void addField(int32_t id, int16_t top, const Str255& text, bool entry) { addField(id, top, text.view(), entry); }

// What the palette last showed in an entry field, or last gave Calc.
std::string& shownText(int32_t entryId) {
    return state.palette.entryTextsShown[std::size_t(entryId - kPaletteFirstField)];
}

using TypedTexts = std::vector<std::pair<int32_t, std::string>>;

// The texts the user typed into the entry fields and Calc. has not read:
// those that differ from what the palette last showed there. Taken only
// while the fields stand for the current system and alignment; fields
// built for another stand for other values, and what was typed in them
// goes with them.
TypedTexts typedTexts(PaletteFieldRange entries) {
    TypedTexts typed;
    const PaletteState& built = state.palette;
    if (built.valueFieldsSystem != currentSystemNumber() || built.valueFieldsAlin != state.selection.Alin) return typed;
    for (int32_t id = entries.first; id <= entries.last; ++id)
        if (platform::controlExists(kWindow, id))
            if (std::string text = platform::controlText(kWindow, id); text != shownText(id))
                typed.emplace_back(id, std::move(text));
    return typed;
}

// An entry field shows its value, unless it holds what the user typed over
// the value that still stands: the design shown again by any command but
// Calc. (a sheet's OK, a redraw, a loss picked, a design given back) leaves
// the typing to Calc., as it was, caret and selection included. A value
// that has changed meanwhile is shown: the text was typed over another.
void addEntryField(const PaletteValueRow& row, const TypedTexts& typed) {
    const std::string_view text = textForm(row.value).view();
    std::string& shown = shownText(row.entryId);
    const bool valueStands = text == shown;
    shown = text;
    for (const auto& [id, typedText] : typed) {
        if (id != row.entryId || !valueStands) continue;
        if (state.palette.valueFieldsSystem != 0)
            platform::setControlEnabled(kWindow, id, true);
        else
            addField(id, row.top, std::string_view(typedText), true);
        return;
    }
    addField(row.entryId, row.top, text, true);
}

}  // namespace

int32_t CustomPaletDisp() {
    if (!platform::windowExists(kWindow)) return 0;
    platform::selectWindow(kWindow);
    // The fields are built anew only for another system or alignment, when
    // the window came without them, or when the entry to focus is not among
    // them (the focus then leaves the fields, as they go).
    PaletteState& built = state.palette;
    const PaletteFieldRange entries = currentEntryFields();
    const TypedTexts typed = typedTexts(entries);  // kept through the fill
    const bool focusLeaves = entries.count() > 1 && !entries.contains(state.shell.EdtFldID);
    if (built.valueFieldsSystem != currentSystemNumber() || built.valueFieldsAlin != state.selection.Alin ||
        !platform::controlExists(kWindow, kPaletteFsValue) || focusLeaves) {
        removeValueControls();
        built.valueFieldsSystem = 0;
    }

    const SpeakerParameters& sp = state.speaker;
    addField(206, 34, valueText(sp.FS, 2), false);
    addField(207, 54, valueText(sp.VAS, 3), false);
    addField(208, 74, valueText(sp.QTS, 3), false);

    toTextChang();

    const std::span<const PaletteValueRow> rows = currentValueRows();
    // Rows that no alignment makes editable stand at every alignment.
    for (const PaletteValueRow& row : rows)
        if (row.entryId == 0) addField(row.readOnlyId, row.top, textForm(row.value), false);

    if (currentAlignmentListed()) {
        const bool takesInput = !entries.empty();
        platform::setControlEnabled(kWindow, kPaletteCalcButton, takesInput);
        state.shell.EditMenuFlag = takesInput ? 1 : 0;

        for (const PaletteValueRow& row : rows)
            if (row.entryId != 0 && !entries.contains(row.entryId))
                addField(row.readOnlyId, row.top, textForm(row.value), false);
        for (int32_t id = entries.first; id <= entries.last; ++id)
            for (const PaletteValueRow& row : rows)
                if (row.entryId == id) addEntryField(row, typed);

        int32_t& edited = state.shell.EdtFldID;
        if (entries.count() == 1) edited = entries.first;
        // The field last edited, when it is one of the palette's: Initial
        // Setup's fields keep their numbers in the same place, and Snap
        // bears the number of one of them.
        // Fields just opened for typing (an alignment chosen that takes
        // values) take the keyboard, whichever window the user was in.
        const bool opened = built.valueFieldsSystem == 0 && !paletteDesignWaits();
        if (entries.contains(edited)) {
            if (opened)
                platform::openForTyping(kWindow, edited);
            else
                platform::setKeyboardFocus(kWindow, edited);
        }
    }
    built.valueFieldsSystem = currentSystemNumber();
    built.valueFieldsAlin = state.selection.Alin;
    // Shown anew, the palette of a waiting design stays as dimmed as it was
    // (the design recalculated by a change of the preferences, say).
    if (paletteDesignWaits()) DisableCustomPalet();

    platform::selectWindow(kWindow);
    return 0;
}

void paletteEntriesRead() {
    if (!platform::windowExists(kWindow)) return;
    const PaletteFieldRange entries = currentEntryFields();
    for (int32_t id = entries.first; id <= entries.last; ++id)
        if (platform::controlExists(kWindow, id)) shownText(id) = platform::controlText(kWindow, id);
}

int32_t ReDispCustomPalet() {
    toTextChang();
    if (state.shell.CtmPaletFlag == 0) CustomPaletDisp();
    return 0;
}

}  // namespace quendal
