// The values of the custom palette without its window: the text forms the
// palette shows and reads back, and which values each alignment takes.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/State.h"
#include "palette/CustomPaletteValues.h"

namespace quendal::test {
namespace {

class PaletteValues : public testing::Test {
protected:
    void SetUp() override { resetState(); }
    void TearDown() override { resetState(); }
    static void select(int32_t tab, int32_t button, int32_t alin) {
        state.selection.SysSelTabNum = tab;
        state.selection.SysSelBtnNum = button;
        state.selection.Alin = alin;
    }
};

TEST_F(PaletteValues, TextFormsRoundEachKindOfValueToItsOwnDecimals) {
    const struct {
        BoxValue value;
        double number;
        const char* text;
    } cases[] = {
        {BoxValue::VB1, 9999.994, " 9999.99"},
        {BoxValue::VB2, 9999.996, " 10000"},  // rounds up to the whole-litre range's first value
        {BoxValue::VB, 10000.4, " 10000"},
        {BoxValue::VB3, 12345.678, " 12346"},
        {BoxValue::FB2, 41.125, " 41.12"},   // an exact half goes to the even neighbour
        {BoxValue::FC1, 2.375, " 2.38"},
        {BoxValue::FB3, 12345.678, " 12345.68"},  // frequencies keep their decimals
        {BoxValue::QTC, 0.70749, " 0.707"},
        {BoxValue::QP, 5.0, " 5"},
        {BoxValue::VAP, 0.125, " 0.12"},
        {BoxValue::FP, 35.678, " 35.68"},
    };
    for (const auto& c : cases) boxValue(c.value) = c.number;
    toTextChang();
    for (const auto& c : cases) EXPECT_EQ(textForm(c.value).str(), c.text) << c.number;
}

// The fields "Calc." reads at each alignment, with the value each sets.
TEST_F(PaletteValues, EachAlignmentTakesTheValuesItsRowsName) {
    const struct {
        int32_t tab, button, alin;
        std::vector<BoxValue> read;
    } cases[] = {
        {1, 2, 2, {BoxValue::VB}},
        {1, 2, 3, {BoxValue::QTC}},
        {1, 4, 4, {BoxValue::VB, BoxValue::VAP, BoxValue::FP, BoxValue::QP}},
        {1, 8, 2, {BoxValue::VB1, BoxValue::FB1, BoxValue::VB2}},
        {2, 2, 4, {BoxValue::VB1, BoxValue::VB2}},
        {2, 2, 5, {BoxValue::VB1, BoxValue::VB2, BoxValue::VAP, BoxValue::FP, BoxValue::QP}},
        {2, 3, 3, {BoxValue::VB1, BoxValue::VB2, BoxValue::FB2, BoxValue::VB3, BoxValue::FB3}},
        {2, 5, 3, {}},  // Twin Vented "Low Shift"
        {2, 8, 5, {BoxValue::VB1, BoxValue::FB1, BoxValue::VB2, BoxValue::FB2, BoxValue::VB3, BoxValue::FB3}},
        {2, 8, 6, {}},  // beyond the menu
    };
    for (const auto& c : cases) {
        select(c.tab, c.button, c.alin);
        SCOPED_TRACE(testing::Message() << c.tab << "," << c.button << " Alin " << c.alin);
        const PaletteFieldRange fields = currentEntryFields();
        std::vector<BoxValue> read;
        for (int32_t id = fields.first; id <= fields.last; ++id)
            for (const PaletteValueRow& row : currentValueRows())
                if (row.entryId == id) read.push_back(row.value);
        EXPECT_EQ(read, c.read);
        EXPECT_EQ(fields.count(), int32_t(c.read.size()));
    }
}

}  // namespace
}  // namespace quendal::test
