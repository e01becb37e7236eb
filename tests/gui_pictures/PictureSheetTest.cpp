// The program icon's PNG (for the desktop entry) is its drawing rendered,
// and every picture shows on one contact sheet. With QUENDAL_PICTURE_OUT
// set to a folder, the sheet and the icon PNG are written there (and a
// proof.svg found there is rendered to proof.png) for a person to look at.
#include <cstdlib>

#include <QDir>
#include <QTemporaryDir>

#include "PictureFixture.h"
#include "platform/qt/Pictures.h"
#include "view/Pictures.h"

namespace quendal::test {
namespace {

constexpr int kIconSize = 256;

QImage renderIcon() {
    return renderAlone(std::string(QUENDAL_SOURCE_DIR) + "/resources/AppIcon.svg", QSize(kIconSize, kIconSize));
}

QString outputFolder(QTemporaryDir& fallback) {
    const char* out = std::getenv("QUENDAL_PICTURE_OUT");
    return out != nullptr && *out != '\0' ? QString::fromLocal8Bit(out) : fallback.path();
}

class PictureSheet : public PictureTest {};

TEST_F(PictureSheet, ProgramIconPngIsItsDrawingRendered) {
    const QImage png(QStringLiteral(QUENDAL_SOURCE_DIR "/resources/AppIcon.png"));
    ASSERT_EQ(png.size(), QSize(kIconSize, kIconSize));
    const QImage drawn = renderIcon();
    ASSERT_FALSE(drawn.isNull());
    const QImage a = png.convertToFormat(QImage::Format_ARGB32);
    double difference = 0.0;
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x) {
            const QRgb p = a.pixel(x, y), q = drawn.pixel(x, y);
            difference += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                          std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    EXPECT_LT(difference / (kIconSize * kIconSize * 4), 2.0) << "run scripts/make-pictures";
    EXPECT_EQ(qAlpha(a.pixel(2, 2)), 0);  // rounded corners see-through
    EXPECT_EQ(qAlpha(a.pixel(kIconSize / 2, kIconSize / 2)), 255);
}

// Every picture in a cell of its own, drawn as the windows draw it; each
// cell shows ink.
TEST_F(PictureSheet, WritesTheContactSheetWithEveryPicture) {
    QTemporaryDir temporary;
    const QString folder = outputFolder(temporary);
    ASSERT_TRUE(QDir().mkpath(folder));
    const auto names = allPictures();
    constexpr int kCell = 220, kColumns = 8;
    const int rows = int((names.size() + kColumns - 1) / kColumns);
    QImage sheet(kCell * kColumns, kCell * rows, QImage::Format_ARGB32);
    sheet.fill(QColor(237, 237, 237));
    QPainter painter(&sheet);
    for (size_t i = 0; i < names.size(); ++i) {
        const QString path = platform::qt::picturePathOf(names[i], kPictureFolder);
        const QSize own = platform::qt::pictureSize(path);
        ASSERT_FALSE(own.isEmpty()) << std::string(names[i]);
        const QRectF cell(double(i % kColumns) * kCell + 10, double(i / kColumns) * kCell + 10, kCell - 20, kCell - 20);
        // Small pictures at four times their size, large ones at their own.
        const double zoom = own.width() < 60 && own.height() < 60 ? 4.0 : 1.0;
        const QSizeF size = QSizeF(own) * zoom;
        const QRectF target(cell.center() - QPointF(size.width() / 2, size.height() / 2), size);
        painter.fillRect(target, Qt::white);
        EXPECT_TRUE(platform::qt::paintPicture(painter, path, target));
        EXPECT_FALSE(inkBounds(sheet.copy(target.toRect()), qRgb(255, 255, 255)).isEmpty()) << std::string(names[i]);
    }
    painter.end();
    EXPECT_TRUE(sheet.save(QDir(folder).filePath(QStringLiteral("contact-sheet.png"))));
    EXPECT_TRUE(renderIcon().save(QDir(folder).filePath(QStringLiteral("AppIcon.png"))));
    const QString proof = QDir(folder).filePath(QStringLiteral("proof.svg"));
    if (QFile::exists(proof)) {
        QSvgRenderer renderer(proof);
        ASSERT_TRUE(renderer.isValid());
        QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p);
        p.end();
        EXPECT_TRUE(image.save(QDir(folder).filePath(QStringLiteral("proof.png"))));
    }
}

}  // namespace
}  // namespace quendal::test
