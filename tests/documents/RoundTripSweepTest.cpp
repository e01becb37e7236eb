// What the program holds, it opens: drivers the driver check accepts, from
// ordinary to extreme, through every system, connection and alignment as
// the program's roads choose them (System Select, the connection sheet, the
// Alignment menu, each alignment followed by Custom). A choice is refused,
// leaving the design in force as it was, or its design reads back whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

#include "Designs.h"
#include "app/DesignDocument.h"
#include "dialogs/DesignStart.h"
#include "model/DriverCheck.h"
#include "model/ParameterPasses.h"
#include "response/BoxCheck.h"
#include "response/CofCal.h"
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
            if (systemRefused || !connectionBoxCheck(connection).ok()) {
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

}  // namespace
}  // namespace quendal::test
