// The program started again while another program's window stands in
// front: the program's windows come forward together, above the other
// program, and the keyboard returns where the user was, a dialog in front
// of a design included; a minimized program comes back onto the screen.
#include <QProcess>

#include "DesktopFixture.h"
#include "app/DesktopDocuments.h"
#include "palette/CustomPalette.h"
#include "windows/PreferencesWindow.h"

namespace quendal::test {
namespace {

class StartedAgain : public DesktopTest {
protected:
    void TearDown() override {
        if (other_.state() != QProcess::NotRunning) {
            other_.kill();
            other_.waitForFinished(kAtMost);
        }
        DesktopTest::TearDown();
    }
    // Another program's window takes the front and the keyboard.
    void anotherProgramInFront() {
        other_.start(QStringLiteral("xmessage"), {"-center", "another program"});
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == nullptr; }, kActivationMs));
        settle();
    }
    // The top-level windows from the bottom up, as the window manager stacks them.
    static QStringList stacking() {
        QProcess prop;
        prop.start(QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"});
        prop.waitForFinished(kAtMost);
        const QString text = QString::fromLatin1(prop.readAllStandardOutput());
        QStringList windows;
        for (const QString& id : text.mid(text.indexOf('#') + 1).split(',', Qt::SkipEmptyParts))
            windows << QString::number(id.trimmed().toULongLong(nullptr, 16));
        return windows;
    }
    // Whether the window stands above the other program's window.
    bool aboveTheOtherProgram(int32_t window) const {
        QProcess search;
        search.start(QStringLiteral("xdotool"), {"search", "--pid", QString::number(other_.processId())});
        search.waitForFinished(kAtMost);
        const QStringList others = QString::fromLatin1(search.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        const QStringList order = stacking();
        const qsizetype at = order.indexOf(QString::number(platform::qt::windowWidget(window)->winId()));
        for (const QString& other : others)
            if (order.contains(other) && order.indexOf(other) > at) return false;
        return at >= 0;
    }

    // Whether the window manager states the window minimized on the X server.
    static bool hiddenOnTheServer(int32_t window) {
        QProcess prop;
        prop.start(QStringLiteral("xprop"),
                   {"-id", QString::number(platform::qt::windowWidget(window)->winId()), "_NET_WM_STATE"});
        prop.waitForFinished(kAtMost);
        return prop.readAllStandardOutput().contains("_NET_WM_STATE_HIDDEN");
    }

    QProcess other_;
};

TEST_F(StartedAgain, BringsTheProgramForwardWithTheKeyboardWhereTheUserWas) {
    const struct {
        const char* road;
        std::function<void()> setUp;
        int32_t window, control;
        const char* typed;
        std::function<void()> check;
    } rows[] = {
        {"Preferences over Speaker Select with a design waiting",
         [] {
             platform::qt::deliverCommand(kMiscMenu, 3);
             ASSERT_TRUE(activeWithKeyboard(kDefaultParametersWindow));
             platform::qt::deliverCommand(kApplicationMenu, kPreferencesItem);
             ASSERT_TRUE(activeWithKeyboard(kPreferencesWindow));
         },
         kPreferencesWindow, kInputPowerField, "7",
         [] { EXPECT_EQ(platform::controlText(kPreferencesWindow, kInputPowerField), "7"); }},
        {"typing in the palette",
         [] {
             platform::qt::deliverCommand(alignmentMenuFor(1, 3), 4);  // the custom alignment
             settle();
             click(platform::qt::controlWidget(kCustomPalette, kPaletteFirstField));
             xdotool({"key", "ctrl+a", "type", "6"});
         },
         kCustomPalette, kPaletteFirstField, "5",
         [] { EXPECT_EQ(platform::controlText(kCustomPalette, kPaletteFirstField), "65"); }},
        {"the response window clicked",
         [] {
             const QWidget* response = platform::qt::windowWidget(kResponseWindow);
             clickAt(response->mapToGlobal(response->rect().center()));
             ASSERT_TRUE(activeWithKeyboard(kResponseWindow));
         },
         kResponseWindow, 0, "", [] {}},
        {"the response window minimized, its palettes with it",
         [] {
             xdotool({"windowminimize", QString::number(platform::qt::windowWidget(kResponseWindow)->winId())});
             for (const int32_t window : {kResponseWindow, kSystemInfoPalette, kCustomPalette})
                 ASSERT_TRUE(QTest::qWaitFor([window] { return hiddenOnTheServer(window); }, kAtMost)) << window;
         },
         kResponseWindow, 0, "",
         [] {
             for (const int32_t window : {kResponseWindow, kSystemInfoPalette, kCustomPalette})
                 ASSERT_TRUE(QTest::qWaitFor([window] { return !hiddenOnTheServer(window); }, kAtMost)) << window;
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.road);
        TearDown();
        SetUp();
        ventedBox();
        row.setUp();
        anotherProgramInFront();
        ReceiveHandedDocuments({});
        EXPECT_TRUE(activeWithKeyboard(row.window));
        EXPECT_EQ(platform::keyboardFocus(row.window), row.control);
        xdotool({"type", row.typed});
        settle();
        row.check();
        // The design's windows come forward together.
        if (platform::isControlEnabled(kCustomPalette, kPaletteSnapButton)) {
            for (const int32_t window : {kResponseWindow, kCustomPalette, kSystemInfoPalette})
                EXPECT_TRUE(aboveTheOtherProgram(window)) << window;
        }
    }
}

}  // namespace
}  // namespace quendal::test
