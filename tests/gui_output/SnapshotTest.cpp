// The snapshot of the response window: what it captures, how its files are
// named and numbered, the shutter, and a picture that cannot be written.
#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QTest>

#include "windows/ResponseTitle.h"
#include "app/Snapshot.h"
#include "gui_output/OutputFixture.h"
#include "view/QuartzDraw.h"

namespace quendal::test {
namespace {

class SnapshotTest : public OutputTest {
protected:
    void SetUp() override {
        OutputTest::SetUp();
        platform::setImageSaveService(&saving);
        platform::setSoundService(&shutter);
        openDesign();
    }
    // Fills the response window's drawing with one colour.
    void paint(double red, double green, double blue) {
        DrawingState& d = state.draw;
        d.RedCol = red, d.GrnCol = green, d.BleCol = blue;
        d.s_FrameFill = "Fill";
        state.point.xx1 = 0, state.point.yy1 = 0, state.point.xx = 540, state.point.yy = 390;
        QuartzDrawRect(kResponseWindow);
    }
    ImageSaveDouble saving;
    SoundDouble shutter;
};

TEST_F(SnapshotTest, SavesTheWindowAsItWasWhenTakenNotAsItIsWhenSaved) {
    paint(1, 0, 0);
    SnapShot();
    ASSERT_EQ(saving.proposals.size(), 1u);
    EXPECT_EQ(saving.titles[0], "Save This Png File As...");
    EXPECT_EQ(state.shell.InterceptEvHnd, 1);
    paint(0, 0, 1);  // the page changes while the dialog is up
    const std::string path = tempPath("shot.png");
    saving.answer(path);
    const QImage saved(QString::fromStdString(path));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), platform::qt::contentWidget(kResponseWindow)->size());
    EXPECT_EQ(rgbAt(saved, 200, 200), 0xFF0000u);
    EXPECT_EQ(state.shell.InterceptEvHnd, 0);
    EXPECT_EQ(state.print.SnapNum, 1);
}

TEST_F(SnapshotTest, NamesCountTheSavedSnapshotsAndACancelGivesItsNumberBack) {
    state.speaker.s_SP = "AB/CD";
    SnapShot();
    saving.answer(tempPath("1.png"));
    SnapShot();
    saving.answer(std::nullopt);  // cancelled
    EXPECT_EQ(state.shell.InterceptEvHnd, 0);
    SnapShot();
    saving.answer(tempPath("2.png"));
    ASSERT_EQ(saving.proposals.size(), 3u);
    const std::string title(SetResponseTitle());
    EXPECT_EQ(saving.proposals[0], "AB-CD_" + title + "_1.png");
    EXPECT_EQ(saving.proposals[1], "AB-CD_" + title + "_2.png");
    EXPECT_EQ(saving.proposals[2], "AB-CD_" + title + "_2.png");
    EXPECT_EQ(state.print.SnapNum, 2);
}

TEST_F(SnapshotTest, TheShutterSoundsOnlyWhenThePreferenceAsks) {
    SnapShot();
    saving.answer(std::nullopt);
    ASSERT_EQ(shutter.played.size(), 1u);
    EXPECT_EQ(shutter.played[0], ShutterSamples(kShutterSampleRate));
    EXPECT_EQ(shutter.rates[0], kShutterSampleRate);
    state.prefs.SoundCheck = 0;
    SnapShot();
    EXPECT_EQ(shutter.played.size(), 1u);
    EXPECT_EQ(saving.proposals.size(), 2u) << "without the sound the picture is taken all the same";
    // A second snapshot while the first one's dialog is up is refused.
    SnapShot();
    EXPECT_EQ(saving.proposals.size(), 2u);
    EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(SnapshotTest, APictureThatCannotBeWrittenAsksWhetherToStop) {
    SnapShot();
    saving.answer(root());  // a folder, not a file
    ASSERT_EQ(saving.questions, std::vector<std::string>{"The snapshot could not be saved."});
    EXPECT_EQ(state.print.SnapNum, 0) << "nothing was saved";
    EXPECT_EQ(state.shell.InterceptEvHnd, 0);
    saving.stopAnswer(false);  // Continue
    EXPECT_TRUE(platform::windowExists(kResponseWindow));
    SnapShot();
    EXPECT_EQ(saving.proposals.back().substr(saving.proposals.back().size() - 6), "_1.png");
}

TEST_F(SnapshotTest, TheLayersSaveDialogProposesTheNameAndItsCancelSavesNothing) {
    platform::setImageSaveService(nullptr);
    SnapShot();
    QFileDialog* dialog = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        dialog = platform::qt::windowWidget(kResponseWindow)->findChild<QFileDialog*>();
        return dialog != nullptr && dialog->isVisible();
    }, 10000));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save This Png File As..."));
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    ASSERT_FALSE(dialog->selectedFiles().isEmpty());
    EXPECT_TRUE(dialog->selectedFiles().front().endsWith(QStringLiteral("_1.png"))) << dialog->selectedFiles().front().toStdString();
    dialog->reject();
    EXPECT_TRUE(QTest::qWaitFor([] { return state.print.SnapSaveFlag == 0; }, 10000));
    EXPECT_EQ(state.print.SnapNum, 0);

    // A dialog that goes with its window counts as cancelled.
    SnapShot();
    EXPECT_EQ(state.shell.InterceptEvHnd, 1);
    platform::closeWindow(kResponseWindow);
    EXPECT_TRUE(QTest::qWaitFor([] { return state.print.SnapSaveFlag == 0; }, 10000));
    EXPECT_EQ(state.shell.InterceptEvHnd, 0);
    EXPECT_EQ(state.print.SnapNum, 0);
}

TEST_F(SnapshotTest, TheLayersShutterPlaysWithoutWaitingWhereThereIsNoAudioOutput) {
    platform::setSoundService(nullptr);
    platform::sound().playSamples(ShutterSamples(kShutterSampleRate), kShutterSampleRate);
    platform::sound().playSamples({}, kShutterSampleRate);
    SnapShot();
    EXPECT_EQ(saving.proposals.size(), 1u);
}

}  // namespace
}  // namespace quendal::test
