// The floating palettes never cover a dialog: while a file dialog, an
// alert, the save question or a numbered dialog or sheet is shown they are
// off the screen, though the program still counts them shown, and they come
// back once the last dialog has gone.
#include <QApplication>
#include <QDialog>
#include <QTest>

#include <functional>

#include "platform/PlatformFixture.h"
#include "platform/qt/WindowFrame.h"

namespace quendal::test {
namespace {

constexpr platform::WindowNumber kDocument = 7, kInfoPalette = 8, kCustomPalette = 9, kNumbered = 40;

bool onScreen(platform::WindowNumber window) { return platform::qt::windowWidget(window)->isVisible(); }

// The dialog the layer shows last, as the widget it is.
QDialog* shownDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible()) return dialog;
    return nullptr;
}

void rejectShownDialog() {
    if (QDialog* dialog = shownDialog()) dialog->reject();
}

class PaletteAside : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        platform::setDocumentDialogService(nullptr);  // the layer's own dialogs
        openResponseWindow();
        for (platform::WindowNumber palette : {kInfoPalette, kCustomPalette}) {
            ASSERT_TRUE(platform::createWindow(palette, platform::WindowKind::FloatingPalette, {120, 500, 400, 700}, "Palette"));
            platform::showWindow(palette);
        }
    }
    void TearDown() override {
        while (shownDialog() != nullptr) rejectShownDialog();
        PlatformTest::TearDown();
    }
    bool palettesBack() {
        return QTest::qWaitFor([] { return onScreen(kInfoPalette) && onScreen(kCustomPalette); }, 5000);
    }
};

TEST_F(PaletteAside, EveryDialogSendsThePalettesAsideUntilItHasGone) {
    int answers = 0;
    const struct Row {
        const char* name;
        std::function<void()> open, close;
    } rows[] = {
        {"the Save dialog",
         [&] { platform::documentDialogs().chooseFileToSave({kDocument, "Save As", "x", folder.path().toStdString(), "qndl"},
                                                            [&](std::optional<std::string>) { ++answers; }); },
         rejectShownDialog},
        {"the Open dialog",
         [&] { platform::documentDialogs().chooseFileToOpen({"Open", {}, folder.path().toStdString()},
                                                            [&](std::optional<std::string>) { ++answers; }); },
         rejectShownDialog},
        {"an alert sheet", [&] { platform::showSheetAlert(kDocument, "ALERT!", "Why.", [&] { ++answers; }); },
         rejectShownDialog},
        {"the save question",
         [&] { platform::documentDialogs().askSaveChanges(kDocument, "Design", [&](platform::SaveChangesAnswer) { ++answers; }); },
         rejectShownDialog},
        {"a numbered sheet",
         [&] {
             ASSERT_TRUE(platform::createWindow(kNumbered, platform::WindowKind::Sheet, {0, 0, 160, 360}, "Sheet", kDocument));
             platform::showWindow(kNumbered);
             ++answers;
         },
         [] { platform::closeWindow(kNumbered); }},
        {"a numbered dialog",
         [&] {
             ASSERT_TRUE(platform::createWindow(kNumbered, platform::WindowKind::Dialog, {0, 0, 160, 360}, "Dialog"));
             platform::showWindow(kNumbered);
             ++answers;
         },
         [] { platform::hideWindow(kNumbered); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(onScreen(kInfoPalette) && onScreen(kCustomPalette));
        const int before = answers;
        row.open();
        EXPECT_TRUE(platform::qt::dialogShown());
        EXPECT_FALSE(onScreen(kInfoPalette));
        EXPECT_FALSE(onScreen(kCustomPalette));
        // As far as the program goes, its palettes are still shown.
        EXPECT_TRUE(platform::isWindowVisible(kInfoPalette));
        EXPECT_TRUE(platform::isWindowVisible(kCustomPalette));
        row.close();
        EXPECT_TRUE(palettesBack());
        EXPECT_FALSE(platform::qt::dialogShown());
        EXPECT_EQ(answers, before + 1);  // the dialog answered as ever
        platform::closeWindow(kNumbered);
    }
}

// What the program does with a palette while a dialog is up holds: one it
// shows comes only after the dialog, one it hides stays hidden.
TEST_F(PaletteAside, ThePaletteShownOrHiddenUnderADialogIsAsTheProgramLeftIt) {
    platform::hideWindow(kInfoPalette);
    platform::showSheetAlert(kDocument, "ALERT!", "Why.", {});
    platform::showWindow(kInfoPalette);
    platform::hideWindow(kCustomPalette);
    EXPECT_FALSE(onScreen(kInfoPalette));
    EXPECT_TRUE(platform::isWindowVisible(kInfoPalette));
    EXPECT_FALSE(platform::isWindowVisible(kCustomPalette));
    rejectShownDialog();
    EXPECT_TRUE(QTest::qWaitFor([] { return onScreen(kInfoPalette); }, 5000));
    QTest::qWait(20);
    EXPECT_FALSE(onScreen(kCustomPalette));
    EXPECT_FALSE(platform::isWindowVisible(kCustomPalette));
}

// A dialog followed at once by another (the Save dialog by its question
// whether to replace) keeps the palettes aside in between.
TEST_F(PaletteAside, ADialogFollowedByAnotherNeverUncoversThePalettes) {
    int paletteShows = 0;
    struct Counter : QObject {
        int* shows;
        explicit Counter(int* s) : shows(s) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Show) ++*shows;
            return false;
        }
    } counter(&paletteShows);
    platform::qt::windowWidget(kCustomPalette)->installEventFilter(&counter);
    platform::showSheetAlert(kDocument, "First", "One.", [this] { platform::showSheetAlert(kDocument, "Second", "Two.", {}); });
    rejectShownDialog();
    QTest::qWait(50);
    EXPECT_EQ(paletteShows, 0);
    EXPECT_FALSE(onScreen(kCustomPalette));
    rejectShownDialog();
    EXPECT_TRUE(palettesBack());
    EXPECT_EQ(paletteShows, 1);
    platform::qt::windowWidget(kCustomPalette)->removeEventFilter(&counter);
}

}  // namespace
}  // namespace quendal::test
