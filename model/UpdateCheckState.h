// The update check: its state between the events of the network and the timers.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct UpdateCheckState {
    int32_t CheckForUpFlag = 0;
    int32_t CheckByMenuFlag = 0;    // 1: the check was asked for from the menu (answer even when up to date)
    int32_t checkUpdateBtn = 601;   // default button of the update window: 601, 602 or 604
    // The maker's web server: the version file and the installer package.
    Str255 VersionFileURL = "https://keldrith.example/versions/Quendal_version.txt";
    Str255 PackageURL = "https://keldrith.example/downloads/apps/Quendal.zip";
    Str255 downFileZip = "Quendal.zip";   // the downloaded archive, in the user's Downloads folder
    Str255 downFileName = "Quendal.pkg";  // the installer it holds
};

}  // namespace quendal
