// What the program holds, it opens: drivers the driver check accepts, from
// ordinary to extreme, through every system, connection and alignment as
// the program's roads choose them (System Select, the connection sheet, the
// Alignment menu, each alignment followed by Custom). A choice is refused,
// leaving the design in force as it was, or its design reads back whole.
// A design computed again once an input has changed is the one its inputs
// give, whatever was computed just before.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <tuple>

#include "Designs.h"
#include "app/DesignDocument.h"
#include "dialogs/DesignStart.h"
#include "model/DriverCheck.h"
#include "model/ParameterPasses.h"
#include "response/BoxCheck.h"
#include "response/CofCal.h"
#include "response/DesignComputation.h"
#include "response/SpConCal.h"
#include "response/VentSizing.h"
#include "model/InputPower.h"

namespace quendal::test {
namespace {

struct Sweep {
    int designs = 0, refused = 0, failed = 0;
};

// The design as the redraw after a change leaves it, on the amplitude page.
void draw() {
    PINcalc();
    CofCal();
    AsVentOpt();
    SPLcal();
    BoxParameterBackup();
}

// A choice as the Alignment menu makes it: refused with the design in force
// kept, or held and then written and read back to the same record.
void choose(Sweep& sweep, int32_t alin, int32_t system) {
    ++sweep.designs;
    const std::string inForce = encodeDesignDocument(state);
    if (!alignmentBoxCheck(alin).ok()) {
        ++sweep.refused;
        EXPECT_TRUE(encodeDesignDocument(state) == inForce);
        return;
    }
    state.selection.Alin = alin;
    draw();
    const std::string written = encodeDesignDocument(state);
    ProgramState read = defaultDesign();
    std::string problem;
    const bool whole = decodeDesignDocument(written, read, &problem) && encodeDesignDocument(read) == written;
    if (!whole) ++sweep.failed;
    EXPECT_TRUE(whole) << "Fs " << state.speaker.FS << " Vas " << state.speaker.VAS2 << " Qts " << state.speaker.QTS
                       << ", system " << system << ", connection " << state.connection.SpConNum << ", alignment "
                       << alin << ": " << problem;
}

void sweepDriver(Sweep& sweep, double fs, double vas, double qts, double qes, double qms) {
    constexpr int32_t kItems[16] = {2, 3, 4, 4, 5, 3, 2, 2, 4, 5, 3, 3, 4, 3, 4, 5};
    for (int32_t system = 1; system <= 16; ++system) {
        const int32_t items = kItems[system - 1], choices = 2 * (items - 1);
        for (int32_t connection = 1; connection <= 5; ++connection) {
            resetState();
            InitItemBoxParameters();
            DriverValues d = enteredDriver();  // the start-up driver with these values
            std::tie(d.FS, d.VAS, d.QTS, d.QES, d.QMS) = std::tie(fs, vas, qts, qes, qms);
            ASSERT_TRUE(checkDriver(d).ok());
            takeEnteredDriver(d);
            OriginalBoxParametersPass();
            PassiveRadiatorParameters& unit = state.radiator;  // a unit entered, for the alignments that apply it
            std::tie(unit.FPOrg, unit.VAPOrg, unit.QPOrg, unit.PRDataInFlag) = std::make_tuple(25.0, 40.0, 5.0, 1);
            state.selection.SysSelTabNum = (system - 1) / 8 + 1;
            state.selection.SysSelBtnNum = (system - 1) % 8 + 1;
            state.selection.InitSysType = systemHasVents(system) ? 2 : 1;
            const bool systemRefused = driverFitForSystem(true).alertKind != 0;
            state.connection.SpConNum = connection;  // picked in the connection sheet, then checked as Select does
            if (systemRefused || !changedBoxCheck(takeConnection).ok()) {
                sweep.designs += choices * (systemRefused ? 6 - connection : 1);
                sweep.refused += choices * (systemRefused ? 6 - connection : 1);
                if (systemRefused) break;
                continue;
            }
            resetDesignForNewSystem();
            state.connection.SpConNum = connection;
            SpconCal();
            draw();
            for (int32_t alin = 1; alin < items; ++alin) {
                choose(sweep, alin, system);
                choose(sweep, items, system);  // Custom takes the values of the alignment before
            }
        }
    }
}

void sweepDriver(Sweep& sweep, double fs, double vas, double qts) {
    constexpr double kQms = 5.0;
    sweepDriver(sweep, fs, vas, qts, qts < kQms ? 1.0 / (1.0 / qts - 1.0 / kQms) : 0.0, kQms);
}

TEST(RoundTripSweep, EveryDesignTheProgramHoldsReopens) {
    Sweep ordinary, extreme;
    for (const double fs : {25.0, 60.0, 150.0})
        for (const double vas : {8.0, 60.0, 300.0})
            for (const double qts : {0.25, 0.4, 0.6, 0.9}) sweepDriver(ordinary, fs, vas, qts);
    sweepDriver(extreme, 50.0, 100.0, 1.4, 2.1538, 4.0);  // Serial Vented Type4 gives negative tunings
    for (const double fs : {1.0, 1000.0})
        for (const double vas : {0.004, 1e6, 1e154, 1e308})
            for (const double qts : {0.02, 1.4, 30.0}) sweepDriver(extreme, fs, vas, qts);
    for (const Sweep& s : {ordinary, extreme}) {
        std::printf("%d designs, %d refused at choice, %d fail to reopen\n", s.designs, s.refused, s.failed);
        EXPECT_EQ(s.failed, 0);
    }
    EXPECT_EQ(ordinary.designs, 36 * 5 * 80);
    EXPECT_GT(extreme.refused, 0);
    resetState();
}

// A Vented Box at its custom alignment (Vb1, Fb1 as entered), with a
// circular port the user chose.
void ventedBoxDesign() {
    state = defaultDesign();
    state.selection.SysSelBtnNum = 3;
    state.selection.Alin = 4;
    std::tie(state.box.VB1, state.box.FB1) = std::make_tuple(40.0, 32.0);
    std::tie(state.vents.vent[1].CircVentRadio, state.vents.vent[1].FormSetBy) = std::make_tuple(1, kFormSetByUser);
}

// The vent as sized, byte for byte.
std::string sizedVent() {
    const VentRecord& v = state.vents.vent[1];
    return std::string(reinterpret_cast<const char*>(&v), sizeof v) + std::to_string(state.vents.SV11);
}

// The response scales (the vents' air-speed scales among them) and the
// last peak air speed, byte for byte.
std::string sizingScales() {
    return std::string(reinterpret_cast<const char*>(&state.rscales), sizeof state.rscales) +
           std::string(reinterpret_cast<const char*>(&state.vents.ASmini), sizeof state.vents.ASmini);
}

TEST(RoundTripSweep, ADesignComputedAgainAfterAnInputChangedIsTheOneItsInputsGive) {
    const struct {
        const char* name;
        void (*change)();
        bool resized = true;
    } rows[] = {
        {"the window's recalculation only", [] { state.view.ReDispWnd = 2; }, false},
        {"port thickness", [] { state.shell.LVP = 30.0; }},
        {"input power", [] { std::tie(state.power.InputPowerCheck, state.power.PinTemp) = std::make_tuple(0, 400.0); }},
        {"tuning", [] { state.box.FB1 = 40.0; }},
        {"leakage", [] { state.box.QL = state.box.QL1 = 20.0; }},
        {"connection", [] {
             state.connection.SpConNum = 2;
             SpconCal();
         }},
        {"vent count", [] { state.vents.vent[1].CircVentNum = 3; }},
        {"duct the user sized", [] {
             VentRecord& v = state.vents.vent[1];
             std::tie(v.CircVentRadio, v.CircDuctDV, v.CircDuctVentInit) = std::make_tuple(2, 90.0, 1);
         }},
    };
    ventedBoxDesign();
    computeDrawnDesign();
    const std::string before = sizedVent();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // The design before the change drawn, then the changed one checked
        // on the side, as a check computes it, and drawn: the drawing takes
        // the check's sizing over the scales of the design before.
        ventedBoxDesign();
        computeDrawnDesign();
        row.change();
        const auto changed = std::make_unique<ProgramState>(state);
        computeDrawnDesign();
        state = *changed;
        computeDrawnDesign();
        const std::string again = encodeDesignDocument(state) + sizedVent() + sizingScales();
        // The same inputs from nothing: another design computed in between.
        state.selection.SysSelBtnNum = 5;
        computeDrawnDesign();
        state = *changed;
        computeDrawnDesign();
        EXPECT_EQ(sizedVent() != before, row.resized);  // the vent depends on the input
        EXPECT_TRUE(again == encodeDesignDocument(state) + sizedVent() + sizingScales());
    }
    resetState();
}

// The page, the driver's name and the connection picked in its sheet
// changed between two computations of the same design, the first on the
// side as a check makes it: none of them is an input of the sizing, so the
// second takes the first's sizing, and leaves them as they are now rather
// than as they were then.
TEST(RoundTripSweep, ASizingTakenAgainLeavesThePageTheNameAndThePickAsTheyAreNow) {
    ventedBoxDesign();
    state.power.InputPowerCheck = 0;  // the power entered, whatever the connection
    const auto design = std::make_unique<ProgramState>(state);
    computeDrawnDesign();
    const std::string sized = sizedVent();
    state = *design;
    std::tie(state.view.s_Resp, state.view.RespID) = std::make_tuple(Str255("imp"), 3);
    state.speaker.s_SP = state.speaker.s_SP2 = "Woofer-B";
    std::tie(state.connection.SpConNum, state.connection.PreSpCon, state.connection.SpConSel) = std::make_tuple(4, 4, 1);
    computeDrawnDesign();
    EXPECT_EQ(state.view.s_Resp, "imp");
    EXPECT_EQ(state.view.RespID, 3);
    EXPECT_EQ(state.speaker.s_SP, "Woofer-B");
    EXPECT_EQ(state.speaker.s_SP2, "Woofer-B");
    EXPECT_EQ(state.connection.SpConNum, 4);
    EXPECT_EQ(state.connection.PreSpCon, 4);
    EXPECT_EQ(state.connection.SpConSel, 1);
    EXPECT_TRUE(sizedVent() == sized);
    resetState();
}

}  // namespace
}  // namespace quendal::test
