// Quitting while the update's package loads or is read through: whatever
// road the quit takes, the check ends with the program and nothing is left
// in Downloads under the package's temporary name.
#include <QTimer>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>

#include "AppFixture.h"
#include "app/CommandDispatch.h"
#include "app/UpdateCheck.h"
#include "model/MessageVocabulary.h"
#include "platform/ShellServices.h"
#include "support/LocalServer.h"
#include "support/PackageFiles.h"
#include "windows/DefaultParameters.h"

namespace quendal::test {
namespace {

// The system's archive library, noting whether a reading ended and whether
// it was told to stop before it did.
class WatchedArchives : public platform::ArchiveService {
public:
    bool readsWholeAsZip(const std::string& path, int64_t maxUnpackedBytes, const std::atomic<bool>* stop) override {
        const bool whole = platform::libraryArchives().readsWholeAsZip(path, maxUnpackedBytes, stop);
        stopped = stop != nullptr && stop->load();
        ended = true;
        return whole;
    }
    std::atomic<bool> ended{false}, stopped{false};
};

class QuitDuringUpdate : public AppTest {
protected:
    std::vector<std::string> downloadsHolds() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(downloads))
            names.push_back(entry.path().filename().string());
        return names;
    }
    QTemporaryDir folder;
    std::string downloads = folder.filePath("Downloads").toStdString();
    LocalServer server;
};

TEST_F(QuitDuringUpdate, EveryRoadOutEndsTheCheckAndLeavesNothingInDownloads) {
    const std::string package = "/downloads/apps/Quendal.zip";
    constexpr int kNever = 600000;  // ms: later than any test runs
    const struct Phase {
        const char* name;
        Route route;
        bool reading;  // quit while the whole body is read through, not while it loads
    } phases[] = {
        {"while the package loads", answer("200 OK", QByteArray(300000, 'z')).inTwo(4000, kNever), false},
        // Read to its end, this archive unpacks to 5 GiB and would take seconds.
        {"while the package is read through", answer("200 OK", QByteArray::fromStdString(zipOfZeros(5, int64_t(1) << 30))),
         true},
    };
    const struct Road {
        const char* name;
        std::function<void(WatchingMessenger&)> quit;
    } roads[] = {
        {"Quit", [](WatchingMessenger&) { ApplicationEventHandler(kApplicationMenu, kQuitItem); }},
        {"a sibling's quit",
         [](WatchingMessenger& m) { m.receiver(platform::AppMessage{"QnDL", "TEXT", std::string(vocabulary::kQuitFromOrvanel)}); }},
        {"the menu bar's window closing", [](WatchingMessenger&) { platform::qt::menuHostWidget()->close(); }},
        {"the Default Parameters window's Quit", [](WatchingMessenger&) { DefaultParamWndQuit(); }},
    };
    std::filesystem::create_directories(downloads);
    FolderFiles files;
    files.folders[platform::UserFolder::Downloads] = downloads;
    for (const Phase& phase : phases) {
        for (const Road& road : roads) {
            SCOPED_TRACE(std::string(road.name) + " " + phase.name);
            server.routes[QByteArray::fromStdString(package)] = phase.route;
            WatchedArchives archives;
            bool underWay = false;
            platform::setPreferenceStore(&prefs);
            platform::setMessageService(&messenger);
            QTimer::singleShot(0, [&] {
                // The menu bar's window is made once the start has returned to the loop.
                QTimer::singleShot(0, [&] {
                    platform::setFileService(&files);
                    platform::setArchiveService(&archives);
                    SetUpdateServer(server.base());
                    state.update.PackageUnpackedLimit = int64_t(8) << 30;
                    Download(state.update.downloadURL.view());
                    underWay = QTest::qWaitFor(
                        [&] {
                            const auto& d = state.update.PackageDownload;
                            return d && (phase.reading ? d->check != 0 : d->written > 0);
                        },
                        20000);
                    road.quit(messenger);
                    if (!underWay) platform::quitApplication(0);
                });
            });
            char name[] = "quendal";
            char* argv[] = {name, nullptr};
            EXPECT_EQ(QuendalMain(1, argv), 0);
            ASSERT_TRUE(underWay);
            EXPECT_EQ(downloadsHolds(), std::vector<std::string>{});
            EXPECT_FALSE(state.update.PackageDownload);
            EXPECT_EQ(state.update.PackagePhase, DownloadPhase::Failed);
            EXPECT_EQ(state.update.CheckTimer, 0);
            // The reading was told to stop: the quit never waited for it to read 5 GiB.
            if (phase.reading) {
                EXPECT_TRUE(archives.ended && archives.stopped);
            }
            platform::setArchiveService(nullptr);
            resetState();
        }
    }
}

// A package already whole in Downloads is the user's: quitting keeps it.
TEST_F(QuitDuringUpdate, APackageDownloadedWholeStaysAfterQuit) {
    const QByteArray zip = QByteArray::fromStdString(zipHolding("Quendal.pkg", noiseBytes(50000)));
    server.routes["/downloads/apps/Quendal.zip"] = answer("200 OK", zip);
    std::filesystem::create_directories(downloads);
    FolderFiles files;
    files.folders[platform::UserFolder::Downloads] = downloads;
    bool finished = false;
    platform::setPreferenceStore(&prefs);
    platform::setMessageService(&messenger);
    QTimer::singleShot(0, [&] {
        platform::setFileService(&files);
        SetUpdateServer(server.base());
        Download(state.update.downloadURL.view());
        finished = QTest::qWaitFor([] { return state.update.PackagePhase == DownloadPhase::Finished; }, 20000);
        ApplicationEventHandler(kApplicationMenu, kQuitItem);
    });
    char name[] = "quendal";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(QuendalMain(1, argv), 0);
    ASSERT_TRUE(finished);
    EXPECT_EQ(downloadsHolds(), std::vector<std::string>{"Quendal.zip"});
}

}  // namespace
}  // namespace quendal::test
