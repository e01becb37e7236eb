// What windows and controls allow beyond their creation, help tags on their
// side, the control glue, and pictures for image views.
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <QWindow>

#include <fstream>

#include "dialogs/UrlLoadingImages.h"
#include "model/WindowNumbers.h"
#include "platform/HelpTag.h"
#include "platform/PlatformFixture.h"

namespace quendal::test {
namespace {

using platform::ControlKind;
using platform::ControlSpec;

class WindowOptionsTest : public PlatformTest {
protected:
    QWidget* frame(platform::WindowNumber w) { return platform::qt::windowWidget(w); }
    QWidget* control(platform::WindowNumber w, int32_t c) { return platform::qt::controlWidget(w, c); }

    // Shows the help tag of the control as resting the pointer on it does.
    QWidget* showTag(int32_t c) {
        QWidget* w = control(7, c);
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w, &event);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->inherits("QTipLabel")) return top;
        return nullptr;
    }
};

TEST_F(WindowOptionsTest, HelpTagsStandOnTheirSideOfTheControl) {
    openResponseWindow();
    ASSERT_TRUE(platform::createControl(7, 405, ControlSpec(ControlKind::DisclosureTriangle, Rect16{340, 20, 356, 36})));
    ASSERT_TRUE(platform::createControl(7, 406, ControlSpec(ControlKind::Slider, Rect16{44, 510, 338, 530}, "", 0, 0, 460)));
    platform::setCurrentWindow(7);
    platform::ButtonHelpSetText(405, "Shortcut is Option + D key.\\@B");
    platform::ButtonHelpSetText(406, "Frequency Variable Slider\\@R");
    EXPECT_EQ(platform::helpTagOf(7, 405).side, platform::HelpTagSide::BottomCentre);

    QWidget* tip = showTag(405);
    ASSERT_NE(tip, nullptr);
    const QRect triangle(control(7, 405)->mapToGlobal(QPoint(0, 0)), control(7, 405)->size());
    EXPECT_EQ(tip->y(), triangle.bottom() + 1 + platform::kHelpTagGap) << "below the control";
    EXPECT_NEAR(tip->x() + tip->width() / 2.0, triangle.center().x() + 0.5, 1.0) << "centred under it";
    QToolTip::hideText();

    tip = showTag(406);
    ASSERT_NE(tip, nullptr);
    const QRect slider(control(7, 406)->mapToGlobal(QPoint(0, 0)), control(7, 406)->size());
    EXPECT_EQ(tip->x(), slider.right() + 1 + platform::kHelpTagGap) << "right of the slider";
    QToolTip::hideText();
}

TEST_F(WindowOptionsTest, HelpTextsGoToTheCurrentWindowsControlOnly) {
    openResponseWindow();
    ASSERT_TRUE(platform::createControl(7, 20, ControlSpec(ControlKind::PushButton, Rect16{10, 10, 30, 90}, "Snap")));
    platform::setCurrentWindow(0);
    EXPECT_EQ(platform::ButtonHelpSetText(20, "Snapshot\\@B"), 0);
    EXPECT_EQ(platform::helpTag(7, 20), "") << "no current window: nothing";
    platform::setCurrentWindow(7);
    platform::ButtonHelpSetText(21, "nobody\\@B");  // no such control
    platform::ButtonHelpSetText(20, "Snapshot\\\xA4+of the response window\\@B");
    const platform::HelpTag tag = platform::helpTagOf(7, 20);
    EXPECT_EQ(tag.text, "Snapshot");
    EXPECT_EQ(tag.expanded, "Snapshot\rof the response window");
    EXPECT_EQ(control(7, 20)->toolTip(), QStringLiteral("Snapshot"));
}

TEST_F(WindowOptionsTest, FixedSizeAndSizeLimits) {
    openResponseWindow();
    platform::setWindowResizable(7, false);
    EXPECT_FALSE(platform::isWindowResizable(7));
    EXPECT_EQ(frame(7)->minimumSize(), frame(7)->maximumSize());
    platform::setWindowBounds(7, Rect16{100, 100, 600, 700});  // the program may still size it
    Rect16 b = platform::windowBounds(7);
    EXPECT_EQ(b.right - b.left, 600);
    EXPECT_EQ(b.bottom - b.top, 500);
    frame(7)->resize(200, 200);  // the user may not
    b = platform::windowBounds(7);
    EXPECT_EQ(b.right - b.left, 600);

    platform::setWindowResizable(7, true);
    platform::setWindowSizeLimits(7, 540, 390, 1000, 0);
    frame(7)->resize(300, 300);
    b = platform::windowBounds(7);
    EXPECT_EQ(b.right - b.left, 540);
    EXPECT_EQ(b.bottom - b.top, 390);
    frame(7)->resize(1400, 1200);
    b = platform::windowBounds(7);
    EXPECT_EQ(b.right - b.left, 1000);
    EXPECT_EQ(b.bottom - b.top, 1200 - (frame(7)->height() - platform::qt::contentWidget(7)->height()))
        << "no height limit";
}

std::vector<platform::WindowEventKind> gSheetEvents;
int32_t sheetHandler(const platform::WindowEvent& e, int32_t) {
    gSheetEvents.push_back(e.kind);
    return platform::kEventNotHandled;  // a room that does not take the close
}

TEST_F(WindowOptionsTest, ASheetClosesOnlyThroughItsRoom) {
    gSheetEvents.clear();
    openResponseWindow();
    ASSERT_TRUE(platform::createWindow(5, platform::WindowKind::Sheet, Rect16{0, 0, 200, 400}, "Initial Setup", 7));
    platform::installWindowHandler(5, sheetHandler, 5);
    platform::showWindow(5);
    frame(5)->close();  // the window manager's close
    EXPECT_NE(std::find(gSheetEvents.begin(), gSheetEvents.end(), platform::WindowEventKind::Close), gSheetEvents.end());
    EXPECT_TRUE(platform::windowExists(5)) << "left to the room's Cancel";
}

TEST_F(WindowOptionsTest, ComingForwardLeavesTheKeyboardWithThePalette) {
    openResponseWindow();
    ASSERT_TRUE(platform::createWindow(9, platform::WindowKind::FloatingPalette, Rect16{100, 700, 500, 900}, "Custom"));
    ASSERT_TRUE(platform::createControl(9, 31, ControlSpec(ControlKind::EditText, Rect16{10, 10, 32, 100}, "50")));
    platform::selectWindow(9);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame(9)->windowHandle()));
    platform::setKeyboardFocus(9, 31);
    platform::hideWindow(7);
    platform::raiseWindow(7);  // shown again, without the keyboard
    EXPECT_TRUE(platform::isWindowVisible(7));
    EXPECT_EQ(platform::currentWindow(), 7);
    EXPECT_EQ(platform::activeWindow(), 9);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    EXPECT_EQ(platform::controlText(9, 31), "505") << "typing still reaches the palette";
}

TEST_F(WindowOptionsTest, PointerShapesFollowWindowsAndControls) {
    openResponseWindow();
    ASSERT_TRUE(platform::createControl(7, 31, ControlSpec(ControlKind::EditText, Rect16{10, 10, 32, 100}, "")));
    ASSERT_TRUE(platform::createControl(7, 400, ControlSpec(ControlKind::ImageView, Rect16{340, 10, 356, 40})));
    platform::setControlCursor(7, 400, platform::Cursor::PointingHand);
    EXPECT_EQ(platform::controlCursor(7, 400), platform::Cursor::PointingHand);
    EXPECT_EQ(control(7, 400)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(platform::qt::contentWidget(7)->cursor().shape(), Qt::ArrowCursor) << "the arrow around it";
    platform::setControlCursor(7, 400, platform::Cursor::Arrow);
    EXPECT_FALSE(control(7, 400)->testAttribute(Qt::WA_SetCursor));
    platform::setWindowCursor(7, platform::Cursor::IBeam);
    EXPECT_EQ(platform::windowCursor(7), platform::Cursor::IBeam);
    EXPECT_EQ(platform::qt::contentWidget(7)->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(WindowOptionsTest, BoundControlResizesWithItsWindow) {
    openResponseWindow();  // 540 x 390
    ASSERT_TRUE(platform::createControl(7, 1, ControlSpec(ControlKind::UserPane, Rect16{10, 20, 380, 530})));
    platform::setCurrentWindow(7);
    platform::ViewBindToParent(1);
    platform::setWindowBounds(7, Rect16{100, 100, 590, 740});  // 640 x 490
    const Rect16 r = platform::controlBounds(7, 1);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.right, 630);
    EXPECT_EQ(r.bottom, 480);
}

TEST_F(WindowOptionsTest, SliderActionFollowsTheThumbOnly) {
    openResponseWindow();
    ASSERT_TRUE(platform::createControl(7, 406, ControlSpec(ControlKind::Slider, Rect16{44, 510, 338, 530}, "", 0, 0, 460)));
    platform::setControlValue(7, 406, 230);
    state.cursor.CursorPosi = 5;
    platform::SliderControlAction(7, 406, platform::kPageUpPart);
    EXPECT_EQ(state.cursor.CursorPosi, 5);
    platform::setCurrentWindow(0);
    platform::SliderControlAction(7, 406, platform::kIndicatorPart);
    EXPECT_EQ(state.cursor.CursorPosi, 230);
    EXPECT_EQ(platform::currentWindow(), 7);
}

TEST_F(WindowOptionsTest, PicturesOfTheResourcesInImageViews) {
    const QString images = QDir(folder.path()).filePath(QStringLiteral("Images"));
    ASSERT_TRUE(QDir().mkpath(images));
    QImage probe(8, 8, QImage::Format_RGB32);
    probe.fill(Qt::red);
    ASSERT_TRUE(probe.save(QDir(images).filePath(QStringLiteral("Frame.png"))));
    std::ofstream(QDir(images).filePath(QStringLiteral("Broken.png")).toStdString()) << "not a picture";
    platform::setResourceFolder(folder.path().toStdString());
    openResponseWindow();

    struct Dialogs : platform::DialogService {
        void alert(std::string_view title, std::string_view) override { alerts.emplace_back(title); }
        void sheetAlert(platform::WindowNumber, std::string_view, std::string_view, std::function<void()>) override {}
        void beep() override {}
        std::vector<std::string> alerts;
    } dialogs;
    platform::setDialogService(&dialogs);

    const int32_t first = AddImageHiViewToWindow(7, Rect16{10, 10, 50, 50}, "Frame.png", "Images");
    const int32_t second = AddImageHiViewToWindow(7, Rect16{10, 60, 50, 100}, "Frame.png", "Images");
    EXPECT_EQ(first, kFirstImageViewNumber);
    EXPECT_EQ(second, kFirstImageViewNumber + 1);
    EXPECT_FALSE(qobject_cast<QLabel*>(control(7, first))->pixmap().isNull());
    EXPECT_EQ(AddImageHiViewToWindow(7, Rect16{10, 110, 50, 150}, "Broken.png", "Images"), 0);
    EXPECT_EQ(dialogs.alerts, (std::vector<std::string>{"Unable to set image."}));
    EXPECT_FALSE(platform::controlExists(7, kFirstImageViewNumber + 2)) << "the failed view is gone";
    EXPECT_TRUE(CreateCGImageFromBundleResource("Frame.png", "Images").has_value());
    EXPECT_FALSE(CreateCGImageFromBundleResource("Missing.png", "Images").has_value());

    // The icon: nothing without it, a picture with it.
    platform::setCurrentWindow(7);
    CreateAppIconControlNoTrack(600, Rect16{20, 24, 100, 104}, 0);
    EXPECT_FALSE(platform::controlExists(7, 600));
    std::ofstream(folder.path().toStdString() + "/AppIcon.svg")
        << "<svg xmlns='http://www.w3.org/2000/svg' width='64' height='64'><rect width='64' height='64' fill='#246'/></svg>";
    platform::setResourceFolder(folder.path().toStdString());  // forget what was looked up
    CreateAppIconControlNoTrack(600, Rect16{20, 24, 100, 104}, 0);
    ASSERT_TRUE(platform::controlExists(7, 600));
    EXPECT_FALSE(qobject_cast<QLabel*>(control(7, 600))->pixmap().isNull());
}

}  // namespace
}  // namespace quendal::test
