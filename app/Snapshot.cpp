#include "app/Snapshot.h"

#include <algorithm>

#include "app/DialogFolders.h"
#include "app/MenuBar.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/MacRomanText.h"
#include "platform/Platform.h"
#include "app/DesignFlow.h"
#include "windows/ResponseTitle.h"

namespace quendal {

int32_t SnapShot() {
    if (!platform::windowExists(kResponseWindow) || state.print.SnapSaveFlag == 1) {
        platform::beep();
        return 0;
    }
    if (state.prefs.SoundCheck == 1) PlayShutterSound();
    // The window as it is now, before anything opens over it.
    std::string png;
    if (!platform::windowPng(kResponseWindow, png)) {
        platform::beep();
        return 0;
    }
    return NavSaveAsPngFileWnd(std::move(png));
}


int32_t PlayShutterSound() {
    platform::sound().playSamples(ShutterSamples(kShutterSampleRate), kShutterSampleRate);
    return 0;
}

int32_t NavSaveAsPngFileWnd(std::string png) {
    InitMenu13();
    state.shell.InterceptEvHnd = 1;
    state.print.SnapSaveFlag = 1;
    state.print.SnapNum += 1;
    const std::string name = SnapshotFileName(platform::utf8FromMacRoman(state.speaker.s_SP.view()),
                                              platform::utf8FromMacRoman(SetResponseTitle()), state.print.SnapNum);
    // The picture belongs to the dialog until it is saved or dropped.
    platform::imageSaving().askPngPath(kResponseWindow, "Save This Png File As...", DialogStartFolder(), name,
                                       [png = std::move(png)](std::optional<std::string> path) {
                                           if (path) RememberDialogFolder(*path);
                                           PutPngFileHandler(path, png);
                                       });
    return 0;
}

int32_t PutPngFileHandler(const std::optional<std::string>& path, const std::string& png) {
    state.print.SnapSaveFlag = 0;
    state.shell.InterceptEvHnd = 0;
    std::string error;
    const bool saved = path && platform::documentFiles().writeFileAtomically(*path, png, error);
    // Only a picture saved uses up its number.
    if (!saved) state.print.SnapNum = std::max(0, state.print.SnapNum - 1);
    if (platform::windowExists(kResponseWindow)) NavUserActionCancelMenu();
    if (path && !saved)
        platform::imageSaving().askStopOrContinue("The snapshot could not be saved.", error, [](bool stop) {
            if (stop) QuitAskingFirst();  // the way the Quit command goes
        });
    return 0;
}

}  // namespace quendal
