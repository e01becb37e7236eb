#include "app/PrintingPage.h"

#include <algorithm>
#include <cstdio>

#include "response/AirSpeedPlot.h"
#include "response/AmplitudePlot.h"
#include "response/DisplacementPlot.h"
#include "response/GroupDelayPlot.h"
#include "response/ImpedancePlot.h"
#include "response/PhasePlot.h"
#include "response/PowerPlot.h"
#include "response/ReferenceLevel.h"
#include "response/StepResponse.h"
#include "model/ControlCharacters.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/MacRomanText.h"
#include "view/SystemProfile.h"
#include "view/QuartzDraw.h"
#include "view/ResponseRedraw.h"
#include "view/ResponseGraphs.h"
#include "view/Explanation.h"
#include "windows/ResponseTitle.h"
#include "view/VentInfo.h"

namespace quendal {

namespace {

constexpr double kFooterFontSize = 13.0;  // px
constexpr int32_t kFooterFontRow = 1;

// Pages that are whole in themselves: no parameter block under them.
bool standAlonePage() {
    const std::string_view kind = state.view.s_Resp.view();
    return kind == "sys" || kind == "vent";
}

}  // namespace

double CalcPrintPageScale(const platform::PageArea& pageRect) {
    const double width = pageRect.right, height = pageRect.bottom;
    if (height > width)
        return 102.5 * (1.0087193876e-13 * width * width + 0.0017889308287 * width + 3.4395623905e-08);
    return 71.5 * (-9.503963872e-14 * height * height + 0.0017889086477 * height - 3.2402136307e-08);
}

double FittedPrintPageScale(const platform::PageArea& pageRect) {
    const double width = pageRect.right - pageRect.left, height = pageRect.bottom - pageRect.top;
    const double fit = 100.0 * std::min(width / kPrintedPageWidth, height / kPrintedPageHeight);
    return std::min(CalcPrintPageScale(pageRect), fit);
}

double PrintPageScale(const platform::PageArea& pageRect, double userScale) {
    return FittedPrintPageScale(pageRect) * userScale / 100.0;
}

std::string fitForFileName(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '/', '-');
    std::replace(out.begin(), out.end(), '\0', '-');
    std::replace_if(
        out.begin(), out.end(), [](char c) { return isControlCharacter(static_cast<unsigned char>(c)); }, ' ');
    return out;
}

std::string PrintJobName() {
    const std::string name = state.speaker.s_SP.str() + "_" + std::string(SetResponseTitle());
    return fitForFileName(platform::utf8FromMacRoman(name));
}

int32_t ResponsePrint() {
    DrawingState& d = state.draw;
    const bool graph = DrawResponsePage(PageTarget::Print);
    if (graph && state.prefs.PrintParamCheck == 1) {
        d.ClippingFlag = 1;
        PrintSystemProfile();
    }
    d.ClippingFlag = 0;
    return 0;
}

std::string FooterDate(const std::tm& when) {
    static constexpr const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[32];
    const int month = when.tm_mon;
    if (month >= 0 && month < 12)
        std::snprintf(text, sizeof text, "%s/%02d/%04d", months[month], when.tm_mday, when.tm_year + 1900);
    else
        std::snprintf(text, sizeof text, "%02d/%02d/%04d", month + 1, when.tm_mday, when.tm_year + 1900);
    return text;
}

std::string FooterTime(const std::tm& when) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", when.tm_hour, when.tm_min);
    return text;
}

FooterLine FooterFor(std::string_view modelName, std::string_view date, std::string_view time) {
    const bool bottomLeft = standAlonePage() || state.prefs.PrintParamCheck == 0;
    const std::string_view gap = bottomLeft ? "  " : " ";
    FooterLine line;
    line.text = Str255(std::string("Quendal") + std::string(gap) + std::string(modelName) + std::string(gap) +
                       std::string(date) + std::string(gap) + std::string(time));
    line.x = bottomLeft ? 25.0 : 200.0;
    line.y = bottomLeft ? 775.0 : 780.0;
    return line;
}

int32_t DrawFooter(const std::tm& when) {
    const FooterLine line = FooterFor(state.speaker.s_SP.view(), FooterDate(when), FooterTime(when));
    DrawingState& d = state.draw;
    d.QzFontNum = kFooterFontRow;
    d.fontSize = kFooterFontSize;
    d.RedCol = d.GrnCol = d.BleCol = 0.0;
    d.QuartzText = line.text;
    state.point.xx = float(line.x);
    state.point.yy = float(line.y);
    QuartzDrawText(kResponseWindow);
    return 0;
}

int32_t DrawDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DrawFooter(local);
}

}  // namespace quendal
