// The air speed a unit draws for each of its vents against the lumped-circuit
// model: the peak speed of the air in that vent, its volume velocity over
// the vent's total area, with the model driven by the input power into RE.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/State.h"
#include "response/AirSpeedPlot.h"
#include "response/ReferenceLevel.h"
#include "response/SweepGrid.h"
#include "support/oracle/LumpedCircuit.h"

namespace quendal::test {

// The program's levels take 1e-12 W/m^2 and 20 uPa as the same 0 dB, as if
// the air's impedance were 400 rayl: the pressure they give for a power, and
// every speed made from it, is sqrt(400 / (rho c)) of the physical one.
inline double levelConventionPressure() { return std::sqrt(400.0 / (oracle::kAirDensity * oracle::kSoundSpeed)); }

// One vent: the curve (respNum) that draws it, its number (1-3, whose area
// SV11, SV22 or SV33 it has) and the model's elements its air flows through.
struct VentUnderTest {
    int32_t respNum;
    int32_t vent;
    std::vector<const char*> elements;
};

// At the input power pinW and with the vent areas in state.vents: runs the
// air-speed scales (which build the coefficients and the alignment's box),
// builds the model from that box, and compares every vent's curve with the
// model over the grid, relatively within `tolerance`.
inline void expectPhysicalVentSpeeds(double pinW, const std::function<oracle::LumpedCircuit()>& model,
                                     const std::vector<VentUnderTest>& vents, double tolerance) {
    state.power.PIN = pinW;
    state.speaker.EFI = 0.0;  // the efficiency from the driver's own values
    AsPlot3();
    oracle::LumpedCircuit circuit = model();
    circuit.setDriveVoltage(std::sqrt(pinW * state.speaker.RE));
    const double areas[] = {state.vents.SV11, state.vents.SV22, state.vents.SV33};
    for (float k = kGridStart; k <= kGridEnd; k += kGridStep) {
        setGridFrequency(k);
        const double hz = static_cast<double>(state.point.f) * state.speaker.FS;
        const oracle::Solution s = circuit.solve(hz);
        for (const VentUnderTest& v : vents) {
            std::complex<double> flow = 0.0;
            for (const char* e : v.elements) flow += s.volumeVelocity[static_cast<std::size_t>(circuit.find(e))];
            const double peak = std::sqrt(2.0) * std::abs(flow) / areas[v.vent - 1] * levelConventionPressure();
            state.point.respNum = v.respNum;
            AsPlot4();
            EXPECT_NEAR(state.point.yy / peak, 1.0, tolerance) << "vent " << v.vent << " at " << hz << " Hz";
        }
    }
}

}  // namespace quendal::test
