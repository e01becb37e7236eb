// A key held down on a desktop: the window a key press opened takes the
// keyboard at once, and the key's repeats and release then arrive there.
// They act in no window but the one the key was pressed in.
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include "DesktopFixture.h"
#include "palette/CustomPalette.h"

namespace quendal::test {
namespace {

class HeldKey : public DesktopTest {
protected:
    static QFileDialog* fileDialog() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog != nullptr && dialog->isVisible())
                return dialog;
        return nullptr;
    }
    static QStringList pictures() {
        return QDir(QDir::homePath()).entryList({"*.png", "*.PNG"}, QDir::Files);
    }
};

// Return held on the palette's Snap opens the dialog that asks where to
// save the picture, once: its repeats and its release press nothing there,
// and nothing is written. A fresh press of Return in the dialog saves.
TEST_F(HeldKey, ReturnHeldOnAButtonThatOpensADialogPressesNothingInIt) {
    ventedBox();
    platform::setImageSaveService(nullptr);  // the layer's own dialog
    QWidget* snap = platform::qt::controlWidget(kCustomPalette, kPaletteSnapButton);
    ASSERT_NE(snap, nullptr);
    // The user clicks into the palette, which has no field at this
    // alignment, and takes Snap with Tab.
    QWidget* palette = platform::qt::windowWidget(kCustomPalette);
    clickAt(palette->mapToGlobal(QPoint(3, palette->height() - 3)));
    ASSERT_TRUE(activeWithKeyboard(kCustomPalette));
    snap->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(snap->hasFocus());
    // Held past the keyboard's repeat delay (660 ms) for a dozen repeats,
    // then a letter typed at once: the name field has it.
    xdotool({"keydown", "Return", "sleep", "1.2", "keyup", "Return", "key", "q"});
    settle();
    ASSERT_TRUE(QTest::qWaitFor([] { return fileDialog() != nullptr; }, kActivationMs));
    EXPECT_TRUE(QTest::qWaitFor([] { return fileDialog() != nullptr && fileDialog()->isActiveWindow(); },
                                kActivationMs));
    EXPECT_EQ(pictures(), QStringList());
    const auto* name = fileDialog()->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->text().contains('q')) << name->text().toStdString();
    key("Return");
    EXPECT_TRUE(QTest::qWaitFor([] { return fileDialog() == nullptr; }, kActivationMs));
    EXPECT_EQ(pictures().size(), 1);
}

}  // namespace
}  // namespace quendal::test
