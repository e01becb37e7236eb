#include "palette/CustomPalette.h"

#include <array>

#include "response/CofCal.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/ParameterLabels.h"
#include "view/Pictures.h"
#include "dialogs/PalettePlace.h"
#include "dialogs/ScreenFit.h"
#include "dialogs/DialogControls.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlSpec;

constexpr int32_t kWindow = kCustomPalette;
constexpr std::string_view kLiter = "Liter";
constexpr std::string_view kHz = "Hz";
constexpr std::string_view kRadiatorHeading = "Passive Radiator Parameters";

// A row label: frequency rows (Fc, Fb, Fp and their numbered forms) start a
// pixel further right than the others.
constexpr PaletteLabel row(int32_t id, std::string_view text, int16_t top) {
    return {id, text, top, int16_t(text.front() == 'F' ? 16 : 15), false};
}
constexpr PaletteLabel heading(int32_t id, std::string_view text, int16_t top) { return {id, text, top, 15, true}; }

// --- The sections of the sixteen systems --------------------------------------

constexpr PaletteLabel kClosedBoxLabels[] = {
    row(108, "Vb ............", 117), row(109, "Fc .............", 137), row(110, "Qtc ...........", 157),
    row(111, "Qa ............", 182)};
constexpr PaletteUnit kClosedBoxUnits[] = {{112, kLiter, 117}, {113, kHz, 137}};
constexpr PalettePopup kClosedBoxPopups[] = {{kPaletteQaPopup1, kQaPopupMenu, 183}};

constexpr PaletteLabel kVentedBoxLabels[] = {
    row(108, "Vb ............", 117), row(109, "Fb ............", 137), row(110, "Qb ............", 162)};
constexpr PaletteUnit kVentedBoxUnits[] = {{111, kLiter, 117}, {112, kHz, 137}};
constexpr PalettePopup kVentedBoxPopups[] = {{kPaletteQbPopup1, kQbPopupMenu, 163}};

constexpr PaletteLabel kPassiveRadiatorLabels[] = {
    row(108, "Vb ............", 117), row(109, "Fb ............", 137), row(110, "Qb ............", 162),
    heading(111, kRadiatorHeading, 192),  row(112, "Vap ..........", 217), row(113, "Fp ............", 237),
    row(114, "Qmp .........", 257)};
constexpr PaletteUnit kPassiveRadiatorUnits[] = {{115, kLiter, 117}, {116, kHz, 137}, {117, kLiter, 217}, {118, kHz, 237}};
constexpr PalettePopup kPassiveRadiatorPopups[] = {{kPaletteQbPopup1, kQbPopupMenu, 163},
                                                   {kPaletteRadiatorCountPopup, kPrNumPopupMenu, 283}};

// Two vented chambers: Serial Vented, Serial Raveza Type2 and Twin Vented.
constexpr PaletteLabel kTwoVentedLabels[] = {
    row(108, "Vb1 ..........", 117), row(109, "Fb1 ..........", 137), row(110, "Qb1 ..........", 162),
    row(111, "Vb2 ..........", 197), row(112, "Fb2 ..........", 217), row(113, "Qb2 ..........", 242)};
constexpr PaletteUnit kTwoChamberUnits[] = {{114, kLiter, 117}, {115, kHz, 137}, {116, kLiter, 197}, {117, kHz, 217}};
constexpr PalettePopup kTwoVentedPopups[] = {{kPaletteQbPopup1, kQbPopupMenu, 163}, {kPaletteQbPopup2, kQbPopupMenu, 243}};

// Three vented chambers: Twin Serial Vented, Twin Serial, Delta Vented and
// Triple Vented.
constexpr PaletteLabel kThreeVentedLabels[] = {
    row(108, "Vb1 ..........", 117), row(109, "Fb1 ..........", 137), row(110, "Qb1 ..........", 162),
    row(111, "Vb2 ..........", 197), row(112, "Fb2 ..........", 217), row(113, "Qb2 ..........", 242),
    row(114, "Vb3 ..........", 277), row(115, "Fb3 ..........", 297), row(116, "Qb3 ..........", 322)};
constexpr PaletteUnit kThreeChamberUnits[] = {{117, kLiter, 117}, {118, kHz, 137}, {119, kLiter, 197},
                                              {120, kHz, 217},    {121, kLiter, 277}, {122, kHz, 297}};
constexpr PalettePopup kThreeVentedPopups[] = {{kPaletteQbPopup1, kQbPopupMenu, 163},
                                               {kPaletteQbPopup2, kQbPopupMenu, 243},
                                               {kPaletteQbPopup3, kQbPopupMenu, 323}};

constexpr PaletteLabel kComplexClosedLabels[] = {
    row(108, "Vb1 ..........", 117), row(109, "Fc1 ...........", 137), row(110, "Qa1 ..........", 162),
    row(111, "Vb2 ..........", 197), row(112, "Fc2 ...........", 217), row(113, "Qa2 ..........", 242)};
constexpr PalettePopup kComplexClosedPopups[] = {{kPaletteQaPopup1, kQaPopupMenu, 163},
                                                 {kPaletteQaPopup2, kQaPopupMenu, 243}};

// The Complex Vented system puts its Qb popup on the first chamber and its
// Qa popup on the second.
constexpr PaletteLabel kComplexVentedLabels[] = {
    row(108, "Vb1 ..........", 117), row(109, "Fb1 ..........", 137), row(110, "Qb1 ..........", 162),
    row(111, "Vb2 ..........", 197), row(112, "Fc2 ..........", 217), row(113, "Qa2 ..........", 242)};
constexpr PalettePopup kComplexVentedPopups[] = {{kPaletteQbPopup1, kQbPopupMenu, 163},
                                                 {kPaletteQaPopup1, kQaPopupMenu, 243}};

constexpr PaletteLabel kRavezaBoxLabels[] = {
    row(108, "Vb1 ..........", 117), row(109, "Fc1 ...........", 137), row(110, "Qa1 ..........", 162),
    row(111, "Vb2 ..........", 197), row(112, "Fb2 ..........", 217), row(113, "Qb2 ..........", 242)};
constexpr PalettePopup kRavezaBoxPopups[] = {{kPaletteQaPopup1, kQaPopupMenu, 163},
                                             {kPaletteQbPopup1, kQbPopupMenu, 243}};

// The Passive Raveza's second chamber stands 5 px higher than in the other
// two-chamber systems, and its first chamber's units 5 px lower than their
// labels: the numbers are the layout.
constexpr PaletteLabel kPassiveRavezaLabels[] = {
    row(108, "Vb1 ..........", 117), row(109, "Fc1 ...........", 137), row(110, "Qa1 ..........", 162),
    row(111, "Vb2 ..........", 192), row(112, "Fb2 ..........", 212), row(113, "Qb2 ..........", 237),
    heading(114, kRadiatorHeading, 262), row(115, "Vap ..........", 287), row(116, "Fp ............", 307),
    row(117, "Qmp ..........", 327)};
constexpr PaletteUnit kPassiveRavezaUnits[] = {{118, kLiter, 122}, {119, kHz, 142}, {120, kLiter, 197},
                                               {121, kHz, 217},    {122, kLiter, 287}, {123, kHz, 307}};
constexpr PaletteSeparator kPassiveRavezaSeparators[] = {{53, 105}, {54, 180}, {55, 276}};
constexpr PalettePopup kPassiveRavezaPopups[] = {{kPaletteQaPopup1, kQaPopupMenu, 163},
                                                 {kPaletteQbPopup1, kQbPopupMenu, 238},
                                                 {kPaletteRadiatorCountPopup, kPrNumPopupMenu, 353}};

// Serial Raveza Type1: its "Fb3" label alone among the frequency rows
// starts at x 15.
constexpr PaletteLabel kSerialRavezaType1Labels[] = {
    row(108, "Vb1 ..........", 117), row(109, "Fc1 ...........", 137), row(110, "Qa1 ..........", 162),
    row(111, "Vb2 ..........", 197), row(112, "Fb2 ..........", 217), row(113, "Qb2 ..........", 242),
    row(114, "Vb3 ..........", 277), {115, "Fb3 ..........", 297, 15, false}, row(116, "Qb3 ..........", 322)};
constexpr PalettePopup kSerialRavezaType1Popups[] = {{kPaletteQaPopup1, kQaPopupMenu, 163},
                                                     {kPaletteQbPopup1, kQbPopupMenu, 243},
                                                     {kPaletteQbPopup2, kQbPopupMenu, 323}};

constexpr PaletteSeparator kOneChamberSeparators[] = {{53, 105}};
constexpr PaletteSeparator kRadiatorSeparators[] = {{53, 105}, {54, 205}};
constexpr PaletteSeparator kTwoChamberSeparators[] = {{53, 105}, {54, 185}};
constexpr PaletteSeparator kThreeChamberSeparators[] = {{53, 105}, {54, 185}, {55, 265}};

constexpr std::string_view kClosedBoxAlignmentHelp = "Edit select Box Volume or Qtc\\@B";
constexpr std::string_view kVentedBoxAlignmentHelp = "Edit select Box Volume or Custom\\@B";
constexpr std::string_view kRavezaAlignmentHelp = "Edit select Closed Volume or Custom\\@B";
constexpr std::string_view kCustomAlignmentHelp = "Edit select Custom\\@B";

// By system number 1-16; the Infinite Baffle (1) has no section.
const std::array<PaletteLayout, 17> kLayouts = {{
    {},
    {},
    {kClosedBoxLabels, kClosedBoxUnits, kOneChamberSeparators, kClosedBoxPopups, 14, kClosedBoxAlignmentHelp},
    {kVentedBoxLabels, kVentedBoxUnits, kOneChamberSeparators, kVentedBoxPopups, 15, kVentedBoxAlignmentHelp},
    {kPassiveRadiatorLabels, kPassiveRadiatorUnits, kRadiatorSeparators, kPassiveRadiatorPopups, 16,
     kCustomAlignmentHelp},
    {kTwoVentedLabels, kTwoChamberUnits, kTwoChamberSeparators, kTwoVentedPopups, 17, kCustomAlignmentHelp},
    {kThreeVentedLabels, kThreeChamberUnits, kThreeChamberSeparators, kThreeVentedPopups, 22, kCustomAlignmentHelp},
    {kComplexClosedLabels, kTwoChamberUnits, kTwoChamberSeparators, kComplexClosedPopups, 13, kCustomAlignmentHelp},
    {kComplexVentedLabels, kTwoChamberUnits, kTwoChamberSeparators, kComplexVentedPopups, 13, kCustomAlignmentHelp},
    {kRavezaBoxLabels, kTwoChamberUnits, kTwoChamberSeparators, kRavezaBoxPopups, 25, kRavezaAlignmentHelp},
    {kPassiveRavezaLabels, kPassiveRavezaUnits, kPassiveRavezaSeparators, kPassiveRavezaPopups, 24,
     kRavezaAlignmentHelp},
    {kSerialRavezaType1Labels, kThreeChamberUnits, kThreeChamberSeparators, kSerialRavezaType1Popups, 19,
     kCustomAlignmentHelp},
    {kTwoVentedLabels, kTwoChamberUnits, kTwoChamberSeparators, kTwoVentedPopups, 22, kCustomAlignmentHelp},
    {kTwoVentedLabels, kTwoChamberUnits, kTwoChamberSeparators, kTwoVentedPopups, 21, kCustomAlignmentHelp},
    {kThreeVentedLabels, kThreeChamberUnits, kThreeChamberSeparators, kThreeVentedPopups, 20, kCustomAlignmentHelp},
    {kThreeVentedLabels, kThreeChamberUnits, kThreeChamberSeparators, kThreeVentedPopups, 21, kCustomAlignmentHelp},
    {kThreeVentedLabels, kThreeChamberUnits, kThreeChamberSeparators, kThreeVentedPopups, 18, kCustomAlignmentHelp},
}};

struct LabelHelp {
    std::string_view text, help;
};

// The same label text always has the same help text.
constexpr LabelHelp kLabelHelp[] = {
    {"Box Parameters", "Thiele/Small Box Parameters\\@B"},
    {"Vb ............", "Box Volume\\@B"},
    {"Fc .............", "Box Resonance Frequency\\@B"},
    {"Fb ............", "Box Tuning Frequency\\@B"},
    {"Qtc ...........", "Closed Box System Total Q\\@B"},
    {"Qa ............", "Box Loss Factor Q\\@B"},
    {"Qb ............", "Box Loss Factor Q\\@B"},
    {"Vb1 ..........", "Box1 Volume\\@B"},
    {"Fc1 ...........", "Box1 Resonance Frequency\\@B"},
    {"Fb1 ..........", "Box1 Tuning Frequency\\@B"},
    {"Qa1 ..........", "Box1 Loss Factor Q\\@B"},
    {"Qb1 ..........", "Box1 Loss Factor Q\\@B"},
    {"Vb2 ..........", "Box2 Volume\\@B"},
    {"Fc2 ...........", "Box2 Resonance Frequency\\@B"},
    {"Fc2 ..........", "Box2 Resonance Frequency\\@B"},
    {"Fb2 ..........", "Box2 Tuning Frequency\\@B"},
    {"Qa2 ..........", "Box2 Loss Factor Q\\@B"},
    {"Qb2 ..........", "Box2 Loss Factor Q\\@B"},
    {"Vb3 ..........", "Box3 Volume\\@B"},
    {"Fb3 ..........", "Box3 Tuning Frequency\\@B"},
    {"Qb3 ..........", "Box3 Loss Factor Q\\@B"},
    {kRadiatorHeading, "Thiele/Small Passive Radiator Parameters\\@B"},
    {"Vap ..........", "Passive Radiator Acoustic Volume\\@B"},
    {"Fp ............", "Passive Radiator Free Air Resonance\\@B"},
    {"Qmp .........", "Passive Radiator Mechanical Q\\@B"},
    {"Qmp ..........", "Passive Radiator Mechanical Q\\@B"},
};

void addText(int32_t id, Rect16 rect, std::string_view text, std::string_view help = {}) {
    ControlSpec desc(ControlKind::StaticText, rect, text);
    desc.style = labelStyle(kPaletteTextSize);
    platform::createControl(kWindow, id, desc);
    if (!help.empty()) platform::setHelpTag(kWindow, id, help);
}

void addSeparator(int32_t id, Rect16 rect) {
    platform::createControl(kWindow, id, ControlSpec(ControlKind::Separator, rect));
}

void addPushButton(int32_t id, Rect16 rect, std::string_view title, std::string_view help, bool isDefault,
                   bool enabled) {
    ControlSpec desc(ControlKind::PushButton, rect, title);
    desc.style = labelStyle(kPaletteSmallTextSize);
    desc.defaultButton = isDefault;
    desc.enabled = enabled;
    platform::createControl(kWindow, id, desc);
    platform::setHelpTag(kWindow, id, help);
}

void addArrowButton(int32_t id, Rect16 rect, std::string_view picture, std::string_view help, bool enabled) {
    ControlSpec desc(ControlKind::BevelButton, rect);
    desc.image = std::string(picture);
    desc.imageFolder = std::string(kPictureFolder);
    desc.enabled = enabled;
    platform::createControl(kWindow, id, desc);
    platform::setHelpTag(kWindow, id, help);
}

// The value a popup shows: its item of the shared state.
int32_t popupValue(int32_t id) {
    const BoxParameters& box = state.box;
    switch (id) {
        case kPaletteQaPopup1: return box.PopupItem1;
        case kPaletteQaPopup2: return box.PopupItem2;
        case kPaletteQbPopup1: return box.PopupItem3;
        case kPaletteQbPopup2: return box.PopupItem4;
        case kPaletteQbPopup3: return box.PopupItem5;
        case kPaletteRadiatorCountPopup: return state.radiator.PopupPRNum;
        default: return 0;
    }
}

void addPopup(const PalettePopup& popup) {
    const bool count = popup.id == kPaletteRadiatorCountPopup;
    ControlSpec desc(ControlKind::PopupButton,
                     count ? ltrb(16, popup.top, 153, int16_t(popup.top + 17))
                           : ltrb(90, popup.top, 153, int16_t(popup.top + 17)),
                     count ? "Num of P.R. : " : "", popupValue(popup.id));
    desc.menu = popup.menu;
    desc.style = labelStyle(kPaletteSmallTextSize);
    desc.enabled = !count;  // the count waits for applied radiator data
    platform::createControl(kWindow, popup.id, desc);
    if (count) platform::setHelpTag(kWindow, popup.id, "Number of Passive Radiator Units\\@B");
}

void addCommonControls(int16_t d) {
    addPushButton(kPaletteCalcButton, ltrb(145, int16_t(360 + d), 195, int16_t(377 + d)), "Calc.",
                  "Calculate Custom Alignment.\rThen the Vent Design is Initialized !\\@B", true, false);
    addPushButton(kPaletteSnapButton, ltrb(93, int16_t(360 + d), 137, int16_t(377 + d)), "Snap",
                  "Snapshot Response to PNG File.\\@B", false, true);
    addArrowButton(kPaletteSystemSelectArrow, ltrb(144, 5, 166, 20), kSystemSelectArrowPicture, "System Select\\@B",
                   true);
    addArrowButton(kPaletteSpeakerSelectArrow, ltrb(174, 5, 196, 20), kSpeakerSelectArrowPicture,
                   "Speaker Select\\@B", true);
    addSeparator(kPaletteTopSeparator, ltrb(5, 21, 200, 30));
    addSeparator(kPaletteBottomSeparator, ltrb(0, int16_t(345 + d), 205, int16_t(355 + d)));
    addText(101, ltrb(15, 7, 130, 23), "Driver Parameters", "Thiele/Small Driver Parameters\\@B");
    addText(102, ltrb(15, 32, 89, 48), "Fs .............", "Driver Free Air Resonance\\@B");
    addText(103, ltrb(15, 52, 89, 68), "Vas ...........", "Driver Acoustic Volume\\@B");
    addText(104, ltrb(15, 72, 89, 88), "Qts ...........", "Driver Total Q Factor\\@B");
    addText(105, ltrb(160, 32, 200, 48), kHz);
    addText(106, ltrb(160, 52, 200, 68), kLiter);
}

void addSystemSection(const PaletteLayout& layout) {
    addText(kPaletteBoxHeading, ltrb(15, 92, 205, 108), "Box Parameters", paletteLabelHelp("Box Parameters"));
    for (const PaletteLabel& label : layout.labels) {
        const int16_t right = label.heading ? 205 : 89;
        addText(label.id, ltrb(label.left, label.top, right, int16_t(label.top + 16)), label.text,
                paletteLabelHelp(label.text));
    }
    for (const PaletteUnit& unit : layout.units) addText(unit.id, ltrb(160, unit.top, 200, int16_t(unit.top + 16)), unit.text);
    for (const PaletteSeparator& separator : layout.separators)
        addSeparator(separator.id, ltrb(5, separator.top, 200, int16_t(separator.top + 10)));
    for (const PalettePopup& popup : layout.popups) addPopup(popup);
}

bool saved(const Rect16& r) { return r.top != 0 || r.left != 0; }

}  // namespace

const PaletteLayout* paletteLayout(int32_t systemNumber) {
    if (systemNumber < kClosedBox || systemNumber > kTripleVented) return nullptr;
    return &kLayouts[std::size_t(systemNumber)];
}

const PaletteLayout* currentPaletteLayout() { return paletteLayout(currentSystemNumber()); }

std::string_view paletteLabelHelp(std::string_view labelText) {
    for (const LabelHelp& entry : kLabelHelp)
        if (entry.text == labelText) return entry.help;
    return {};
}

int16_t paletteExtraHeight() { return currentSystemNumber() == kPassiveRaveza ? kPassiveRavezaExtraHeight : 0; }

Rect16 customPalettePlace() {
    const int16_t height = int16_t(kPaletteHeight + paletteExtraHeight());
    const Rect16& kept = state.bounds.CstmWndBounds;
    // Beside the response window as it stands now, which the user may have moved.
    if (state.prefs.FastOpenFlag == 1 || state.prefs.BoundsCheck != 1)
        return paletteBesideResponseWindow(kPaletteOffsetFromResponse, kPaletteWidth, height);
    if (!saved(kept)) return {0, 0, height, kPaletteWidth};  // never saved: the windowing layer centres it
    const Rect16 wanted{kept.top, kept.left, int16_t(kept.top + height), int16_t(kept.left + kPaletteWidth)};
    return fitOntoArea(wanted, platform::availableScreenArea(kept.left + kPaletteWidth / 2, kept.top + height / 2));
}

int32_t CustomFloatPalet() {
    const int16_t d = paletteExtraHeight();
    const Rect16 bounds = customPalettePlace();
    platform::createWindow(kWindow, platform::WindowKind::FloatingPalette, bounds, "Custom Palette", kResponseWindow);
    if (saved(bounds)) platform::setWindowBounds(kWindow, bounds);  // exactly there, also at a screen's corner
    keepPalettesClearOfResponseWindow();
    platform::setWindowThemeBackground(kWindow, true);
    platform::setCurrentWindow(kWindow);

    addCommonControls(d);
    DrawBevelBtnMenu();
    if (const PaletteLayout* layout = currentPaletteLayout()) addSystemSection(*layout);

    platform::selectWindow(kWindow);
    state.shell.CtmPaletFlag = 0;
    return 0;
}

int32_t DrawBevelBtnMenu() {
    platform::setCurrentWindow(kWindow);
    const PaletteLayout* layout = currentPaletteLayout();
    int32_t& shown = state.palette.alignmentButtonMenu;
    const bool exists = platform::controlExists(kWindow, kPaletteAlignmentButton);
    if (layout == nullptr) {
        platform::removeControl(kWindow, kPaletteAlignmentButton);
        shown = 0;
        return 0;
    }
    // The menu is the shell's live menu: the button shows its items as they
    // stand, so a button on the system's own menu needs nothing more.
    if (exists && shown == layout->alignmentMenu) return 0;

    const int16_t d = paletteExtraHeight();
    ControlSpec desc(ControlKind::BevelButton, ltrb(10, int16_t(361 + d), 85, int16_t(379 + d)), "Alignment");
    desc.menu = layout->alignmentMenu;
    desc.style = labelStyle(kPaletteSmallTextSize);
    if (!platform::createControl(kWindow, kPaletteAlignmentButton, desc)) {
        shown = 0;
        return 0;
    }
    platform::setHelpTag(kWindow, kPaletteAlignmentButton, layout->alignmentHelp);
    shown = layout->alignmentMenu;
    return 0;
}

int32_t FocusCustomPalet() {
    if (state.shell.CtmPaletFlag != 0) return 0;
    platform::selectWindow(kWindow);
    DrawBevelBtnMenu();
    return 0;
}

}  // namespace quendal
