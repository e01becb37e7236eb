// The Triple Vented pair's impedance against the network of both drivers
// wired in series (one current) and in parallel (one voltage): the pair is
// solved as one network, both cones loading the shared chamber, so it holds
// for unlike halves as for alike ones; on the page as drawn and scaled too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "response/CofCal.h"
#include "MultiVentTestSupport.h"
#include "engine/ImpedancePageQ.h"
#include "enclosures/TRIcal.h"
#include "response/ImpedancePlot.h"
#include "support/DrawnCurves.h"
#include "support/EngineTestSupport.h"

namespace quendal {
namespace {

using namespace quendal::testing;

TEST(TripleVentedPair, AlikeHalvesInSeriesAndParallelAsTheNetworkOfBothDrivers) {
    for (int32_t alin : {1, 2}) {
        for (double ql : {7.0, 20.0}) {
            resetState();
            setDriver(40.0, 50.0, 0.4, 4.0);
            selectBandPass(8, alin);
            state.box.QL1 = state.box.QL2 = state.box.QL3 = ql;
            buildCurrentDriveCoefficients(TRIcofCal);
            const SpeakerParameters& sp = state.speaker;
            state.rscales.RES = sp.RE * sp.QMS / sp.QES;
            LumpedCircuit model = withCoilInductance(tripleVentedCircuit());
            for (double hz : gridHz()) {
                atPoint(TRIIMPserical, hz / sp.FS);
                model.setSeriesConnection(true);
                const double series = std::abs(model.inputImpedance(evaluatedHz()));
                EXPECT_NEAR(state.point.yyLinea, series, 1e-4 * series)
                    << "alignment " << alin << " QL " << ql << " series at " << hz << " Hz";
                atPoint(TRIIMPparacal, hz / sp.FS);
                model.setSeriesConnection(false);
                const double parallel = std::abs(model.inputImpedance(evaluatedHz()));
                EXPECT_NEAR(state.point.yyLinea, parallel, 1e-4 * parallel)
                    << "alignment " << alin << " QL " << ql << " parallel at " << hz << " Hz";
            }
        }
    }
}

TEST(TripleVentedPair, EveryAlignmentWithAndWithoutLossesAndCoilAsTheNetwork) {
    for (int32_t alin : {1, 2, 3, 4, 5})
        for (double ql : {7.0, oracle::kNoLoss})
            for (double leMilliHenry : {0.0, 1.0}) {
                resetState();
                setDriver(40.0, 50.0, 0.4, 4.0);
                selectBandPass(8, alin);
                if (alin == 5) customBox(10.0, 100.0, ql, 40.0, 50.0, ql, 100.0, 30.0, ql);  // volumes 1:4, tunings 2:1
                state.box.QL1 = state.box.QL2 = state.box.QL3 = ql;
                buildCurrentDriveCoefficients(TRIcofCal);
                const SpeakerParameters& sp = state.speaker;
                state.rscales.RES = sp.RE * sp.QMS / sp.QES;
                state.rscales.ZL = 2.0 * oracle::kPi * leMilliHenry / 1000.0;
                LumpedCircuit model = tripleVentedCircuit();
                model.setCoilInductance(leMilliHenry / 1000.0);
                for (bool series : {true, false}) {
                    model.setSeriesConnection(series);
                    for (double hz : gridHz()) {
                        atPoint(series ? TRIIMPserical : TRIIMPparacal, hz / sp.FS);
                        const double z = std::abs(model.inputImpedance(evaluatedHz()));
                        ASSERT_NEAR(state.point.yyLinea, z, 1e-5 * z) << "alignment " << alin << " QL " << ql << " LE "
                                                                     << leMilliHenry << (series ? " series" : " parallel")
                                                                     << " at " << hz << " Hz";
                    }
                }
            }
}

// The default driver in Type3 and Type4: the pair's curve as drawn (the first
// of three) and, in series, the peak the scale search finds are the network's.
TEST(TripleVentedPair, DrawnPairAndSeriesScalePeakAreTheNetworks) {
    for (int32_t alin : {3, 4})
        for (const char* wiring : {"Seri", "Para"}) {
            resetState();
            test::useEnteredDriver();
            selectBandPass(8, alin);
            state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
            CofCal();  // the design computed, as it is before any page is drawn
            state.view.s_Resp = "imp";
            state.view.s_Imp = wiring;
            const test::Drawn drawn = test::draw([] { impOpt(); impPlot(); });
            ASSERT_EQ(drawn.segments, 3 * 200);
            LumpedCircuit model = tripleVentedCircuit();
            model.setCoilInductance(state.speaker.LE / 1000.0);
            model.setSeriesConnection(std::string(wiring) == "Seri");
            for (int i = 0; i < 200; ++i) {  // each line from the new point back to the previous one
                const RecordedElement& l = drawn.lines[static_cast<std::size_t>(i)];
                const double z = std::abs(model.inputImpedance(std::pow(10.0, (l.x0 - 45.0) / 230.0 + 1.0)));
                EXPECT_NEAR((330.0 - l.y0) / (2.81 * state.scales.IMPscal), z, 0.01 * z) << alin << wiring << " " << i;
            }
            double peak = 0.0;
            for (double hz : gridHz()) peak = std::max(peak, std::abs(model.inputImpedance(hz)));
            if (model.seriesConnection()) {
                EXPECT_NEAR(state.scales.G1, peak, 0.01 * peak) << alin;
            }
        }
}

}  // namespace
}  // namespace quendal
