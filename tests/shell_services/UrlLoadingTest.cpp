// Connections and downloads over a network the test answers by hand, and
// the bundle's information and text utilities.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "app/UrlLoading.h"
#include "support/PackageFiles.h"
#include "support/ShellServiceDoubles.h"

namespace quendal::test {
namespace {

namespace fs = std::filesystem;

// What a delegate's callbacks saw, in order.
struct Seen {
    std::vector<std::string> events;
    std::string body;
};

void onResponse(URLConnection*, const platform::UrlResponse& r, void* user) {
    static_cast<Seen*>(user)->events.push_back("response " + std::to_string(r.httpStatus));
}
void onData(URLConnection*, std::string_view bytes, void* user) {
    auto* seen = static_cast<Seen*>(user);
    seen->events.push_back("data");
    seen->body += bytes;
}
void onFinish(URLConnection*, void* user) { static_cast<Seen*>(user)->events.push_back("finished"); }
void onFail(URLConnection*, const platform::UrlError& e, void* user) {
    static_cast<Seen*>(user)->events.push_back("failed " + std::to_string(int(e.kind)));
}

class UrlLoadingTest : public testing::Test {
protected:
    void SetUp() override {
        platform::setNetworkService(&network);
        folder = fs::temp_directory_path() /
                 ("quendal-download-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        platform::setNetworkService(nullptr);
        fs::remove_all(folder);
    }

    std::shared_ptr<URLConnectionDelegate> delegate(Seen& seen) {
        auto d = URLConnectionDelegateInit();
        URLConnectionDelegateSetDidReceiveResponseCallback(*d, onResponse, &seen);
        URLConnectionDelegateSetDidReceiveDataCallback(*d, onData, &seen);
        URLConnectionDelegateSetDidFinishLoadingCallback(*d, onFinish, &seen);
        URLConnectionDelegateSetDidFailWithErrorCallback(*d, onFail, &seen);
        return d;
    }

    static std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    ScriptedNetwork network;
    fs::path folder;
};

TEST_F(UrlLoadingTest, ConnectionHandsEachMessageToItsCallbackWithItsUserData) {
    Seen seen;
    std::weak_ptr<URLConnectionDelegate> kept;
    {
        auto d = delegate(seen);
        kept = d;
        URLConnectionInit(URLRequestInit("https://example.invalid/versions/Quendal_version.txt"), d);
    }
    ASSERT_EQ(network.loads.size(), 1u);
    EXPECT_EQ(network.loads[0].request.timeoutSeconds, 60.0);
    EXPECT_FALSE(kept.expired()) << "the loading holds the delegate while it runs";
    network.answer(1, 200, "2.1.3");
    EXPECT_EQ(seen.events, (std::vector<std::string>{"response 200", "data", "finished"}));
    EXPECT_EQ(seen.body, "2.1.3");
    network.loads.clear();
    EXPECT_TRUE(kept.expired()) << "released once the loading has ended";
}

TEST_F(UrlLoadingTest, FailureReachesOnlyTheFailureCallbackAndTimeOutIsPassedOn) {
    Seen seen;
    URLConnectionInit(URLRequestCreateWithTimeoutInterval("https://example.invalid/", kURLRequestUseProtocolCachePolicy, 5.0),
                      delegate(seen));
    EXPECT_EQ(network.loads[0].request.timeoutSeconds, 5.0);
    network.failLoad(1, platform::UrlErrorKind::TimedOut);
    EXPECT_EQ(seen.events, (std::vector<std::string>{"failed " + std::to_string(int(platform::UrlErrorKind::TimedOut))}));
}

// Downloads: the delegate chooses the destination from the suggested name.
struct DownloadLog {
    fs::path folder;
    bool overwrite = false;
    bool choose = true;
    std::string suggested;
    int64_t unpackedLimit = -1;
    int finished = 0;
    std::vector<platform::UrlErrorKind> failures;
};

void decide(uRLDownload* download, std::string_view suggested, void* user) {
    auto* log = static_cast<DownloadLog*>(user);
    log->suggested = std::string(suggested);
    if (log->choose) URLDownloadSetDestination(download, (log->folder / std::string(suggested)).string(), log->overwrite);
}
void downloadFailed(uRLDownload*, const platform::UrlError& e, void* user) {
    static_cast<DownloadLog*>(user)->failures.push_back(e.kind);
}
void downloadFinished(uRLDownload*, void* user) { ++static_cast<DownloadLog*>(user)->finished; }

std::shared_ptr<URLDownloadDelegate> downloadDelegate(DownloadLog& log) {
    auto d = URLDownloadDelegateInit();
    URLDownloadDelegateSetDecideDestinationWithSuggestedFilenameCallback(*d, decide, &log);
    URLDownloadDelegateSetDidFailWithErrorCallback(*d, downloadFailed, &log);
    URLDownloadDelegateSetDidFinishCallback(*d, downloadFinished, &log);
    return d;
}

TEST_F(UrlLoadingTest, DownloadWritesTheBodyWhereTheDelegateChoseWithoutTouchingAnExistingFile) {
    std::ofstream(folder / "Quendal.zip") << "older";
    DownloadLog log;
    log.folder = folder;
    auto download = URLDownloadInit(URLRequestCreateWithTimeoutInterval("https://example.invalid/downloads/apps/Quendal.zip",
                                                                        kURLRequestUseProtocolCachePolicy, 60.0),
                                    downloadDelegate(log));
    ASSERT_NE(download, nullptr);
    network.answer(1, 200, std::string("PK\x03\x04zip", 7), "Quendal.zip");
    EXPECT_EQ(log.suggested, "Quendal.zip");
    EXPECT_EQ(log.finished, 1);
    EXPECT_TRUE(log.failures.empty());
    EXPECT_EQ(contents(folder / "Quendal.zip"), "older");
    EXPECT_EQ(contents(folder / "Quendal-1.zip"), std::string("PK\x03\x04zip", 7));
    EXPECT_FALSE(fs::exists(folder / "Quendal-1.zip.part"));

    log.overwrite = true;
    URLDownloadInit(URLRequestInit("https://example.invalid/downloads/apps/Quendal.zip"), downloadDelegate(log));
    network.answer(2, 200, "newer", "Quendal.zip");
    EXPECT_EQ(contents(folder / "Quendal.zip"), "newer");
}

TEST_F(UrlLoadingTest, AnErrorPageOrAMissingDestinationIsAFailureAndLeavesNoFile) {
    DownloadLog log;
    log.folder = folder;
    URLDownloadInit(URLRequestInit("https://example.invalid/downloads/apps/Quendal.zip"), downloadDelegate(log));
    network.answer(1, 404, "<html>Not Found</html>", "Quendal.zip");
    EXPECT_EQ(log.failures, (std::vector<platform::UrlErrorKind>{platform::UrlErrorKind::HttpStatus}));
    EXPECT_EQ(log.finished, 0);
    EXPECT_TRUE(network.loads[0].cancelled);
    EXPECT_TRUE(fs::is_empty(folder));

    log.choose = false;
    URLDownloadInit(URLRequestInit("https://example.invalid/downloads/apps/Quendal.zip"), downloadDelegate(log));
    network.answer(2, 200, "body", "Quendal.zip");
    EXPECT_EQ(log.failures.back(), platform::UrlErrorKind::CannotWriteFile);
    EXPECT_EQ(log.finished, 0);
    EXPECT_TRUE(fs::is_empty(folder));

    EXPECT_EQ(URLDownloadInit(URLRequestInit(""), downloadDelegate(log)), nullptr);
}

TEST_F(UrlLoadingTest, AnInterruptedDownloadRemovesWhatItWrote) {
    DownloadLog log;
    log.folder = folder;
    URLDownloadInit(URLRequestInit("https://example.invalid/downloads/apps/Quendal.zip"), downloadDelegate(log));
    ScriptedNetwork::Load& load = network.loads[0];
    platform::UrlResponse response;
    response.httpStatus = 200;
    response.suggestedFilename = "Quendal.zip";
    load.callbacks.response(response);
    load.callbacks.data("first half");
    network.failLoad(1, platform::UrlErrorKind::ConnectionLost);
    EXPECT_EQ(log.failures, (std::vector<platform::UrlErrorKind>{platform::UrlErrorKind::ConnectionLost}));
    EXPECT_TRUE(fs::is_empty(folder));

    // Ended as if whole, but short of the length announced.
    URLDownloadInit(URLRequestInit("https://example.invalid/downloads/apps/Quendal.zip"), downloadDelegate(log));
    response.expectedLength = 20;
    network.loads[1].callbacks.response(response);
    network.loads[1].callbacks.data("first half");
    network.loads[1].callbacks.finished();
    EXPECT_EQ(log.failures.size(), 2u);
    EXPECT_EQ(log.finished, 0);
    EXPECT_TRUE(fs::is_empty(folder));
}

// A download that must be a zip archive takes its name only once it reads
// whole; anything else leaves nothing, neither under its name nor under
// the temporary one.
TEST_F(UrlLoadingTest, ADownloadThatMustBeAZipIsNamedOnlyWhenItReadsWhole) {
    const std::string zip = zipHolding("Quendal.pkg", noiseBytes(5000));
    struct Row {
        const char* name;
        std::string body;
        int64_t unpackedLimit;
        bool named;
    } rows[] = {
        {"a whole archive", zip, 1 << 20, true},
        {"no archive", "<html>maintenance</html>", 1 << 20, false},
        {"an archive cut short", zip.substr(0, zip.size() - 10), 1 << 20, false},
        {"unpacking past the limit", zipOfZeros(1, 3 << 20), 2 << 20, false},
    };
    platform::UrlLoadId id = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DownloadLog log;
        log.folder = folder;
        auto delegate = downloadDelegate(log);
        URLDownloadDelegateSetDecideDestinationWithSuggestedFilenameCallback(
            *delegate,
            [](uRLDownload* download, std::string_view suggested, void* user) {
                decide(download, suggested, user);
                URLDownloadRequireWholeZip(download, static_cast<DownloadLog*>(user)->unpackedLimit);
            },
            &log);
        log.unpackedLimit = row.unpackedLimit;
        URLDownloadInit(URLRequestInit("https://example.invalid/downloads/apps/Quendal.zip"), delegate);
        network.answer(++id, 200, row.body, "Quendal.zip");
        EXPECT_EQ(log.finished, row.named ? 1 : 0);
        if (row.named) {
            EXPECT_EQ(contents(folder / "Quendal.zip"), row.body);
            fs::remove(folder / "Quendal.zip");
        } else {
            EXPECT_EQ(log.failures, std::vector<platform::UrlErrorKind>{platform::UrlErrorKind::Unreadable});
        }
        EXPECT_TRUE(fs::is_empty(folder));
    }
}

TEST_F(UrlLoadingTest, BundleInformationNamesTheVersionAndAnExistingHelpDocument) {
    const std::string version = GetCFBundleVersion("CFBundleShortVersionString");
    ASSERT_FALSE(version.empty());
    EXPECT_EQ(version.find_first_not_of("0123456789."), std::string::npos) << version;
    const std::string second = GetCFBundleVersion("JapaneseString-1");
    EXPECT_TRUE(fs::exists(fs::path(QUENDAL_SOURCE_DIR) / "resources" / std::string(kHelpFolder) / second)) << second;
    EXPECT_TRUE(fs::exists(fs::path(QUENDAL_SOURCE_DIR) / "resources" / std::string(kHelpFolder) /
                           std::string(kManualDocument)));
    EXPECT_EQ(CFStringDeleteExtension(second), "Quick Start");
    EXPECT_EQ(GetCFBundleVersion("NoSuchKey"), "");
}

TEST_F(UrlLoadingTest, PathAndNameUtilities) {
    struct Case {
        const char* path;
        const char* result;
    };
    const Case cases[] = {
        {"/Users/ann/Box.qndl", "/Users/ann/Box.qndlsta"},
        {"/Users/ann/Box.QNDL", "/Users/ann/Box.qndlsta"},
        {"/Users/ann/Box.txt", "/Users/ann/Box.txt"},
        {"/Users/ann/Box", "/Users/ann/Box"},
        {"/Users/ann.qndl/Box", "/Users/ann.qndl/Box"},  // a dot of a folder is no extension
        {"/Users/ann/.qndl", "/Users/ann/.qndl"},
    };
    for (const Case& c : cases) EXPECT_EQ(CFStringCopyPathReplacingExtension(c.path, "qndl", "qndlsta"), c.result);
    EXPECT_EQ(CFStringDeleteExtension("Quendal's_Manual.pdf"), "Quendal's_Manual");
    EXPECT_EQ(CFtoP("Qtc \u2265 0.5"), "Qtc \xB3 0.5");
    EXPECT_EQ(CFtoP("\u4E00 Test"), "? Test");
    EXPECT_EQ(CFtoP(std::string(300, 'a')).size(), 255u);
}

}  // namespace
}  // namespace quendal::test
