// The update check: its state between the events of the network and the timers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct uRLDownload;  // a running download of the URL loading

// The maker's web server, compiled in: the scheme and host the version file
// and the package are fetched from ("https://host"), empty for none. With no
// server the check from the menu says that this build has none and the
// checks at launch do nothing.
inline constexpr std::string_view kUpdateServer = "";
inline constexpr std::string_view kVersionFilePath = "/versions/Quendal_version.txt";
inline constexpr std::string_view kPackagePath = "/downloads/apps/Quendal.zip";

inline std::string updateUrl(std::string_view server, std::string_view path) {
    return server.empty() ? std::string() : std::string(server) + std::string(path);
}

// The one automatic check of a run.
enum class AutoUpdateCheck : int32_t {
    ByDocument = -1,  // started by the opening of a document, still running or its window up
    NotRun = 0,       // not yet run
    Run = 1,          // run, or started by a driver record
};

// Where the version file's loading stands.
enum class VersionCheckPhase : int32_t { Idle, Loading, Answered, Failed };
// Where the package's download stands.
enum class DownloadPhase : int32_t { Idle, Running, Finished, Failed };

struct UpdateCheckState {
    AutoUpdateCheck CheckForUpFlag = AutoUpdateCheck::NotRun;
    int32_t CheckByMenuFlag = 0;    // 1: the check was asked for from the menu (answer even when up to date)
    int32_t NetConnectFlag = 0;     // 1: the version file could not be had
    int32_t UpdateOkFlag = 0;       // 1: the server's version is newer than the program's
    int32_t DownLoadOkFlag = 0;     // 1: the download failed
    Str255 availStr;                // the server's version text, for display
    Str255 bundleStr;               // the program's own version text
    std::string gResponseData;      // the version file's body as it arrives
    int32_t checkUpdateBtn = 601;   // default button of the update window: 601, 602 or 604
    // The version file and the package on the maker's web server.
    Str255 checkVerURL = updateUrl(kUpdateServer, kVersionFilePath);
    Str255 downloadURL = updateUrl(kUpdateServer, kPackagePath);
    Str255 downFileZip = "Quendal.zip";   // the downloaded archive, in the user's Downloads folder
    Str255 downFileName = "Quendal.pkg";  // the installer it holds

    // The check in progress.
    VersionCheckPhase VersionPhase = VersionCheckPhase::Idle;
    int32_t VersionLoad = 0;        // the running load of the version file (0: none)
    int32_t VersionCheckRun = 0;    // counts the checks; a load's answers carry its number
    int32_t CheckLooks = 0;         // follow-up looks at a late version file
    int32_t CheckTimer = 0;         // the pending look (0: none)
    int64_t VersionBodyLimit = 1024;       // bytes: a longer answer is not a version file
    // The package's download.
    DownloadPhase PackagePhase = DownloadPhase::Idle;
    std::shared_ptr<uRLDownload> PackageDownload;
    int64_t PackageByteLimit = int64_t(256) << 20;  // bytes: a larger download is refused
    int64_t PackageMinimumBytes = 1024;  // bytes a download must bring in every PackagePaceSeconds
    double PackagePaceSeconds = 30.0;    // s
    double PackageTimeLimit = 600.0;     // s: a download not finished by then fails
    // bytes: a package whose entries unpack to more is no package of ours
    // (and reading it through would take minutes)
    int64_t PackageUnpackedLimit = int64_t(4) << 30;
};

}  // namespace quendal
