// The Triple Vented pair's impedance against the network of both drivers
// wired in series (one current) and in parallel (one voltage). The unit
// treats the enclosure as two half systems, which is exact for alike halves
// (unequal halves are an approximation of the whole unit, pinned by the
// unit's own comparison with the network).
#include <gtest/gtest.h>

#include <cmath>

#include "MultiVentTestSupport.h"
#include "engine/ImpedancePageQ.h"
#include "enclosures/TRIcal.h"

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

}  // namespace
}  // namespace quendal
