// The entry sets of the legends, by graph, system and display mode.
#include "response/AmplitudePlot.h"
#include "response/CofCal.h"
#include "model/State.h"
#include "view/Explanation.h"

namespace quendal {

namespace {

using S = LineSample;

// An entry whose line sample prints 2.0 wide when thick and 1.2 when thin.
LegendEntry entry(S sample, double x, const char* label, double right, const char* help, int32_t curve) {
    LegendEntry e;
    e.sample = sample;
    e.x = x;
    e.label = label;
    e.right = right;
    e.help = help;
    e.curve = curve;
    e.printWidth = sample == S::OrangeFat ? 2.0 : 1.2;
    return e;
}

Legend legendOf(std::initializer_list<LegendEntry> entries) {
    Legend legend;
    for (const LegendEntry& e : entries) legend.entries[legend.count++] = e;
    return legend;
}

int32_t tab() { return state.selection.SysSelTabNum; }
int32_t button() { return state.selection.SysSelBtnNum; }
bool isSystem(int32_t t, int32_t b) { return tab() == t && button() == b; }
bool isTripleVented() { return isSystem(2, 8); }

// The all-characters entries, in the standard places: entry k at
// x = 45 + 100 (k - 1) with its usual sample, naming curve k.
LegendEntry standard(int32_t k, const char* label, double right, const char* help) {
    static constexpr S kSamples[4] = {S::OrangeFat, S::GreenThin, S::BlueThin, S::LightBlueThin};
    return entry(kSamples[k - 1], 45.0 + 100.0 * (k - 1), label, right, help, k);
}
LegendEntry total() { return standard(1, "Total", 140, "Total Response\\@B"); }
LegendEntry direct() { return standard(2, "Direct", 240, "Driver Direct Radiation Response\\@B"); }

Legend allCharacters() {
    if (tab() == 1) {
        switch (button()) {
            case 3: return legendOf({total(), direct(), standard(3, "Vent", 340, "Vent Radiation Response\\@B")});
            case 4:
                return legendOf({total(), direct(),
                                 standard(3, "Passive Radiator", 430, "Passive Radiator Radiation Response\\@B")});
            case 5: return legendOf({total(), direct(), standard(3, "Vent2", 340, "Vent2 Radiation Response\\@B")});
            case 6:
                return legendOf({total(), direct(), standard(3, "Vent2", 340, "Vent2 Radiation Response\\@B"),
                                 standard(4, "Vent3", 440, "Vent3 Radiation Response\\@B")});
            case 8: return legendOf({total(), direct(), standard(3, "Vent", 340, "Vent Radiation Response\\@B")});
            default: return {};  // Infinite Baffle, Closed Box, Complex Closed: one curve only
        }
    }
    if (tab() == 2) {
        switch (button()) {
            case 3:
            case 4:
                return legendOf({standard(1, "Vent2", 140, "Vent2 Radiation Response\\@B"),
                                 standard(2, "Vent1", 240, "Vent1 Inner Response\\@B")});
            case 5:
                return legendOf({total(), standard(2, "Vent1", 240, "Vent1 Radiation Response\\@B"),
                                 standard(3, "Vent2", 340, "Vent2 Radiation Response\\@B")});
            case 6:
                return legendOf({total(), standard(2, "Vent1", 240, "Vent1 Inner Response\\@B"),
                                 standard(3, "Vent2", 340, "Vent2 Radiation Response\\@B"),
                                 standard(4, "Vent3", 440, "Vent3 Radiation Response\\@B")});
            case 7:
                return legendOf({standard(1, "Vent3", 140, "Vent3 Radiation Response\\@B"),
                                 standard(2, "Vent1", 240, "Vent1 Inner Response\\@B"),
                                 standard(3, "Vent2", 340, "Vent2 Inner Response\\@B")});
            case 8:
                if (tripleVentedIsSymmetric()) {
                    LegendEntry vent3 = standard(3, "Vent3", 360, "Vent3 Radiation Response\\@B");
                    vent3.x = 265.0;
                    return legendOf({total(), standard(2, "Vent1+2", 260, "Vent1+Vent2 Radiation Response\\@B"), vent3});
                }
                return legendOf({total(), standard(2, "Vent1", 240, "Vent1 Radiation Response\\@B"),
                                 standard(3, "Vent2", 340, "Vent2 Radiation Response\\@B"),
                                 standard(4, "Vent3", 440, "Vent3 Radiation Response\\@B")});
            default: return {};  // Raveza Box, Passive Raveza: one curve only
        }
    }
    return {};
}

Legend comparison() {
    if (isSystem(1, 1)) return {};  // the infinite baffle is not compared with itself
    if ((tab() != 1 && tab() != 2) || button() < 1 || button() > 8) return {};
    return legendOf({entry(S::OrangeFat, 45, "Current", 160, "Current System Response\\@B", 1),
                     entry(S::PurpleThin, 160, "Infinite Baffle", 340,
                           tab() == 1 ? "Infinit Baffle System Response\\@B" : "Infinite Baffle System Response\\@B",
                           2)});
}

bool isComplex() { return isSystem(1, 7) || isSystem(1, 8); }

// The two speakers of the two-driver systems, as the power and displacement
// graphs name them.
Legend twoSpeakers(double printWidth) {
    Legend legend = legendOf({entry(S::OrangeThin, 45, "SP1", 145, "Speaker1 Response\\@B", 1),
                              entry(S::GreenThin, 145, "SP2", 250, "Speaker2 Response\\@B", 2)});
    legend.entries[0].printWidth = legend.entries[1].printWidth = printWidth;
    return legend;
}
Legend oneSpeakerCurve() {
    return legendOf({entry(S::OrangeFat, 45, "SP1 or SP2", 300, "Speaker1 or 2 Response\\@B", 1)});
}

}  // namespace

Legend ampLegend() {
    switch (shownDisp()) {
        case 2: return allCharacters();
        case 3: return comparison();
        default: return {};  // the total alone needs no legend
    }
}

Legend pwLegend() {
    if (isComplex()) {
        Legend legend = twoSpeakers(1.2);
        legend.entries[1].printY = 360.5;
        return legend;
    }
    if (isTripleVented()) return tripleVentedIsSymmetric() ? oneSpeakerCurve() : twoSpeakers(1.0);
    return {};
}

Legend impLegend() {
    if (!isComplex() && !isTripleVented()) return {};
    const LegendEntry total = entry(S::OrangeFat, 45, "Total", 145, "Total Impedance\\@B", 1);
    if (isTripleVented() && tripleVentedIsSymmetric())
        return legendOf({total, entry(S::GreenThin, 145, "SP1 or SP2", 350, "Speaker1 or 2 Impedance\\@B", 2)});
    return legendOf({total, entry(S::GreenThin, 145, "SP1", 245, "Speaker1 Impedance\\@B", 2),
                     entry(S::BlueThin, 245, "SP2", 370, "Speaker2 Impedance\\@B", 3)});
}

Legend dpLegend() {
    if (isSystem(1, 4) || isSystem(2, 2))
        return legendOf({entry(S::OrangeThin, 45, "Driver", 145, "Driver Response\\@B", 1),
                         entry(S::GreenThin, 145, "Passive Radiator", 350, "Passive Radiator Response\\@B", 2)});
    if (isComplex()) return twoSpeakers(1.2);
    if (isTripleVented()) return tripleVentedIsSymmetric() ? oneSpeakerCurve() : twoSpeakers(1.2);
    return {};
}

Legend asLegend() {
    // Entry k names the vent whose air speed the sweep draws as curve k.
    auto vents = [](std::initializer_list<const char*> names) {
        static constexpr S kSamples[3] = {S::OrangeThin, S::GreenThin, S::BlueThin};
        Legend legend;
        for (const char* name : names) {
            const int32_t k = legend.count + 1;
            const char* help = std::string_view(name) == "Vent1"   ? "Vent1 Response\\@B"
                               : std::string_view(name) == "Vent2" ? "Vent2 Response\\@B"
                                                                   : "Vent3 Response\\@B";
            legend.entries[legend.count++] = entry(kSamples[k - 1], 45.0 + 100.0 * (k - 1), name, 45.0 + 100.0 * k, help, k);
        }
        return legend;
    };
    if (isSystem(1, 5) || isSystem(2, 3) || isSystem(2, 5)) return vents({"Vent1", "Vent2"});
    // Vent 1 of the Twin Serial Vented system is two branches; its curve is
    // the faster one's, as its help says (a longer label would run into the
    // power field).
    if (isSystem(1, 6))
        return legendOf({entry(S::OrangeThin, 45, "Vent1", 145, "Vent1 Response, its faster branch\\@B", 1),
                         entry(S::GreenThin, 145, "Vent2", 245, "Vent2 Response\\@B", 2),
                         entry(S::BlueThin, 245, "Vent3", 345, "Vent3 Response\\@B", 3)});
    if (isSystem(2, 6)) return vents({"Vent1", "Vent2", "Vent3"});
    if (isSystem(2, 4)) return vents({"Vent2", "Vent1"});
    if (isSystem(2, 7)) return vents({"Vent3", "Vent1", "Vent2"});
    if (isTripleVented()) {
        if (!tripleVentedIsSymmetric()) return vents({"Vent1", "Vent2", "Vent3"});
        // Vents 1 and 2 share one curve (curve 1); the green curve is vent 3.
        return legendOf({entry(S::OrangeThin, 45, "Vent1 or Vent2", 214, "Vent1 or Vent2 Response\\@B", 1),
                         entry(S::GreenThin, 215, "Vent3", 325, "Vent3 Response\\@B", 3)});
    }
    return {};
}

}  // namespace quendal
