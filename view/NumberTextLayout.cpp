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

double readOutTextWidth(std::string_view bytes, double pixelSize) {
    // Advances in thousandths of the em.
    double units = 0.0;
    for (const char c : bytes) {
        switch (c) {
            case ' ': case '.': case '/': units += 278; break;
            case '-': units += 333; break;
            case 'z': case 's': units += 500; break;
            case 'B': units += 667; break;
            case 'H': units += 722; break;
            case 'm': units += 833; break;
            case 'W': units += 944; break;
            case '\xA1': units += 400; break;  // the degree sign
            default: units += 556; break;      // digits and the other small letters used
        }
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
