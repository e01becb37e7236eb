// The input power the responses are drawn for depends on the connection,
// the rated power and the preference, never on what it was before.
#include <gtest/gtest.h>

#include "model/State.h"
#include "model/InputPower.h"

namespace quendal {
namespace {

TEST(InputPower, TwiceTheRatingForTwoDriversWhateverCameBefore) {
    resetState();
    state.speaker.PEMX2 = 100.0;
    state.power.PinTemp = 30.0;
    for (int32_t connection = 1; connection <= 5; ++connection) {
        state.connection.SpConNum = connection;
        const double rated = connection == 1 ? 100.0 : 200.0;
        for (double before : {rated, 30.0, 55.0}) {  // again, after the entered power, as a design left it
            state.power.PIN = before;
            state.power.InputPowerCheck = 1;
            PINcalc();
            EXPECT_EQ(state.power.PIN, rated) << connection << " after " << before;
        }
        state.power.InputPowerCheck = 0;
        PINcalc();
        EXPECT_EQ(state.power.PIN, 30.0) << connection;
    }
    // A new rating is followed at once; an unknown connection keeps the power.
    state.power.InputPowerCheck = 1;
    state.speaker.PEMX2 = 150.0;
    PINcalc();
    EXPECT_EQ(state.power.PIN, 300.0);
    state.connection.SpConNum = 9;
    state.speaker.PEMX2 = 80.0;
    PINcalc();
    EXPECT_EQ(state.power.PIN, 300.0);
}

}  // namespace
}  // namespace quendal
