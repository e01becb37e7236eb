// How a legend strip is built on screen, printed, removed and clicked; the
// entry sets of each graph are in ExplanationSets.cpp.
#include <cstring>
#include <string>

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/Explanation.h"
#include "view/FrameDrawing.h"
#include "view/NyquistReadout.h"
#include "view/PointerReadout.h"
#include "view/QuartzDraw.h"

namespace quendal {

namespace {

constexpr int32_t kFirstPicture = 400;  // pictures 400-403, texts 71-74
constexpr int32_t kFirstText = 71;
constexpr int16_t kStripTop = 352, kStripBottom = 368;  // px
constexpr double kSampleLength = 50.0;                  // px, picture width and printed line length
constexpr double kLabelGap = 57.0;                      // px from the sample's left end to its label
constexpr double kLabelBaseline = 364.0;                // px, printed label

// A picture control that reports a click at once (305) or tracks it (304).
constexpr int32_t kTrackingPicture = 304;

struct SampleLook {
    const char* file;
    Colour colour;
};

SampleLook lookOf(LineSample sample) {
    switch (sample) {
        case LineSample::OrangeFat: return {"OrangeFatBtn.png", {1.0, 0.5294, 0.0}};
        case LineSample::OrangeThin: return {"OrangeThinBtn.png", {1.0, 0.5294, 0.0}};
        case LineSample::GreenThin: return {"GreenThinBtn.png", {0.0, 0.7843, 0.0}};
        case LineSample::BlueThin: return {"BlueThinBtn.png", {0.0, 0.5112, 1.0}};
        case LineSample::LightBlueThin: return {"LightBlueThinBtn.png", {0.0, 0.9412, 1.0}};
        case LineSample::PurpleThin: return {"PurpleThinBtn.png", {0.6196, 0.2863, 0.6314}};
    }
    return {"", {}};
}

Rect16 stripRect(double left, double right) {
    return {kStripTop, static_cast<int16_t>(left), kStripBottom, static_cast<int16_t>(right)};
}

// Tells one strip's controls from another's: its entries and how its
// pictures take a click.
uint64_t signatureOf(const Legend& legend, bool tracking) {
    uint64_t h = 1469598103934665603ull;
    auto mix = [&h](const void* bytes, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) h = (h ^ static_cast<const unsigned char*>(bytes)[i]) * 1099511628211ull;
    };
    auto mixText = [&mix](const char* text) { mix(text, std::strlen(text) + 1); };
    mix(&legend.count, sizeof legend.count);
    mix(&tracking, sizeof tracking);
    for (int32_t k = 0; k < legend.count; ++k) {
        const LegendEntry& e = legend.entries[k];
        mix(&e.sample, sizeof e.sample);
        mix(&e.x, sizeof e.x);
        mix(&e.right, sizeof e.right);
        mixText(e.label);
        mixText(e.help);
    }
    return h == 0 ? 1 : h;
}

void buildOnScreen(const Legend& legend) {
    const bool tracking = state.shell.ControlPictureProc == kTrackingPicture;
    ResponseWindowBuilt& built = state.responseBuilt;
    built.legendDrawn = 1;
    const uint64_t signature = signatureOf(legend, tracking);
    // The strip standing is the one the page shows: nothing to build.
    if (built.legend == signature && platform::controlExists(kResponseWindow, kFirstPicture)) return;
    ExplanationBtnClose();
    built.legend = signature;
    for (int32_t k = 0; k < legend.count; ++k) {
        const LegendEntry& e = legend.entries[k];
        platform::ControlSpec picture(platform::ControlKind::ImageView, stripRect(e.x, e.x + kSampleLength));
        picture.image = lineSampleFile(e.sample);  // a missing picture leaves the control empty
        picture.imageFolder = "Images";
        picture.hitOnPress = !tracking;
        platform::createControl(kResponseWindow, kFirstPicture + k, picture);
    }
    for (int32_t k = 0; k < legend.count; ++k) {
        const LegendEntry& e = legend.entries[k];
        platform::ControlSpec text(platform::ControlKind::StaticText, stripRect(e.x + kLabelGap, e.right), e.label);
        // The small system font static texts have on the desktop the
        // program was laid out for: the page's own font row 1 at 13 px.
        text.style.family = "Lucida Grande";
        text.style.size = 13.0;
        platform::createControl(kResponseWindow, kFirstText + k, text);
        platform::setHelpTag(kResponseWindow, kFirstText + k, e.help);
    }
}

void print(const Legend& legend) {
    frame::setBlackText();
    for (int32_t k = 0; k < legend.count; ++k) {
        const LegendEntry& e = legend.entries[k];
        const Colour c = lookOf(e.sample).colour;
        state.draw.RedCol = c.red;
        state.draw.GrnCol = c.green;
        state.draw.BleCol = c.blue;
        state.draw.LineW = e.printWidth;
        frame::line(e.x, e.printY, e.x + kSampleLength, e.printY);
    }
    frame::setBlackText();
    for (int32_t k = 0; k < legend.count; ++k) {
        const LegendEntry& e = legend.entries[k];
        frame::text(e.x + kLabelGap, kLabelBaseline, e.label);
    }
}

}  // namespace

const char* lineSampleFile(LineSample sample) { return lookOf(sample).file; }

void showLegend(const Legend& legend) {
    if (legend.count == 0) return;
    if (state.draw.DoPrint == 0) buildOnScreen(legend);
    else if (state.draw.DoPrint == 1) print(legend);
}

int32_t AmpExplanation() { showLegend(ampLegend()); return 0; }
int32_t PwExplanation() { showLegend(pwLegend()); return 0; }
int32_t ImpExplanation() { showLegend(impLegend()); return 0; }
int32_t DpExplanation() { showLegend(dpLegend()); return 0; }
int32_t AsExplanation() { showLegend(asLegend()); return 0; }

int32_t ExplanationBtnClose() {
    for (int32_t k = 0; k < 4; ++k) platform::removeControl(kResponseWindow, kFirstPicture + k);
    for (int32_t k = 0; k < 4; ++k) platform::removeControl(kResponseWindow, kFirstText + k);
    state.responseBuilt.legend = 0;
    return 0;
}

void beginLegendRedraw() { state.responseBuilt.legendDrawn = 0; }

void endLegendRedraw() {
    if (state.responseBuilt.legendDrawn == 0) ExplanationBtnClose();
}

Legend legendOfPage() {
    const Str255& page = state.view.s_Resp;
    if (page == "amp") return ampLegend();
    if (page == "pw") return pwLegend();
    if (page == "imp") return impLegend();
    if (page == "dp") return dpLegend();
    if (page == "as") return asLegend();
    return {};
}

void legendPictureClicked(int32_t control) {
    const int32_t slot = control - kFirstPicture;  // 0-3
    if (slot < 0 || slot > 3) return;
    const Legend legend = legendOfPage();
    // The entry names its own curve: the second entry of the symmetric
    // Triple Vented air-speed legend is vent 3, the sweep's curve 3.
    state.point.respNum = slot < legend.count ? legend.entries[slot].curve : slot + 1;
    if (state.view.s_Resp == "nq") NyquistSliderControl();
    else DrawPointerContorol();
}

}  // namespace quendal
