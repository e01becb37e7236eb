// The update check: the program's version against the version file on the
// maker's web server, and the download of the package into the user's
// Downloads folder. Everything runs on the event loop but the reading
// through of the downloaded package, which runs in a worker: the loading and
// the reading report through callbacks, and one-shot timers look at where
// it stands, so nothing ever waits. The program never runs what it
// downloads: it shows the Downloads folder with the desktop's file manager.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/UrlLoading.h"
#include "model/Str255.h"
#include "platform/Platform.h"

namespace quendal {

// NetConnectFlag, UpdateOkFlag, DownLoadOkFlag and CheckByMenuFlag to 0.
int32_t InitUpdateFlag();

// Starts a check: the version file is requested (any check still running
// is dropped first) and the first look is due in 1.0 s. Without a server a
// check from the menu reports a failed connection at that look, and an
// automatic check ends at once as if no newer version existed.
int32_t CheckForVersion();

// OK and "Don't Download" of the update window (and OK after a download,
// and Escape): the window closes, a download still running or still being
// read through is dropped with what it wrote, and the program goes on where
// the check found it.
int32_t CheckForUpdateWndOkButton();

// The program quits, whatever road it takes (Quit, a sibling's quit, the
// menu bar's window closing, the Default Parameters window's Quit): the
// check ends as "Don't Download" ends it, without a window or a word. Its
// looks and its loading stop, and a download still running or still being
// read through is dropped with what it wrote. A package already whole in
// Downloads stays.
int32_t EndUpdateCheck();

// "Download...": the old package out of the way, the download started, the
// button dimmed until it ends; the look at it is due in 0.6 s.
int32_t CheckForUpdateWndDownloadButton();

// Shows the Downloads folder with the desktop's file manager, for a file of
// that folder; the file itself is never opened. 0, or a file status.
int32_t LSLaunchURLInDownloadsFolder(std::string_view fileName);


// The check after a document was opened, once per run when the preference
// asks for it.
int32_t CheckForUpdateOnDocumentOpen();

// Whether a connection can be tried: a server is configured. (The
// desktop's own network status is only a hint here; the check's outcome
// decides whether the connection failed.)
bool InternetAvailable();

// Starts loading the version file.
int32_t CheckForNewVersion(std::string_view url);

// The version file's loading.
void MyURLConnectionDelegateDidReceiveResponseCallback(URLConnection* connection, const platform::UrlResponse& response,
                                                       void* userData);
void MyURLConnectionDelegateDidReceiveDataCallback(URLConnection* connection, std::string_view data, void* userData);
void MyURLConnectionDelegateDidFinishLoadingCallback(URLConnection* connection, void* userData);
void MyURLConnectionDelegateDidFailWithErrorCallback(URLConnection* connection, const platform::UrlError& error,
                                                     void* userData);

// The look at the check (user data 1) or the download (user data 2); a
// new timer replaces the one pending. Returns the timer.
int32_t InstallCarbonTimerCheckVersion(double delay, double interval, int32_t userData);
void CarbonTimerActionCheckVersion(int32_t timer, int32_t userData);

// "Launch Installer and Quit": with unsaved changes the save question comes
// first; the Downloads folder is shown; the program quits.
int32_t CheckForUpdateWndLaunchButton();

// The keys of the update window for the shell's window handler: Return and
// Enter press the default button, Escape and the close box do what OK or
// "Don't Download" does.
int32_t CheckForUpdateWndEvent(const platform::WindowEvent& event);

// The package's download into the Downloads folder under the fixed name
// downFileZip, whatever name the server suggests. It fails when the package
// is announced or grows larger than PackageByteLimit, brings less than
// PackageMinimumBytes in any PackagePaceSeconds, or has not finished after
// PackageTimeLimit; it succeeds only with the package whole on disk: every
// write of the file checked, as many bytes as announced, and the file read
// through as the zip archive it is, its entries unpacking to no more than
// PackageUnpackedLimit. Until then the file has a temporary name, and the
// reading runs away from the event loop. What a failed or dropped download
// wrote goes with it.
int32_t Download(std::string_view url);
void MyDownloadDecideDestinationCallback(uRLDownload* download, std::string_view suggestedFilename, void* userData);
void MyDownloadDidFailCallback(uRLDownload* download, const platform::UrlError& error, void* userData);
void MyDownloadDidFinishCallback(uRLDownload* download, void* userData);

// The user's Downloads folder (UTF-8 path), when it exists.
std::optional<std::string> DownloadsFolder();
// The file of that name in the Downloads folder, when it exists.
std::optional<std::string> GetFSRefFileInDownloadsFolder(std::string_view fileName);
// Moves that file to the trash; 0 also when there is none.
int32_t ObjectToTrash(std::string_view fileName);

// Where the check goes: the server's scheme and host ("" for none).
void SetUpdateServer(std::string_view server);

// --- The rules of the check (no platform needed) -------------------------------

// A version text as its numbers: "2.1.3" gives 2, 1, 3. The text is the
// first line without the blanks around it; each part between points counts
// by its leading digits ("3b" counts 3). Nothing for a text that does not
// start with a digit, has a part without digits, or a part past nine digits.
std::optional<std::vector<int32_t>> VersionNumbers(std::string_view text);
// -1, 0 or 1: part by part from the first, a missing part counting 0
// (2.1 is 2.1.0), so that 2.10 is newer than 2.9 and older than 3.0.
int CompareVersions(const std::vector<int32_t>& a, const std::vector<int32_t>& b);
// Whether the server's version text names a newer version than ours;
// false when either is no version.
bool IsNewerVersion(std::string_view serverText, std::string_view ownText);
// The server's version for display: its first line without the blanks
// around it and without control characters, in Mac Roman, at most 255.
Str255 VersionTextForDisplay(std::string_view body);
// A name that is one file in one folder: no "/", not "." or "..", no NUL.
bool IsPlainFileName(std::string_view name);

}  // namespace quendal
