// An alignment that builds no real box for the driver is refused when it is
// chosen: the alert names the value, and the design in force stays, values,
// checked item and drawing.
#include <QFile>
#include <QTemporaryDir>

#include "AppFixture.h"
#include "app/CommandDispatch.h"
#include "app/DesignDocument.h"
#include "model/DriverCheck.h"
#include "support/AlertRecorder.h"
#include "windows/DefaultParameters.h"

namespace quendal::test {
namespace {

constexpr int32_t kSerialVentedAlignments = 17;

QByteArray drawing(const QTemporaryDir& folder) {
    const std::string path = folder.filePath("drawn.png").toStdString();
    EXPECT_TRUE(platform::writeWindowPng(kResponseWindow, path));
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

class AlignmentRefusal : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        platform::setDialogService(&alerts);  // sheets kept with their OK
    }
    AlertRecorder alerts;
};

TEST_F(AlignmentRefusal, SerialVentedType4OfAHighQDriverIsRefusedAndTheDesignInForceStays) {
    start();
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kDefaultParametersWindow); }, 5000));
    for (const auto& [field, text] : {std::pair{DriverField::FS, "50"}, {DriverField::VAS, "100"},
                                      {DriverField::QTS, "1.4"}, {DriverField::QES, "2.1538"}, {DriverField::QMS, "4"}})
        platform::setControlText(kDefaultParametersWindow, defaultParamField(field), text);
    press(kDefaultParametersWindow, Qt::Key_Return);
    ASSERT_TRUE(platform::windowExists(kSystemSelectWindow));
    state.selection.SysSelBtnNum = 5;  // Serial Vented
    press(kSystemSelectWindow, Qt::Key_Return);
    if (platform::windowExists(kInitialSetupSheet)) press(kInitialSetupSheet, Qt::Key_Return);
    ASSERT_TRUE(platform::windowExists(kResponseWindow));
    ASSERT_TRUE(alerts.sheets.empty());
    QCoreApplication::processEvents();

    QTemporaryDir folder;
    const std::string before = encodeDesignDocument(state);
    const QByteArray drawnBefore = drawing(folder);
    ApplicationEventHandler(kSerialVentedAlignments, 4);  // Type4: Fb1 -375 Hz, Fb2 -281.25 Hz
    ASSERT_EQ(alerts.sheets.size(), 1u);
    EXPECT_EQ(alerts.sheets[0].window, kResponseWindow);
    EXPECT_EQ(alerts.sheets[0].title, "ALERT!   Impossible alignment.  Fb1 is not above 0.");
    EXPECT_EQ(alerts.sheets[0].message, "For this driver the alignment gives Fb1 = -375.00 Hz.  ( Choose another alignment. )");
    EXPECT_FALSE(platform::isMenuItemEnabled(kFileMenu, 0));  // the menus wait for the alert
    EXPECT_TRUE(encodeDesignDocument(state) == before);
    EXPECT_EQ(state.selection.Alin, 1);
    EXPECT_TRUE(platform::isMenuItemChecked(kSerialVentedAlignments, 1));
    EXPECT_FALSE(platform::isMenuItemChecked(kSerialVentedAlignments, 4));
    QCoreApplication::processEvents();
    EXPECT_TRUE(drawing(folder) == drawnBefore);
    alerts.pressOk();
    EXPECT_EQ(state.shell.SheetWndFlag, 0);
    EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));
    ApplicationEventHandler(kSerialVentedAlignments, 5);  // Custom takes the values in force
    EXPECT_TRUE(state.selection.Alin == 5 && state.box.FB1 > 0.0 && state.box.FB2 > 0.0);
}

}  // namespace
}  // namespace quendal::test
