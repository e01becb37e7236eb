// The floating palettes never cover a dialog: while one is shown they are
// off the screen, the program still counting them shown, and they come back
// once the last dialog has gone.
#include <QApplication>
#include <QDialog>
#include <QTest>

#include "platform/PlatformFixture.h"
#include "platform/qt/WindowFrame.h"

namespace quendal::test {
namespace {

bool onScreen(platform::WindowNumber window) { return platform::qt::windowWidget(window)->isVisible(); }

void rejectShownDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible()) return dialog->reject();
}

TEST_F(PlatformTest, EveryDialogSendsThePalettesAsideUntilTheLastHasGone) {
    openResponseWindow();
    for (platform::WindowNumber palette : {8, 9}) {
        ASSERT_TRUE(platform::createWindow(palette, platform::WindowKind::FloatingPalette, {120, 500, 400, 700}, "Palette"));
        platform::showWindow(palette);
    }
    platform::setDocumentDialogService(nullptr);  // the layer's own dialogs
    auto& files = platform::documentDialogs();
    int answers = 0;
    const std::function<void()> opens[] = {
        [&] { files.chooseFileToSave({7, "Save", "x", folder.path().toStdString(), "qndl"}, [&](auto) { ++answers; }); },
        [&] { files.chooseFileToOpen({"Open", {}, folder.path().toStdString()}, [&](auto) { ++answers; }); },
        [&] { files.askSaveChanges(7, "Design", [&](auto) { ++answers; }); },
        // An alert whose OK brings another at once: the palettes stay aside in between.
        [&] { platform::showSheetAlert(7, "First", "", [&] { platform::showSheetAlert(7, "Then", "", [&] { ++answers; }); }); },
        [&] { platform::createWindow(40, platform::WindowKind::Sheet, {0, 0, 160, 360}, "Sheet", 7); },
        [&] { platform::createWindow(40, platform::WindowKind::Dialog, {0, 0, 160, 360}, "Dialog"); }};
    for (std::size_t row = 0; row < std::size(opens); ++row) {
        SCOPED_TRACE(row);
        opens[row]();
        platform::showWindow(40);
        EXPECT_FALSE(onScreen(8) || onScreen(9));
        EXPECT_TRUE(platform::isWindowVisible(8) && platform::isWindowVisible(9));
        platform::hideWindow(8);  // what the program does meanwhile holds
        platform::showWindow(8);
        rejectShownDialog();
        QCoreApplication::sendPostedEvents();  // the turn of the loop the palettes wait for, once the dialog hid
        EXPECT_EQ(onScreen(9), row < 3);  // the second alert, or the numbered window, still stands
        rejectShownDialog();
        platform::closeWindow(40);
        EXPECT_TRUE(QTest::qWaitFor([] { return onScreen(8) && onScreen(9); }, 5000));
        EXPECT_FALSE(platform::qt::dialogShown());
    }
    EXPECT_EQ(answers, 4);
    platform::showSheetAlert(7, "Alert", "", {});
    platform::hideWindow(9);
    rejectShownDialog();
    EXPECT_TRUE(QTest::qWaitFor([] { return onScreen(8); }, 5000));
    EXPECT_FALSE(onScreen(9) || platform::isWindowVisible(9));
}

}  // namespace
}  // namespace quendal::test
