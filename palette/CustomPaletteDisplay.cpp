#include "palette/CustomPaletteDisplay.h"

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
void addField(int32_t id, int16_t top, const Str255& text, bool entry) {
    if (state.palette.valueFieldsSystem != 0) {  // the fields stand: only their values are new
        platform::setControlText(kWindow, id, text.view());
        platform::setControlEnabled(kWindow, id, entry);
        return;
    }
    platform::ControlSpec desc(platform::ControlKind::EditText, ltrb(93, top, 151, int16_t(top + 13)), text.view());
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

}  // namespace

int32_t CustomPaletDisp() {
    if (!platform::windowExists(kWindow)) return 0;
    platform::selectWindow(kWindow);
    // The fields are built anew only for another system or alignment, when
    // the window came without them, or when the entry to focus is not among
    // them (the focus then leaves the fields, as they go).
    PaletteState& built = state.palette;
    const PaletteFieldRange entries = currentEntryFields();
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
                if (row.entryId == id) addField(id, row.top, textForm(row.value), true);

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

namespace {

bool fieldsStandFor(int32_t system, int32_t alin) {
    const PaletteState& built = state.palette;
    return platform::windowExists(kWindow) && state.shell.CtmPaletFlag == 0 && built.valueFieldsSystem == system &&
           built.valueFieldsAlin == alin && system == currentSystemNumber() && alin == state.selection.Alin;
}

}  // namespace

PaletteTypedTexts::PaletteTypedTexts() : system_(currentSystemNumber()), alin_(state.selection.Alin) {
    if (!fieldsStandFor(system_, alin_)) return;
    const PaletteFieldRange entries = currentEntryFields();
    for (int32_t id = entries.first; id <= entries.last; ++id)
        if (platform::controlExists(kWindow, id)) texts_.emplace_back(id, platform::controlText(kWindow, id));
}

void PaletteTypedTexts::putBack() const {
    if (!fieldsStandFor(system_, alin_)) return;
    for (const auto& [id, text] : texts_)
        if (platform::controlExists(kWindow, id) && platform::controlText(kWindow, id) != text)
            platform::setControlText(kWindow, id, text);
}

int32_t ReDispCustomPalet() {
    toTextChang();
    if (state.shell.CtmPaletFlag == 0) CustomPaletDisp();
    return 0;
}

}  // namespace quendal
