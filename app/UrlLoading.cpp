#include "app/UrlLoading.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <utility>

#include "platform/MacRomanText.h"

namespace quendal {

namespace {

namespace fs = std::filesystem;

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

platform::UrlLoadRequest loadRequestOf(const URLRequest& request) {
    return platform::UrlLoadRequest{request.url,
                                    request.timeoutInterval > 0.0 ? request.timeoutInterval : kURLRequestDefaultTimeout,
                                    request.limits};
}

// The first name beside `path` that is not taken: "name-1.zip", "name-2.zip"...
std::string freeNameBeside(const std::string& path) {
    std::error_code error;
    if (!fs::exists(path, error)) return path;
    const fs::path p(path);
    const std::string stem = p.stem().string(), extension = p.extension().string();
    for (int n = 1;; ++n) {
        const fs::path candidate = p.parent_path() / (stem + "-" + std::to_string(n) + extension);
        if (!fs::exists(candidate, error)) return candidate.string();
    }
}

// Why a body that loaded in full is not the file: not written whole, or not
// as long as announced. Nothing when the file is complete; it is closed
// either way.
std::optional<platform::UrlError> completionFault(uRLDownload& download) {
    const platform::UrlError unwritten{platform::UrlErrorKind::CannotWriteFile, "The file could not be written"};
    if (!download.out.is_open()) return unwritten;
    download.out.flush();
    const bool flushed = bool(download.out);
    download.out.close();
    if (!flushed || !download.out) return unwritten;
    if (download.expectedLength >= 0 && download.written != download.expectedLength)
        return platform::UrlError{platform::UrlErrorKind::ConnectionLost,
                                  "The body ended after " + std::to_string(download.written) + " of the " +
                                      std::to_string(download.expectedLength) + " bytes announced"};
    return std::nullopt;
}

// The download ends as failed: the temporary file goes, the delegate hears why.
void failEnded(const std::shared_ptr<uRLDownload>& download, const platform::UrlError& failure) {
    download->ended = true;
    if (download->out.is_open()) download->out.close();
    if (!download->partPath.empty()) platform::removeOwnNode(download->partPath);
    if (download->delegate->didFailWithErrorCallback)
        download->delegate->didFailWithErrorCallback(download.get(), failure, download->delegate->didFailWithErrorUserData);
}

// The body is whole on disk: it takes its name, never one that is taken
// unless that is allowed, and the delegate hears of it.
void nameAndFinish(const std::shared_ptr<uRLDownload>& download) {
    if (!download->allowOverwrite) download->path = freeNameBeside(download->destination);
    std::error_code fsError;
    platform::notePathUse(download->path, platform::PathUse::Rename);
    fs::rename(download->partPath, download->path, fsError);  // careful: a name replaced, never a link followed
    if (fsError) {
        failEnded(download, {platform::UrlErrorKind::CannotWriteFile, "The file could not be named"});
        return;
    }
    download->ended = true;
    if (download->delegate->didFinishCallback)
        download->delegate->didFinishCallback(download.get(), download->delegate->didFinishUserData);
}

void endDownload(const std::shared_ptr<uRLDownload>& download, const platform::UrlError* error) {
    if (download->ended || download->check != 0) return;
    platform::UrlError failure = error != nullptr
                                     ? *error
                                     : platform::UrlError{platform::UrlErrorKind::CannotWriteFile,
                                                          "The file could not be written"};
    if (error == nullptr && !download->partPath.empty()) {
        if (const auto fault = completionFault(*download)) {
            failure = *fault;
        } else if (download->zipUnpackedLimit >= 0) {
            // Read through under the temporary name, away from the event
            // loop; the check holds the download until its verdict.
            const auto verdict = [download](bool whole) {
                download->check = 0;
                if (whole)
                    nameAndFinish(download);
                else
                    failEnded(download, {platform::UrlErrorKind::Unreadable,
                                         "The file does not read whole as a zip archive"});
            };
            const platform::ZipCheckId check =
                platform::checkZipAway(download->partPath, download->zipUnpackedLimit, verdict);
            // Without an event loop the verdict has come already.
            if (!download->ended) download->check = check;
            return;
        } else {
            nameAndFinish(download);
            return;
        }
    }
    failEnded(download, failure);
}

// Ends the download as failed and stops its loading.
void failDownload(const std::shared_ptr<uRLDownload>& download, platform::UrlErrorKind kind, std::string description) {
    platform::network().cancel(download->load);
    const platform::UrlError error{kind, std::move(description)};
    endDownload(download, &error);
}

void downloadAnswered(const std::shared_ptr<uRLDownload>& download, const platform::UrlResponse& response) {
    if (response.httpStatus != 0 && (response.httpStatus < 200 || response.httpStatus >= 300)) {
        failDownload(download, platform::UrlErrorKind::HttpStatus,
                     "The server answered with status " + std::to_string(response.httpStatus));
        return;
    }
    const auto& delegate = download->delegate;
    if (delegate->decideDestinationWithSuggestedFilenameCallback)
        delegate->decideDestinationWithSuggestedFilenameCallback(download.get(), response.suggestedFilename,
                                                                 delegate->decideDestinationWithSuggestedFilenameUserData);
    if (download->ended) return;
    if (download->destination.empty()) {
        failDownload(download, platform::UrlErrorKind::CannotWriteFile, "No destination was chosen");
        return;
    }
    download->expectedLength = response.expectedLength;
    download->path = download->allowOverwrite ? download->destination : freeNameBeside(download->destination);
    download->partPath = download->path + ".part";
    download->out.open(download->partPath);
    if (!download->out) {
        download->partPath.clear();
        failDownload(download, platform::UrlErrorKind::CannotWriteFile, "The file could not be created");
    }
}

void downloadData(const std::shared_ptr<uRLDownload>& download, std::string_view bytes) {
    if (download->ended || !download->out.is_open()) return;
    download->out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!download->out) {
        failDownload(download, platform::UrlErrorKind::CannotWriteFile, "The file could not be written");
        return;
    }
    download->written += int64_t(bytes.size());
}

}  // namespace

std::string GetCFBundleVersion(std::string_view key) {
    if (key == "CFBundleShortVersionString" || key == "CFBundleVersion") return std::string(kQuendalVersion);
    if (key == "CFBundleName") return "Quendal";
    if (key == "JapaneseString-1") return std::string(kQuickStartDocument);
    return {};
}

std::string CFStringCopyPathReplacingExtension(std::string_view path, std::string_view oldExtension,
                                               std::string_view newExtension) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension = dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash + 1);
    if (!hasExtension || !sameIgnoringCase(path.substr(dot + 1), oldExtension)) return std::string(path);
    return std::string(path.substr(0, dot + 1)) + std::string(newExtension);
}

std::string CFStringDeleteExtension(std::string_view text) {
    std::string out(text);
    for (std::string_view extension : {std::string_view(".pdf"), std::string_view(".html")}) {
        for (std::size_t at = out.find(extension); at != std::string::npos; at = out.find(extension, at))
            out.erase(at, extension.size());
    }
    return out;
}

Str255 CFtoP(std::string_view text) { return Str255(platform::macRomanFromUtf8Lossy(text)); }

URLRequest URLRequestInit(std::string_view url) { return URLRequest{std::string(url)}; }

URLRequest URLRequestCreateWithTimeoutInterval(std::string_view url, int32_t cachePolicy, double seconds) {
    return URLRequest{std::string(url), cachePolicy, seconds};
}

std::shared_ptr<URLConnectionDelegate> URLConnectionDelegateInit() { return std::make_shared<URLConnectionDelegate>(); }

void URLConnectionDelegateSetDidReceiveResponseCallback(URLConnectionDelegate& delegate,
                                                        URLConnectionDelegate::DidReceiveResponse callback,
                                                        void* userData) {
    delegate.didReceiveResponseCallback = callback;
    delegate.didReceiveResponseUserData = userData;
}

void URLConnectionDelegateSetDidReceiveDataCallback(URLConnectionDelegate& delegate,
                                                    URLConnectionDelegate::DidReceiveData callback, void* userData) {
    delegate.didReceiveDataCallback = callback;
    delegate.didReceiveDataUserData = userData;
}

void URLConnectionDelegateSetWillCacheResponseCallback(URLConnectionDelegate& delegate,
                                                       URLConnectionDelegate::WillCacheResponse callback,
                                                       void* userData) {
    delegate.willCacheResponseCallback = callback;
    delegate.willCacheResponseUserData = userData;
}

void URLConnectionDelegateSetDidFinishLoadingCallback(URLConnectionDelegate& delegate,
                                                      URLConnectionDelegate::DidFinishLoading callback,
                                                      void* userData) {
    delegate.didFinishLoadingCallback = callback;
    delegate.didFinishLoadingUserData = userData;
}

void URLConnectionDelegateSetDidFailWithErrorCallback(URLConnectionDelegate& delegate,
                                                      URLConnectionDelegate::DidFailWithError callback,
                                                      void* userData) {
    delegate.didFailWithErrorCallback = callback;
    delegate.didFailWithErrorUserData = userData;
}

std::shared_ptr<URLConnection> URLConnectionInit(const URLRequest& request,
                                                 std::shared_ptr<URLConnectionDelegate> delegate) {
    auto connection = std::make_shared<URLConnection>();
    connection->request = request;
    connection->delegate = delegate ? std::move(delegate) : URLConnectionDelegateInit();
    // The loading holds the connection, and through it the delegate, until
    // it ends.
    platform::UrlLoadCallbacks callbacks;
    callbacks.response = [connection](const platform::UrlResponse& response) {
        const auto& d = *connection->delegate;
        if (d.didReceiveResponseCallback) d.didReceiveResponseCallback(connection.get(), response, d.didReceiveResponseUserData);
    };
    callbacks.data = [connection](std::string_view bytes) {
        const auto& d = *connection->delegate;
        if (d.didReceiveDataCallback) d.didReceiveDataCallback(connection.get(), bytes, d.didReceiveDataUserData);
    };
    callbacks.finished = [connection] {
        const auto& d = *connection->delegate;
        if (d.didFinishLoadingCallback) d.didFinishLoadingCallback(connection.get(), d.didFinishLoadingUserData);
    };
    callbacks.failed = [connection](const platform::UrlError& error) {
        const auto& d = *connection->delegate;
        if (d.didFailWithErrorCallback) d.didFailWithErrorCallback(connection.get(), error, d.didFailWithErrorUserData);
    };
    connection->load = platform::network().start(loadRequestOf(request), std::move(callbacks));
    return connection;
}

std::shared_ptr<URLDownloadDelegate> URLDownloadDelegateInit() { return std::make_shared<URLDownloadDelegate>(); }

void URLDownloadDelegateSetDecideDestinationWithSuggestedFilenameCallback(
    URLDownloadDelegate& delegate, URLDownloadDelegate::DecideDestinationWithSuggestedFilename callback, void* userData) {
    delegate.decideDestinationWithSuggestedFilenameCallback = callback;
    delegate.decideDestinationWithSuggestedFilenameUserData = userData;
}

void URLDownloadDelegateSetDidFailWithErrorCallback(URLDownloadDelegate& delegate,
                                                    URLDownloadDelegate::DidFailWithError callback, void* userData) {
    delegate.didFailWithErrorCallback = callback;
    delegate.didFailWithErrorUserData = userData;
}

void URLDownloadDelegateSetDidFinishCallback(URLDownloadDelegate& delegate, URLDownloadDelegate::DidFinish callback,
                                             void* userData) {
    delegate.didFinishCallback = callback;
    delegate.didFinishUserData = userData;
}

std::shared_ptr<uRLDownload> URLDownloadInit(const URLRequest& request, std::shared_ptr<URLDownloadDelegate> delegate) {
    if (request.url.empty()) return nullptr;
    auto download = std::make_shared<uRLDownload>();
    download->request = request;
    download->delegate = delegate ? std::move(delegate) : URLDownloadDelegateInit();
    platform::UrlLoadCallbacks callbacks;
    callbacks.response = [download](const platform::UrlResponse& response) { downloadAnswered(download, response); };
    callbacks.data = [download](std::string_view bytes) { downloadData(download, bytes); };
    callbacks.finished = [download] { endDownload(download, nullptr); };
    callbacks.failed = [download](const platform::UrlError& error) { endDownload(download, &error); };
    download->load = platform::network().start(loadRequestOf(request), std::move(callbacks));
    return download;
}

void URLDownloadSetDestination(uRLDownload* download, std::string_view path, bool allowOverwrite) {
    if (download == nullptr || download->out.is_open()) return;  // chosen once, before the body
    download->destination = std::string(path);
    download->allowOverwrite = allowOverwrite;
}

void URLDownloadRequireWholeZip(uRLDownload* download, int64_t maxUnpackedBytes) {
    if (download == nullptr || download->out.is_open() || download->ended) return;  // before the body
    download->zipUnpackedLimit = std::max<int64_t>(0, maxUnpackedBytes);
}

void URLDownloadCancel(uRLDownload* download) {
    if (download == nullptr || download->ended) return;
    download->ended = true;
    platform::network().cancel(download->load);
    if (download->check != 0) platform::stopZipCheck(std::exchange(download->check, 0));
    if (download->out.is_open()) download->out.close();
    if (!download->partPath.empty()) platform::removeOwnNode(download->partPath);
}

}  // namespace quendal
