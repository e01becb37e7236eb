// A design handed over by the file manager or a second start while a
// dialog holds a value the user typed and has not confirmed: the design
// waits for the dialog, so that nothing typed there goes.
#include <QAbstractButton>
#include <QFile>

#include "DesktopFixture.h"
#include "app/DesktopDocuments.h"
#include "windows/PageSetup.h"
#include "windows/PreferencesWindow.h"

namespace quendal::test {
namespace {

class HandedDocument : public DesktopTest {};

// The dialog stays, the value typed in it; the design opens once OK has
// taken the value, and the value holds.
TEST_F(HandedDocument, WaitsUntilTheDialogHasClosedWithWhatWasTypedInIt) {
    const struct {
        const char* dialog;
        std::function<void()> open;
        int32_t window, field, ok;
        const char* typed;
        std::function<double()> taken;
    } rows[] = {
        {"Preferences", [] { platform::qt::deliverCommand(kApplicationMenu, kPreferencesItem); }, kPreferencesWindow,
         kInputPowerField, kPreferencesOK, "25", [] { return state.power.InputPower; }},
        {"Page Setup", [] { platform::qt::deliverCommand(kFileMenu, 9); }, kPageSetupSheet, kScaleField,
         kPageSetupOK, "50", [] { return state.print.GPrintScale; }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dialog);
        TearDown();
        SetUp();
        prefs.put("InputPowerCheck", {"0"});  // the input power typed, not the driver's rating
        ventedBox();
        ProgramState handed = state;
        handed.shell.LVP = 35.0;
        const QString file = folder.filePath(QStringLiteral("Handed.qndl"));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        const std::string bytes = encodeDesignDocument(handed);
        out.write(bytes.data(), qint64(bytes.size()));
        out.close();

        row.open();
        ASSERT_TRUE(activeWithKeyboard(row.window));
        click(platform::qt::controlWidget(row.window, row.field));
        xdotool({"key", "ctrl+a", "type", row.typed});
        ReceiveHandedDocuments({file.toStdString()});
        settle();  // the program looks for it every tenth of a second
        EXPECT_TRUE(platform::windowExists(row.window));
        EXPECT_EQ(platform::controlText(row.window, row.field), row.typed);
        EXPECT_NE(state.shell.LVP, 35.0);

        click(platform::qt::controlWidget(row.window, row.ok));
        ASSERT_TRUE(QTest::qWaitFor(
            [] {
                // A design the dialog changed asks first; not saved.
                if (QMessageBox* asks = question()) {
                    for (QAbstractButton* button : asks->buttons())
                        if (button->text().remove('&') == "Don't Save") button->click();
                }
                return state.shell.LVP == 35.0 && state.document.FileOpenTimer == 0;
            },
            kAtMost));
        EXPECT_FALSE(platform::windowExists(row.window));
        EXPECT_EQ(row.taken(), std::stod(row.typed));
    }
}

}  // namespace
}  // namespace quendal::test
