// Drawings shown by the controls: image views and bevel buttons draw them
// at their own size, the cross-hair is a cursor, the legend samples carry
// their curves' colours.
#include <cstdlib>

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QToolButton>

#include "PictureFixture.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/Resources.h"
#include "view/Pictures.h"

namespace quendal::test {
namespace {

using platform::ControlKind;
using platform::ControlSpec;

class PictureControls : public PictureTest {
protected:
    template <typename T>
    T* widget(platform::ControlNumber control) {
        return qobject_cast<T*>(platform::qt::controlWidget(3, control));
    }
    void openSelectWindow() {
        ASSERT_TRUE(platform::createWindow(3, platform::WindowKind::Document, Rect16{100, 100, 590, 695}, "System Select"));
        platform::showWindow(3);
    }
};

// The selected frame of the System Select window, shown by an image view:
// drawn at the view's size (no scaled-up pixels), its blue border at the
// edge; after a resize drawn anew at the new size.
TEST_F(PictureControls, ImageViewShowsADrawingAtItsOwnSize) {
    openSelectWindow();
    ControlSpec frame(ControlKind::ImageView, Rect16{52, 39, 199, 152});
    frame.image = std::string(kSystemButtonSelectedPicture);
    ASSERT_TRUE(platform::createControl(3, 40, frame));
    QLabel* label = widget<QLabel>(40);
    ASSERT_NE(label, nullptr);
    QPixmap pixmap = label->pixmap();
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(113, 147));
    const QImage image = pixmap.toImage();
    const QRgb border = image.pixel(1, image.height() / 2);
    EXPECT_GT(qBlue(border), qRed(border) + 60);  // the selection's blue
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);      // round corner: see-through

    platform::setControlBounds(3, 40, Rect16{52, 39, 152, 119});
    EXPECT_EQ(label->pixmap().deviceIndependentSize().toSize(), QSize(80, 100));

    // Another picture in the same view; a missing one empties it.
    EXPECT_TRUE(platform::setControlImage(3, 40, systemPicture(2, 7)));
    EXPECT_FALSE(label->pixmap().isNull());
    EXPECT_FALSE(platform::setControlImage(3, 40, "NoSuchImage.png"));
    EXPECT_TRUE(label->pixmap().isNull());
}

// A figure in an image view of another shape keeps its proportions and
// leaves the rest of the view see-through, so the frame behind shows.
TEST_F(PictureControls, ImageViewKeepsTheFigureUndistorted) {
    openSelectWindow();
    ControlSpec view(ControlKind::ImageView, Rect16{59, 78, 191, 111});  // 33 x 132
    view.image = std::string(systemPicture(1, 2));                       // a box 115 x 194
    ASSERT_TRUE(platform::createControl(3, 41, view));
    const QImage image = widget<QLabel>(41)->pixmap().toImage();
    const QRect ink = inkBounds(image, qRgba(0, 0, 0, 0));
    ASSERT_FALSE(ink.isEmpty());
    const double ratio = image.devicePixelRatio();
    EXPECT_NEAR(ink.width() / ratio, 33.0, 1.5);
    EXPECT_NEAR(ink.height() / ratio, 33.0 * 194.0 / 115.0, 2.0);
    EXPECT_NEAR(ink.center().y() / ratio, 66.0, 1.5);  // centred, empty above and below
}

TEST_F(PictureControls, BevelButtonShowsTheArrowDrawingWithinItsFace) {
    openSelectWindow();
    ASSERT_TRUE(platform::createControl(3, 10, ControlSpec(ControlKind::BevelButton, Rect16{450, 340, 470, 370})));
    EXPECT_TRUE(platform::setControlImage(3, 10, "SysSelBigArrow.png"));  // named as the window names it
    QToolButton* button = widget<QToolButton>(10);
    ASSERT_NE(button, nullptr);
    ASSERT_FALSE(button->icon().isNull());
    const QSize icon = button->iconSize();
    EXPECT_LE(icon.width(), 30 - 6);
    EXPECT_LE(icon.height(), 20 - 6);
    EXPECT_GE(icon.width(), 16);  // as large as the face allows, not a thumbnail
    EXPECT_FALSE(platform::setControlImage(3, 10, "NoSuchArrow.png"));
    EXPECT_TRUE(button->icon().isNull());
}

// The arrows of System Select and the custom palette stand out from their
// button's face in a dark style too: drawn in the button's light text
// colour there, as designed (dark) on a light face.
TEST_F(PictureControls, ArrowButtonsAreReadableInADarkStyle) {
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::ButtonText, QColor(0xf0, 0xf0, 0xf0));
    dark.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    // The lightness of the arrow's ink: its most opaque pixel.
    const auto ink = [](const QToolButton* button) {
        const QImage image = button->icon().pixmap(button->iconSize(), button->devicePixelRatioF()).toImage();
        QRgb most = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > qAlpha(most)) most = image.pixel(x, y);
        return QColor::fromRgba(most).lightness();
    };
    for (const char* arrow : {"SysSelBigArrow.png", "SysSelArrow.svg", "SpSelArrow.svg"})
        for (const bool darkStyle : {true, false}) {
            SCOPED_TRACE(std::string(arrow) + (darkStyle ? ", dark" : ", light"));
            QApplication::setPalette(darkStyle ? dark : light);
            openSelectWindow();
            ASSERT_TRUE(platform::createControl(3, 10, ControlSpec(ControlKind::BevelButton, Rect16{450, 340, 470, 370})));
            ASSERT_TRUE(platform::setControlImage(3, 10, arrow));
            QToolButton* button = widget<QToolButton>(10);
            ASSERT_NE(button, nullptr);
            const int face = button->palette().color(QPalette::Button).lightness();
            EXPECT_GE(std::abs(ink(button) - face), 96) << ink(button) << " on " << face;
            platform::closeWindow(3);
        }
    // A style changed while the button shows: the arrow follows.
    QApplication::setPalette(light);
    openSelectWindow();
    ASSERT_TRUE(platform::createControl(3, 10, ControlSpec(ControlKind::BevelButton, Rect16{450, 340, 470, 370})));
    ASSERT_TRUE(platform::setControlImage(3, 10, "SysSelBigArrow.png"));
    QApplication::setPalette(dark);
    QApplication::processEvents();
    QToolButton* button = widget<QToolButton>(10);
    EXPECT_GE(ink(button) - button->palette().color(QPalette::Button).lightness(), 96);
    QApplication::setPalette(light);
}

// Every button that shows a picture at one size shows the same icon, in a
// window opened again too: the pixmaps painted for an icon are kept by its
// key, and a new icon for each button made kept a new set for every design
// opened. Another size is another icon, drawn at that size.
TEST_F(PictureControls, BevelButtonsShowingOnePictureShareOneIcon) {
    const auto iconOf = [this](platform::ControlNumber control, Rect16 bounds) -> qint64 {
        EXPECT_TRUE(platform::createControl(3, control, ControlSpec(ControlKind::BevelButton, bounds)));
        EXPECT_TRUE(platform::setControlImage(3, control, "SysSelBigArrow.png"));
        QToolButton* button = widget<QToolButton>(control);
        return button != nullptr ? button->icon().cacheKey() : 0;
    };
    openSelectWindow();
    const qint64 first = iconOf(10, Rect16{450, 340, 470, 370});
    EXPECT_EQ(iconOf(11, Rect16{450, 380, 470, 410}), first);
    EXPECT_NE(iconOf(12, Rect16{400, 340, 440, 400}), first);
    platform::closeWindow(3);
    openSelectWindow();
    EXPECT_EQ(iconOf(10, Rect16{450, 340, 470, 370}), first);
}

// The read-out's pointer: 15 x 15 with its hot spot on the crossing point.
TEST_F(PictureControls, CrossHairCursorCentresOnItsHotSpot) {
    platform::setImageCursor("CrossPointCursor.png", "Images", 7, 7);
    const QCursor* cursor = QGuiApplication::overrideCursor();
    ASSERT_NE(cursor, nullptr);
    const QImage image = cursor->pixmap().toImage();
    EXPECT_EQ(image.size(), QSize(15, 15));
    EXPECT_EQ(cursor->hotSpot(), QPoint(7, 7));
    EXPECT_LT(qGray(image.pixel(7, 7)), 80);   // the dark centre point
    EXPECT_GT(qAlpha(image.pixel(7, 7)), 200);
    EXPECT_LT(qAlpha(image.pixel(2, 2)), 30);  // open between the arms
    EXPECT_LT(qGray(image.pixel(1, 7)), 80);   // arms reach the edges
    EXPECT_LT(qGray(image.pixel(7, 13)), 80);
    platform::setCursor(platform::Cursor::Arrow);
}

// Each legend sample is a horizontal line across its 50 x 16 picture, in
// the colour the sweep draws that curve with; the fat sample is thicker.
TEST_F(PictureControls, LegendSamplesShowTheirCurvesColourAndWeight) {
    struct Sample {
        const char* name;
        QColor colour;
        bool fat;
    };
    const Sample samples[] = {
        {"OrangeFatBtn.png", QColor::fromRgbF(1.0f, 0.5294f, 0.0f), true},
        {"OrangeThinBtn.png", QColor::fromRgbF(1.0f, 0.5294f, 0.0f), false},
        {"GreenThinBtn.png", QColor::fromRgbF(0.0f, 0.7843f, 0.0f), false},
        {"BlueThinBtn.png", QColor::fromRgbF(0.0f, 0.5112f, 1.0f), false},
        {"LightBlueThinBtn.png", QColor::fromRgbF(0.0f, 0.9412f, 1.0f), false},
        {"PurpleThinBtn.png", QColor::fromRgbF(0.6196f, 0.2863f, 0.6314f), false},
    };
    for (const Sample& s : samples) {
        SCOPED_TRACE(s.name);
        const QImage image = platform::qt::resourceImage(s.name, "Images");
        ASSERT_EQ(image.size(), QSize(50, 16));
        int solidRows = 0;
        for (int y = 0; y < 16; ++y) {
            const QRgb p = image.pixel(25, y);
            if (qAlpha(p) > 200) {
                ++solidRows;
                EXPECT_NEAR(qRed(p), s.colour.red(), 2);
                EXPECT_NEAR(qGreen(p), s.colour.green(), 2);
                EXPECT_NEAR(qBlue(p), s.colour.blue(), 2);
            }
        }
        EXPECT_EQ(solidRows, s.fat ? 2 : 1);
        EXPECT_GT(qAlpha(image.pixel(0, 8)) + qAlpha(image.pixel(0, 7)), 200);   // from edge ...
        EXPECT_GT(qAlpha(image.pixel(49, 8)) + qAlpha(image.pixel(49, 7)), 200);  // ... to edge
        EXPECT_EQ(qAlpha(image.pixel(25, 2)), 0);
    }
}

}  // namespace
}  // namespace quendal::test
