// Every routine here stands in for one that another room builds; each does
// nothing and answers as "nothing happened" until the room named beside it
// replaces it.
#include "app/Placeholders.h"

#include "platform/Platform.h"

namespace quendal {



int32_t ResponseWndMouseMoved(int32_t h, int32_t v) { return platform::kEventNotHandled; }  // view/ (response redraw and read-outs)
int32_t ResponseWndMouseDown(int32_t h, int32_t v) { return platform::kEventNotHandled; }  // view/ (response redraw and read-outs)





int32_t NavAskWind(int32_t purpose) { return 0; }  // the design flow (app/)
int32_t NavAskSaveDontWndHandler(int16_t choice) { return 0; }  // the design flow (app/)
int32_t ChangeToSystemSelect() { return 0; }  // the design flow (app/)
int32_t ChangeToSpeakerSelect() { return 0; }  // the design flow (app/)
int32_t ResposeWindowClose() { return 0; }  // the design flow (app/)
int32_t OpenDialogFile() { return 0; }  // the document files (app/)
int32_t SaveFile() { return 0; }  // the document files (app/)
int32_t SaveAsFile() { return 0; }  // the document files (app/)
int32_t SaveAsStationeryFile() { return 0; }  // the document files (app/)
int32_t HandleTabs(int32_t tabControlID) { return 0; }  // the design flow (app/)



int32_t MyDoPageSetup(int32_t window) { return 0; }  // printing (app/)
int32_t MyDoPrint(int32_t window, int32_t copies) { return 0; }  // printing (app/)
int32_t SnapShot() { return 0; }  // the snapshot (app/)
int32_t InitUpdateFlag() { return 0; }  // the update check (app/)
int32_t CheckForVersion() { return 0; }  // the update check (app/)
int32_t CheckForUpdateWndOkButton() { return 0; }  // the update check (app/)
int32_t CheckForUpdateWndDownloadButton() { return 0; }  // the update check (app/)
int32_t LSLaunchURLInDownloadsFolder(std::string_view fileName) { return 0; }  // the update check (app/)

// Replaced by the design flow (app/), which saves the window bounds and the
// preferences and tells the sibling applications first. Until then quitting
// only ends the event loop, so that the user can always quit.
int32_t QuitMenuSelect(uint8_t notify) {
    platform::quitApplication(0);
    return 0;
}

}  // namespace quendal
