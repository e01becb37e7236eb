// The air speed a unit draws for each of its vents against the lumped-circuit
// model: the peak speed of the air in that vent, its volume velocity over
// the vent's total area, with the model driven by the input power into RE.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/State.h"
#include "response/AirSpeedPlot.h"
#include "response/CofCal.h"
#include "response/ReferenceLevel.h"
#include "response/SweepGrid.h"
#include "support/oracle/LumpedCircuit.h"
#include "response/VentForms.h"
#include "response/VentSizing.h"

namespace quendal::test {

// The program's levels take 1e-12 W/m^2 and 20 uPa as the same 0 dB, as if
// the air's impedance were 400 rayl: the pressure they give for a power, and
// every speed made from it, is sqrt(400 / (rho c)) of the physical one.
inline double levelConventionPressure() { return std::sqrt(400.0 / (oracle::kAirDensity * oracle::kSoundSpeed)); }

// One vent: the curve (respNum) that draws it, its number (1-3, whose area
// SV11, SV22 or SV33 it has) and the model's elements its air flows through;
// with `branches`, each element is a branch of an equal share of the area,
// and the vent's speed is the faster branch's.
struct VentUnderTest {
    int32_t respNum;
    int32_t vent;
    std::vector<const char*> elements;
    bool branches = false;
};

// The speed (m/s, peak) of the air of one vent of total area areaM2.
inline double modelVentSpeed(const oracle::LumpedCircuit& circuit, const oracle::Solution& s, const VentUnderTest& v,
                             double areaM2) {
    auto flowOf = [&](const char* e) { return s.volumeVelocity[static_cast<std::size_t>(circuit.find(e))]; };
    double flow = 0.0;
    if (v.branches) {
        for (const char* e : v.elements) flow = std::max(flow, std::abs(flowOf(e)) * double(v.elements.size()));
    } else {
        std::complex<double> sum = 0.0;
        for (const char* e : v.elements) sum += flowOf(e);
        flow = std::abs(sum);
    }
    return std::sqrt(2.0) * flow / areaM2 * levelConventionPressure();
}

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
            const double peak = modelVentSpeed(circuit, s, v, areas[v.vent - 1]);
            state.point.respNum = v.respNum;
            AsPlot4();
            EXPECT_NEAR(state.point.yy / peak, 1.0, tolerance) << "vent " << v.vent << " at " << hz << " Hz";
        }
    }
}

// Designs every vent of the current system at the input power pinW
// (AsVentOpt), then drives the model built from the box with that power:
// at each vent's designed minimum area its air, the model's volume velocity
// over that area, peaks at the speed limit over the grid.
inline void expectDesignedVentsAtTheLimit(double pinW, const std::function<oracle::LumpedCircuit()>& model,
                                          const std::vector<VentUnderTest>& vents, double tolerance) {
    state.power.PIN = pinW;
    state.speaker.EFI = 0.0;
    CofCal();
    AsVentOpt();
    AsPlot3();  // the alignment's box, as the model is built from it
    oracle::LumpedCircuit circuit = model();
    circuit.setDriveVoltage(std::sqrt(pinW * state.speaker.RE));
    for (const VentUnderTest& v : vents) {
        const double minimumM2 = state.vents.vent[v.vent].CircPortSVmin * 1e-4;
        ASSERT_GT(minimumM2, 0.0) << "vent " << v.vent;
        double peak = 0.0;
        for (float k = kGridStart; k <= kGridEnd; k += kGridStep) {
            setGridFrequency(k);
            const oracle::Solution s = circuit.solve(static_cast<double>(state.point.f) * state.speaker.FS);
            peak = std::max(peak, modelVentSpeed(circuit, s, v, minimumM2));
        }
        EXPECT_NEAR(peak / kVentAirSpeedLimit, 1.0, tolerance) << "vent " << v.vent;
    }
}

}  // namespace quendal::test
