#include "platform/qt/Fonts.h"

#include <QApplication>
#include <QPaintDevice>

#include "platform/qt/MacRoman.h"

namespace quendal::platform::qt {

namespace {

struct Face {
    const char* family;
    bool bold;
};

constexpr const char* kSans = "Liberation Sans";    // the pages were laid out for a sans of these widths
constexpr const char* kMono = "DejaVu Sans Mono";
constexpr const char* kGrotesque = "Liberation Sans";  // metric twin of the classic grotesques

// Rows 1-8: Lucida Grande, Monaco, Monaco, Lucida Grande Bold, Geneva,
// Arial Bold, Helvetica, Helvetica Bold.
constexpr Face kRows[8] = {
    {kSans, false}, {kMono, false}, {kMono, false}, {kSans, true},
    {kSans, false}, {kGrotesque, true}, {kGrotesque, false}, {kGrotesque, true},
};

struct NamedFace {
    std::string_view name;
    Face face;
};

constexpr NamedFace kNames[] = {
    {"Lucida Grande", {kSans, false}},   {"Lucida Grande Bold", {kSans, true}},
    {"Monaco", {kMono, false}},          {"Geneva", {kSans, false}},
    {"Arial", {kGrotesque, false}},      {"Arial Bold", {kGrotesque, true}},
    {"Helvetica", {kGrotesque, false}},  {"Helvetica Bold", {kGrotesque, true}},
};

QFont make(const Face& face) {
    QFont font(QString::fromLatin1(face.family));
    font.setBold(face.bold);
    font.setKerning(true);
    // Vertical hinting only: glyphs stay crisp on their baseline while the
    // advances stay those of the outlines, the same on screen and page.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

QFont fontForRow(int32_t row, double pixelSize, const QPaintDevice& device) {
    const Face& face = kRows[(row >= 1 && row <= 8) ? row - 1 : 0];
    QFont font = make(face);
    // A point size in the device's own resolution gives exactly this many
    // pixels, fractions included (setPixelSize takes whole pixels only).
    const int dpi = device.logicalDpiY() > 0 ? device.logicalDpiY() : 72;
    font.setPointSizeF(pixelSize > 0.0 ? pixelSize * 72.0 / dpi : 1.0);
    return font;
}

QFont fontForName(std::string_view name, bool bold) {
    for (const NamedFace& n : kNames) {
        if (n.name == name) {
            Face face = n.face;
            face.bold = face.bold || bold;
            return make(face);
        }
    }
    QFont font = make({kSans, bold});
    if (!name.empty()) font.setFamily(fromMacRoman(name));
    return font;
}

void useSansAsDefaultFont() {
    const QFont desktop = QApplication::font();
    QFont sans = make({kSans, false});
    if (desktop.pointSizeF() > 0.0)
        sans.setPointSizeF(desktop.pointSizeF());
    else if (desktop.pixelSize() > 0)
        sans.setPixelSize(desktop.pixelSize());
    QApplication::setFont(sans);
}

}  // namespace quendal::platform::qt
