// What the program holds, it opens: drivers the driver check accepts, from
// ordinary to extreme, through every system, connection and alignment as
// the program's roads choose them. A choice is either refused, leaving the
// design in force exactly as it was, or the design it gives is written and
// read back to the same record.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Designs.h"
#include "app/DesignDocument.h"
#include "dialogs/DesignStart.h"
#include "model/DriverCheck.h"
#include "model/ParameterPasses.h"
#include "response/BoxCheck.h"
#include "response/CofCal.h"
#include "response/ReferenceLevel.h"
#include "response/SpConCal.h"
#include "response/VentSizing.h"
#include "view/InputPower.h"

namespace quendal::test {
namespace {

constexpr int32_t kItems[2][8] = {{2, 3, 4, 4, 5, 3, 2, 2}, {4, 5, 3, 3, 4, 3, 4, 5}};

struct Sweep {
    int designs = 0, refused = 0, failed = 0;
    std::vector<std::string> failures;
};

// The design as a redraw after a change leaves it (ReDispWnd 2 on the
// amplitude page).
void draw() {
    PINcalc();
    CofCal();
    AsVentOpt();
    SPLcal();
    BoxParameterBackup();
}

std::string described(const DriverValues& d, int32_t system, int32_t connection) {
    char text[160];
    std::snprintf(text, sizeof text, "Fs %g Vas %g Qts %g Qes %g Qms %g, system %d, connection %d, alignment %d",
                  d.FS, d.VAS, d.QTS, d.QES, d.QMS, system, connection, state.selection.Alin);
    return text;
}

// A passive-radiator unit entered, so that the alignments that apply it
// can be chosen.
void enterRadiatorUnit() {
    PassiveRadiatorParameters& p = state.radiator;
    p.s_ManufOrg = "Sweep";
    p.s_PROrg = "PR";
    p.PRDIAOrg = 20.0;
    p.FPOrg = 25.0;
    p.VAPOrg = 40.0;
    p.QPOrg = 5.0;
    p.PRVDOrg = 100.0;
    p.PRSDOrg = 200.0;
    p.PRXMAXOrg = 5.0;
    p.PRDataInFlag = 1;
}

// The design in hand must come back whole from its document.
void expectReopens(Sweep& sweep, const std::string& what) {
    const std::string written = encodeDesignDocument(state);
    ProgramState read = defaultDesign();
    std::string problem;
    if (!decodeDesignDocument(written, read, &problem) || encodeDesignDocument(read) != written) {
        ++sweep.failed;
        if (sweep.failures.size() < 5) sweep.failures.push_back(what + ": " + problem);
    }
}

// Choosing alignment `alin` as the Alignment menu does.
void choose(Sweep& sweep, int32_t alin, const DriverValues& d, int32_t system, int32_t connection) {
    ++sweep.designs;
    if (!alignmentBoxCheck(alin).ok()) {
        ++sweep.refused;
        return;
    }
    state.selection.Alin = alin;
    draw();
    expectReopens(sweep, described(d, system, connection));
}

void sweepDriver(Sweep& sweep, const DriverValues& d) {
    ASSERT_TRUE(checkDriver(d).ok()) << d.QTS;
    for (int32_t system = 1; system <= 16; ++system) {
        const int32_t tab = (system - 1) / 8 + 1, button = (system - 1) % 8 + 1;
        const int32_t items = kItems[tab - 1][button - 1];
        const int32_t choices = 5 * 2 * (items - 1);  // each alignment, then the custom one after it
        for (int32_t connection = 1; connection <= 5; ++connection) {
            // Default Parameters, then System Select with its check of the driver.
            resetState();
            InitItemBoxParameters();
            takeEnteredDriver(d);
            enterRadiatorUnit();
            OriginalBoxParametersPass();
            state.selection.SysSelTabNum = tab;
            state.selection.SysSelBtnNum = button;
            state.selection.InitSysType = systemHasVents(system) ? 2 : 1;
            if (driverFitForSystem(true).alertKind != 0) {
                sweep.designs += choices;
                sweep.refused += choices;
                break;
            }
            resetDesignForNewSystem();
            draw();
            // The speaker-connection sheet.
            if (!connectionBoxCheck(connection).ok()) {
                sweep.designs += choices / 5;
                sweep.refused += choices / 5;
                continue;
            }
            state.connection.SpConNum = connection;
            SpconCal();
            draw();
            for (int32_t alin = 1; alin < items; ++alin) {
                choose(sweep, alin, d, system, connection);
                const std::string before = encodeDesignDocument(state);
                choose(sweep, items, d, system, connection);
                if (!alignmentBoxCheck(items).ok()) {  // refused: the design in force stays
                    EXPECT_TRUE(encodeDesignDocument(state) == before) << described(d, system, connection);
                }
            }
        }
    }
}

DriverValues driver(double fs, double vas, double qts, double qes, double qms) {
    DriverValues d;
    d.s_SP = "Sweep";
    d.DIA = 20.0;
    d.FS = fs;
    d.VAS = vas;
    d.QTS = qts;
    d.QES = qes;
    d.QMS = qms;
    d.EFI = 0.0;
    d.RE = 6.0;
    d.PEMX = 50.0;
    d.SD = 200.0;
    d.XMAX = 5.0;
    d.VD = 100.0;
    d.LE = 0.5;
    return d;
}

DriverValues fromQts(double fs, double vas, double qts) {
    const double qms = 5.0;
    return driver(fs, vas, qts, qts >= qms ? 0.0 : 1.0 / (1.0 / qts - 1.0 / qms), qms);
}

TEST(RoundTripSweep, EveryDesignTheProgramHoldsReopens) {
    Sweep ordinary, extreme;
    for (const double fs : {25.0, 60.0, 150.0})
        for (const double vas : {8.0, 60.0, 300.0})
            for (const double qts : {0.25, 0.4, 0.6, 0.9}) sweepDriver(ordinary, fromQts(fs, vas, qts));
    sweepDriver(extreme, driver(50.0, 100.0, 1.4, 2.1538, 4.0));  // Serial Vented Type4 gives negative tunings
    for (const double fs : {1.0, 1000.0})
        for (const double vas : {0.004, 1e6})
            for (const double qts : {0.02, 1.4, 30.0}) sweepDriver(extreme, fromQts(fs, vas, qts));
    for (Sweep* s : {&ordinary, &extreme}) {
        std::printf("%d designs, %d refused at choice, %d fail to reopen\n", s->designs, s->refused, s->failed);
        for (const std::string& f : s->failures) ADD_FAILURE() << f;
        EXPECT_EQ(s->failed, 0);
    }
    resetState();
}

}  // namespace
}  // namespace quendal::test
