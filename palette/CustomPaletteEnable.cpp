#include "palette/CustomPaletteEnable.h"

#include "response/CofCal.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "palette/CustomPalette.h"
#include "palette/CustomPaletteDisplay.h"
#include "platform/Platform.h"

namespace quendal {

namespace {

constexpr int32_t kWindow = kCustomPalette;

void enable(int32_t id, bool on) { platform::setControlEnabled(kWindow, id, on); }

// The section of the current system: heading, labels and units, the
// separators, then the popups but the passive-radiator count.
void switchSystemSection(bool on) {
    const PaletteLayout* layout = currentPaletteLayout();
    if (layout == nullptr) return;
    enable(kPaletteBoxHeading, on);
    for (const PaletteLabel& label : layout->labels) enable(label.id, on);
    for (const PaletteUnit& unit : layout->units) enable(unit.id, on);
    for (const PaletteSeparator& separator : layout->separators) enable(separator.id, on);
    for (const PalettePopup& popup : layout->popups)
        if (popup.id != kPaletteRadiatorCountPopup) enable(popup.id, on);
}

bool hasRadiatorCount() {
    const int32_t system = currentSystemNumber();
    return system == kPassiveRadiator || system == kPassiveRaveza;
}

}  // namespace

int32_t EnableCustomPalet() {
    if (!platform::windowExists(kWindow)) return 0;
    if (paletteDesignWaits()) return 0;
    platform::selectWindow(kWindow);
    enable(kPaletteSnapButton, true);
    enable(kPaletteSystemSelectArrow, true);
    enable(kPaletteSpeakerSelectArrow, true);
    for (int32_t id = kPaletteDriverHeading; id <= kPaletteLastDriverText; ++id) enable(id, true);
    enable(kPaletteAlignmentButton, true);

    switchSystemSection(true);
    if (hasRadiatorCount()) {
        const bool applied = state.radiator.PRUseFlag == 1;
        enable(kPaletteRadiatorCountPopup, applied);
        if (applied && currentSystemNumber() == kPassiveRaveza) enable(kPaletteCalcButton, true);
    }

    const PaletteFieldRange entries = currentEntryFields();
    for (int32_t id = entries.first; id <= entries.last; ++id) enable(id, true);
    if (!entries.empty()) enable(kPaletteCalcButton, true);
    return 0;
}

bool paletteDesignWaits() { return state.shell.KeptDesignFlag == 1 && platform::windowExists(kResponseWindow); }

int32_t DisableCustomPalet() {
    if (!platform::windowExists(kWindow)) return 0;
    platform::setCurrentWindow(kWindow);
    for (int32_t id = kPaletteCalcButton; id <= kPaletteSpeakerSelectArrow; ++id) enable(id, false);
    for (int32_t id = kPaletteDriverHeading; id <= kPaletteLastDriverText; ++id) enable(id, false);
    enable(kPaletteAlignmentButton, false);

    switchSystemSection(false);
    if (hasRadiatorCount()) enable(kPaletteRadiatorCountPopup, false);

    const PaletteFieldRange entries = currentEntryFields();
    for (int32_t id = entries.first; id <= entries.last; ++id) enable(id, false);
    return 0;
}

}  // namespace quendal
