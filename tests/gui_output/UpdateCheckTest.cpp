// The update check against a server of the test's own on 127.0.0.1: what
// the window says for each answer, which checks stay silent, and the
// download, which lands in the Downloads folder only and is never run.
#include <QFile>
#include <QTest>
#include <QTimer>

#include <atomic>

#include "app/FilesAndFolders.h"
#include "app/UpdateCheck.h"
#include "support/LocalServer.h"
#include "support/PackageFiles.h"
#include "support/WatchedArchives.h"
#include "gui_output/OutputFixture.h"
#include "platform/ShellServices.h"
#include "windows/UpdateWindow.h"

namespace quendal::test {
namespace {

const QByteArray kVersionPath = "/versions/Quendal_version.txt";
const QByteArray kPackagePath = "/downloads/apps/Quendal.zip";

class UpdateCheckTest : public OutputTest {
protected:
    void SetUp() override {
        OutputTest::SetUp();
        SetUpdateServer(server.base());
    }
    void TearDown() override {
        server.routes.clear();
        OutputTest::TearDown();
    }
    void serveVersion(const QByteArray& text) { server.routes[kVersionPath] = answer("200 OK", text); }
    // "Check for Updates..." of the program's menu.
    void checkFromMenu() {
        InitUpdateFlag();
        state.update.CheckByMenuFlag = 1;
        CheckForVersion();
    }
    // A driver record arrived (the check at launch).
    void checkAfterDriverRecord() {
        state.update.CheckForUpFlag = AutoUpdateCheck::Run;
        InitUpdateFlag();
        CheckForVersion();
    }
    bool windowShown() { return QTest::qWaitFor([] { return platform::windowExists(kUpdateWindow); }, 20000); }
    bool checkEnded() { return QTest::qWaitFor([] { return state.update.CheckTimer == 0; }, 20000); }
    std::string headline() { return platform::controlText(kUpdateWindow, kUpdateHeadline); }
    std::string detail() { return platform::controlText(kUpdateWindow, kUpdateDetail); }
    bool sentActivateMe() {
        const auto texts = messenger.texts();
        return std::find(texts.begin(), texts.end(), "ActivateMeQndlFromQndl") != texts.end();
    }
    // The newer version offered in the window, then Download.
    void download() {
        serveVersion("99.0");
        checkFromMenu();
        ASSERT_TRUE(windowShown());
        CheckForUpdateWndDownloadButton();
        EXPECT_FALSE(platform::isControlEnabled(kUpdateWindow, kUpdateDownload)) << "one download at a time";
    }
    // What the download left in Downloads under the package's name.
    QByteArray savedPackage() {
        QFile saved(QString::fromStdString(downloads() + "/Quendal.zip"));
        return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    }
    bool downloadEnded() {
        return QTest::qWaitFor([this] { return headline().rfind("Download is", 0) == 0; }, 20000);
    }

    LocalServer server;
};

TEST_F(UpdateCheckTest, TheMenusCheckTellsANewerVersionThisVersionOrAFailure) {
    QByteArray tooLong = "99.0\n";
    tooLong.append(2 << 20, 'x');
    struct Row {
        const char* name;
        Route version;
        const char* headline;
        std::string detail;
        bool offersDownload;
    } rows[] = {
        {"newer", answer("200 OK", "99.0\n"), "Newer Version is Available.", "Newer Version : 99.0", true},
        {"the same", answer("200 OK", QUENDAL_VERSION), "This Version is Currently.",
         "Current Version : " QUENDAL_VERSION, false},
        {"older", answer("200 OK", "0.0.1"), "This Version is Currently.", "Current Version : " QUENDAL_VERSION, false},
        {"missing", answer("404 Not Found", "99.0"), "Network Connection Failed.", "Please confirm the network connection.", false},
        {"a page, not a version", answer("200 OK", "<html>99.0</html>"), "Network Connection Failed.",
         "Please confirm the network connection.", false},
        {"huge and unannounced", answer("200 OK", tooLong).unannounced(), "Network Connection Failed.",
         "Please confirm the network connection.", false},
        {"late", answer("200 OK", "99.0").after(2500), "Newer Version is Available.", "Newer Version : 99.0", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        server.routes[kVersionPath] = row.version;
        checkFromMenu();
        ASSERT_TRUE(windowShown());
        EXPECT_EQ(headline(), row.headline);
        EXPECT_EQ(detail(), row.detail);
        EXPECT_EQ(platform::controlExists(kUpdateWindow, kUpdateDownload), row.offersDownload);
        EXPECT_EQ(platform::controlExists(kUpdateWindow, kUpdateDontDownload), row.offersDownload);
        EXPECT_EQ(platform::controlExists(kUpdateWindow, kUpdateOK), !row.offersDownload);
        EXPECT_EQ(state.update.checkUpdateBtn, row.offersDownload ? kUpdateDownload : kUpdateOK);
        EXPECT_TRUE(sentActivateMe());
    }
}

TEST_F(UpdateCheckTest, ACheckAtLaunchFindingNothingNewerOpensSystemSelectOnly) {
    for (const Route& route : {answer("200 OK", "0.0.1"), answer("404 Not Found", ""), answer("200 OK", "99.0").never()}) {
        TearDown();
        SetUp();
        server.routes[kVersionPath] = route;
        checkAfterDriverRecord();
        ASSERT_TRUE(checkEnded());
        EXPECT_FALSE(platform::windowExists(kUpdateWindow));
        EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));
        EXPECT_EQ(state.update.CheckForUpFlag, AutoUpdateCheck::Run);
        EXPECT_EQ(state.update.VersionLoad, 0) << "a late answer is not waited for";
    }
}

TEST_F(UpdateCheckTest, ACheckAfterOpeningADocumentIsSilentUnlessSomethingIsNewer) {
    serveVersion("0.0.1");
    checkFromMenu();  // an earlier check from the menu in this run
    ASSERT_TRUE(windowShown());
    CheckForUpdateWndOkButton();
    messenger.sent.clear();
    CheckForUpdateOnDocumentOpen();
    ASSERT_TRUE(checkEnded());
    EXPECT_FALSE(platform::windowExists(kUpdateWindow));
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(messenger.texts(), std::vector<std::string>{"ActivateMeQndlFromQndl"});
    EXPECT_EQ(state.update.CheckForUpFlag, AutoUpdateCheck::Run);
    CheckForUpdateOnDocumentOpen();
    EXPECT_EQ(state.update.CheckTimer, 0) << "once per run";

    // A newer version, answered at once by a network that cannot be late.
    TearDown();
    SetUp();
    ScriptedNetwork network;
    platform::setNetworkService(&network);
    CheckForUpdateOnDocumentOpen();
    ASSERT_EQ(network.loads.size(), 1u);
    EXPECT_EQ(network.loads[0].request.url, server.base() + "/versions/Quendal_version.txt");
    network.answer(1, 200, "99.0");
    ASSERT_TRUE(windowShown());
    EXPECT_EQ(state.update.CheckForUpFlag, AutoUpdateCheck::ByDocument);
    platform::WindowEvent escape;
    escape.kind = platform::WindowEventKind::KeyDown;
    escape.window = kUpdateWindow;
    escape.character = platform::kEscapeChar;
    EXPECT_EQ(CheckForUpdateWndEvent(escape), platform::kHandled);  // as "Don't Download"
    EXPECT_FALSE(platform::windowExists(kUpdateWindow));
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(state.update.CheckForUpFlag, AutoUpdateCheck::Run);
}

TEST_F(UpdateCheckTest, WithoutAServerTheMenuSaysThereIsNoneAndLaunchChecksDoNothing) {
    SetUpdateServer("");
    checkAfterDriverRecord();
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(state.update.CheckForUpFlag, AutoUpdateCheck::Run);
    EXPECT_EQ(state.update.CheckTimer, 0);
    checkFromMenu();
    ASSERT_TRUE(windowShown());
    EXPECT_EQ(headline(), "No Update Server.");  // not a network that failed
    EXPECT_EQ(server.connections, 0);
}

TEST_F(UpdateCheckTest, ThePackageLandsWholeInDownloadsUnderItsOwnName) {
    const QByteArray package = QByteArray::fromStdString(zipHolding("Quendal.pkg", noiseBytes(200000)));
    server.routes[kPackagePath] = answer("200 OK", package)
                                     .header("Content-Disposition: attachment; filename=\"../../../evil.sh\"\r\n")
                                     .inTwo(1000, 1500);
    std::filesystem::create_directories(downloads());
    QFile old(QString::fromStdString(downloads() + "/Quendal.zip"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old package");
    old.close();

    download();
    ASSERT_TRUE(downloadEnded());
    // Reported only once written whole: the second part came 1.5 s after the first.
    EXPECT_EQ(headline(), "Download is Successful.");
    EXPECT_EQ(savedPackage(), package);
    EXPECT_EQ(filesWritten(), (std::vector<std::string>{"Downloads/Quendal.zip", "Trash/Quendal.zip"}));
    EXPECT_TRUE(platform::controlExists(kUpdateWindow, kUpdateLaunch));
    EXPECT_EQ(state.update.checkUpdateBtn, kUpdateDoneOK);

    // "Launch Installer and Quit" shows the folder; it never opens the package.
    CheckForUpdateWndLaunchButton();
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0], "file://" + downloads());
    EXPECT_EQ(LSLaunchURLInDownloadsFolder("../../etc/passwd"), quendal::kBadNameErr);
    EXPECT_EQ(desktop.opened.size(), 1u);
}

TEST_F(UpdateCheckTest, APackageCompressedOnTheWayLandsAsItDecodes) {
    const QByteArray package = QByteArray::fromStdString(zipHolding("Quendal.pkg", noiseBytes(100000)));
    // A zlib stream, its own length announced: not the length of the package.
    server.routes[kPackagePath] = answer("200 OK", qCompress(package).mid(4)).header("Content-Encoding: deflate\r\n");
    download();
    ASSERT_TRUE(downloadEnded());
    EXPECT_EQ(headline(), "Download is Successful.");
    EXPECT_EQ(savedPackage(), package);
}

TEST_F(UpdateCheckTest, AFailedOrOversizedDownloadLeavesNothingBehind) {
    QByteArray huge;
    huge.append(4 << 20, 'z');
    constexpr int kNever = 600000;  // ms: later than any test runs
    QByteArray brokenGzip("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03", 10);  // a gzip header ...
    brokenGzip.append(5000, '\xff');  // ... and then no deflate data
    // A package cut short and followed by junk, plain and compressed on the way.
    const std::string zip = zipHolding("Quendal.pkg", noiseBytes(40000));
    const QByteArray half = QByteArray::fromStdString(zip.substr(0, zip.size() / 2));
    const QByteArray broken = half + QByteArray::fromStdString(noiseBytes(zip.size() - std::size_t(half.size()), 7));
    const QByteArray deflated = qCompress(QByteArray::fromStdString(zip)).mid(4);  // a zlib stream
    const QByteArray deflatedBroken = deflated.left(deflated.size() / 2) + QByteArray::fromStdString(noiseBytes(30000, 3));
    struct Row {
        const char* name;
        Route package;
        int64_t minimumBytes = 0;  // per pace period; 0: no pace asked for
        double timeLimit = 600.0;  // s
        rlim_t room = RLIM_INFINITY;  // bytes the disk has left
    } rows[] = {
        {"the disk fills up", answer("200 OK", QByteArray::fromStdString(zip)), 0, 600.0, 16 << 10},
        {"the disk is full when the file is closed",
         answer("200 OK", QByteArray::fromStdString(zipHolding("Quendal.pkg", noiseBytes(400)))), 0, 600.0, 0},
        {"missing", answer("404 Not Found", "<html>gone</html>")},
        {"larger than any package", answer("200 OK", huge).unannounced().inTwo(1 << 20, 800)},
        {"announced larger, body held back", answer("200 OK", huge).inTwo(0, kNever)},
        {"a broken compressed body", answer("200 OK", brokenGzip).header("Content-Encoding: gzip\r\n")},
        {"a package cut short then junk", answer("200 OK", broken)},
        {"a package cut short then junk, unannounced", answer("200 OK", broken).unannounced()},
        {"a package shorter than announced", answer("200 OK", half).announcing(qint64(zip.size()))},
        {"a compressed package breaking off into junk",
         answer("200 OK", deflatedBroken).header("Content-Encoding: deflate\r\n")},
        {"the same, unannounced", answer("200 OK", deflatedBroken).header("Content-Encoding: deflate\r\n").unannounced()},
        {"an endless body", answer("200 OK", QByteArray::fromStdString(noiseBytes(16 << 10))).repeatedTo(int64_t(1) << 30)},
        {"a trickle", answer("200 OK", QByteArray(2000, 'z')).inTwo(100, 3000), 1024},
        {"not finished in time", answer("200 OK", QByteArray(2000, 'z')).inTwo(1000, 3000), 0, 1.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        state.update.PackageByteLimit = 64 << 10;
        state.update.PackageMinimumBytes = row.minimumBytes;
        state.update.PackagePaceSeconds = 0.5;
        state.update.PackageTimeLimit = row.timeLimit;
        server.routes[kPackagePath] = row.package;
        {
            FileSizeLimit disk(row.room);
            download();
            ASSERT_TRUE(downloadEnded());
        }
        EXPECT_EQ(headline(), "Download is Failed.");
        EXPECT_EQ(detail(), "Please try again later.");
        EXPECT_FALSE(platform::controlExists(kUpdateWindow, kUpdateLaunch));
        EXPECT_TRUE(filesWritten().empty());
        CheckForUpdateWndOkButton();
        EXPECT_FALSE(platform::windowExists(kUpdateWindow));
    }
}

// While the package is read through, the event loop runs on (its timers
// fire) and the package lies in Downloads only under its temporary name.
TEST_F(UpdateCheckTest, APackageUnpackingPastTheLimitIsReadAwayFromTheLoopAndNeverNamed) {
    state.update.PackageUnpackedLimit = int64_t(256) << 20;
    server.routes[kPackagePath] = answer("200 OK", QByteArray::fromStdString(zipOfZeros(1, int64_t(1) << 30)));
    int ticksWhileReading = 0;
    std::vector<std::string> seenWhileReading;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (!state.update.PackageDownload || state.update.PackageDownload->check == 0) return;
        ++ticksWhileReading;
        seenWhileReading = filesWritten();
    });
    tick.start(1);
    download();
    ASSERT_TRUE(downloadEnded());
    EXPECT_GT(ticksWhileReading, 0);
    EXPECT_EQ(seenWhileReading, std::vector<std::string>{"Downloads/Quendal.zip.part"});
    EXPECT_EQ(headline(), "Download is Failed.");
    EXPECT_TRUE(filesWritten().empty());
}

// "Don't Download" while the package is read through: the reading stops,
// the temporary file goes, and no verdict comes afterwards.
TEST_F(UpdateCheckTest, DontDownloadDuringTheReadingStopsItAndLeavesNothing) {
    WatchedArchives archives;
    platform::setArchiveService(&archives);
    // Read to the 4 GiB limit this would take seconds.
    server.routes[kPackagePath] = answer("200 OK", QByteArray::fromStdString(zipOfZeros(5, int64_t(1) << 30)));
    download();
    ASSERT_TRUE(QTest::qWaitFor(
        [] { return state.update.PackageDownload && state.update.PackageDownload->check != 0; }, 20000));
    CheckForUpdateWndOkButton();
    EXPECT_FALSE(platform::windowExists(kUpdateWindow));
    EXPECT_TRUE(filesWritten().empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return *archives.threadsEnded == 1; }, 20000));
    EXPECT_TRUE(archives.stopped);
    QCoreApplication::sendPostedEvents();  // a verdict the reading handed over arrives here
    EXPECT_TRUE(filesWritten().empty());
    EXPECT_EQ(state.update.PackagePhase, DownloadPhase::Failed);
}

TEST_F(UpdateCheckTest, DontDownloadDuringADownloadDropsIt) {
    QByteArray package(300000, 'z');
    server.routes[kPackagePath] = answer("200 OK", package).inTwo(1000, 3000);
    download();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !filesWritten().empty(); }, 20000));
    CheckForUpdateWndOkButton();
    EXPECT_FALSE(platform::windowExists(kUpdateWindow));
    EXPECT_TRUE(filesWritten().empty());
    EXPECT_EQ(state.update.CheckTimer, 0);
}

}  // namespace
}  // namespace quendal::test
