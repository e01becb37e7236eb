// Quitting while the update's package loads or is read through: whatever
// road the quit takes, the check ends and nothing is left in Downloads.
#include <QTimer>

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
    const std::function<void()> roads[] = {
        [] { ApplicationEventHandler(kApplicationMenu, kQuitItem); },
        [this] { messenger.receiver({"QnDL", "TEXT", std::string(vocabulary::kQuitFromOrvanel)}); },
        [] { platform::qt::menuHostWidget()->close(); },
        [] { DefaultParamWndQuit(); }};
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
                    roads[road]();
                });
            });
            char name[] = "quendal";
            char* argv[] = {name, nullptr};
            EXPECT_EQ(QuendalMain(1, argv), 0);
            ASSERT_TRUE(underWay);
            EXPECT_TRUE(std::filesystem::is_empty(folder.path().toStdString()));
            EXPECT_FALSE(state.update.PackageDownload);
            EXPECT_EQ(state.update.PackagePhase, DownloadPhase::Failed);
            resetState();
        }
}

}  // namespace
}  // namespace quendal::test
