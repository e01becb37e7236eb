// The unsaved-changes model through its transitions: what marks a saved
// design changed, what does not, and that nothing but a new save clears it.
#include <functional>
#include <limits>
#include <string>

#include "DocumentFixture.h"
#include "app/UnsavedChanges.h"
#include "documents/Designs.h"

namespace quendal::test {
namespace {

using Change = std::function<void(ProgramState&)>;
struct Case { const char* what; Change change; };

class UnsavedChangesTest : public DocumentTest {
protected:
    // A design just saved or opened from a document.
    void saved(int32_t saveAsFlag = 1) {
        state = distinctDesign();
        state.connection = {5, 5, 0};  // no connection sheet takes picks
        state.shell.SaveAsFlag = saveAsFlag;
        DirtyCheckSpParamIn();
        DirtyCheckVentParamIn();
    }
    bool marked() const {
        EXPECT_EQ(state.shell.DirtyFlag == 1, platform::isWindowModified(kResponseWindow));
        return state.shell.DirtyFlag == 1;
    }
    void check() {
        DirtyCheckSpParamCheck();
        DirtyCheckVentParamCheck();
    }
};

TEST_F(UnsavedChangesTest, ChangesOfTheSavedValuesMarkTheDesign) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"input power", [](ProgramState& s) { s.power.PIN += 1.0; }},
        {"baffle thickness", [](ProgramState& s) { s.shell.LVP = 18.0; }},
        {"last volume", [](ProgramState& s) { s.box.VB3 *= 2.0; }},
        {"closed-chamber resonance", [](ProgramState& s) { s.box.FC2 += 0.01; }},
        {"tuning", [](ProgramState& s) { s.box.FB = 0.0; }},
        {"closed-box Q", [](ProgramState& s) { s.box.QTC = 0.707; }},
        {"radiator", [](ProgramState& s) { s.radiator.VAP = 3.0; }},
        {"impedance connection", [](ProgramState& s) { s.view.ImpID = 1; }},
        {"speaker connection", [](ProgramState& s) { s.connection.SpConNum = 2; }},
        {"a value become not a number", [nan](ProgramState& s) { s.box.VB1 = nan; }},
        {"vent 1 duct edited", [](ProgramState& s) { s.vents.vent[1].CircDuctVentInit = 0; }},
        {"vent 2 duct edited", [](ProgramState& s) { s.vents.vent[2].CircDuctVentInit = 1; }},
        {"vent 3 duct edited", [](ProgramState& s) { s.vents.vent[3].CircDuctVentInit = 1; }},
        {"vent 3 rectangular port edited", [](ProgramState& s) { s.vents.vent[3].RectPortVentInit = 1; }},
        {"vent 1 rectangular duct edited", [](ProgramState& s) { s.vents.vent[1].RectDuctVentInit = 1; }},
        {"vent 2 made rectangular", [](ProgramState& s) { s.vents.vent[2].VentTypeTab = 2; }},
        {"vent 3 count", [](ProgramState& s) { s.vents.vent[3].RectVentNum = 1; }},
        {"vent 3 rectangular duct height", [](ProgramState& s) { s.vents.vent[3].RectDuctHV += 0.01; }},
    };
    for (const auto& c : cases) {
        saved();
        c.change(state);
        check();
        EXPECT_TRUE(marked()) << c.what;
    }
}

TEST_F(UnsavedChangesTest, ValuesOutsideTheSnapshotsMarkNothing) {
    const Case cases[] = {
        {"driver resonance", [](ProgramState& s) { s.speaker.FS = 30.0; }},
        {"loss factor", [](ProgramState& s) { s.box.QA = 20.0; }},
        {"sizing outcome", [](ProgramState& s) { s.vents.vent[1].VentForm = 7; }},
        {"vent length", [](ProgramState& s) { s.vents.vent[2].CircPortLV = 99.0; }},
        {"vent area", [](ProgramState& s) { s.vents.vent[3].RectPortSV = 99.0; }},
        {"a connection picked, not applied", [](ProgramState& s) { s.connection = {2, 5, 1}; }},
        {"nothing", [](ProgramState&) {}},
    };
    for (const auto& c : cases) {
        saved();
        c.change(state);
        check();
        EXPECT_FALSE(marked()) << c.what;
    }
}

TEST_F(UnsavedChangesTest, DesignsWithoutADocumentAreMarkedLikeSavedOnes) {
    saved(0);  // a new design or an opened stationery
    state.power.PIN = 99.0;
    state.vents.vent[1].CircDuctVentInit = 0;
    check();
    EXPECT_TRUE(marked());
}

TEST_F(UnsavedChangesTest, OnlyANewSaveClearsTheMark) {
    saved();
    const double volume = state.box.VB;
    state.box.VB = 70.0;
    DirtyCheckSpParamCheck();
    EXPECT_TRUE(marked());
    state.box.VB = volume;  // undone by hand: still marked
    check();
    EXPECT_TRUE(marked());
    EXPECT_EQ(state.document.SpParmVarOrigin[1], volume);  // a comparison never retakes the snapshot

    // Saved again: the flow clears the flag and the mark, the snapshots are retaken.
    state.box.VB = 70.0;
    state.shell.DirtyFlag = 0;
    platform::setWindowModified(kResponseWindow, false);
    DirtyCheckSpParamIn();
    DirtyCheckSpParamCheck();
    EXPECT_FALSE(marked());
}

TEST_F(UnsavedChangesTest, ASavedValueThatIsNotANumberAlwaysCountsAsChanged) {
    state = distinctDesign();
    state.shell.SaveAsFlag = 1;
    state.radiator.QP = std::numeric_limits<double>::quiet_NaN();
    DirtyCheckSpParamIn();
    DirtyCheckSpParamCheck();
    EXPECT_TRUE(marked());
}

}  // namespace
}  // namespace quendal::test
