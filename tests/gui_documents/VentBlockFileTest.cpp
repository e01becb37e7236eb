// The vents of a designed system saved through the program's own save
// path and read back from the file.
#include <cmath>

#include "DocumentFixture.h"
#include "app/DesignDocumentFile.h"
#include "app/DocumentFiles.h"
#include "documents/Designs.h"
#include "response/CofCal.h"
#include "response/VentForms.h"
#include "response/VentSizing.h"

namespace quendal::test {
namespace {

class VentBlockFileTest : public DocumentTest {};

// A document keeps two decimals of each size.
void expectSameVent(const VentRecord& read, const VentRecord& designed, int32_t v) {
    SCOPED_TRACE(testing::Message() << "vent " << v);
    EXPECT_EQ(read.VentTypeTab, designed.VentTypeTab);
    EXPECT_EQ(read.VentForm, designed.VentForm);
    EXPECT_EQ(read.CircVentNum, designed.CircVentNum);
    EXPECT_EQ(read.RectVentNum, designed.RectVentNum);
    EXPECT_EQ(read.CircVentRadio, designed.CircVentRadio);
    EXPECT_EQ(read.RectVentRadio, designed.RectVentRadio);
    EXPECT_EQ(read.CircDuctVentInit, designed.CircDuctVentInit);
    const double VentRecord::*sizes[] = {
        &VentRecord::CircPortDV, &VentRecord::CircPortLV, &VentRecord::CircPortSV, &VentRecord::CircPortSVmin,
        &VentRecord::CircDuctDV, &VentRecord::CircDuctLV, &VentRecord::CircDuctSV, &VentRecord::RectPortWV,
        &VentRecord::RectPortHV, &VentRecord::RectPortLV, &VentRecord::RectDuctWV, &VentRecord::RectDuctHV,
        &VentRecord::RectDuctLV};
    for (const auto size : sizes) EXPECT_NEAR(read.*size, designed.*size, 0.005 + 1e-9 * std::abs(designed.*size));
}

TEST_F(VentBlockFileTest, DesignedVentsComeBackFromTheSavedDocument) {
    state = defaultDesign();
    state.selection.SysSelTabNum = 1;
    state.selection.SysSelBtnNum = 6;  // Twin Serial Vented: three vents, vent 1 in pairs
    state.selection.Alin = 1;
    state.vents.vent[2].CircVentRadio = 2;  // vent 2 ducted
    state.vents.vent[3].VentTypeTab = 2;    // vent 3 rectangular
    CofCal();
    AsVentOpt();
    for (int32_t v = 1; v <= 3; ++v) ASSERT_NE(state.vents.vent[v].VentForm, int32_t(VentForm::NotDesigned)) << v;
    // The duct at its minimum, shorter than the panel (a port would do).
    ASSERT_EQ(state.vents.vent[2].VentForm, int32_t(VentForm::ShorterThanPanel));
    ASSERT_EQ(state.vents.vent[1].CircVentNum % 2, 0);
    const VentParameters designed = state.vents;

    const std::string file = path("vents.qndl");
    ASSERT_TRUE(OpenDialogPutFileHandler(file));
    resetState();
    const DocumentResult read = ReadFile(file);
    ASSERT_TRUE(read.ok()) << read.description;
    for (int32_t v = 1; v <= 3; ++v) expectSameVent(state.vents.vent[v], designed.vent[v], v);
    EXPECT_EQ(state.selection.SysSelBtnNum, 6);
}

}  // namespace
}  // namespace quendal::test
