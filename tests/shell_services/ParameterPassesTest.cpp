// The driver handed over, the initial box values, and the rounded backups.
#include <gtest/gtest.h>

#include "model/ParameterPasses.h"
#include "model/State.h"

namespace quendal::test {
namespace {

class ParameterPassesTest : public testing::Test {
protected:
    void SetUp() override { resetState(); }
    void TearDown() override { resetState(); }
};

TEST_F(ParameterPassesTest, EnteredDriverBecomesTheEffectiveOneAndStaysAsEntered) {
    SpeakerParameters& s = state.speaker;
    s.s_SP2 = "W8-1772";
    s.FS2 = 33.5;
    s.QTS2 = 0.31;
    s.LE2 = 0.62;
    OriginalBoxParametersPass();
    EXPECT_EQ(s.s_SP, "W8-1772");
    EXPECT_EQ(s.s_RANG, "N/A");
    const double effective[] = {s.DIA, s.FS, s.VAS, s.QTS, s.QES, s.QMS, s.EFI, s.RE, s.PEMX, s.SD, s.XMAX, s.VD, s.LE};
    const double entered[] = {20.0, 33.5, 100.0, 0.31, 0.435, 5.0, 2.501, 6.0, 100.0, 200.0, 5.0, 100.0, 0.62};
    for (std::size_t i = 0; i < std::size(entered); ++i) EXPECT_EQ(effective[i], entered[i]) << i;
    EXPECT_EQ(s.s_SP2, "W8-1772");
    EXPECT_EQ(s.FS2, 33.5);
}

TEST_F(ParameterPassesTest, InitialPopupItemsNameTheInitialLossFactors) {
    state.connection.SpConNum = 4;
    state.vents.vent[2].VentTypeTab = 2;
    state.vents.vent[3].RectDuctVentInit = 1;
    state.vents.vent[1].CircVentRadio = 2;
    InitItemBoxParameters();
    const double qaItems[] = {5, 7, 10, 15, 20};
    const double qbItems[] = {3, 5, 7, 10, 15, 20};
    const BoxParameters& b = state.box;
    for (int32_t item : {b.PopupItem1, b.PopupItem2, b.PopupItem3, b.PopupItem4, b.PopupItem5}) EXPECT_EQ(item, 3);
    for (double qa : {b.QA, b.QA1, b.QA2}) EXPECT_EQ(qa, qaItems[b.PopupItem1 - 1]);
    for (double ql : {b.QL, b.QL1, b.QL2, b.QL3}) EXPECT_EQ(ql, qbItems[b.PopupItem1 - 1]);
    EXPECT_EQ(state.radiator.QP, 5.0);
    EXPECT_EQ(state.connection.SpConNum, 1);
    for (int v = 1; v <= 3; ++v) {
        const VentRecord& r = state.vents.vent[v];
        EXPECT_EQ(r.VentTypeTab, 1);
        EXPECT_EQ(r.CircDuctVentInit + r.RectPortVentInit + r.RectDuctVentInit, 0);
        EXPECT_EQ(r.CircVentRadio, 1);
        EXPECT_EQ(r.RectVentRadio, 1);
        EXPECT_EQ(r.CircVentNum, 1);
        EXPECT_EQ(r.RectVentNum, 1);
    }
}

TEST_F(ParameterPassesTest, BoxValuesRoundHalvesToEvenAndBackupsHoldTheRoundedValues) {
    struct Case {
        double* value;
        double given, kept;
    };
    BoxParameters& b = state.box;
    PassiveRadiatorParameters& r = state.radiator;
    const Case cases[] = {
        {&b.VB, 12345.678, 12346.0},  // ten cubic metres and more: whole litres
        {&b.VB1, 10000.4, 10000.0},
        {&b.VB2, 9999.994, 9999.99},
        {&b.VB3, 0.125, 0.12},        // 12.5 hundredths: to the even 12
        {&b.FB, 41.125, 41.12},
        {&b.FB1, 41.375, 41.38},
        {&b.FC, 70.0049, 70.0},
        {&b.FC2, 55.5551, 55.56},
        {&b.QTC, 0.70712, 0.707},
        {&r.VAP, 31.4159, 31.42},
        {&r.FP, 19.9951, 20.0},
        {&r.QP, 5.0, 5.0},
        {&b.QA, 7.123456, 7.123456},  // loss factors are not rounded
        {&b.QL3, 3.3333, 3.3333},
    };
    for (const Case& c : cases) *c.value = c.given;
    BoxParameterBackup();
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(*c.value, c.kept) << c.given;
    const double current[] = {b.VB, b.VB1, b.VB2, b.VB3, b.FB1, b.FB2, b.FB3, b.QTC, r.VAP, r.FP, r.QP,
                              b.QA, b.QA1, b.QA2, b.QL, b.QL1, b.QL2, b.QL3};
    const double backup[] = {b.VBbak, b.VB1bak, b.VB2bak, b.VB3bak, b.FB1bak, b.FB2bak, b.FB3bak, b.QTCbak, r.VAPbak,
                             r.FPbak, r.QPbak, b.QAbak, b.QA1bak, b.QA2bak, b.QLbak, b.QL1bak, b.QL2bak, b.QL3bak};
    for (std::size_t i = 0; i < std::size(current); ++i) EXPECT_EQ(backup[i], current[i]) << i;
}

TEST_F(ParameterPassesTest, VentRoundingTouchesOnlyCrossSections) {
    for (int v = 1; v <= 3; ++v) {
        VentRecord& r = state.vents.vent[v];
        r.CircPortDV = 50.125 + v;
        r.RectDuctHV = 12.3456;
        r.CircPortLV = 123.4567;  // a length
        r.RectPortSV = 9.8765;    // an area
    }
    ValueRoundVentParameters();
    for (int v = 1; v <= 3; ++v) {
        const VentRecord& r = state.vents.vent[v];
        EXPECT_DOUBLE_EQ(r.CircPortDV, 50.12 + v);
        EXPECT_DOUBLE_EQ(r.RectDuctHV, 12.35);
        EXPECT_EQ(r.CircPortLV, 123.4567);
        EXPECT_EQ(r.RectPortSV, 9.8765);
    }
}

}  // namespace
}  // namespace quendal::test
