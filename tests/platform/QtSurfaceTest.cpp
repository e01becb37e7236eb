// The primitives drawn by the Qt backend: pixels checked at known places in
// the window's retained image, in PNG files and on the print page.
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include "PlatformFixture.h"
#include "platform/qt/Fonts.h"
#include "view/QuartzDraw.h"

namespace quendal::test {
namespace {

constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kBlue = 0x0000FF;

void colour(double r, double g, double b) {
    state.draw.RedCol = r;
    state.draw.GrnCol = g;
    state.draw.BleCol = b;
}

void coordinates(float x0, float y0, float x1, float y1) {
    state.point.xx = x0;
    state.point.yy = y0;
    state.point.xx1 = x1;
    state.point.yy1 = y1;
}

// The red sweep-like line across the whole window at y = 100.
void redLineAcross() {
    colour(1, 0, 0);
    coordinates(30, 100, 520, 100);
    QuartzDrawLine(7);
}

// Rows holding ink (anything darker than white) within the columns.
std::pair<int, int> inkRows(const QImage& image, int left, int right) {
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = left; x < right; ++x)
            if (rgbAt(image, x, y) != kWhite) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return {first, last};
}

void blackText(const char* text, float x, float y, int32_t row, double size) {
    colour(0, 0, 0);
    state.point.xx = x;
    state.point.yy = y;
    state.draw.QuartzText = text;
    state.draw.QzFontNum = row;
    state.draw.fontSize = size;
    QuartzDrawText(7);
}

class QtSurfaceTest : public PlatformTest {};

TEST_F(QtSurfaceTest, LineClippedToTheGraphAreaShowsOnlyBetween45And505) {
    openResponseWindow();
    redLineAcross();
    const QImage image = drawing();
    ASSERT_EQ(image.size(), QSize(540, 390));
    EXPECT_EQ(rgbAt(image, 35, 100), kWhite);
    EXPECT_EQ(rgbAt(image, 44, 100), kWhite);
    EXPECT_EQ(rgbAt(image, 45, 100), kRed);
    EXPECT_EQ(rgbAt(image, 300, 100), kRed);
    EXPECT_EQ(rgbAt(image, 504, 100), kRed);
    EXPECT_EQ(rgbAt(image, 506, 100), kWhite);
    EXPECT_EQ(rgbAt(image, 515, 100), kWhite);
    // One crisp pixel row.
    EXPECT_EQ(rgbAt(image, 300, 99), kWhite);
    EXPECT_EQ(rgbAt(image, 300, 101), kWhite);

    // Not clipped with ClippingFlag 1.
    state.draw.ClippingFlag = 1;
    coordinates(30, 120, 520, 120);
    QuartzDrawLine(7);
    EXPECT_EQ(rgbAt(drawing(), 35, 120), kRed);
    EXPECT_EQ(rgbAt(drawing(), 515, 120), kRed);
}

// A curve segment outside the graph area whose smoothed edge still reaches
// into it paints there, as it does drawn without the clip; one wholly
// outside paints nothing.
TEST_F(QtSurfaceTest, SegmentsBesideTheGraphAreaPaintInsideWhereTheyReach) {
    struct Segment {
        float x0, y0, x1, y1;
        double width;
        bool inkInside;
    };
    const Segment segments[] = {
        {100, 331.8f, 140, 332.4f, 2.0, true},  // under the bottom edge, its upper edge above it
        {44.2f, 100, 43.6f, 140, 2.0, true},    // left of the left edge
        {100, 49.6f, 140, 49.0f, 1.2, true},    // above the top edge
        {506.4f, 100, 507, 140, 2.0, false},    // right of the right edge, its edge on it
        {100, 340, 140, 380, 2.0, false},       // far below
        {100, 320, 140, 345, 1.0, true},        // across the bottom edge
    };
    openResponseWindow();
    const auto drawn = [this](const Segment& s, int32_t clipping) {
        if (const auto& surface = platform::qt::findWindow(7)->surface) surface->clear();  // made at the first drawing
        colour(1, 0, 0);
        state.draw.LineW = s.width;
        state.draw.ClippingFlag = clipping;
        coordinates(s.x0, s.y0, s.x1, s.y1);
        QuartzDrawLine(7);
        return drawing().copy();
    };
    for (const Segment& s : segments) {
        const QImage clipped = drawn(s, 0), whole = drawn(s, 1);
        bool clippedInk = false, wholeInk = false;
        for (int y = 50; y < 331; ++y)
            for (int x = 45; x < 505; ++x) {
                clippedInk = clippedInk || rgbAt(clipped, x, y) != kWhite;
                wholeInk = wholeInk || rgbAt(whole, x, y) != kWhite;
            }
        EXPECT_EQ(clippedInk, s.inkInside) << s.x0 << "," << s.y0;
        EXPECT_EQ(wholeInk, s.inkInside) << s.x0 << "," << s.y0;
    }
}

TEST_F(QtSurfaceTest, SurfaceDrawingShowsInTheWindowPng) {
    openResponseWindow();
    redLineAcross();
    const std::string path = tempPath("window.png");
    ASSERT_TRUE(platform::writeWindowPng(7, path));
    const QImage shot(QString::fromStdString(path));
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(rgbAt(shot, 44, 100), kWhite);
    EXPECT_EQ(rgbAt(shot, 45, 100), kRed);
    EXPECT_EQ(rgbAt(shot, 506, 100), kWhite);
    EXPECT_FALSE(platform::writeWindowPng(99, tempPath("none.png")));
}

TEST_F(QtSurfaceTest, FilledAndFramedRectangles) {
    openResponseWindow();
    colour(0, 0, 1);
    coordinates(100, 150, 200, 250);
    state.draw.s_FrameFill = "Fill";
    QuartzDrawRect(7);
    colour(1, 0, 0);
    coordinates(300, 150, 400, 250);
    QuartzDrawRect(7);  // framed: the fill lasted one rectangle

    const QImage image = drawing();
    EXPECT_EQ(rgbAt(image, 100, 150), kBlue);
    EXPECT_EQ(rgbAt(image, 150, 200), kBlue);
    EXPECT_EQ(rgbAt(image, 199, 249), kBlue);
    EXPECT_EQ(rgbAt(image, 99, 200), kWhite);
    EXPECT_EQ(rgbAt(image, 200, 200), kWhite);
    EXPECT_EQ(rgbAt(image, 150, 250), kWhite);

    EXPECT_EQ(rgbAt(image, 300, 200), kRed);  // crisp one-pixel edges
    EXPECT_EQ(rgbAt(image, 350, 150), kRed);
    EXPECT_EQ(rgbAt(image, 301, 200), kWhite);
    EXPECT_EQ(rgbAt(image, 350, 151), kWhite);
    EXPECT_EQ(rgbAt(image, 350, 200), kWhite);  // not filled
}

TEST_F(QtSurfaceTest, DashesAreOneOnThreeOffAndOneOnOneOff) {
    openResponseWindow();
    state.draw.ClippingFlag = 1;
    colour(1, 0, 0);
    state.draw.DashLineType = 1;
    coordinates(100, 200, 140, 200);
    QuartzDrawLine(7);
    state.draw.DashLineType = 2;
    coordinates(100, 210, 140, 210);
    QuartzDrawLine(7);
    const QImage image = drawing();
    for (int x = 100; x < 140; ++x) {
        EXPECT_EQ(rgbAt(image, x, 200), (x - 100) % 4 == 0 ? kRed : kWhite) << "dotted x " << x;
        EXPECT_EQ(rgbAt(image, x, 210), (x - 100) % 2 == 0 ? kRed : kWhite) << "dense x " << x;
    }
}

TEST_F(QtSurfaceTest, CircleStrokeAndArcDirection) {
    openResponseWindow();
    colour(0, 0.5, 0);
    state.draw.LineW = 2;
    state.point.xx = 270;
    state.point.yy = 200;
    state.draw.radus = 50;
    state.draw.cirBgn = 0;
    state.draw.cirEnd = 3.14159265358979 / 2;  // a quarter from 3 o'clock, clockwise on screen: to 6 o'clock
    QuartzDrawOval(7);
    const QImage image = drawing();
    auto inked = [&](int x, int y) { return rgbAt(image, x, y) != kWhite; };
    EXPECT_TRUE(inked(319, 200) || inked(320, 200));  // start
    EXPECT_TRUE(inked(270, 249) || inked(270, 250));  // end, below the centre
    EXPECT_TRUE(inked(305, 235) || inked(306, 236));  // on the way
    EXPECT_FALSE(inked(270, 150) || inked(270, 151)); // the top is not part of it
    EXPECT_FALSE(inked(220, 200) || inked(221, 200));
    EXPECT_FALSE(inked(270, 200));
}

TEST_F(QtSurfaceTest, TextBaselineAndPixelSize) {
    openResponseWindow();
    blackText("H", 7, 40, 7, 40.0);
    const QImage image = drawing();
    const auto [top, bottom] = inkRows(image, 0, 60);
    // The baseline is 40 pixels below the top: the capital ends on row 39.
    EXPECT_EQ(bottom, 39);
    // Font sizes are pixels: a 40 px capital H of the sans stands about 29 px.
    EXPECT_GE(bottom - top + 1, 27);
    EXPECT_LE(bottom - top + 1, 31);
    // It starts at x 7 (plus the glyph's small side bearing).
    bool inkLeftOf7 = false;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < 7; ++x) inkLeftOf7 = inkLeftOf7 || rgbAt(image, x, y) != kWhite;
    EXPECT_FALSE(inkLeftOf7);
}

TEST_F(QtSurfaceTest, PicturesFromTheResourcesScaledIntoTheirRectangle) {
    const QString images = QDir(folder.path()).filePath(QStringLiteral("Images"));
    ASSERT_TRUE(QDir().mkpath(images));
    QImage probe(10, 10, QImage::Format_RGB32);
    probe.fill(QColor(0, 255, 0));
    ASSERT_TRUE(probe.save(QDir(images).filePath(QStringLiteral("Probe.png"))));
    platform::setResourceFolder(folder.path().toStdString());

    openResponseWindow();
    DrawCGImageFromBandleResource(7, Rect16{10, 10, 30, 50}, "Probe.png", "Images");
    DrawCGImageFromBandleResource(7, Rect16{60, 10, 80, 50}, "Missing.png", "Images");
    const QImage image = drawing();
    EXPECT_EQ(rgbAt(image, 10, 10), 0x00FF00u);
    EXPECT_EQ(rgbAt(image, 49, 29), 0x00FF00u);
    EXPECT_EQ(rgbAt(image, 51, 20), kWhite);
    EXPECT_EQ(rgbAt(image, 30, 70), kWhite);  // a missing picture draws nothing
}

TEST_F(QtSurfaceTest, DrawingSurvivesAResizeAndClearErasesIt) {
    openResponseWindow();
    redLineAcross();
    platform::setWindowBounds(7, Rect16{100, 100, 700, 640});
    QImage image = drawing();
    EXPECT_EQ(image.height(), 600);
    EXPECT_EQ(rgbAt(image, 300, 100), kRed);
    EXPECT_EQ(rgbAt(image, 300, 500), kWhite);

    platform::qt::findWindow(7)->surface->clear();
    image = drawing();
    EXPECT_EQ(rgbAt(image, 300, 100), kWhite);
}

TEST_F(QtSurfaceTest, DoPrintDrawsOnThePngPageNotTheWindow) {
    openResponseWindow();
    const std::string path = tempPath("page.png");
    ASSERT_TRUE(platform::openPage(platform::PageFormat::Png, path, 612, 792));
    EXPECT_FALSE(platform::openPage(platform::PageFormat::Png, tempPath("second.png")));  // one page at a time
    state.draw.DoPrint = 1;
    redLineAcross();
    blackText("H", 7, 740, 7, 40.0);
    state.draw.DoPrint = 0;
    ASSERT_TRUE(platform::closePage());
    EXPECT_FALSE(platform::closePage());

    const QImage page(QString::fromStdString(path));
    ASSERT_EQ(page.size(), QSize(612, 792));
    EXPECT_EQ(rgbAt(page, 44, 100), kWhite);
    EXPECT_EQ(rgbAt(page, 45, 100), kRed);
    EXPECT_EQ(rgbAt(page, 506, 100), kWhite);
    EXPECT_EQ(inkRows(page, 0, 60).second, 739);  // the same baseline rule on the page

    const QImage window = drawing();
    EXPECT_TRUE(window.isNull() || rgbAt(window, 300, 100) == kWhite);
}

TEST_F(QtSurfaceTest, DoPrintWithoutAnOpenPageDrawsNothing) {
    openResponseWindow();
    state.draw.DoPrint = 1;
    redLineAcross();
    const QImage window = drawing();
    EXPECT_TRUE(window.isNull() || rgbAt(window, 300, 100) == kWhite);
}

TEST_F(QtSurfaceTest, PdfPageIsWrittenInPoints) {
    const std::string path = tempPath("page.pdf");
    ASSERT_TRUE(platform::openPage(platform::PageFormat::Pdf, path, 612, 792));
    state.draw.DoPrint = 1;
    redLineAcross();
    blackText("Quendal  Test20-04", 25, 775, 1, 13.0);
    ASSERT_TRUE(platform::closePage());
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    const QRegularExpression mediaBox(QStringLiteral(R"(/MediaBox \[0 0 612(\.0+)? 792(\.0+)?\])"));
    EXPECT_TRUE(mediaBox.match(QString::fromLatin1(bytes)).hasMatch()) << "page not 612 x 792 points";

    EXPECT_FALSE(platform::openPage(platform::PageFormat::Pdf, "/nonexistent-folder/page.pdf"));
}

TEST_F(QtSurfaceTest, FontRowsComeFromThePinnedFamilies) {
    QImage device(10, 10, QImage::Format_RGB32);
    struct Row {
        int32_t row;
        const char* family;
        bool bold;
    };
    for (const Row r : {Row{1, "Liberation Sans", false}, Row{2, "DejaVu Sans Mono", false},
                        Row{3, "DejaVu Sans Mono", false}, Row{4, "Liberation Sans", true},
                        Row{5, "Liberation Sans", false}, Row{6, "Liberation Sans", true},
                        Row{7, "Liberation Sans", false}, Row{8, "Liberation Sans", true},
                        Row{0, "Liberation Sans", false}, Row{9, "Liberation Sans", false}}) {
        const QFontInfo info(platform::qt::fontForRow(r.row, 12.0, device));
        EXPECT_EQ(info.family().toStdString(), r.family) << "row " << r.row;
        EXPECT_EQ(info.bold(), r.bold) << "row " << r.row;
    }
    EXPECT_EQ(QFontInfo(platform::qt::fontForName("Helvetica Bold", false)).family().toStdString(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(platform::qt::fontForName("Monaco", false)).family().toStdString(), "DejaVu Sans Mono");
}

TEST_F(QtSurfaceTest, SameTextRendersToTheSamePixels) {
    // Two windows drawing one text: identical bytes (no hidden state between
    // elements, nothing left to the machine's font choice).
    openResponseWindow();
    ASSERT_TRUE(platform::createWindow(8, platform::WindowKind::Document, Rect16{100, 700, 490, 1240}, "Twin"));
    for (int32_t window : {7, 8}) {
        colour(0.2, 0.3, 0.4);
        state.point.xx = 12.5f;
        state.point.yy = 60.25f;
        state.draw.QuartzText = "Fs 50.000 Hz  Qts 0.400";
        state.draw.QzFontNum = 1;
        state.draw.fontSize = 13.0;
        QuartzDrawText(window);
    }
    EXPECT_EQ(drawing(7), drawing(8));
}

}  // namespace
}  // namespace quendal::test
