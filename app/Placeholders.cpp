// Every routine here stands in for one that another room builds; each does
// nothing and answers as "nothing happened" until the room named beside it
// replaces it.
#include "app/Placeholders.h"

#include "platform/Platform.h"

namespace quendal {











int32_t MyDoPageSetup(int32_t window) { return 0; }  // printing (app/)
int32_t MyDoPrint(int32_t window, int32_t copies) { return 0; }  // printing (app/)
int32_t SnapShot() { return 0; }  // the snapshot (app/)
int32_t InitUpdateFlag() { return 0; }  // the update check (app/)
int32_t CheckForVersion() { return 0; }  // the update check (app/)
int32_t CheckForUpdateWndOkButton() { return 0; }  // the update check (app/)
int32_t CheckForUpdateWndDownloadButton() { return 0; }  // the update check (app/)
int32_t LSLaunchURLInDownloadsFolder(std::string_view fileName) { return 0; }  // the update check (app/)


}  // namespace quendal
