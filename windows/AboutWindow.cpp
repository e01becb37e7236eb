#include "windows/AboutWindow.h"

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/ShellHooks.h"
#include "dialogs/DialogControls.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlSpec;
using platform::TextAlign;

ControlSpec centredText(Rect16 rect, std::string_view text, double size, bool bold) {
    ControlSpec desc(ControlKind::StaticText, rect, text);
    desc.style = labelStyle(size, bold, TextAlign::Centre);
    return desc;
}

}  // namespace

void AboutWnd() {
    const int32_t w = kAboutWidth;
    // Top and left 0: the layer centres the window on the screen.
    platform::createWindow(kAboutWindow, platform::WindowKind::Dialog, Rect16{0, 0, int16_t(kAboutHeight), int16_t(w)},
                           "About Quendal");
    platform::setWindowResizable(kAboutWindow, false);

    // The icon, 96 px square, centred over the texts; empty while the
    // resources hold no icon.
    ControlSpec icon(ControlKind::ImageView, Rect16{20, int16_t((w - 96) / 2), 116, int16_t((w + 96) / 2)});
    platform::createControl(kAboutWindow, kAboutIcon, icon);
    platform::setControlImage(kAboutWindow, kAboutIcon, "AppIcon.svg", "");

    platform::createControl(kAboutWindow, kAboutName, centredText(Rect16{128, 16, 156, int16_t(w - 16)}, "Quendal", 22.0, true));
    platform::createControl(kAboutWindow, kAboutVersion,
                            centredText(Rect16{162, 16, 180, int16_t(w - 16)}, "Version " QUENDAL_VERSION, 13.0, false));
    platform::createControl(kAboutWindow, kAboutPurpose,
                            centredText(Rect16{192, 16, 210, int16_t(w - 16)}, "Speaker enclosure design software", 12.0, false));
    platform::selectWindow(kAboutWindow);
}

void closeAboutWindow() {
    platform::closeWindow(kAboutWindow);
    state.shell.AboutWndflag = 0;
    menusFor(MenuSituation::WindowInFront);
}

}  // namespace quendal
