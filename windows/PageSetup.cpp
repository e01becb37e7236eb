#include "windows/PageSetup.h"

#include <string>
#include <vector>

#include "model/NumberText.h"
#include "model/State.h"
#include "model/TextToNumber.h"
#include "model/WindowNumbers.h"
#include "platform/MacRomanText.h"
#include "dialogs/Alerts.h"
#include "view/ShellHooks.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlSpec;
using platform::kEventNotHandled;
using platform::kHandled;

constexpr int16_t kWidth = 330, kHeight = 168;  // px of content
constexpr int32_t kPaperLabel = 701, kOrientationLabel = 703, kScaleLabel = 705, kScaleUnit = 707;

platform::TextStyle labelStyle(platform::TextAlign align = platform::TextAlign::Right) {
    platform::TextStyle style;
    style.family = "Lucida Grande";
    style.size = 12.0;
    style.align = align;
    return style;
}

void createLabel(int32_t control, Rect16 rect, const char* text, platform::TextAlign align = platform::TextAlign::Right) {
    ControlSpec desc(ControlKind::StaticText, rect, text);
    desc.style = labelStyle(align);
    platform::createControl(kPageSetupSheet, control, desc);
}

std::string scaleText(double scale) {
    std::string text = numberText(scale).str();
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
}

}  // namespace

int32_t PageSetupWnd(int32_t window) {
    const std::vector<std::string> papers = platform::printing().paperNames();
    platform::createMenu(kPaperPopupMenu, "Paper");
    int32_t chosen = 1;
    for (std::size_t i = 0; i < papers.size(); ++i) {
        const std::string paper = platform::macRomanFromUtf8Lossy(papers[i]);
        platform::appendMenuItem(kPaperPopupMenu, paper);
        if (state.print.PagePaper == paper) chosen = int32_t(i) + 1;
    }
    if (!platform::createWindow(kPageSetupSheet, platform::WindowKind::Sheet, Rect16{0, 0, kHeight, kWidth},
                                "Page Setup", window))
        return -1;
    platform::setWindowResizable(kPageSetupSheet, false);
    platform::setCurrentWindow(kPageSetupSheet);

    createLabel(kPaperLabel, Rect16{24, 16, 42, 110}, "Paper Size:");
    ControlSpec paper(ControlKind::PopupButton, Rect16{20, 118, 44, 310}, "", chosen);
    paper.menu = kPaperPopupMenu;
    platform::createControl(kPageSetupSheet, kPaperPopup, paper);

    createLabel(kOrientationLabel, Rect16{58, 16, 76, 110}, "Orientation:");
    ControlSpec orientation(ControlKind::RadioGroup, Rect16{56, 118, 78, 310}, "", state.print.PageLandscape == 1 ? 2 : 1);
    orientation.items = {"Portrait", "Landscape"};
    platform::createControl(kPageSetupSheet, kOrientationRadio, orientation);

    createLabel(kScaleLabel, Rect16{94, 16, 112, 110}, "Scale:");
    ControlSpec scale(ControlKind::EditText, Rect16{90, 118, 112, 178}, scaleText(state.print.GPrintScale));
    scale.style = labelStyle(platform::TextAlign::Right);
    platform::createControl(kPageSetupSheet, kScaleField, scale);
    createLabel(kScaleUnit, Rect16{94, 184, 112, 210}, "%", platform::TextAlign::Left);

    platform::createControl(kPageSetupSheet, kPageSetupCancel,
                            ControlSpec(ControlKind::PushButton, Rect16{130, 150, 150, 230}, "Cancel"));
    ControlSpec ok(ControlKind::PushButton, Rect16{130, 240, 150, 310}, "OK");
    ok.defaultButton = true;
    platform::createControl(kPageSetupSheet, kPageSetupOK, ok);

    platform::showWindow(kPageSetupSheet);
    return 0;
}

int32_t PageSetupWndOKReturn() {
    if (!platform::windowExists(kPageSetupSheet)) return 0;
    const std::string text = platform::numberFieldText(kPageSetupSheet, kScaleField);
    const TypedNumber typed = readTypedNumber(text, FieldUnit::Percent);
    const double scale = typed.value;
    if (!(typed.number() && scale >= kLowestPrintScale && scale <= kHighestPrintScale)) {
        const std::string_view title = !typed.number() || scale < kLowestPrintScale
                                           ? refusedEntryTitle(text, FieldUnit::Percent)
                                           : kValueTooLargeAlert;
        const std::string why = typed.otherUnit ? otherUnitReason("Scale", FieldUnit::Percent, text)
                                                : std::string("Scale : 25 to 400 %");
        platform::setControlText(kPageSetupSheet, kScaleField, scaleText(state.print.GPrintScale));
        platform::showSheetAlert(kPageSetupSheet, title, refusedEntryMessage(text, why), [] {
                                     if (platform::windowExists(kPageSetupSheet))
                                         platform::setKeyboardFocus(kPageSetupSheet, kScaleField);
                                 });
        return 0;
    }
    state.print.GPrintScale = scale;
    state.print.PageLandscape = platform::controlValue(kPageSetupSheet, kOrientationRadio) == 2 ? 1 : 0;
    const std::string paper = platform::controlText(kPageSetupSheet, kPaperPopup);
    if (!paper.empty()) state.print.PagePaper = paper;
    return MyPageSetupDoneRoutine(kResponseWindow, true);
}

int32_t PageSetupWndCancel() { return MyPageSetupDoneRoutine(kResponseWindow, false); }

int32_t MyPageSetupDoneRoutine(int32_t window, bool accepted) {
    platform::closeWindow(kPageSetupSheet);
    if (platform::windowExists(window)) menusFor(MenuSituation::SheetEnded);
    return 0;
}

int32_t PageSetupWndHit(int32_t control) {
    switch (control) {
        case kPageSetupOK: PageSetupWndOKReturn(); return kHandled;
        case kPageSetupCancel: PageSetupWndCancel(); return kHandled;
        default: return kEventNotHandled;
    }
}

int32_t PageSetupWndEvent(const platform::WindowEvent& event) {
    using platform::WindowEventKind;
    const bool keyDown = event.kind == WindowEventKind::KeyDown;
    if (keyDown && (event.character == platform::kReturnChar || event.character == platform::kEnterChar)) {
        PageSetupWndOKReturn();
        return kHandled;
    }
    if ((keyDown && event.character == platform::kEscapeChar) || event.kind == WindowEventKind::Close) {
        PageSetupWndCancel();
        return kHandled;
    }
    return kEventNotHandled;
}

}  // namespace quendal
