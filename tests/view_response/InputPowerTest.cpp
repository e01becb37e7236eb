// The input power the responses are drawn for depends on the connection,
// the rated power and the preference, never on what it was before.
#include <gtest/gtest.h>

#include "model/State.h"
#include "view/InputPower.h"

namespace quendal {
namespace {

class InputPower : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        state.speaker.PEMX2 = 100.0;
        state.power.PinTemp = 30.0;
    }
};

TEST_F(InputPower, TwoDriversTakeTwiceTheRatingAndTheEnteredPowerOverridesIt) {
    for (int32_t connection = 1; connection <= 5; ++connection) {
        state.connection.SpConNum = connection;
        state.power.InputPowerCheck = 1;
        PINcalc();
        EXPECT_EQ(state.power.PIN, connection == 1 ? 100.0 : 200.0) << connection;
        PINcalc();  // again: no further doubling
        EXPECT_EQ(state.power.PIN, connection == 1 ? 100.0 : 200.0) << connection;
        state.power.InputPowerCheck = 0;
        PINcalc();
        EXPECT_EQ(state.power.PIN, 30.0) << connection;
    }
}

TEST_F(InputPower, SameAnswerWhateverCameBefore) {
    state.connection.SpConNum = 2;
    // The preference switched back on after the entered power was in use.
    state.power.InputPowerCheck = 0;
    PINcalc();
    state.power.InputPowerCheck = 1;
    PINcalc();
    EXPECT_EQ(state.power.PIN, 200.0);
    // A new rating (a new driver, or a design opened with another one).
    state.speaker.PEMX2 = 150.0;
    PINcalc();
    EXPECT_EQ(state.power.PIN, 300.0);
    // An unknown connection keeps the power it had.
    state.connection.SpConNum = 9;
    state.speaker.PEMX2 = 80.0;
    PINcalc();
    EXPECT_EQ(state.power.PIN, 300.0);
}

}  // namespace
}  // namespace quendal
