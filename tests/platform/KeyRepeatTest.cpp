// A key's repeat as the window system sends it: a release and a press
// stamped at one instant, with the same modifiers, a repeat interval at
// least after the press before. Read apart on a busy machine, the toolkit
// does not mark the pair; the key routing knows it by its stamps, on the
// server's 32-bit clock, and never takes two presses of the user's for one.
#include <cstdint>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace quendal::test {
namespace {

// A window that notes, for each key press it is given, whether it came
// as a repeat.
class PressesSeen : public QWidget {
public:
    std::vector<bool> repeats;

protected:
    void keyPressEvent(QKeyEvent* event) override { repeats.push_back(event->isAutoRepeat()); }
};

struct Half {
    QEvent::Type type;
    Qt::KeyboardModifiers modifiers;
    uint32_t at;  // the server's clock, ms
};

TEST(KeyRepeat, ARepeatReadApartIsKnownByItsStampsAndTwoPressesStayTwo) {
    constexpr QEvent::Type press = QEvent::KeyPress, release = QEvent::KeyRelease;
    constexpr Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier;
    constexpr uint32_t t = 5'000'000;
    const struct {
        const char* name;
        std::vector<Half> halves;
        std::vector<bool> repeats;
    } rows[] = {
        {"held past the delay, two repeats", {{press, none, t}, {release, none, t + 660}, {press, none, t + 660},
                                             {release, none, t + 700}, {press, none, t + 701}, {release, none, t + 720}},
         {false, true, true}},
        {"a repeat as the clock wraps", {{press, none, 0xFFFF'FD00}, {release, none, 0xFFFF'FFFF}, {press, none, 0}},
         {false, true}},
        {"pressed again 5 ms after 20 ms down", {{press, none, t}, {release, none, t + 20}, {press, none, t + 25}},
         {false, false}},
        {"pressed again with Shift", {{press, none, t}, {release, none, t + 700}, {press, shift, t + 700}},
         {false, false}},
        {"typed twice by a program at one instant", {{press, none, t}, {release, none, t}, {press, none, t}},
         {false, false}},
        {"a press stamped before its release", {{press, none, t}, {release, none, t + 700}, {press, none, t - 5}},
         {false, false}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        PressesSeen window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        for (const Half& half : row.halves) {
            QKeyEvent event(half.type, Qt::Key_Right, half.modifiers);
            event.setTimestamp(half.at);
            QCoreApplication::sendEvent(window.windowHandle(), &event);
        }
        EXPECT_EQ(window.repeats, row.repeats);
    }
}

}  // namespace
}  // namespace quendal::test
