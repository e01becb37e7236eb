// Controls by (window number, control number), driven headless: found by
// number, values and texts kept, the handler reached with its user data.
#include <algorithm>
#include <fstream>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "PlatformFixture.h"
#include "platform/HelpTag.h"

namespace quendal::test {
namespace {

using platform::ControlEventKind;
using platform::ControlKind;
using platform::ControlSpec;

struct Seen {
    ControlEventKind kind;
    platform::WindowNumber window;
    platform::ControlNumber control;
    int32_t userData;
};
std::vector<Seen> gSeen;
std::vector<int32_t> gSliderParts;

int32_t recordingHandler(const platform::ControlEvent& event, int32_t userData) {
    gSeen.push_back({event.kind, event.window, event.control, userData});
    return event.kind == ControlEventKind::Hit ? platform::kHandled : platform::kEventNotHandled;
}

// A hit that removes the very control clicked, as a redraw does.
int32_t removingHandler(const platform::ControlEvent& event, int32_t) {
    platform::removeControl(event.window, event.control);
    return platform::kHandled;
}

void sliderAction(platform::WindowNumber, platform::ControlNumber, int32_t part) { gSliderParts.push_back(part); }

class ControlTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        gSeen.clear();
        gSliderParts.clear();
        openResponseWindow();
    }

    template <typename T>
    T* widget(platform::ControlNumber control) {
        QWidget* w = platform::qt::controlWidget(7, control);
        if (auto* self = qobject_cast<T*>(w)) return self;
        return w != nullptr ? w->findChild<T*>() : nullptr;
    }

    int hits(platform::ControlNumber control) const {
        int n = 0;
        for (const Seen& s : gSeen) n += s.kind == ControlEventKind::Hit && s.control == control;
        return n;
    }
};

TEST_F(ControlTest, EachKindIsCreatedFoundAndRemovedByNumber) {
    platform::createMenu(230, "");
    for (const char* item : {"    1", "    2", "    3", "    4"}) platform::appendMenuItem(230, item);

    const ControlKind kinds[] = {ControlKind::PushButton, ControlKind::BevelButton,  ControlKind::RadioGroup,
                                 ControlKind::CheckBox,   ControlKind::Tab,          ControlKind::Slider,
                                 ControlKind::EditText,   ControlKind::StaticText,   ControlKind::ImageView,
                                 ControlKind::DisclosureTriangle, ControlKind::PopupButton, ControlKind::GroupBox,
                                 ControlKind::Separator,  ControlKind::UserPane};
    platform::ControlNumber number = 1;
    for (ControlKind kind : kinds) {
        ControlSpec desc(kind, Rect16{int16_t(number * 20), 10, int16_t(number * 20 + 18), 200}, "Title");
        desc.items = {"One", "Two"};
        desc.menu = 230;
        ASSERT_TRUE(platform::createControl(7, number, desc)) << "kind " << int(kind);
        EXPECT_TRUE(platform::controlExists(7, number));
        const Rect16 b = platform::controlBounds(7, number);
        EXPECT_EQ(b.top, number * 20);
        EXPECT_EQ(b.right, 200);
        ++number;
    }
    EXPECT_FALSE(platform::controlExists(7, 99));
    EXPECT_FALSE(platform::controlExists(8, 1));
    EXPECT_FALSE(platform::createControl(8, 1, ControlSpec(ControlKind::PushButton, Rect16{0, 0, 20, 80})));
    platform::removeControl(7, 1);
    EXPECT_FALSE(platform::controlExists(7, 1));
    EXPECT_TRUE(platform::controlExists(7, 2));
}

TEST_F(ControlTest, ValuesAreKeptWithinTheirRange) {
    platform::createMenu(200, "");
    for (const char* item : {"    5", "    7", "  10", "  15", "  20"}) platform::appendMenuItem(200, item);
    ControlSpec radios(ControlKind::RadioGroup, Rect16{10, 10, 60, 120});
    radios.items = {"Ported", "Ducted"};
    radios.value = 2;
    ControlSpec tabs(ControlKind::Tab, Rect16{10, 130, 200, 530});
    tabs.items = {"High Pass System", "Band Pass System"};
    tabs.value = 1;
    ControlSpec popup(ControlKind::PopupButton, Rect16{70, 10, 92, 120});
    popup.menu = 200;
    popup.value = 3;
    ASSERT_TRUE(platform::createControl(7, 305, radios));
    ASSERT_TRUE(platform::createControl(7, 3, tabs));
    ASSERT_TRUE(platform::createControl(7, 41, popup));
    ASSERT_TRUE(platform::createControl(7, 406, ControlSpec(ControlKind::Slider, Rect16{50, 510, 330, 530}, "", 0, 0, 460)));
    ASSERT_TRUE(platform::createControl(7, 508, ControlSpec(ControlKind::CheckBox, Rect16{100, 10, 120, 200}, "Input power follows", 1)));
    ASSERT_TRUE(platform::createControl(7, 405, ControlSpec(ControlKind::DisclosureTriangle, Rect16{360, 10, 380, 120}, "Details")));

    EXPECT_EQ(platform::controlValue(7, 305), 2);
    EXPECT_TRUE(widget<QRadioButton>(305) != nullptr);
    EXPECT_EQ(platform::controlValue(7, 3), 1);
    EXPECT_EQ(platform::controlMaximum(7, 3), 2);
    EXPECT_EQ(platform::controlValue(7, 41), 3);
    EXPECT_EQ(platform::controlText(7, 41), "  10");
    EXPECT_EQ(platform::controlMaximum(7, 41), 5);
    EXPECT_EQ(platform::controlValue(7, 508), 1);
    EXPECT_EQ(platform::controlValue(7, 405), 0);

    struct Set {
        platform::ControlNumber control;
        int32_t value, expected;
    };
    for (const Set s : {Set{406, 230, 230}, Set{406, 461, 460}, Set{406, -1, 0}, Set{305, 1, 1}, Set{305, 5, 2},
                        Set{3, 2, 2}, Set{41, 5, 5}, Set{41, 0, 1}, Set{508, 0, 0}, Set{405, 1, 1}, Set{405, 3, 1}}) {
        platform::setControlValue(7, s.control, s.value);
        EXPECT_EQ(platform::controlValue(7, s.control), s.expected) << "control " << s.control << " set " << s.value;
    }
    EXPECT_EQ(widget<QToolButton>(405)->arrowType(), Qt::DownArrow);  // the triangle shows it is open
    platform::setControlValue(7, 406, 300);
    platform::setControlRange(7, 406, 0, 100);
    EXPECT_EQ(platform::controlMaximum(7, 406), 100);
    EXPECT_EQ(platform::controlValue(7, 406), 100);
    // Setting a value is the program's doing, not a hit.
    EXPECT_TRUE(gSeen.empty());
}

TEST_F(ControlTest, TextsAreMacRomanBytes) {
    ASSERT_TRUE(platform::createControl(7, 71, ControlSpec(ControlKind::StaticText, Rect16{340, 60, 356, 300}, "Qtc \xB3 0.707")));
    ASSERT_TRUE(platform::createControl(7, 31, ControlSpec(ControlKind::EditText, Rect16{10, 10, 32, 110}, "25.5")));
    ASSERT_TRUE(platform::createControl(7, 4, ControlSpec(ControlKind::PushButton, Rect16{40, 10, 60, 110}, "Vent1 & 2")));
    EXPECT_EQ(widget<QLabel>(71)->text(), QStringLiteral("Qtc \u2265 0.707"));
    EXPECT_EQ(platform::controlText(7, 71), "Qtc \xB3 0.707");
    EXPECT_EQ(platform::controlText(7, 31), "25.5");
    EXPECT_EQ(widget<QAbstractButton>(4)->text(), QStringLiteral("Vent1 && 2"));  // no mnemonic made of the &
    EXPECT_EQ(platform::controlText(7, 4), "Vent1 & 2");

    widget<QLineEdit>(31)->setText(QStringLiteral("3\u00B5F \u4E00"));  // typed: micro sign and a character Mac Roman lacks
    EXPECT_EQ(platform::controlText(7, 31), "3\xB5" "F ?");
    platform::setControlText(7, 71, "Fs 50.000 Hz");
    EXPECT_EQ(widget<QLabel>(71)->text(), QStringLiteral("Fs 50.000 Hz"));
}

TEST_F(ControlTest, EnabledAndVisibleStates) {
    ASSERT_TRUE(platform::createControl(7, 10, ControlSpec(ControlKind::PushButton, Rect16{10, 10, 30, 90}, "Calc.")));
    ControlSpec field(ControlKind::EditText, Rect16{40, 10, 62, 110}, "50.0");
    field.enabled = false;  // a value shown, not entered
    ASSERT_TRUE(platform::createControl(7, 32, field));
    EXPECT_TRUE(platform::isControlEnabled(7, 10));
    EXPECT_FALSE(platform::isControlEnabled(7, 32));
    platform::setControlEnabled(7, 10, false);
    EXPECT_FALSE(platform::isControlEnabled(7, 10));
    EXPECT_TRUE(platform::isControlVisible(7, 10));
    platform::setControlVisible(7, 10, false);
    EXPECT_FALSE(platform::isControlVisible(7, 10));
    // Visibility is the control's own, whatever its window's.
    platform::hideWindow(7);
    EXPECT_TRUE(platform::isControlVisible(7, 32));
}

TEST_F(ControlTest, EmbeddedControlsGoWithTheirParent) {
    ASSERT_TRUE(platform::createControl(7, 300, ControlSpec(ControlKind::Tab, Rect16{10, 10, 300, 500})));
    ControlSpec pane(ControlKind::UserPane, Rect16{30, 10, 280, 490});
    pane.parent = 300;
    ASSERT_TRUE(platform::createControl(7, 301, pane));
    ControlSpec field(ControlKind::EditText, Rect16{10, 10, 32, 110});
    field.parent = 301;
    ASSERT_TRUE(platform::createControl(7, 351, field));
    // Coordinates are the parent's.
    EXPECT_EQ(platform::qt::controlWidget(7, 351)->mapTo(platform::qt::contentWidget(7), QPoint(0, 0)), QPoint(30, 50));
    ControlSpec orphan(ControlKind::EditText, Rect16{0, 0, 20, 20});
    orphan.parent = 999;
    EXPECT_FALSE(platform::createControl(7, 352, orphan));

    platform::removeControl(7, 300);
    EXPECT_FALSE(platform::controlExists(7, 301));
    EXPECT_FALSE(platform::controlExists(7, 351));
}

TEST_F(ControlTest, HandlerGetsHitsWithItsUserData) {
    ASSERT_TRUE(platform::createControl(7, 1, ControlSpec(ControlKind::PushButton, Rect16{10, 10, 30, 90}, "OK")));
    ASSERT_TRUE(platform::createControl(7, 508, ControlSpec(ControlKind::CheckBox, Rect16{40, 10, 60, 200}, "Check")));
    ASSERT_TRUE(platform::createControl(7, 405, ControlSpec(ControlKind::DisclosureTriangle, Rect16{70, 10, 90, 120}, "Details")));
    ASSERT_TRUE(platform::createControl(7, 31, ControlSpec(ControlKind::EditText, Rect16{100, 10, 122, 110})));
    ASSERT_EQ(platform::installControlHandler(7, 1, recordingHandler, 1), platform::kHandled);
    platform::installControlHandler(7, 508, recordingHandler, 508);
    platform::installControlHandler(7, 405, recordingHandler, 405);
    platform::installControlHandler(7, 31, recordingHandler, 31);
    EXPECT_EQ(platform::installControlHandler(7, 77, recordingHandler, 77), -1);

    QTest::mouseClick(widget<QAbstractButton>(1), Qt::LeftButton);
    QTest::mouseClick(widget<QAbstractButton>(508), Qt::LeftButton, Qt::NoModifier, QPoint(6, 10));  // on the box
    QTest::mouseClick(widget<QToolButton>(405), Qt::LeftButton);
    QTest::mouseClick(widget<QLineEdit>(31), Qt::LeftButton);
    ASSERT_EQ(gSeen.size(), 4u);
    EXPECT_EQ(gSeen[0].control, 1);
    EXPECT_EQ(gSeen[0].userData, 1);
    EXPECT_EQ(gSeen[0].window, 7);
    EXPECT_EQ(gSeen[1].userData, 508);
    EXPECT_EQ(gSeen[2].userData, 405);
    EXPECT_EQ(gSeen[3].userData, 31);
    // The value has changed by the time the hit arrives.
    EXPECT_EQ(platform::controlValue(7, 508), 1);
    EXPECT_EQ(platform::controlValue(7, 405), 1);
}

TEST_F(ControlTest, ChoicesInRadiosTabsAndPopupsAreHits) {
    platform::createMenu(220, "");
    for (const char* item : {"    1", "    2", "    3"}) platform::appendMenuItem(220, item);
    ControlSpec radios(ControlKind::RadioGroup, Rect16{10, 10, 60, 120});
    radios.items = {"Ported", "Ducted"};
    radios.value = 1;
    ControlSpec tabs(ControlKind::Tab, Rect16{70, 10, 200, 400});
    tabs.items = {"Circular", "Rectangular"};
    tabs.value = 1;
    ControlSpec popup(ControlKind::PopupButton, Rect16{210, 10, 232, 200}, "Num of P.R. : ");
    popup.menu = 220;
    popup.value = 1;
    ASSERT_TRUE(platform::createControl(7, 305, radios));
    ASSERT_TRUE(platform::createControl(7, 300, tabs));
    ASSERT_TRUE(platform::createControl(7, 313, popup));
    for (platform::ControlNumber c : {305, 300, 313}) platform::installControlHandler(7, c, recordingHandler, c);

    QTest::mouseClick(widget<QWidget>(305)->findChildren<QRadioButton*>().at(1), Qt::LeftButton);
    EXPECT_EQ(platform::controlValue(7, 305), 2);
    EXPECT_EQ(hits(305), 1);

    QTabBar* bar = widget<QTabBar>(300);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
    EXPECT_EQ(platform::controlValue(7, 300), 2);
    EXPECT_EQ(hits(300), 1);

    QComboBox* combo = widget<QComboBox>(313);
    combo->setCurrentIndex(2);
    emit combo->activated(2);  // what choosing from the open list sends
    EXPECT_EQ(platform::controlValue(7, 313), 3);
    EXPECT_EQ(hits(313), 1);
    EXPECT_EQ(platform::controlText(7, 313), "    3");
}

TEST_F(ControlTest, PointerEnteringAndLeavingReachTheHandler) {
    ASSERT_TRUE(platform::createControl(7, 400, ControlSpec(ControlKind::ImageView, Rect16{340, 10, 356, 40})));
    platform::installControlHandler(7, 400, recordingHandler, 400);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget<QWidget>(400), &enter);
    QCoreApplication::sendEvent(widget<QWidget>(400), &leave);
    ASSERT_EQ(gSeen.size(), 2u);
    EXPECT_EQ(gSeen[0].kind, ControlEventKind::TrackingEntered);
    EXPECT_EQ(gSeen[1].kind, ControlEventKind::TrackingExited);
    // A legend picture is clickable.
    QTest::mouseClick(widget<QWidget>(400), Qt::LeftButton);
    EXPECT_EQ(hits(400), 1);
}

TEST_F(ControlTest, SliderActionFollowsTheThumbDraggedOrStepped) {
    ASSERT_TRUE(platform::createControl(7, 406, ControlSpec(ControlKind::Slider, Rect16{50, 510, 330, 530}, "", 0, 0, 460)));
    platform::installSliderAction(7, 406, sliderAction);
    QSlider* slider = widget<QSlider>(406);
    EXPECT_EQ(slider->orientation(), Qt::Vertical);
    slider->setSliderDown(true);
    slider->setSliderPosition(120);
    slider->setSliderDown(false);
    ASSERT_FALSE(gSliderParts.empty());
    EXPECT_EQ(gSliderParts.front(), platform::kIndicatorPart);
    EXPECT_EQ(platform::controlValue(7, 406), 120);
    gSliderParts.clear();
    QTest::keyClick(slider, Qt::Key_PageUp);  // the thumb's own move, as a drag is
    ASSERT_EQ(gSliderParts.size(), 1u);
    EXPECT_EQ(gSliderParts[0], platform::kIndicatorPart);
    EXPECT_EQ(platform::controlValue(7, 406), 120 + slider->pageStep());
}

TEST_F(ControlTest, AControlRemovedInsideItsOwnHitIsSafe) {
    ASSERT_TRUE(platform::createControl(7, 407, ControlSpec(ControlKind::BevelButton, Rect16{10, 10, 30, 30})));
    platform::installControlHandler(7, 407, removingHandler, 407);
    QTest::mouseClick(widget<QAbstractButton>(407), Qt::LeftButton);
    EXPECT_FALSE(platform::controlExists(7, 407));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(ControlTest, HelpTagsShowTheTextWithoutItsPlacementSuffix) {
    ASSERT_TRUE(platform::createControl(7, 400, ControlSpec(ControlKind::ImageView, Rect16{340, 10, 356, 40})));
    platform::setHelpTag(7, 400, "Total Response\\@B");
    EXPECT_EQ(platform::helpTag(7, 400), "Total Response");
    EXPECT_EQ(widget<QWidget>(400)->toolTip(), QStringLiteral("Total Response"));
    platform::setHelpTag(7, 400, "Qtc \xB3 0.5\\@T");
    EXPECT_EQ(widget<QWidget>(400)->toolTip(), QStringLiteral("Qtc \u2265 0.5"));
    platform::setHelpTag(7, 999, "nobody\\@B");  // no such control: nothing
    EXPECT_EQ(platform::helpTag(7, 999), "");
}

TEST_F(ControlTest, HelpTagConvention) {
    using platform::HelpTagSide;
    struct Case {
        const char* text;
        const char* shown;
        const char* expanded;
        HelpTagSide side;
    };
    const Case cases[] = {
        {"Total Response\\@B", "Total Response", "Total Response", HelpTagSide::BottomCentre},
        {"Tab Change is Space or Tab Key\\@T", "Tab Change is Space or Tab Key", "Tab Change is Space or Tab Key",
         HelpTagSide::TopCentre},
        {"Frequency Variable Slider\\@R", "Frequency Variable Slider", "Frequency Variable Slider",
         HelpTagSide::RightCentre},
        {"lower\\@b", "lower", "lower", HelpTagSide::BottomCentre},
        {"ends in marker\\@", "ends in marker", "ends in marker", HelpTagSide::Default},
        {"two letters\\@BX", "two letters", "two letters", HelpTagSide::Default},
        {"corner\\@lbQ", "corner", "corner", HelpTagSide::BottomLeft},
        {"plain", "plain", "plain", HelpTagSide::Default},
        {"Short\\\xA4Longer text\\@B", "Short", "Longer text", HelpTagSide::BottomCentre},
        {"Short\\\xA4+more\\@R", "Short", "Short\rmore", HelpTagSide::RightCentre},
    };
    for (const Case& c : cases) {
        const platform::HelpTag tag = platform::parseHelpTag(c.text);
        EXPECT_EQ(tag.text, c.shown) << c.text;
        EXPECT_EQ(tag.expanded, c.expanded) << c.text;
        EXPECT_EQ(tag.side, c.side) << c.text;
    }
}

TEST_F(ControlTest, PicturesOnImageViewsAndBevelButtons) {
    const QString images = QDir(folder.path()).filePath(QStringLiteral("Images"));
    ASSERT_TRUE(QDir().mkpath(images));
    QImage probe(20, 10, QImage::Format_RGB32);
    probe.fill(Qt::blue);
    ASSERT_TRUE(probe.save(QDir(images).filePath(QStringLiteral("BlueThinBtn.png"))));
    platform::setResourceFolder(folder.path().toStdString());

    ControlSpec view(ControlKind::ImageView, Rect16{340, 10, 356, 50});
    view.image = "BlueThinBtn.png";
    ASSERT_TRUE(platform::createControl(7, 402, view));
    EXPECT_FALSE(widget<QLabel>(402)->pixmap().isNull());
    ASSERT_TRUE(platform::createControl(7, 11, ControlSpec(ControlKind::BevelButton, Rect16{10, 10, 40, 60})));
    EXPECT_TRUE(platform::setControlImage(7, 11, "BlueThinBtn.png"));
    EXPECT_FALSE(widget<QToolButton>(11)->icon().isNull());
    EXPECT_FALSE(platform::setControlImage(7, 402, "Missing.png"));
    EXPECT_TRUE(widget<QLabel>(402)->pixmap().isNull());
}

// An image view shows the picture it was last given, whatever it showed
// before and however often the same drawing was drawn at its size: a
// drawing, a raster image, the drawing again; a drawing changed on disk is
// read anew once the resources folder is set again.
TEST_F(ControlTest, AnImageViewShowsThePictureItWasLastGiven) {
    const QString images = QDir(folder.path()).filePath(QStringLiteral("Images"));
    ASSERT_TRUE(QDir().mkpath(images));
    const auto writeDrawing = [&images](const char* fill) {
        std::ofstream(QDir(images).filePath(QStringLiteral("Sample.svg")).toStdString())
            << "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='16'><rect width='40' height='16' fill='"
            << fill << "'/></svg>";
    };
    writeDrawing("#ff0000");
    QImage blue(40, 16, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(QDir(images).filePath(QStringLiteral("Blue.png"))));
    platform::setResourceFolder(folder.path().toStdString());
    const auto centre = [this] {
        const QImage shown = widget<QLabel>(402)->pixmap().toImage();
        return shown.pixelColor(shown.width() / 2, shown.height() / 2).rgb() & 0xFFFFFFu;
    };
    ControlSpec view(ControlKind::ImageView, Rect16{340, 10, 356, 50});
    view.image = "Sample.svg";
    ASSERT_TRUE(platform::createControl(7, 402, view));
    struct Shown {
        const char* file;
        uint32_t centre;
    };
    for (const Shown& step : {Shown{"Blue.png", 0x0000FFu}, Shown{"Sample.svg", 0xFF0000u}, Shown{"Missing.svg", 0u},
                              Shown{"Sample.svg", 0xFF0000u}}) {
        platform::setControlImage(7, 402, step.file);
        if (step.centre == 0u) EXPECT_TRUE(widget<QLabel>(402)->pixmap().isNull()) << step.file;
        else EXPECT_EQ(centre(), step.centre) << step.file;
    }
    writeDrawing("#00ff00");
    platform::setResourceFolder(folder.path().toStdString());
    platform::setControlImage(7, 402, "Sample.svg");
    EXPECT_EQ(centre(), 0x00FF00u);
}

// Whether the picture holds a closed ring two pixels thick in the colour,
// around all its pixels of that colour.
bool ringed(const QImage& image, const QColor& colour) {
    QRect span;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) span |= QRect(x, y, 1, 1);
    for (int y = span.top(); y <= span.bottom(); ++y)
        for (int x = span.left(); x <= span.right(); ++x)
            if (std::min({x - span.left(), span.right() - x, y - span.top(), span.bottom() - y}) < 2 &&
                image.pixelColor(x, y) != colour)
                return false;
    return span.width() > 8 && span.height() > 8;
}

// The control with the keyboard, of the kinds Return or Space act on, and
// the button a question gives the keyboard wear a ring in the highlight
// colour; the default button without the keyboard wears none.
TEST_F(ControlTest, TheControlWithTheKeyboardWearsARingTheDefaultButtonDoesNot) {
    platform::createMenu(220, "");
    platform::appendMenuItem(220, "    1");
    ASSERT_TRUE(platform::createControl(7, 10, ControlSpec(ControlKind::PushButton, Rect16{10, 10, 34, 90}, "Cancel")));
    ControlSpec ok(ControlKind::PushButton, Rect16{10, 100, 34, 180}, "OK");
    ok.defaultButton = true;
    ControlSpec popup(ControlKind::PopupButton, Rect16{70, 10, 94, 120}, "", 1);
    popup.menu = 220;
    ControlSpec tabs(ControlKind::Tab, Rect16{100, 10, 200, 400}, "", 1);
    tabs.items = {"Circular", "Rectangular"};
    const ControlSpec box(ControlKind::CheckBox, Rect16{44, 10, 64, 300}, "Sound");
    const std::pair<platform::ControlNumber, ControlSpec> made[] = {{11, ok}, {12, box}, {14, popup}, {15, tabs}};
    for (const auto& [control, described] : made) ASSERT_TRUE(platform::createControl(7, control, described));
    platform::selectWindow(7);
    ASSERT_TRUE(QTest::qWaitForWindowActive(platform::qt::windowWidget(7)->windowHandle()));
    const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    for (platform::ControlNumber control : {10, 11, 12, 14, 15}) {
        platform::setKeyboardFocus(7, control);
        EXPECT_TRUE(ringed(QApplication::focusWidget()->grab().toImage(), highlight)) << control;
        EXPECT_EQ(ringed(platform::qt::controlWidget(7, 11)->grab().toImage(), highlight), control == 11) << control;
    }
    QMessageBox question(QMessageBox::Question, "Quendal", "Save?", QMessageBox::Save | QMessageBox::Cancel);
    question.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(question.windowHandle()));
    EXPECT_TRUE(ringed(question.focusWidget()->grab().toImage(), highlight));
}

}  // namespace
}  // namespace quendal::test
