// Quitting while the update's package loads or is read through: whatever
// road the quit takes, a logout, Ctrl+C or a kill's included, the check
// ends and nothing is left in Downloads.
#include <QTimer>

#include <csignal>
#include <filesystem>
#include <functional>

#include "AppFixture.h"
#include "app/CommandDispatch.h"
#include "app/UpdateCheck.h"
#include "model/MessageVocabulary.h"
#include "support/LocalServer.h"
#include "support/PackageFiles.h"
#include "windows/DefaultParameters.h"

namespace quendal::test {
namespace {

TEST_F(AppTest, EveryRoadOutDuringTheUpdateEndsTheCheckAndLeavesNothingInDownloads) {
    LocalServer server;
    QTemporaryDir folder;
    FolderFiles files;
    files.folders[platform::UserFolder::Downloads] = folder.path().toStdString();
    const QByteArray bomb = QByteArray::fromStdString(zipOfZeros(5, int64_t(1) << 30));  // read whole: seconds
    const std::pair<Route, bool> phases[] = {{answer("200 OK", QByteArray(300000, 'z')).inTwo(4000, 600000), false},
                                             {answer("200 OK", bomb), true}};  // loading, read through
    const auto raising = [](int signal) { return std::pair{[signal] { std::raise(signal); }, 128 + signal}; };
    const std::pair<std::function<void()>, int> roads[] = {  // the road, the program's exit status
        {[] { ApplicationEventHandler(kApplicationMenu, kQuitItem); }, 0},
        {[this] { messenger.receiver({"QnDL", "TEXT", std::string(vocabulary::kQuitFromOrvanel)}); }, 0},
        {[] { platform::qt::menuHostWidget()->close(); }, 0},
        {[] { DefaultParamWndQuit(); }, 0},
        raising(SIGTERM), raising(SIGINT), raising(SIGHUP)};
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) std::signal(signal, SIG_DFL);  // as a terminal starts a program
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
                    SetUpdateServer(server.base());
                    state.update.PackageUnpackedLimit = int64_t(8) << 30;
                    Download(state.update.downloadURL.view());
                    underWay = QTest::qWaitFor([&] {
                        const auto& d = state.update.PackageDownload;
                        return d && (reading ? d->check != 0 : d->written > 0);
                    }, 20000);
                    roads[road].first();
                });
            });
            char name[] = "quendal";
            char* argv[] = {name, nullptr};
            EXPECT_EQ(QuendalMain(1, argv), roads[road].second);
            ASSERT_TRUE(underWay);
            for (const int signal : {SIGTERM, SIGINT, SIGHUP}) EXPECT_EQ(std::signal(signal, SIG_DFL), SIG_DFL);
            EXPECT_TRUE(std::filesystem::is_empty(folder.path().toStdString()));
            EXPECT_FALSE(state.update.PackageDownload);
            EXPECT_EQ(state.update.PackagePhase, DownloadPhase::Failed);
            resetState();
        }
}

}  // namespace
}  // namespace quendal::test
