// How a legend strip is built on screen, printed, removed and clicked; the
// entry sets of each graph are in ExplanationSets.cpp.
#include <cstddef>
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

// FNV-1a over the bytes given, to tell one strip or entry from another.
class Signature {
public:
    void mix(const void* bytes, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) h_ = (h_ ^ static_cast<const unsigned char*>(bytes)[i]) * 1099511628211ull;
    }
    void mixText(const char* text) { mix(text, std::strlen(text) + 1); }
    void mixEntry(const LegendEntry& e) {
        mix(&e.sample, sizeof e.sample);
        mix(&e.x, sizeof e.x);
        mix(&e.right, sizeof e.right);
        mixText(e.label);
        mixText(e.help);
    }
    uint64_t value() const { return h_ == 0 ? 1 : h_; }

private:
    uint64_t h_ = 1469598103934665603ull;
};

// Tells one strip's controls from another's: its entries and how its
// pictures take a click.
uint64_t signatureOf(const Legend& legend, bool tracking) {
    Signature s;
    s.mix(&legend.count, sizeof legend.count);
    s.mix(&tracking, sizeof tracking);
    for (int32_t k = 0; k < legend.count; ++k) s.mixEntry(legend.entries[k]);
    return s.value();
}

// Tells what one entry's picture and text show.
uint64_t entrySignatureOf(const LegendEntry& e) {
    Signature s;
    s.mixEntry(e);
    return s.value();
}

Rect16 pictureRect(const LegendEntry& e) { return stripRect(e.x, e.x + kSampleLength); }
Rect16 labelRect(const LegendEntry& e) { return stripRect(e.x + kLabelGap, e.right); }

void buildOnScreen(const Legend& legend) {
    const bool tracking = state.shell.ControlPictureProc == kTrackingPicture;
    ResponseWindowBuilt& built = state.responseBuilt;
    built.legendDrawn = 1;
    const uint64_t signature = signatureOf(legend, tracking);
    // The strip standing is the one the page shows: nothing to build.
    if (built.legend == signature && platform::controlExists(kResponseWindow, kFirstPicture)) return;
    // Another strip: an entry standing as it is stays, the other standing
    // entries take the new picture, place and words in their controls, and
    // only entries beyond them are made; pictures that take a click another
    // way are all made anew.
    const bool keepStanding = built.legend != 0 && built.legendTracking == uint8_t(tracking);
    if (!keepStanding) ExplanationBtnClose();
    built.legend = signature;
    built.legendTracking = uint8_t(tracking);
    uint64_t shown[4] = {};
    bool standing[4] = {};
    for (int32_t k = 0; k < legend.count; ++k) {
        shown[k] = entrySignatureOf(legend.entries[k]);
        standing[k] = keepStanding && built.legendEntries[k] != 0 &&
                      platform::controlExists(kResponseWindow, kFirstPicture + k) &&
                      platform::controlExists(kResponseWindow, kFirstText + k);
        if (standing[k] && built.legendEntries[k] == shown[k]) shown[k] = 0;  // as it stands
    }
    for (int32_t k = 0; k < legend.count; ++k) {
        const LegendEntry& e = legend.entries[k];
        if (shown[k] == 0) continue;
        if (standing[k]) {
            platform::setControlBounds(kResponseWindow, kFirstPicture + k, pictureRect(e));
            platform::setControlImage(kResponseWindow, kFirstPicture + k, lineSampleFile(e.sample), "Images");
            continue;
        }
        platform::ControlSpec picture(platform::ControlKind::ImageView, pictureRect(e));
        picture.image = lineSampleFile(e.sample);  // a missing picture leaves the control empty
        picture.imageFolder = "Images";
        picture.hitOnPress = !tracking;
        platform::createControl(kResponseWindow, kFirstPicture + k, picture);
    }
    for (int32_t k = 0; k < legend.count; ++k) {
        const LegendEntry& e = legend.entries[k];
        if (shown[k] == 0) continue;
        if (standing[k]) {
            platform::setControlBounds(kResponseWindow, kFirstText + k, labelRect(e));
            platform::setControlText(kResponseWindow, kFirstText + k, e.label);
        } else {
            platform::ControlSpec text(platform::ControlKind::StaticText, labelRect(e), e.label);
            // The small system font static texts have on the desktop the
            // program was laid out for: the page's own font row 1 at 13 px.
            text.style.family = "Lucida Grande";
            text.style.size = 13.0;
            platform::createControl(kResponseWindow, kFirstText + k, text);
        }
        platform::setHelpTag(kResponseWindow, kFirstText + k, e.help);
        built.legendEntries[k] = shown[k];
    }
    for (int32_t k = legend.count; k < 4; ++k) {
        platform::removeControl(kResponseWindow, kFirstPicture + k);
        platform::removeControl(kResponseWindow, kFirstText + k);
        built.legendEntries[k] = 0;
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
    for (uint64_t& entry : state.responseBuilt.legendEntries) entry = 0;
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
