// Quitting while the update's package loads or is read through: whatever
// road the quit takes, a logout, Ctrl+C (once or twice) or a kill's
// included, the check ends and nothing is left in Downloads.
#include <QTimer>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include <unistd.h>

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

// Stands for the default action of a signal, which ends the process: notes
// whether the package's part file would be left behind.
char gPartFile[4096];
volatile std::sig_atomic_t gEndedLeavingPart = 0;
extern "C" void endingHere(int) {
    if (::access(gPartFile, F_OK) == 0) gEndedLeavingPart = 1;
}

// A read-through that never ends by itself; as the program stops it while
// ending, Ctrl+C comes a second time.
class AgainAsTheCheckStops : public platform::ZipCheckWorker {
public:
    platform::ZipCheckId start(platform::ArchiveService&, const std::string&, int64_t,
                               std::function<void(bool)>) override {
        return 1;
    }
    void stop(platform::ZipCheckId) override { std::raise(SIGINT); }
};

// A way out of the program while the check runs.
struct Road {
    std::function<void()> quit;
    int status;          // the program's exit status
    bool twice = false;  // Ctrl+C again as the read-through is stopped
};

TEST_F(AppTest, EveryRoadOutDuringTheUpdateEndsTheCheckAndLeavesNothingInDownloads) {
    LocalServer server;
    QTemporaryDir folder;
    FolderFiles files;
    files.folders[platform::UserFolder::Downloads] = folder.path().toStdString();
    const QByteArray bomb = QByteArray::fromStdString(zipOfZeros(5, int64_t(1) << 30));  // read whole: seconds
    const std::pair<Route, bool> phases[] = {{answer("200 OK", QByteArray(300000, 'z')).inTwo(4000, 600000), false},
                                             {answer("200 OK", bomb), true}};  // loading, read through
    folder.filePath("Quendal.zip.part").toStdString().copy(gPartFile, sizeof gPartFile - 1);
    const auto raising = [](int signal, bool twice = false) {
        return Road{[signal] { std::raise(signal); }, 128 + signal, twice};
    };
    const Road roads[] = {
        {[] { ApplicationEventHandler(kApplicationMenu, kQuitItem); }, 0},
        {[this] { messenger.receiver({"QnDL", "TEXT", std::string(vocabulary::kQuitFromOrvanel)}); }, 0},
        {[] { platform::qt::menuHostWidget()->close(); }, 0},
        {[] { DefaultParamWndQuit(); }, 0},
        raising(SIGTERM), raising(SIGINT), raising(SIGHUP), raising(SIGINT, true)};
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) std::signal(signal, endingHere);  // as a terminal starts a program
    AgainAsTheCheckStops again;
    for (const auto& [route, reading] : phases)
        for (std::size_t road = 0; road < std::size(roads); ++road) {
            SCOPED_TRACE(testing::Message() << "road " << road << (reading ? " reading" : " loading"));
            server.routes["/downloads/apps/Quendal.zip"] = route;
            bool underWay = false;
            platform::setPreferenceStore(&prefs);
            platform::setMessageService(&messenger);
            QTimer::singleShot(0, [&] {
                QTimer::singleShot(0, [&] {  // the menu bar's window is made once the start has returned to the loop
                    platform::setFileService(&files);
                    if (roads[road].twice) platform::registerLayerZipChecks(&again);
                    SetUpdateServer(server.base());
                    state.update.PackageUnpackedLimit = int64_t(8) << 30;
                    Download(state.update.downloadURL.view());
                    underWay = QTest::qWaitFor([&] {
                        const auto& d = state.update.PackageDownload;
                        return d && (reading ? d->check != 0 : d->written > 0);
                    }, 20000);
                    roads[road].quit();
                });
            });
            char name[] = "quendal";
            char* argv[] = {name, nullptr};
            EXPECT_EQ(QuendalMain(1, argv), roads[road].status);
            platform::qt::installZipChecks();
            ASSERT_TRUE(underWay);
            EXPECT_EQ(std::exchange(gEndedLeavingPart, 0), 0);
            for (const int signal : {SIGTERM, SIGINT, SIGHUP}) EXPECT_EQ(std::signal(signal, endingHere), endingHere);
            EXPECT_TRUE(std::filesystem::is_empty(folder.path().toStdString()));
            EXPECT_FALSE(state.update.PackageDownload);
            EXPECT_EQ(state.update.PackagePhase, DownloadPhase::Failed);
            resetState();
        }
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) std::signal(signal, SIG_DFL);
}

}  // namespace
}  // namespace quendal::test
