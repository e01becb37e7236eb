#include "app/UpdateCheck.h"

#include <cstdint>

#include "app/AppMessages.h"
#include "app/FilesAndFolders.h"
#include "app/MenuBar.h"
#include "model/MessageVocabulary.h"
#include "app/UrlLoading.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/MacRomanText.h"
#include "selection/SystemSelect.h"
#include "app/CloseWindows.h"
#include "windows/UpdateWindow.h"
#include "palette/CustomPaletteEnable.h"
#include "app/DesignFlow.h"

namespace quendal {

namespace {

constexpr double kVersionLookDelay = 1.0;    // s from the request to the first look at its answer
constexpr double kDownloadLookDelay = 0.6;   // s from the start of the download to the first look at it
constexpr double kFollowUpDelay = 0.25;      // s between further looks
constexpr int32_t kMenuCheckFollowUps = 36;  // a check from the menu waits up to 1 s + 36 x 0.25 s = 10 s
constexpr double kVersionTimeout = 10.0;     // s without data before the version file fails
constexpr double kPackageTimeout = 60.0;     // s without data before the download fails
constexpr int32_t kLookAtCheck = 1, kLookAtDownload = 2;

UpdateCheckState& update() { return state.update; }

void* runTag(int32_t run) { return reinterpret_cast<void*>(static_cast<intptr_t>(run)); }
bool isCurrentRun(void* userData) {
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(userData)) == update().VersionCheckRun &&
           update().VersionPhase == VersionCheckPhase::Loading;
}

// The version file could not be had (or not in time, or not as a version).
void versionFailed() {
    UpdateCheckState& u = update();
    if (u.VersionLoad != 0) platform::network().cancel(u.VersionLoad);
    u.VersionLoad = 0;
    u.VersionPhase = VersionCheckPhase::Failed;
    u.gResponseData.clear();
}

void removeCheckTimer() {
    if (update().CheckTimer != 0) platform::removeTimer(update().CheckTimer);
    update().CheckTimer = 0;
}

// Drops the running download and what it has written so far.
void dropDownload() {
    UpdateCheckState& u = update();
    if (u.PackageDownload) {
        URLDownloadCancel(u.PackageDownload.get());
        u.PackageDownload.reset();
    }
    if (u.PackagePhase == DownloadPhase::Running) {
        u.PackagePhase = DownloadPhase::Failed;
        u.DownLoadOkFlag = 1;
    }
}

// The outcome of the check, once known or given up on.
void concludeCheck() {
    UpdateCheckState& u = update();
    if (u.VersionPhase != VersionCheckPhase::Answered) {
        u.NetConnectFlag = 1;
        u.UpdateOkFlag = 0;
    }
    if (u.UpdateOkFlag == 1 || u.CheckByMenuFlag == 1) {
        InitMenu13();
        CheckForUpdateWnd();
    } else {
        if (u.CheckForUpFlag != AutoUpdateCheck::ByDocument) OpenSystemSelectWnd();
        u.CheckForUpFlag = AutoUpdateCheck::Run;
    }
    SndAppleEvent(vocabulary::kToOrvanel, vocabulary::kActivateMe, vocabulary::kOrvanel);
}

std::string downloadsPath(std::string_view fileName) {
    const std::optional<std::string> folder = DownloadsFolder();
    const std::string name = platform::utf8FromMacRoman(fileName);
    if (!folder || !IsPlainFileName(name)) return {};
    return *folder + "/" + name;
}

// The update window goes and the program goes on where the check found it:
// after a check from the menu with the menus (and the custom palette) of the
// window in front; after an automatic one with the design, or System Select.
void closeUpdateWindow() {
    UpdateCheckState& u = update();
    platform::closeWindow(kUpdateWindow);
    if (u.CheckByMenuFlag == 1 || u.CheckForUpFlag == AutoUpdateCheck::NotRun) {
        if (state.shell.curentWndID == kResponseWindow && state.shell.CtmPaletFlag == 0) EnableCustomPalet();
        restoreMenusByCurrentWindow();
    } else {
        if (u.CheckForUpFlag == AutoUpdateCheck::ByDocument)
            NavUserActionCancelMenu();
        else
            OpenSystemSelectWnd();
        u.CheckForUpFlag = AutoUpdateCheck::Run;
    }
}

}  // namespace


int32_t InitUpdateFlag() {
    UpdateCheckState& u = update();
    u.NetConnectFlag = 0;
    u.UpdateOkFlag = 0;
    u.DownLoadOkFlag = 0;
    u.CheckByMenuFlag = 0;
    return 0;
}

int32_t CheckForVersion() {
    UpdateCheckState& u = update();
    removeCheckTimer();
    if (u.VersionLoad != 0) platform::network().cancel(u.VersionLoad);
    u.VersionLoad = 0;
    u.NetConnectFlag = InternetAvailable() ? 0 : 1;
    u.UpdateOkFlag = 0;
    u.gResponseData.clear();
    u.CheckLooks = 0;
    ++u.VersionCheckRun;
    if (!InternetAvailable()) {
        u.VersionPhase = VersionCheckPhase::Failed;
        if (u.CheckByMenuFlag != 1) {
            // Nothing to ask: the program goes on as after a check that
            // found nothing newer, without a word.
            if (u.CheckForUpFlag != AutoUpdateCheck::ByDocument) OpenSystemSelectWnd();
            u.CheckForUpFlag = AutoUpdateCheck::Run;
            return 0;
        }
    } else {
        u.VersionPhase = VersionCheckPhase::Loading;
        CheckForNewVersion(u.checkVerURL.view());
    }
    InstallCarbonTimerCheckVersion(kVersionLookDelay, 0.0, kLookAtCheck);
    return 0;
}

int32_t CheckForUpdateWndOkButton() {
    removeCheckTimer();
    dropDownload();
    if (update().VersionLoad != 0) versionFailed();
    closeUpdateWindow();
    return 0;
}

int32_t EndUpdateCheck() {
    removeCheckTimer();
    dropDownload();
    if (update().VersionLoad != 0) versionFailed();
    return 0;
}

int32_t CheckForUpdateWndDownloadButton() {
    UpdateCheckState& u = update();
    if (u.PackagePhase == DownloadPhase::Running || !platform::windowExists(kUpdateWindow)) return 0;
    ObjectToTrash(u.downFileZip.view());
    ObjectToTrash(u.downFileName.view());
    platform::setControlEnabled(kUpdateWindow, 602, false);
    Download(u.downloadURL.view());
    InstallCarbonTimerCheckVersion(kDownloadLookDelay, 0.0, kLookAtDownload);
    return 0;
}

int32_t LSLaunchURLInDownloadsFolder(std::string_view fileName) {
    const std::optional<std::string> folder = DownloadsFolder();
    if (!folder) return kFileNotFoundErr;
    if (!IsPlainFileName(platform::utf8FromMacRoman(fileName))) return kBadNameErr;
    return platform::desktop().openUrl(FileURL{*folder}.text(), {}) ? kFileNoErr : kFileNotFoundErr;
}


int32_t CheckForUpdateOnDocumentOpen() {
    UpdateCheckState& u = update();
    if (state.prefs.UpdateForCheck != 1 || u.CheckForUpFlag != AutoUpdateCheck::NotRun) return 0;
    u.CheckForUpFlag = AutoUpdateCheck::ByDocument;
    // A check from the menu earlier in the run leaves its flag: cleared, so
    // that this one stays silent when it finds nothing newer.
    InitUpdateFlag();
    return CheckForVersion();
}

bool InternetAvailable() { return !update().checkVerURL.empty(); }

int32_t CheckForNewVersion(std::string_view url) {
    UpdateCheckState& u = update();
    auto delegate = URLConnectionDelegateInit();
    void* tag = runTag(u.VersionCheckRun);
    URLConnectionDelegateSetDidReceiveResponseCallback(*delegate, MyURLConnectionDelegateDidReceiveResponseCallback, tag);
    URLConnectionDelegateSetDidReceiveDataCallback(*delegate, MyURLConnectionDelegateDidReceiveDataCallback, tag);
    URLConnectionDelegateSetDidFinishLoadingCallback(*delegate, MyURLConnectionDelegateDidFinishLoadingCallback, tag);
    URLConnectionDelegateSetDidFailWithErrorCallback(*delegate, MyURLConnectionDelegateDidFailWithErrorCallback, tag);
    const auto connection = URLConnectionInit(
        URLRequestCreateWithTimeoutInterval(url, kURLRequestUseProtocolCachePolicy, kVersionTimeout), delegate);
    // A load that failed at once has ended already.
    if (u.VersionPhase == VersionCheckPhase::Loading) u.VersionLoad = connection->load;
    return 0;
}

void MyURLConnectionDelegateDidReceiveResponseCallback(URLConnection*, const platform::UrlResponse& response,
                                                       void* userData) {
    if (!isCurrentRun(userData)) return;
    UpdateCheckState& u = update();
    u.gResponseData.clear();
    // Only a successful answer carries the version file; an error page or
    // an announced body too long for one is no version.
    if (response.httpStatus < 200 || response.httpStatus >= 300 || response.expectedLength > u.VersionBodyLimit)
        versionFailed();
}

void MyURLConnectionDelegateDidReceiveDataCallback(URLConnection*, std::string_view data, void* userData) {
    if (!isCurrentRun(userData)) return;
    UpdateCheckState& u = update();
    if (int64_t(u.gResponseData.size() + data.size()) > u.VersionBodyLimit) {
        versionFailed();
        return;
    }
    u.gResponseData.append(data);
}

void MyURLConnectionDelegateDidFinishLoadingCallback(URLConnection*, void* userData) {
    if (!isCurrentRun(userData)) return;
    UpdateCheckState& u = update();
    u.VersionLoad = 0;
    const std::string body = std::move(u.gResponseData);
    u.gResponseData.clear();
    if (!VersionNumbers(body)) {
        versionFailed();
        return;
    }
    u.availStr = VersionTextForDisplay(body);
    u.bundleStr = GetCFBundleVersion("CFBundleShortVersionString");
    u.UpdateOkFlag = IsNewerVersion(body, u.bundleStr.view()) ? 1 : 0;
    u.NetConnectFlag = 0;
    u.VersionPhase = VersionCheckPhase::Answered;
}

void MyURLConnectionDelegateDidFailWithErrorCallback(URLConnection*, const platform::UrlError&, void* userData) {
    if (!isCurrentRun(userData)) return;
    update().VersionLoad = 0;
    versionFailed();
}

int32_t InstallCarbonTimerCheckVersion(double delay, double interval, int32_t userData) {
    removeCheckTimer();
    // One shot: `interval` is 0 wherever the check installs it.
    auto timer = std::make_shared<int32_t>(0);
    *timer = platform::installTimer(delay, [timer, userData] {
        if (update().CheckTimer == *timer) update().CheckTimer = 0;
        CarbonTimerActionCheckVersion(*timer, userData);
    });
    update().CheckTimer = *timer;
    return *timer;
}

void CarbonTimerActionCheckVersion(int32_t timer, int32_t userData) {
    UpdateCheckState& u = update();
    if (userData == kLookAtCheck) {
        if (u.VersionPhase == VersionCheckPhase::Loading) {
            // The menu's check waits a while longer for a slow server; an
            // automatic one takes a late answer for none.
            if (u.CheckByMenuFlag == 1 && u.CheckLooks < kMenuCheckFollowUps) {
                ++u.CheckLooks;
                InstallCarbonTimerCheckVersion(kFollowUpDelay, 0.0, kLookAtCheck);
                return;
            }
            versionFailed();
        }
        concludeCheck();
    } else if (userData == kLookAtDownload) {
        if (u.PackagePhase == DownloadPhase::Running) {
            // The loading bounds the download itself (size, pace, duration):
            // a running one is looked at again until it ends.
            InstallCarbonTimerCheckVersion(kFollowUpDelay, 0.0, kLookAtDownload);
            return;
        }
        if (!platform::windowExists(kUpdateWindow)) return;
        platform::setCurrentWindow(kUpdateWindow);
        ShowDownLoadFinished();
    }
}

int32_t CheckForUpdateWndLaunchButton() {
    UpdateCheckState& u = update();
    removeCheckTimer();
    if (changesToAskAbout()) {
        // The design first: its Save or Don't Save shows the Downloads
        // folder and quits, its Cancel stays with the design as it was.
        closeUpdateWindow();
        NavAskWind(kAskForInstalling);
        return 0;
    }
    platform::closeWindow(kUpdateWindow);
    LSLaunchURLInDownloadsFolder(u.downFileZip.view());
    CloseWindows();
    QuitMenuSelect(1);
    return 0;
}

int32_t CheckForUpdateWndEvent(const platform::WindowEvent& event) {
    using platform::WindowEventKind;
    const bool keyDown = event.kind == WindowEventKind::KeyDown;
    if ((keyDown && event.character == platform::kEscapeChar) || event.kind == WindowEventKind::Close) {
        CheckForUpdateWndOkButton();
        return platform::kHandled;
    }
    if (keyDown && (event.character == platform::kReturnChar || event.character == platform::kEnterChar)) {
        switch (update().checkUpdateBtn) {
            case 601: case 604: CheckForUpdateWndOkButton(); break;
            case 602:
                if (platform::isControlEnabled(kUpdateWindow, 602)) CheckForUpdateWndDownloadButton();
                break;
            default: break;
        }
        return platform::kHandled;
    }
    return platform::kEventNotHandled;
}

int32_t Download(std::string_view url) {
    UpdateCheckState& u = update();
    dropDownload();
    u.DownLoadOkFlag = 0;
    u.PackagePhase = DownloadPhase::Running;
    auto delegate = URLDownloadDelegateInit();
    URLDownloadDelegateSetDecideDestinationWithSuggestedFilenameCallback(*delegate, MyDownloadDecideDestinationCallback, nullptr);
    URLDownloadDelegateSetDidFailWithErrorCallback(*delegate, MyDownloadDidFailCallback, nullptr);
    URLDownloadDelegateSetDidFinishCallback(*delegate, MyDownloadDidFinishCallback, nullptr);
    // Larger than any package of ours, slower than a trickle or longer than
    // any download should take: a failure, found as the data arrives.
    URLRequest request = URLRequestCreateWithTimeoutInterval(url, kURLRequestUseProtocolCachePolicy, kPackageTimeout);
    request.limits.maxBytes = u.PackageByteLimit;
    request.limits.minBytes = u.PackageMinimumBytes;
    request.limits.minBytesSeconds = u.PackagePaceSeconds;
    request.limits.maxSeconds = u.PackageTimeLimit;
    auto download = URLDownloadInit(request, delegate);
    if (!download) {
        u.PackagePhase = DownloadPhase::Failed;
        u.DownLoadOkFlag = 1;
        return 0;
    }
    // A download that failed at once has ended already.
    if (u.PackagePhase == DownloadPhase::Running) u.PackageDownload = std::move(download);
    return 0;
}

void MyDownloadDecideDestinationCallback(uRLDownload* download, std::string_view, void*) {
    // The server's name for the file is not taken: the package has its own.
    // It is the package only when it reads whole as the archive it is: a
    // body whose length was not announced, or that was decoded on the way,
    // is judged by that alone. It is read through under its temporary name
    // and away from the event loop, so that a package unpacking to
    // gigabytes neither holds up the program nor ever lies in Downloads
    // under the package's name unread.
    const std::string path = downloadsPath(update().downFileZip.view());
    if (path.empty()) return;
    URLDownloadSetDestination(download, path, false);
    URLDownloadRequireWholeZip(download, update().PackageUnpackedLimit);
}

void MyDownloadDidFailCallback(uRLDownload*, const platform::UrlError&, void*) {
    UpdateCheckState& u = update();
    u.PackageDownload.reset();
    u.PackagePhase = DownloadPhase::Failed;
    u.DownLoadOkFlag = 1;
}

void MyDownloadDidFinishCallback(uRLDownload*, void*) {
    // Called once the package is written whole, as long as announced, read
    // through as the archive it is, and has its name.
    UpdateCheckState& u = update();
    u.PackageDownload.reset();
    u.PackagePhase = DownloadPhase::Finished;
    u.DownLoadOkFlag = 0;
}

std::optional<std::string> DownloadsFolder() {
    FileURL url;
    if (FD_SpecialDirectoryCreateCFURL(kUserDomain, kDownloadsFolderType, &url) != kFileNoErr) return std::nullopt;
    if (platform::files().kindOf(url.path) != platform::FileKind::Folder) return std::nullopt;
    return url.path;
}

std::optional<std::string> GetFSRefFileInDownloadsFolder(std::string_view fileName) {
    const std::string path = downloadsPath(fileName);
    if (path.empty() || platform::files().kindOf(path) != platform::FileKind::File) return std::nullopt;
    return path;
}

int32_t ObjectToTrash(std::string_view fileName) {
    const std::optional<std::string> path = GetFSRefFileInDownloadsFolder(fileName);
    if (!path) return kFileNoErr;  // nothing there: nothing to move
    return moveItemToTrash(FileRef{*path});
}

void SetUpdateServer(std::string_view server) {
    update().checkVerURL = updateUrl(server, kVersionFilePath);
    update().downloadURL = updateUrl(server, kPackagePath);
}

}  // namespace quendal
