#include "selection/SystemInfoPalette.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "engine/CalculationContract.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/ParameterLabels.h"
#include "view/SystemProfileFigures.h"
#include "view/SystemProfileText.h"
#include "view/VentLabels.h"
#include "model/InputPower.h"
#include "dialogs/PalettePlace.h"
#include "dialogs/ScreenFit.h"
#include "dialogs/DialogControls.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlSpec;

constexpr int32_t kPalette = kSystemInfoPalette;
constexpr double kPaletteTextSize = 11.0;      // pt
constexpr double kLowestInputPower = 0.4;      // W: anything up to it is not a power in use

// Text size and top of a line whose text grows: a point smaller from 12
// characters on and again from 14, each time a pixel lower.
struct FittedLine {
    double size;
    int16_t top;
};
FittedLine fitByLength(std::size_t length, int16_t top) {
    if (length < 12) return {11.0, top};
    if (length < 14) return {10.0, int16_t(top + 1)};
    return {9.0, int16_t(top + 2)};
}

// A static text of the palette; a size of 0 keeps the platform's own style.
void paletteText(int32_t id, Rect16 bounds, std::string_view text, double size) {
    ControlSpec desc(ControlKind::StaticText, bounds, text);
    if (size > 0.0) desc.style = labelStyle(size);
    platform::createControl(kPalette, id, desc);
}

// A value line of the palette whose place and size follow from its text:
// made anew only when its text changes. One of a fixed place and size (the
// level and the power) takes a new text in place.
enum class LineLook { FollowsText, Fixed };
void paletteValueLine(int32_t id, Rect16 bounds, std::string_view text, double size, LineLook look) {
    if (platform::controlExists(kPalette, id)) {
        if (platform::controlText(kPalette, id) == text) return;
        if (look == LineLook::Fixed) {
            platform::setControlText(kPalette, id, text);
            return;
        }
    }
    paletteText(id, bounds, text, size);
}

int16_t contentHeight() { return state.shell.sysFigTriBtn != 0 ? kInfoOpenHeight : kInfoClosedHeight; }

bool holdsRectangle(const Rect16& r) { return r.right > r.left && r.bottom > r.top; }

}  // namespace

Rect16 systemInfoPalettePlace(int16_t height) {
    const Rect16& saved = state.bounds.InfoWndBounds;
    // A saved place serves only when the preferences keep places and one
    // was ever saved; otherwise beside the response window as it stands.
    if (state.prefs.FastOpenFlag == 1 || state.prefs.BoundsCheck != 1 || !holdsRectangle(saved))
        return paletteBesideResponseWindow(-kGapToResponseWindow, kInfoWidth, height);
    const Rect16 wanted{saved.top, saved.left, int16_t(saved.top + height), int16_t(saved.left + kInfoWidth)};
    return fitOntoArea(wanted, platform::availableScreenArea(saved.left + kInfoWidth / 2, saved.top + height / 2));
}

int32_t SystemInfoFloatPalet() {
    const Rect16 bounds = systemInfoPalettePlace(contentHeight());
    platform::createWindow(kPalette, platform::WindowKind::FloatingPalette, bounds, "System Info Palette",
                           kResponseWindow);
    platform::setWindowBounds(kPalette, bounds);  // exactly there, also at a screen's corner
    keepPalettesClearOfResponseWindow();
    platform::setWindowThemeBackground(kPalette, true);
    platform::setCurrentWindow(kPalette);

    platform::createControl(kPalette, kInfoNameFrame, ControlSpec(ControlKind::GroupBox, ltrb(15, 15, 185, 85)));
    platform::createControl(kPalette, kInfoFigureFrame, ControlSpec(ControlKind::GroupBox, ltrb(15, 100, 185, 323)));
    platform::createControl(kPalette, kInfoDisclosure,
                            ControlSpec(ControlKind::DisclosureTriangle, ltrb(15, 328, 35, 348), {},
                                        state.shell.sysFigTriBtn != 0 ? 1 : 0, 0, 1));
    platform::setHelpTag(kPalette, kInfoDisclosure, "Show Speaker Connection\rShortcut is Alt+S.\\@B");

    const Str255& model = state.speaker.s_SP;
    const FittedLine name = fitByLength(model.size(), 20);
    paletteText(kInfoModelName, ltrb(98, name.top, 195, 33), model.view(), name.size);
    paletteText(29, ltrb(22, 20, 195, 33), "Model Name : ", kPaletteTextSize);
    paletteText(30, ltrb(22, 35, 180, 48), "SPL @1W1m", kPaletteTextSize);
    paletteText(31, ltrb(22, 50, 180, 63), "Input Power", kPaletteTextSize);
    paletteText(36, ltrb(22, 65, 180, 78), "P.R. Model", kPaletteTextSize);

    DispSPLPIN();

    paletteText(34, ltrb(57, 323, 195, 339), "System Figure", 0.0);
    paletteText(35, ltrb(40, 510, 190, 526), "Speaker Connection", 0.0);

    platform::selectWindow(kPalette);
    state.shell.SysInfoFlag = 0;

    DrawParamFontForSysInfoPalet();
    DrawVentFontForSysInfoPalet();
    GetSysImageForSysInfoPalet();
    GetSpConImageForSysInfoPalet();
    return 0;
}

int32_t DispSPLPIN() {
    // Shown and made the window the controls go to; a floating palette
    // stands in front already, so the keyboard stays where the user typed.
    if (platform::windowExists(kPalette)) {
        platform::showWindow(kPalette);
        platform::setCurrentWindow(kPalette);
    }

    state.ref.s_SPL = paletteValueText(state.ref.SPL - state.coef.siftUpDwn, 1);
    paletteValueLine(kInfoSPLLine, ltrb(92, 35, 190, 48), (": " + state.ref.s_SPL + " dB").view(), kPaletteTextSize,
                     LineLook::Fixed);

    InputPowerSettings& power = state.power;
    if (power.PIN <= kLowestInputPower) power.PIN = power.PinTemp;
    PINcalc();
    paletteValueLine(kInfoPowerLine, ltrb(92, 50, 180, 63), (": " + paletteValueText(power.PIN, 2) + " Watts").view(),
                     kPaletteTextSize, LineLook::Fixed);

    // The unit entered is named only for a system that has a passive
    // radiator: a unit entered once stays in memory for later designs.
    const int32_t system = currentSystemNumber();
    const bool radiatorSystem = system == kPassiveRadiator || system == kPassiveRaveza;
    const Str255 radiator =
        state.radiator.PRDataInFlag != 0 && radiatorSystem ? state.radiator.s_PR : Str255("No Data");
    const FittedLine line = fitByLength(radiator.size(), 65);
    paletteValueLine(kInfoRadiatorLine, ltrb(92, line.top, 195, 78), (": " + radiator).view(), line.size,
                     LineLook::FollowsText);
    return 0;
}

int32_t SysFigTriBtnHandler() {
    platform::setCurrentWindow(kPalette);
    int32_t& open = state.shell.sysFigTriBtn;
    open = open == 0 ? 1 : 0;
    platform::setControlValue(kPalette, kInfoDisclosure, open);
    if (platform::windowExists(kPalette)) {
        Rect16 bounds = platform::windowBounds(kPalette);
        bounds.bottom = int16_t(bounds.top + contentHeight());
        platform::setWindowBounds(kPalette, bounds);
    }
    return 0;
}

int32_t GetSysImageForSysInfoPalet() {
    const SystemPicture* picture = profileSystemPicture(state.selection.SysSelTabNum, state.selection.SysSelBtnNum);
    if (picture == nullptr) return 0;
    // In the frame of group box 10, which lies under the labels, so that
    // the names stay readable over the picture.
    ControlSpec view(ControlKind::ImageView, picture->palette);
    if (platform::controlExists(kPalette, kInfoFigureFrame)) {
        const Rect16 frame = platform::controlBounds(kPalette, kInfoFigureFrame);
        const Rect16& r = picture->palette;
        view.rect = {int16_t(r.top - frame.top), int16_t(r.left - frame.left), int16_t(r.bottom - frame.top),
                     int16_t(r.right - frame.left)};
        view.parent = kInfoFigureFrame;
    }
    // A picture that cannot be loaded leaves the view empty.
    if (platform::createControl(kPalette, kInfoSystemPicture, view))
        platform::setControlImage(kPalette, kInfoSystemPicture, picture->file);
    return 0;
}

int32_t GetSpConImageForSysInfoPalet() {
    platform::removeControl(kPalette, kInfoConnectionFrame);
    platform::removeControl(kPalette, kInfoConnectionPane);
    if (!platform::createControl(kPalette, kInfoConnectionFrame,
                                 ControlSpec(ControlKind::GroupBox, ltrb(15, 355, 185, 510))))
        return 0;
    ControlSpec pane(ControlKind::UserPane, ltrb(5, 5, 165, 150));
    pane.parent = kInfoConnectionFrame;
    platform::createControl(kPalette, kInfoConnectionPane, pane);

    const ConnectionPicture* picture = profileConnectionPicture(state.connection.SpConNum);
    if (picture == nullptr) return 0;
    ControlSpec view(ControlKind::ImageView,
                     ltrb(int16_t(picture->x), int16_t(picture->y), int16_t(picture->x + picture->width),
                          int16_t(picture->y + picture->height)));
    view.parent = kInfoConnectionPane;
    if (platform::createControl(kPalette, kInfoConnectionPicture, view))
        platform::setControlImage(kPalette, kInfoConnectionPicture, picture->file);
    return 0;
}

}  // namespace quendal
