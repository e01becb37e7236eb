// Every picture the program names exists as a drawing, renders, and lands
// inside the rectangle it is drawn into, on the window and on the page.
#include <cmath>
#include <set>
#include <string>
#include <tuple>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "PictureFixture.h"
#include "view/Pictures.h"
#include "view/QuartzDraw.h"
#include "view/RecordingSurface.h"

namespace quendal::test {
namespace {

using Kind = RecordedElement::Kind;

TEST(PictureCatalogue, EverySystemAndConnectionHasItsOwnPicture) {
    // The order of the two tabs: system number = (tab - 1) * 8 + button.
    EXPECT_EQ(systemPicture(1, 1), "InfiniteImage.svg");
    EXPECT_EQ(systemPicture(1, 6), "ParallelVentedImage.svg");  // Twin Serial Vented
    EXPECT_EQ(systemPicture(2, 1), "RavezaBoxImage.svg");
    EXPECT_EQ(systemPicture(2, 8), "TripleVentedImage.svg");
    for (int32_t n = 1; n <= 16; ++n) EXPECT_EQ(systemPicture(n), systemPicture((n - 1) / 8 + 1, (n - 1) % 8 + 1));
    EXPECT_EQ(connectionPicture(1), "SpConSingle.svg");
    EXPECT_EQ(connectionPicture(5), "SpConPushPullSeries.svg");
    EXPECT_FALSE(isWideConnection(3));
    EXPECT_TRUE(isWideConnection(4));
    // Selections that name nothing name no picture.
    for (auto [tab, button] : {std::pair{0, 1}, {3, 1}, {1, 0}, {1, 9}, {2, -1}}) EXPECT_EQ(systemPicture(tab, button), "");
    for (int32_t n : {0, 17, -3}) EXPECT_EQ(systemPicture(n), "");
    for (int32_t n : {0, 6}) EXPECT_EQ(connectionPicture(n), "");
}

TEST(PictureCatalogue, NoTwoChoicesShareAPicture) {
    std::set<std::string_view> seen;
    for (std::string_view name : allPictures()) EXPECT_TRUE(seen.insert(name).second) << name;
    for (int32_t n = 1; n <= 16; ++n) EXPECT_TRUE(seen.count(systemPicture(n))) << n;
    for (int32_t n = 1; n <= 5; ++n) EXPECT_TRUE(seen.count(connectionPicture(n))) << n;
}

class ResourcePictures : public PictureTest {};

// Each drawing renders at its own size with ink inside its canvas, not a
// blank or broken file; the small ones (arrows, line samples, the cursor)
// and the large ones alike.
TEST_F(ResourcePictures, EveryNamedPictureIsADrawingThatRenders) {
    for (std::string_view name : allPictures()) {
        SCOPED_TRACE(std::string(name));
        const std::string path = platform::picturePath(name);
        ASSERT_FALSE(path.empty());
        QSvgRenderer renderer(QString::fromStdString(path));
        ASSERT_TRUE(renderer.isValid());
        const QSize size = renderer.defaultSize();
        ASSERT_FALSE(size.isEmpty());
        constexpr int kRoom = 12;
        const QImage image = renderAlone(path, size, kRoom);
        const QRect ink = inkBounds(image, qRgba(0, 0, 0, 0));
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(QRect(QPoint(kRoom, kRoom), size).contains(ink));  // nothing strays off the canvas
        // Something substantial, not a stray speck.
        EXPECT_GE(ink.width() * ink.height(), size.width() * size.height() / 8);
    }
}

// A figure drawn into a rectangle of its own proportions fills it to its
// edges and never spills over; into a narrower one it keeps its shape,
// centred.
TEST_F(ResourcePictures, FiguresFillTheirRectangleAndKeepTheirShape) {
    for (int32_t n = 1; n <= 16; ++n) {
        std::string_view name = systemPicture(n);
        SCOPED_TRACE(std::string(name));
        const QSize own = QSvgRenderer(QString::fromStdString(platform::picturePath(name))).defaultSize();
        const QRect target(30, 20, own.width(), own.height());
        platform::resetPlatform();
        openResponseWindow();
        DrawPicture(7, name, target.left(), target.top(), target.left() + target.width(), target.top() + target.height());
        QRect ink = inkBounds(drawing(), qRgb(255, 255, 255));
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(target.contains(ink));
        EXPECT_GE(ink.width(), target.width() * 2 / 3);  // the baffle alone stands narrower than its box
        EXPECT_GE(ink.height(), target.height() * 9 / 10);

        // Half as wide: the figure shrinks to half its size in both
        // directions and sits in the middle of the rectangle.
        platform::resetPlatform();
        openResponseWindow();
        const QRect narrow(30, 20, own.width() / 2, own.height());
        DrawPicture(7, name, narrow.left(), narrow.top(), narrow.left() + narrow.width(),
                    narrow.top() + narrow.height());
        ink = inkBounds(drawing(), qRgb(255, 255, 255));
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(narrow.contains(ink));
        EXPECT_NEAR(ink.height(), own.height() / 2, 3);
        EXPECT_NEAR(ink.center().y(), narrow.center().y(), 3);
    }
}

// The windows name the pictures as raster files; the drawings of the same
// name stand in for them. A picture that exists under neither name draws
// nothing.
TEST_F(ResourcePictures, RasterNamesFindTheDrawingOfTheSameName) {
    const std::string found = platform::picturePath("ClosedImage.png");
    ASSERT_FALSE(found.empty());
    EXPECT_TRUE(found.ends_with("/Images/ClosedImage.svg"));
    EXPECT_EQ(platform::picturePath("NoSuchImage.png"), "");
    EXPECT_EQ(platform::picturePath(""), "");

    openResponseWindow();
    DrawCGImageFromBandleResource(7, Rect16{84, 46, 278, 161}, "ClosedImage.png", "Images");
    DrawCGImageFromBandleResource(7, Rect16{84, 300, 278, 400}, "NoSuchImage.png", "Images");
    const QImage image = drawing();
    EXPECT_TRUE(QRect(46, 84, 116, 195).contains(inkBounds(image.copy(0, 0, 250, 390), qRgb(255, 255, 255))));
    EXPECT_FALSE(inkBounds(image.copy(0, 0, 250, 390), qRgb(255, 255, 255)).isEmpty());
    EXPECT_TRUE(inkBounds(image.copy(290, 0, 250, 390), qRgb(255, 255, 255)).isEmpty());
}

TEST_F(ResourcePictures, RecordingSurfaceKeepsTheFileAndRectangleOfDrawPicture) {
    RecordingProvider recorder;
    setSurfaceProvider(&recorder);
    EXPECT_EQ(DrawPicture(7, "VentedImage.svg", 42, 84, 162, 278), 0);
    state.draw.DoPrint = 1;  // the profile printed on the page
    DrawPicture(7, "SpConSingle.svg", 56, 640, 142, 775);
    state.draw.DoPrint = 0;
    // Nothing for rectangles that hold no picture.
    DrawPicture(7, "VentedImage.svg", 50, 84, 50, 278);
    DrawPicture(7, "VentedImage.svg", 160, 84, 40, 278);
    DrawPicture(7, "VentedImage.svg", std::nan(""), 84, 162, 278);
    DrawPicture(7, "", 42, 84, 162, 278);
    platform::resetPlatform();  // puts the layer's own surfaces back

    const auto window = recorder.window.ofKind(Kind::Picture);
    ASSERT_EQ(window.size(), 1u);
    EXPECT_EQ(window[0].text, "VentedImage.svg");
    EXPECT_EQ(window[0].folder, "Images");
    EXPECT_EQ(std::tuple(window[0].x0, window[0].y0, window[0].x1, window[0].y1), std::tuple(42.0, 84.0, 162.0, 278.0));
    const auto page = recorder.page.ofKind(Kind::Picture);
    ASSERT_EQ(page.size(), 1u);
    EXPECT_EQ(page[0].text, "SpConSingle.svg");
    EXPECT_EQ(page[0].y1, 775.0);
}

// On a PDF page a drawing stays lines and fills: no picture is turned into
// pixels, so the printed figure is as sharp as the text around it.
TEST_F(ResourcePictures, FiguresStayVectorsOnThePdfPage) {
    QTemporaryDir folder;
    const std::string path = QDir(folder.path()).filePath(QStringLiteral("profile.pdf")).toStdString();
    ASSERT_TRUE(platform::openPage(platform::PageFormat::Pdf, path));
    state.draw.DoPrint = 1;
    DrawPicture(7, systemPicture(1, 3), 42, 84, 162, 278);
    DrawPicture(7, connectionPicture(4), 29, 354, 171, 450);
    ASSERT_TRUE(platform::closePage());
    QFile pdf(QString::fromStdString(path));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_GT(bytes.size(), 4000);  // the drawings are there ...
    EXPECT_FALSE(bytes.contains("/Subtype /Image"));  // ... and none as pixels
}

}  // namespace
}  // namespace quendal::test
