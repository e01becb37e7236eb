// A key held down on a desktop: the window a key press opened takes the
// keyboard at once, and the key's repeats and release then arrive there.
// They act in no window but the one the key was pressed in.
#include <functional>
#include <optional>

#include <QDir>
#include <QKeyEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>

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
    static QStringList files() { return QDir(QDir::homePath()).entryList(QDir::Files | QDir::NoDotAndDotDot); }
    // Held past the keyboard's repeat delay while the window it opened
    // takes the keyboard. The X server stamps each repeat's release and
    // press at one instant, which the toolkit pairs only when it reads both
    // at once: here each comes on its own into the window with the
    // keyboard, stamped as the server stamps them, as when it reads them
    // apart on a busy machine.
    static void heldInto(const char* name, Qt::Key held, const std::function<QWidget*()>& opened) {
        PressStamp stamp(held);
        xdotool({"keydown", name});
        // Given the keyboard as a window manager may, once it is on the screen.
        const bool shown = QTest::qWaitFor(
            [&opened] { return opened() != nullptr && opened()->isVisible() && opened()->windowHandle()->isExposed(); },
            kActivationMs);
        const QString window = shown ? QString::number(opened()->winId()) : QString();
        const bool active = shown && QTest::qWaitFor(
                                         [&opened, &window] {
                                             QProcess focus;
                                             focus.start(QStringLiteral("xdotool"), {"windowfocus", "--sync", window});
                                             focus.waitForFinished(kAtMost);
                                             settle();
                                             return opened()->isActiveWindow();
                                         },
                                         kActivationMs);
        if (!active || !stamp.at) xdotool({"keyup", name});
        ASSERT_TRUE(active);
        ASSERT_TRUE(stamp.at) << "the press arrived";
        constexpr quint64 kDelayMs = 660, kIntervalMs = 40;  // the server's repeat delay and interval
        for (quint64 repeat = 0; repeat < 20; ++repeat) {
            const quint64 at = *stamp.at + kDelayMs + repeat * kIntervalMs;
            for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
                QKeyEvent half(type, held, Qt::NoModifier, type == QEvent::KeyPress ? QStringLiteral("\r") : QString());
                half.setTimestamp(at);
                if (QWindow* keys = QGuiApplication::focusWindow()) QCoreApplication::sendEvent(keys, &half);
            }
        }
        xdotool({"keyup", name});
        settle();
    }
    // The server's stamp on the key's first press.
    struct PressStamp : QObject {
        explicit PressStamp(Qt::Key key) : key_(key) { QCoreApplication::instance()->installEventFilter(this); }
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (!at && watched->isWindowType() && event->type() == QEvent::KeyPress &&
                static_cast<QKeyEvent*>(event)->key() == key_)
                at = static_cast<QKeyEvent*>(event)->timestamp();
            return false;
        }
        Qt::Key key_;
        std::optional<quint64> at;
    };
};

// Return held where it opens a window acts in that window alone: the
// window it opens stands, whatever the repeats and the release press.
TEST_F(HeldKey, ReturnHeldActsOnlyInTheWindowItWentDownIn) {
    const struct {
        const char* road;
        std::function<void()> setUp;
        int32_t stands;  // 0: the layer's save dialog
    } rows[] = {
        {"Speaker Select at the start",
         [this] {
             start();
             ASSERT_TRUE(activeWithKeyboard(kDefaultParametersWindow));
         },
         kSystemSelectWindow},
        {"Ctrl+W's save question",
         [this] {
             platform::setDocumentDialogService(nullptr);  // the layer's own question and dialog
             ventedBox();
             state.shell.DirtyFlag = 1;
             state.document.DontSaveChanges.clear();
             platform::qt::deliverCommand(kFileMenu, 3);  // Close, Ctrl+W
             ASSERT_TRUE(QTest::qWaitFor([] { return question() != nullptr && question()->isActiveWindow(); },
                                         kActivationMs));
         },
         0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.road);
        TearDown();
        SetUp();
        const QStringList before = files();
        row.setUp();
        settle();
        heldInto("Return", Qt::Key_Return, [&row]() -> QWidget* {
            return row.stands != 0 ? platform::qt::windowWidget(row.stands) : fileDialog();
        });
        if (row.stands != 0) {
            EXPECT_TRUE(activeWithKeyboard(row.stands));
            EXPECT_FALSE(platform::windowExists(kResponseWindow));
        } else {
            EXPECT_TRUE(QTest::qWaitFor([] { return fileDialog() != nullptr && fileDialog()->isActiveWindow(); },
                                        kActivationMs));
            EXPECT_TRUE(platform::windowExists(kResponseWindow));
        }
        EXPECT_EQ(files().join(" ").toStdString(), before.join(" ").toStdString());
        if (fileDialog() != nullptr) key("Escape");
    }
}

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
