// Two roads of the design flow through the real windows: a speaker
// connection sizes the vents for the power it brings, and Speaker Select
// gives the design back when it is not replaced.
#include <QFile>

#include "RoadsFixture.h"
#include "app/DesignDocument.h"
#include "model/DriverCheck.h"
#include "windows/DefaultParameters.h"

namespace quendal::test {
namespace {

using platform::qt::dispatchControlEvent;

class KeptDesign : public RoadsTest {
protected:
    void SetUp() override {
        RoadsTest::SetUp();
        prefs.put("InitSetupCheck", {"0"});
    }
    static void hit(int32_t window, int32_t control) {
        ASSERT_TRUE(platform::controlExists(window, control)) << window << " " << control;
        dispatchControlEvent(window, control, platform::ControlEventKind::Hit);
    }
    // The default driver's Vented Box at its first alignment, its input
    // power following the rated power.
    void ventedBox() {
        start();
        ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kDefaultParametersWindow); }, 5000));
        hit(kDefaultParametersWindow, 1);
        state.selection.SysSelTabNum = 1;
        state.selection.SysSelBtnNum = 3;
        hit(kSystemSelectWindow, 1);
        ASSERT_TRUE(platform::windowExists(kResponseWindow));
        ASSERT_EQ(state.power.InputPowerCheck, 1);
    }
    // Speaker Connect, the connection `steps` to the right, Select.
    void connect(int steps) {
        platform::qt::deliverCommand(kMiscMenu, 6);
        ASSERT_TRUE(platform::windowExists(kSpeakerConnectionSheet));
        for (int i = 0; i < steps; ++i)
            platform::qt::dispatchWindowEvent(
                {platform::WindowEventKind::KeyDown, kSpeakerConnectionSheet, 0, 0, 0, 0, platform::kRightArrowChar});
        hit(kSpeakerConnectionSheet, 1);
        ASSERT_FALSE(platform::windowExists(kSpeakerConnectionSheet));
    }
    std::string saved() {
        platform::qt::deliverCommand(kFileMenu, 5);
        if (documents.save) documents.saveTo(folder.filePath("Box.qndl").toStdString());
        QFile file(folder.filePath("Box.qndl"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll().toStdString();
    }
    static double minimumAreaCm2() { return state.vents.vent[1].CircPortSVmin; }

};

// Two drivers in parallel at their rated power each, in twice the box at the
// same tuning, move twice the air: the vent needs twice the area. One driver
// again needs the area of one.
TEST_F(KeptDesign, DualParallelDoublesTheMinimumVentAreaAndSingleHalvesItAgain) {
    ventedBox();
    const double single = minimumAreaCm2(), volume = state.box.VB, tuning = state.box.FB, power = state.power.PIN;
    ASSERT_GT(single, 0.0);

    connect(1);
    ASSERT_EQ(state.connection.SpConNum, 2);
    EXPECT_DOUBLE_EQ(state.power.PIN, 2.0 * power);
    EXPECT_NEAR(state.box.VB, 2.0 * volume, 0.01);
    EXPECT_NEAR(state.box.FB, tuning, 0.01);
    EXPECT_NEAR(minimumAreaCm2(), 2.0 * single, 1e-9 * single);
    EXPECT_GE(state.vents.vent[1].CircPortSV, minimumAreaCm2() * (1.0 - 1e-9));  // the automatic vent carries it
    EXPECT_EQ(state.shell.DirtyFlag, 1);

    connect(4);  // round to Single
    ASSERT_EQ(state.connection.SpConNum, 1);
    EXPECT_DOUBLE_EQ(state.power.PIN, power);
    EXPECT_NEAR(minimumAreaCm2(), single, 1e-9 * single);
}

// Speaker Select over a saved design: OK with the driver as it was gives the
// design back, as does System Select's Cancel after OK with another driver:
// its document is the one saved, unchanged.
TEST_F(KeptDesign, SpeakerSelectOkUnchangedOrWithdrawnThroughSystemSelectLeavesTheSavedDesign) {
    ventedBox();
    platform::qt::deliverCommand(alignmentMenuFor(1, 3), 2);
    const std::string before = saved();
    ASSERT_EQ(state.shell.DirtyFlag, 0);

    platform::qt::deliverCommand(kMiscMenu, 3);
    ASSERT_TRUE(platform::windowExists(kDefaultParametersWindow));
    hit(kDefaultParametersWindow, 1);
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_FALSE(platform::windowExists(kDefaultParametersWindow));
    EXPECT_EQ(encodeDesignDocument(state), before);
    EXPECT_EQ(state.shell.DirtyFlag, 0);

    platform::qt::deliverCommand(kMiscMenu, 3);
    platform::setControlText(kDefaultParametersWindow, defaultParamField(DriverField::FS), "45");
    hit(kDefaultParametersWindow, 1);
    ASSERT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_TRUE(platform::windowExists(kResponseWindow));  // kept until a design replaces it
    hit(kSystemSelectWindow, 2);
    ASSERT_TRUE(platform::windowExists(kResponseWindow));
    EXPECT_EQ(state.shell.DirtyFlag, 0);
    EXPECT_EQ(platform::windowFilePath(kResponseWindow), folder.filePath("Box.qndl").toStdString());
    EXPECT_EQ(saved(), before);
    EXPECT_DOUBLE_EQ(state.speaker.FS2, enteredDriverOf(state.speaker).FS);
    EXPECT_NE(state.speaker.FS2, 45.0);
}

}  // namespace
}  // namespace quendal::test
