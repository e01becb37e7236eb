// The calculation units against the independent lumped-circuit model: the
// driver both are given, the grid they are compared over, and the
// comparisons the unit suites share.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "engine/ImpedancePageQ.h"
#include "model/State.h"
#include "response/ResponseCal.h"
#include "support/EngineTestSupport.h"
#include "support/oracle/LumpedCircuit.h"

namespace quendal::test {

class AgainstLumpedCircuitTest : public EngineTest {
protected:
    static constexpr double kPin = 2.0;  // W, input power of the excursion comparisons
    // The unit's level scale takes 1e-12 W/m^2 and 20 uPa as the same 0 dB
    // (rho c = 400 rayl); the excursions built on it are 0.9 % low.
    static constexpr double kExcursionTolerance = 1.5e-2;

    // One driver, given to the model by its Thiele/Small values and to the
    // units as the effective driver.
    void SetUp() override {
        EngineTest::SetUp();
        ts.fsHz = 32.0;
        ts.vasLitre = 80.0;
        ts.qms = 4.5;
        ts.qes = 0.42;
        ts.reOhm = 6.2;
        ts.leMilliHenry = 0.0;
        ts.sdCm2 = 330.0;
        driver = oracle::DriverParams::fromThieleSmall(ts);
        SpeakerParameters& sp = state.speaker;
        sp.FS = ts.fsHz;
        sp.VAS = ts.vasLitre;
        sp.QMS = ts.qms;
        sp.QES = ts.qes;
        sp.QTS = ts.qms * ts.qes / (ts.qms + ts.qes);
        sp.RE = ts.reOhm;
        sp.LE = 0.0;
        sp.SD = ts.sdCm2;
        sp.VD = ts.sdCm2 * 0.6;
        sp.EFI = 0.0;  // the efficiency from the driver's own values
        state.power.PIN = kPin;
    }

    // Runs fn(ff) at every grid point with f and ff set.
    template <typename Fn>
    void overGrid(Fn fn) {
        for (float k = kGridStart; k <= kGridEnd; k += kGridStep) {
            setGridFrequency(k);
            fn(static_cast<double>(state.point.ff));
        }
    }

    // Peak excursions in mm of the model's element `cone` at the input
    // power, the circuit driven with PIN into RE, against the evaluator's.
    void compareExcursion(oracle::LumpedCircuit circuit, const char* cone, void (*evaluator)(), const char* what) {
        circuit.setDriveVoltage(std::sqrt(kPin * ts.reOhm));
        const int element = circuit.find(cone);
        ASSERT_GE(element, 0) << cone;
        state.view.Magni = 1;
        setDisplacementScales();
        overGrid([&](double hz) {
            evaluator();
            const double expectedMm = circuit.coneExcursionPeak(hz, element) * 1000.0;
            EXPECT_NEAR(state.point.yy / expectedMm, 1.0, kExcursionTolerance) << what << " at " << hz << " Hz";
        });
    }

    // Runs check() on the impedance page (the current-drive coefficients,
    // with the mechanical Q, the impedance scales set), then goes back to
    // the amplitude page and its total-Q coefficients.
    template <typename Check>
    void onImpedancePage(Check check) {
        state.view.s_Resp = "imp";
        QEScal();
        setImpedanceScales();
        {
            const CurrentDriveCoefficients currentDrive([] { CofCal(); });
            check();
        }
        state.view.s_Resp = "amp";
        CofCal();
    }

    // Runs check() on the impedance page with a voice-coil inductance of
    // kCoilMilliHenry in the unit's driver and in every driver of the circuit.
    static constexpr double kCoilMilliHenry = 1.0;
    template <typename Check>
    void withCoilInductance(oracle::LumpedCircuit& circuit, Check check) {
        circuit.setCoilInductance(kCoilMilliHenry / 1000.0);
        state.speaker.LE = kCoilMilliHenry;
        onImpedancePage(check);
        state.speaker.LE = 0.0;
    }

    oracle::ThieleSmall ts;
    oracle::DriverParams driver;
};

}  // namespace quendal::test
