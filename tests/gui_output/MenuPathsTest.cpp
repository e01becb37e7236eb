// Printing, the snapshot and the update check reached as a user reaches
// them: through the program's menus and its own command rows.
#include <algorithm>
#include <filesystem>

#include <QFileInfo>
#include <QTest>

#include "app/CommandDispatch.h"
#include "app/MenuBar.h"
#include "app/UpdateCheck.h"
#include "gui_output/OutputFixture.h"
#include "view/ResponseRedraw.h"
#include "windows/UpdateWindow.h"

namespace quendal::test {
namespace {

constexpr int32_t kPrintItem = 10;             // File > "Print..."
constexpr int32_t kSnapshotResponseItem = 14;  // Response > "Snapshot Response..."

class MenuPaths : public OutputTest {
protected:
    void SetUp() override {
        OutputTest::SetUp();
        platform::setPrintService(&printer);
        platform::setImageSaveService(&saving);
        platform::setSoundService(&shutter);
        printer.path = tempPath("page.pdf");
        InstallApplicationHandler();
        openDesign();
        InitMenu16();
    }
    bool sent(std::string_view text) const {
        const std::vector<std::string> texts = messenger.texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    PdfPrinter printer;
    ImageSaveDouble saving;
    SoundDouble shutter;
};

TEST_F(MenuPaths, FilePrintPrintsThePageIntoThePdfTheDialogChose) {
    EXPECT_EQ(platform::sendCommand(kFileMenu, kPrintItem), platform::kHandled);
    ASSERT_EQ(printer.requests.size(), 1u);
    EXPECT_EQ(printer.requests[0].window, kResponseWindow);
    printer.print(1, 1);
    EXPECT_EQ(printer.pages, 1);
    EXPECT_GT(QFileInfo(QString::fromStdString(printer.path)).size(), 0);
    EXPECT_TRUE(dialogs.alerts.empty());
    EXPECT_EQ(state.print.PrintDialogFlag, 0);
}

TEST_F(MenuPaths, SnapshotResponseSavesThePictureWhereTheUserSays) {
    EXPECT_EQ(platform::sendCommand(kResponseMenu, kSnapshotResponseItem), platform::kHandled);
    ASSERT_EQ(saving.proposals.size(), 1u);
    const std::string path = tempPath("shot.png");
    saving.answer(path);
    EXPECT_GT(QFileInfo(QString::fromStdString(path)).size(), 0);
    EXPECT_EQ(state.print.SnapNum, 1);
}

TEST_F(MenuPaths, StopAfterAPictureThatCannotBeWrittenQuitsTheProgram) {
    platform::sendCommand(kResponseMenu, kSnapshotResponseItem);
    saving.answer(root());  // a folder, not a file
    ASSERT_EQ(saving.questions, std::vector<std::string>{"The snapshot could not be saved."});
    ASSERT_TRUE(saving.stopAnswer);
    saving.stopAnswer(true);
    // The quit path: the siblings are told, as at every quit.
    EXPECT_TRUE(sent("QuitQndl"));
    EXPECT_TRUE(sent("Now I Closed"));
}

TEST_F(MenuPaths, CheckForUpdatesWithoutAServerSaysSoAndWritesNothing) {
    SetUpdateServer("");
    const std::vector<std::string> before = filesWritten();
    EXPECT_EQ(platform::sendCommand(kApplicationMenu, kCheckForUpdatesItem), platform::kHandled);
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kUpdateWindow); }, 20000));
    EXPECT_EQ(platform::controlText(kUpdateWindow, kUpdateHeadline), "No Update Server.");
    EXPECT_EQ(platform::controlText(kUpdateWindow, kUpdateDetail), "This build has no update server.");
    EXPECT_EQ(filesWritten(), before);
}

}  // namespace
}  // namespace quendal::test

namespace quendal::test {
namespace {

// A printed impedance page keeps the scale the screen found; the screen
// searches it again.
TEST_F(MenuPaths, APrintedImpedancePageKeepsTheScaleOfTheScreen) {
    state.view.s_Resp = "imp";
    state.scales.IMPscal = 0.37;
    platform::sendCommand(kFileMenu, kPrintItem);
    printer.print(1, 1);
    ASSERT_EQ(printer.pages, 1);
    EXPECT_EQ(state.scales.IMPscal, 0.37);
    ResponsePlot();
    EXPECT_NE(state.scales.IMPscal, 0.37);
}

}  // namespace
}  // namespace quendal::test
