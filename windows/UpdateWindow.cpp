#include "windows/UpdateWindow.h"

#include <string>

#include "dialogs/UrlLoadingImages.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlSpec;

constexpr Colour kBlue{0.0, 0.0, 1.0};
constexpr Colour kGreen{0.0, double(0xAAAA) / 0xFFFF, 0.0};
constexpr Colour kGrey{double(0x3A98) / 0xFFFF, double(0x3A98) / 0xFFFF, double(0x3A98) / 0xFFFF};
constexpr uint32_t kApplicationIcon = 0x4150504C;  // 'APPL'

// A rectangle given as left, top, right, bottom.
constexpr Rect16 at(int16_t left, int16_t top, int16_t right, int16_t bottom) { return Rect16{top, left, bottom, right}; }

void text(int32_t control, Rect16 rect, const std::string& words, double size, bool bold, Colour colour) {
    ControlSpec desc(ControlKind::StaticText, rect, words);
    desc.style.family = "Arial";
    desc.style.size = size;
    desc.style.bold = bold;
    desc.style.align = platform::TextAlign::Centre;
    desc.style.coloured = true;
    desc.style.colour = colour;
    platform::createControl(kUpdateWindow, control, desc);
}

void button(int32_t control, Rect16 rect, const char* title, bool isDefault) {
    ControlSpec desc(ControlKind::PushButton, rect, title);
    desc.defaultButton = isDefault;
    platform::createControl(kUpdateWindow, control, desc);
}

}  // namespace

int32_t CheckForUpdateWnd() {
    const UpdateCheckState& u = state.update;
    platform::createWindow(kUpdateWindow, platform::WindowKind::Dialog, Rect16{0, 0, kUpdateWindowHeight, kUpdateWindowWidth},
                           "Quendal Check for Update");
    platform::setWindowResizable(kUpdateWindow, false);
    platform::setCurrentWindow(kUpdateWindow);
    CreateAppIconControlNoTrack(kUpdateIcon, at(24, 20, 104, 100), kApplicationIcon);

    const bool newer = u.UpdateOkFlag == 1 && u.NetConnectFlag == 0;
    if (newer) {
        button(kUpdateDownload, at(275, 110, 400, 130), "Download...", true);
        button(kUpdateDontDownload, at(130, 110, 255, 130), "Don't Download", false);
        state.update.checkUpdateBtn = kUpdateDownload;
    } else {
        button(kUpdateOK, at(320, 110, 400, 130), "OK", true);
        state.update.checkUpdateBtn = kUpdateOK;
    }
    platform::createControl(kUpdateWindow, kUpdateOnLaunchBox,
                            ControlSpec(ControlKind::CheckBox, at(129, 80, 380, 99), "Check for New Updates on Launch.",
                                        state.prefs.UpdateForCheck == 1 ? 1 : 0, 0, 1));

    std::string headline, detail;
    Colour headlineColour = kBlue;
    if (u.NetConnectFlag == 1 && u.checkVerURL.empty()) {
        // Nothing was asked of the network: this build names no server.
        headline = "No Update Server.";
        detail = "This build has no update server.";
    } else if (u.NetConnectFlag == 1) {
        headline = "Network Connection Failed.";
        detail = "Please confirm the network connection.";
    } else if (!newer) {
        headline = "This Version is Currently.";
        detail = "Current Version : " + u.bundleStr.str();
    } else {
        headline = "Newer Version is Available.";
        headlineColour = kGreen;
        detail = "Newer Version : " + u.availStr.str();
    }
    text(kUpdateHeadline, at(128, 25, 400, 50), headline, 20.0, true, headlineColour);
    text(kUpdateDetail, at(128, 55, 400, 80), detail, 15.0, false, kGrey);
    platform::showWindow(kUpdateWindow);
    platform::selectWindow(kUpdateWindow);
    return 0;
}

int32_t ShowDownLoadFinished() {
    const bool done = state.update.DownLoadOkFlag == 0;
    platform::removeControl(kUpdateWindow, kUpdateDownload);
    platform::removeControl(kUpdateWindow, kUpdateDontDownload);
    text(kUpdateHeadline, at(128, 25, 400, 50), done ? "Download is Successful." : "Download is Failed.", 20.0, true, kBlue);
    if (done) button(kUpdateLaunch, at(130, 110, 310, 130), "Launch Installer and Quit", false);
    text(kUpdateDetail, at(128, 55, 400, 80),
         done ? "Download file is in the downloads folder." : "Please try again later.", 15.0, false, kBlue);
    button(kUpdateDoneOK, at(330, 110, 400, 130), "OK", true);
    state.update.checkUpdateBtn = kUpdateDoneOK;
    return 0;
}

}  // namespace quendal
