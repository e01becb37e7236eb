#include "view/NumberTextLayout.h"

#include <string>
#include <string_view>

namespace quendal {

namespace {

std::string_view limited(const Str255& text) { return text.view().substr(0, kNumberTextLimit); }

int16_t position(const Str255& text, char c) {
    const std::size_t at = limited(text).find(c);
    return at == std::string_view::npos ? 0 : static_cast<int16_t>(at + 1);
}

}  // namespace

int16_t CharactCheck(const Str255& text) { return static_cast<int16_t>(limited(text).size()); }

int16_t CommaCheck(const Str255& text) { return position(text, '.'); }

int16_t MinusCheck(const Str255& text) { return position(text, '-'); }

double sansTextWidth(std::string_view bytes, double pixelSize) {
    // Advances of the printable ASCII characters, space to tilde, in
    // thousandths of the em.
    static constexpr int16_t kAdvance[95] = {
        278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  //   ! " # ... /
        556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0-9 : ; < = > ?
        1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // @ A-O
        667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // P-Z [ \ ] ^ _
        333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // ` a-o
        556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,       // p-z { | } ~
    };
    double units = 0.0;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte <= 126) units += kAdvance[byte - 32];
        else if (byte == 0xA1) units += 400;   // the degree sign
        else if (byte == 0xC9) units += 1000;  // the ellipsis
        else units += 556;
    }
    return units * pixelSize / 1000.0;
}

Str255 PlusCommaZero(const Str255& text, int16_t decimals) {
    std::string out(limited(text));
    const std::size_t point = out.find('.');
    const bool minus = out.find('-') != std::string::npos;
    if (point == std::string::npos) {
        switch (decimals) {
            case 1: out += ".0"; break;
            case 2: out += ".00"; break;
            case 3: if (!minus) out += ".000"; break;
            case 4: if (!minus) out += ".0000"; break;
            default: break;
        }
    } else {
        const std::size_t after = out.size() - point - 1;  // characters after the point
        if (after >= 1 && decimals >= 1 && decimals <= 4 && static_cast<std::size_t>(decimals) > after)
            out.append(static_cast<std::size_t>(decimals) - after, '0');
    }
    if (out.size() > kNumberTextLimit) out.resize(kNumberTextLimit);
    return Str255(out);
}

}  // namespace quendal
