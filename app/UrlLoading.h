// Loading URLs with plain callbacks, the program's bundle information, and
// small text utilities for paths and names.
//
// A connection delivers the answer, the data as it arrives, and then either
// the end of loading or a failure; a download writes the body to the file
// its delegate chooses. Connections, downloads and their delegates live as
// long as someone holds them: the loading itself holds them until it ends.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "model/Str255.h"
#include "platform/CarefulFiles.h"
#include "platform/Platform.h"

namespace quendal {

// --- Bundle information, compiled in ------------------------------------------

inline constexpr std::string_view kQuendalVersion = QUENDAL_VERSION;
// The help documents of the resources' folder kHelpFolder: the manual
// (Help item 1) and the document of the key "JapaneseString-1" (item 2).
inline constexpr std::string_view kHelpFolder = "Help";
inline constexpr std::string_view kManualDocument = "Quendal Manual.html";
inline constexpr std::string_view kQuickStartDocument = "Quick Start.html";
// Help items 3 and 4: what each driver parameter means, and what changed.
inline constexpr std::string_view kParametersDocument = "T-S Parameters Description.html";
inline constexpr std::string_view kReleaseNotesDocument = "Quendal Release Notes.html";

// The value of an information key: "CFBundleShortVersionString" and
// "CFBundleVersion" the program's version, "CFBundleName" its name,
// "JapaneseString-1" the second help document; "" for any other key.
std::string GetCFBundleVersion(std::string_view key);

// --- Text utilities -----------------------------------------------------------

// The path with its extension replaced when it is `oldExtension` in any
// letter case ("qndl" to "qndlsta"); otherwise the path as it is.
std::string CFStringCopyPathReplacingExtension(std::string_view path, std::string_view oldExtension,
                                               std::string_view newExtension);
// The text without any document extension (".pdf", ".html") in it: a
// document's name as a menu shows it.
std::string CFStringDeleteExtension(std::string_view text);
// A UTF-8 text as a program text: Mac Roman, "?" for what it cannot write,
// at most 255 characters.
Str255 CFtoP(std::string_view text);

// --- Opening with the desktop ---------------------------------------------------

inline constexpr int32_t kParamErr = -50;                     // no URL could be made of the text or name
inline constexpr int32_t kLSApplicationNotFoundErr = -10814;  // no handler of the desktop took the URL

// Opens an http(s), mailto or file URL with the desktop's opener: 0 when
// the opener took it, kParamErr for a text that is no URL (no scheme, or
// blanks and control characters in it), else kLSApplicationNotFoundErr.
// The opener's own outcome comes later: when it ends without opening the
// URL, `failed` is called from the event loop.
int32_t LSLaunchURL(std::string_view urlText, std::function<void()> failed = {});
// Opens the file `name` (with its extension) of the resources' folder
// `folder` the same way: kParamErr when there is no such file.
int32_t CreateURLFromBundleResourceAndLaunch(std::string_view name, std::string_view folder,
                                             std::function<void()> failed = {});
// Help items and links of the Help menu: as above, and when the document is
// missing or nothing of the desktop opens it, at once or once the opener
// has ended, an alert says where the document is (or what the link is), so
// that the user can open it.
int32_t OpenHelpDocument(std::string_view name);
int32_t OpenLink(std::string_view url);

// --- Requests -----------------------------------------------------------------

inline constexpr int32_t kURLRequestUseProtocolCachePolicy = 0;
inline constexpr double kURLRequestDefaultTimeout = 60.0;  // s without data before a load fails

struct URLRequest {
    std::string url;
    int32_t cachePolicy = kURLRequestUseProtocolCachePolicy;  // nothing is cached here
    double timeoutInterval = kURLRequestDefaultTimeout;       // s
    platform::UrlLoadLimits limits = {};                      // size, pace and duration: none by default
};

URLRequest URLRequestInit(std::string_view url);
URLRequest URLRequestCreateWithTimeoutInterval(std::string_view url, int32_t cachePolicy, double seconds);

// --- Connections --------------------------------------------------------------

struct URLConnection;

// A response kept for later use. Nothing is cached here, so the question
// whether to cache one never arrives; the pair stays for its callers.
struct CachedURLResponse {
    platform::UrlResponse response;
    std::string data;
};

struct URLConnectionDelegate {
    using DidReceiveResponse = void (*)(URLConnection* connection, const platform::UrlResponse& response, void* userData);
    using DidReceiveData = void (*)(URLConnection* connection, std::string_view data, void* userData);
    using WillCacheResponse = CachedURLResponse* (*)(URLConnection* connection, CachedURLResponse* response,
                                                     void* userData);
    using DidFinishLoading = void (*)(URLConnection* connection, void* userData);
    using DidFailWithError = void (*)(URLConnection* connection, const platform::UrlError& error, void* userData);

    DidReceiveResponse didReceiveResponseCallback = nullptr;
    void* didReceiveResponseUserData = nullptr;
    DidReceiveData didReceiveDataCallback = nullptr;
    void* didReceiveDataUserData = nullptr;
    WillCacheResponse willCacheResponseCallback = nullptr;
    void* willCacheResponseUserData = nullptr;
    DidFinishLoading didFinishLoadingCallback = nullptr;
    void* didFinishLoadingUserData = nullptr;
    DidFailWithError didFailWithErrorCallback = nullptr;
    void* didFailWithErrorUserData = nullptr;
};

struct URLConnection {
    URLRequest request;
    std::shared_ptr<URLConnectionDelegate> delegate;
    platform::UrlLoadId load = 0;
};

// A delegate with no callbacks.
std::shared_ptr<URLConnectionDelegate> URLConnectionDelegateInit();
void URLConnectionDelegateSetDidReceiveResponseCallback(URLConnectionDelegate& delegate,
                                                        URLConnectionDelegate::DidReceiveResponse callback,
                                                        void* userData);
void URLConnectionDelegateSetDidReceiveDataCallback(URLConnectionDelegate& delegate,
                                                    URLConnectionDelegate::DidReceiveData callback, void* userData);
void URLConnectionDelegateSetWillCacheResponseCallback(URLConnectionDelegate& delegate,
                                                       URLConnectionDelegate::WillCacheResponse callback,
                                                       void* userData);
void URLConnectionDelegateSetDidFinishLoadingCallback(URLConnectionDelegate& delegate,
                                                      URLConnectionDelegate::DidFinishLoading callback,
                                                      void* userData);
void URLConnectionDelegateSetDidFailWithErrorCallback(URLConnectionDelegate& delegate,
                                                      URLConnectionDelegate::DidFailWithError callback,
                                                      void* userData);

// Creates and starts a connection; its callbacks come from the event loop.
std::shared_ptr<URLConnection> URLConnectionInit(const URLRequest& request,
                                                 std::shared_ptr<URLConnectionDelegate> delegate);

// --- Downloads ----------------------------------------------------------------

struct uRLDownload;

struct URLDownloadDelegate {
    using DecideDestinationWithSuggestedFilename = void (*)(uRLDownload* download, std::string_view suggestedFilename,
                                                            void* userData);
    using DidFailWithError = void (*)(uRLDownload* download, const platform::UrlError& error, void* userData);
    using DidFinish = void (*)(uRLDownload* download, void* userData);

    DecideDestinationWithSuggestedFilename decideDestinationWithSuggestedFilenameCallback = nullptr;
    void* decideDestinationWithSuggestedFilenameUserData = nullptr;
    DidFailWithError didFailWithErrorCallback = nullptr;
    void* didFailWithErrorUserData = nullptr;
    DidFinish didFinishCallback = nullptr;
    void* didFinishUserData = nullptr;
};

struct uRLDownload {
    URLRequest request;
    std::shared_ptr<URLDownloadDelegate> delegate;
    platform::UrlLoadId load = 0;
    std::string destination;     // as chosen by the delegate (UTF-8 path)
    bool allowOverwrite = false;
    int64_t zipUnpackedLimit = -1; // bytes; 0 or more: the body must be a zip unpacking to no more
    std::string path;            // the file written: the destination, or a free name beside it
    std::string partPath;        // where the body goes until it is complete (and checked)
    platform::NewFile out;
    int64_t expectedLength = -1; // bytes the answer announced (-1: not announced)
    int64_t written = 0;         // bytes of the body written so far
    platform::ZipCheckId check = 0; // the running check of the body under partPath (0: none)
    bool ended = false;          // finished or failed: the delegate has heard of it
};

std::shared_ptr<URLDownloadDelegate> URLDownloadDelegateInit();
void URLDownloadDelegateSetDecideDestinationWithSuggestedFilenameCallback(
    URLDownloadDelegate& delegate, URLDownloadDelegate::DecideDestinationWithSuggestedFilename callback, void* userData);
void URLDownloadDelegateSetDidFailWithErrorCallback(URLDownloadDelegate& delegate,
                                                    URLDownloadDelegate::DidFailWithError callback, void* userData);
void URLDownloadDelegateSetDidFinishCallback(URLDownloadDelegate& delegate, URLDownloadDelegate::DidFinish callback,
                                             void* userData);

// Creates and starts a download; nothing when the request has no URL. The
// body is written only after a successful answer (2xx): an error page is a
// failure, never the file. Without a destination it fails too. It finishes
// only when every write, the flush and the close of the file succeeded and,
// when the answer announced its length, exactly that many bytes came; else
// it fails and the file it began is removed.
std::shared_ptr<uRLDownload> URLDownloadInit(const URLRequest& request, std::shared_ptr<URLDownloadDelegate> delegate);
// Where the download goes; an existing file there is replaced only when
// allowed, otherwise the download takes the next free name ("name-1.zip").
void URLDownloadSetDestination(uRLDownload* download, std::string_view path, bool allowOverwrite);
// The body counts as the file only when it reads whole as a zip archive
// whose entries unpack to no more than `maxUnpackedBytes`: once complete it
// is read through under its temporary name, away from the event loop, and
// takes its name only then; else the download fails as Unreadable and the
// temporary file goes. Chosen before the body, as the destination is.
void URLDownloadRequireWholeZip(uRLDownload* download, int64_t maxUnpackedBytes);
// Drops a download at whatever stage: its loading or the check of its body
// stops, what it wrote goes, and its delegate hears nothing more.
void URLDownloadCancel(uRLDownload* download);

}  // namespace quendal
