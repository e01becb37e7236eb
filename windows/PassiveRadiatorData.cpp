#include "windows/PassiveRadiatorData.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "platform/AppMessageSend.h"
#include "model/MessageVocabulary.h"
#include "dialogs/ParameterRecords.h"
#include "enclosures/PRcal.h"
#include "response/BoxCheck.h"
#include "model/NumberText.h"
#include "model/State.h"
#include "model/TextToNumber.h"
#include "model/WindowNumbers.h"
#include "view/ResponseRedraw.h"
#include "dialogs/Alerts.h"
#include "dialogs/DialogControls.h"
#include "dialogs/NameText.h"
#include "view/ShellHooks.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlNumber;
using platform::ControlSpec;

constexpr int32_t kSheet = kPassiveRadiatorSheet;
constexpr int16_t kWidth = 380, kHeight = 342;  // content, px

constexpr ControlNumber kHeading = 100;
constexpr ControlNumber kFirstLabel = 101;     // 101-109, one per field
constexpr ControlNumber kFirstUnit = 111;      // 111-119
constexpr ControlNumber kFirstExponent = 121;  // 121-122
constexpr ControlNumber kSeparator = 130;

constexpr int32_t kRadiatorCountPopup = 47;    // custom palette
constexpr int32_t kPassiveRadiatorMenu = 16;   // alignment menus of the two radiator systems
constexpr int32_t kPassiveRavezaMenu = 24;

struct Row {
    ControlNumber field;
    std::string_view label;
    std::string_view unit;
    std::string_view exponent;  // raised after the unit: cm^2, cm^3
};
constexpr std::array<Row, 9> kRows = {{
    {kPRManufacturerField, "Manufacturer", "", ""},
    {kPRModelField, "Model Name", "", ""},
    {kPRDiameterField, "Dia (Diameter)", "cm", ""},
    {kPRFpField, "Fp (Free Air Resonance)", "Hz", ""},
    {kPRVapField, "Vap (Acoustic Volume)", "Liter", ""},
    {kPRQpField, "Qmp (Mechanical Q)", "", ""},
    {kPRSdField, "Sd (Effective Area)", "cm", "2"},
    {kPRXmaxField, "Xmax (Peak Linear Excursion)", "mm", ""},
    {kPRVdField, "Vd (Displacement Volume)", "cm", "3"},
}};

// Two text rows, then seven number rows.
constexpr int16_t kTextRowTop = 46, kTextRowStep = 28;
constexpr int16_t kNumberRowTop = 106, kNumberRowStep = 26;
constexpr int16_t kLabelLeft = 20, kTextFieldLeft = 124, kRight = 360;
constexpr int16_t kNumberFieldLeft = 222, kNumberFieldRight = 302, kUnitLeft = 308;
constexpr int16_t kButtonTop = 300, kButtonBottom = 324;

void addText(ControlNumber id, Rect16 rect, std::string_view text, double size = 12.0, bool bold = false) {
    ControlSpec desc(ControlKind::StaticText, rect, text);
    desc.style = labelStyle(size, bold);
    platform::createControl(kSheet, id, desc);
}

void addRow(std::size_t i) {
    const Row& row = kRows[i];
    const bool text = i < 2;
    const int16_t top = text ? int16_t(kTextRowTop + kTextRowStep * int(i))
                             : int16_t(kNumberRowTop + kNumberRowStep * (int(i) - 2));
    const int16_t fieldLeft = text ? kTextFieldLeft : kNumberFieldLeft;
    addText(kFirstLabel + ControlNumber(i), {int16_t(top + 3), kLabelLeft, int16_t(top + 19), int16_t(fieldLeft - 4)},
            row.label);
    ControlSpec entry(ControlKind::EditText, {top, fieldLeft, int16_t(top + 22), text ? kRight : kNumberFieldRight});
    entry.style = labelStyle();
    if (!text) entry.style.align = platform::TextAlign::Right;
    platform::createControl(kSheet, row.field, entry);
    if (!row.unit.empty())
        addText(kFirstUnit + ControlNumber(i),
                {int16_t(top + 3), kUnitLeft, int16_t(top + 19), int16_t(kUnitLeft + (row.exponent.empty() ? 50 : 19))},
                row.unit);
    if (!row.exponent.empty())
        addText(kFirstExponent + (row.exponent == "2" ? 0 : 1),
                {int16_t(top + 1), int16_t(kUnitLeft + 19), int16_t(top + 12), int16_t(kUnitLeft + 27)}, row.exponent,
                9.0);
}

// A number as the field shows it: the program's number text without the
// blank it keeps before a value that is not negative.
std::string fieldText(double value) {
    std::string s = numberText(value).str();
    if (!s.empty() && s.front() == ' ') s.erase(0, 1);
    return s;
}

// Beeps and shows on `window` why the unit is refused: the number field
// by its label as the sheet shows it, and why, with the note on decimals
// where `text`, what the field holds, has a comma. `ok` runs on its OK.
void showRefusal(int32_t window, const RadiatorCheckResult& verdict, std::string_view text,
                 std::function<void()> ok) {
    const std::string why = refusedValueReason(kRows[2 + verdict.number].label, verdict.fault,
                                               radiatorFieldUnit(verdict.number), text);
    platform::beep();
    platform::showSheetAlert(window, refusedValueTitle(verdict.fault), refusedEntryMessage(text, why), std::move(ok));
}

// Beeps and shows on `window` that a name of a record holds characters a
// design cannot keep, naming the name as the sheet labels it.
void showNameRefusal(int32_t window, const RadiatorRecord& record, std::size_t name) {
    platform::beep();
    platform::showSheetAlert(window, kUnheldCharactersAlert,
                             unheldCharactersMessage(kRows[name].label, record.refused[name]), {});
}

bool passiveRadiatorSystem() {
    const SystemSelection& s = state.selection;
    return (s.SysSelTabNum == 1 && s.SysSelBtnNum == 4) || (s.SysSelTabNum == 2 && s.SysSelBtnNum == 2);
}

// The box of the alignment that applies the unit just entered, with one
// radiator, computed on the side; none to check outside the radiator systems.
BoxCheckResult unitAlignmentBoxCheck() {
    if (!passiveRadiatorSystem()) return {};
    const auto saved = std::make_unique<ProgramState>(state);
    state.radiator.PopupPRNum = 1;
    state.selection.Alin = state.selection.SysSelTabNum == 2 ? 4 : 3;
    const BoxCheckResult box = checkBuiltBox();
    state = *saved;
    return box;
}

// The two radiator systems take the unit as their "Apply Entered P.R. Unit"
// alignment, with one radiator, and are computed again.
void applyToRadiatorSystem() {
    PassiveRadiatorParameters& p = state.radiator;
    const bool raveza = state.selection.SysSelTabNum == 2;
    p.PRDataInFlag = 1;
    p.PopupPRNum = 1;
    PRDataIn_OrgToCurrent();  // one radiator from now on
    p.PRUseFlag = 1;
    state.selection.Alin = raveza ? 4 : 3;
    const int32_t menu = raveza ? kPassiveRavezaMenu : kPassiveRadiatorMenu;
    if (platform::menuExists(menu)) {
        platform::setMenuItemEnabled(menu, state.selection.Alin, true);
        platform::checkOneMenuItem(menu, state.selection.Alin);
    }
    menusFor(MenuSituation::SheetEnded);
    if (platform::controlExists(kCustomPalette, kRadiatorCountPopup)) {
        platform::setControlValue(kCustomPalette, kRadiatorCountPopup, 1);
        platform::setControlEnabled(kCustomPalette, kRadiatorCountPopup, true);
    }
    if (state.shell.CtmPaletFlag == 0) {
        refreshWindows(WindowRefresh::CustomPaletteEnabled);
        platform::setCurrentWindow(kCustomPalette);
        refreshWindows(WindowRefresh::CustomPaletteValues);
    }
    state.view.ReDispWnd = 2;
    ReDispResposeWnd();
    compareDesign(DesignComparison::Box);
}

// The names typed into the sheet that hold characters a design cannot
// keep: refused, naming the name and the characters; the sheet keeps what
// it holds.
bool nameRefused() {
    return refusedUnheldName(kSheet, kPRManufacturerField, kRows[0].label) ||
           refusedUnheldName(kSheet, kPRModelField, kRows[1].label);
}

void sheetClosed() {
    platform::closeWindow(kSheet);
    SndAppleEvent(vocabulary::kToOstrevane, vocabulary::kNowFree, vocabulary::kOstrevane);
}

}  // namespace

int32_t PassiveRadiDataEnterWnd() {
    if (!platform::createWindow(kSheet, platform::WindowKind::Sheet, {0, 0, kHeight, kWidth},
                                "Passive Radiator Parameters", kResponseWindow))
        return -1;
    platform::setWindowThemeBackground(kSheet, true);
    platform::setCurrentWindow(kSheet);
    addText(kHeading, {16, kLabelLeft, 34, kRight}, "Passive Radiator Unit", 13.0, true);
    for (std::size_t i = 0; i < kRows.size(); ++i) addRow(i);
    platform::createControl(kSheet, kSeparator,
                            ControlSpec(ControlKind::Separator, {288, kLabelLeft, 289, kRight}));

    ControlSpec paste(ControlKind::PushButton, {kButtonTop, kLabelLeft, kButtonBottom, 160}, "Paste Parameters");
    platform::createControl(kSheet, kPRPasteButton, paste);
    platform::setHelpTag(kSheet, kPRPasteButton,
                         "Paste a passive radiator record copied to the clipboard.\rShortcut is Alt+Return.\\@B");
    platform::createControl(kSheet, kPRCancelButton,
                            ControlSpec(ControlKind::PushButton, {kButtonTop, 196, kButtonBottom, 276}, "Cancel"));
    ControlSpec apply(ControlKind::PushButton, {kButtonTop, 284, kButtonBottom, kRight}, "Apply");
    apply.defaultButton = true;
    platform::createControl(kSheet, kPRApplyButton, apply);

    platform::selectWindow(kSheet);
    state.shell.EdtFldID = kPRManufacturerField;
    return 0;
}

int32_t PassiveRadiDataInDispOrg(const RadiatorRecord& record) {
    if (!platform::windowExists(kSheet)) return 0;
    platform::setControlText(kSheet, kPRManufacturerField, record.s_ManufOrg.view());
    platform::setControlText(kSheet, kPRModelField, record.s_PROrg.view());
    for (std::size_t i = 0; i < record.values.size(); ++i) {
        const bool empty = readTypedNumber(record.texts[i].view(), radiatorFieldUnit(i)).kind == NumberTextKind::Blank;
        platform::setControlText(kSheet, kRows[2 + i].field, empty ? std::string() : fieldText(record.values[i]));
    }
    return 0;
}

bool refusedRadiatorRecord(int32_t window, std::string_view text, bool fromOstrevane) {
    const std::optional<RadiatorRecord> record = readRadiatorRecord(text);
    return record && refusedRadiatorRecord(window, *record, fromOstrevane);
}

bool refusedRadiatorRecord(int32_t window, const RadiatorRecord& record, bool fromOstrevane) {
    const RadiatorCheckResult verdict = checkRadiatorRecord(record);
    if (verdict.ok()) return false;
    if (verdict.fault == DriverFault::UnkeptCharacters)
        showNameRefusal(window, record, verdict.number);
    else
        showRefusal(window, verdict, record.texts[verdict.number].view(), {});
    // The sender waits for the sheet it filled; none opens, so it is let go
    // as the sheet's Cancel lets it go.
    if (fromOstrevane) SndAppleEvent(vocabulary::kToOstrevane, vocabulary::kNowFree, vocabulary::kOstrevane);
    return true;
}

RecordOutcome PasteOnQnDLInPRDataEnter() {
    const std::optional<std::string> block = GetClipBoardHandle();
    if (!block || !GetClipBoardText(*block)) return RecordOutcome::NotARecord;  // nothing, or too long to be a record
    if (platform::currentWindow() != kSheet) return RecordOutcome::NotARecord;
    return ClipTextToPRParameter();
}

int32_t PRDataEnterPasteParameterButton() {
    if (!platform::windowExists(kSheet)) return 0;
    platform::setCurrentWindow(kSheet);
    switch (PasteOnQnDLInPRDataEnter()) {
        case RecordOutcome::Taken:
            PassiveRadiDataInDispOrg(*readPastedRadiatorRecord(state.messages.ClipText));
            platform::setControlEnabled(kSheet, kPRPasteButton, false);
            break;
        case RecordOutcome::Refused:  // the fields keep what they held
            refusedRadiatorRecord(kSheet, *readPastedRadiatorRecord(state.messages.ClipText), false);
            break;
        case RecordOutcome::NotARecord:
            platform::beep();
            platform::showSheetAlert(kSheet, kPasteMismatchAlert, "", {});
            break;
    }
    return 0;
}

int32_t PRDataEnterWndApply() {
    if (!platform::windowExists(kSheet)) return 0;
    if (nameRefused()) return 0;
    std::array<std::string, kRows.size()> texts;
    for (std::size_t i = 0; i < kRows.size(); ++i)
        texts[i] = i < 2 ? nameFieldText(kSheet, kRows[i].field) : platform::numberFieldText(kSheet, kRows[i].field);
    std::array<std::string_view, 7> numbers;
    for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = texts[2 + i];
    // Judged as a record of the same unit is, before anything is taken, so
    // that a refused unit leaves the radiator the design uses as it was and
    // the sheet keeps what the user typed.
    if (const RadiatorCheckResult verdict = checkRadiatorTexts(numbers); !verdict.ok()) {
        const ControlNumber field = kRows[2 + verdict.number].field;
        showRefusal(kSheet, verdict, numbers[verdict.number], [field] {
            if (platform::windowExists(kSheet)) platform::setKeyboardFocus(kSheet, field);
        });
        return 0;
    }
    PassiveRadiatorParameters& p = state.radiator;
    const PassiveRadiatorParameters kept = p;
    takeRadiatorRecord(radiatorRecordOf(texts[0], texts[1], numbers));
    // A radiator system applies the unit as an alignment: a unit with which
    // that alignment builds no real box is refused as the Alignment menus
    // refuse one, and the radiator stays as it was.
    if (const BoxCheckResult box = unitAlignmentBoxCheck(); !box.ok()) {
        p = kept;
        platform::beep();
        platform::showSheetAlert(kSheet, boxFaultTitle(box), boxFaultReason(box), {});
        return 0;
    }
    PRDataIn_OrgToCurrent();
    sheetClosed();

    if (passiveRadiatorSystem()) {
        applyToRadiatorSystem();
        return 0;
    }
    p.PRUseFlag = 0;
    p.PRDataInFlag = 1;
    menusFor(MenuSituation::SheetEnded);
    if (state.shell.CtmPaletFlag == 0) refreshWindows(WindowRefresh::CustomPaletteEnabled);
    if (state.shell.SysInfoFlag == 0) refreshWindows(WindowRefresh::SystemInfoValues);
    return 0;
}

int32_t PRDataEnterWndCancel() {
    if (!platform::windowExists(kSheet)) return 0;
    sheetClosed();
    menusFor(MenuSituation::SheetEnded);
    if (state.shell.CtmPaletFlag == 0) refreshWindows(WindowRefresh::CustomPaletteEnabled);
    return 0;
}

}  // namespace quendal
