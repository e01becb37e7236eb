// A design does not depend on the page it was changed on: the same
// alignment chosen with any of the eleven pages shown stores the same
// document, apart from the fields that name the page.
#include "DocflowFixture.h"

#include "response/ReferenceLevel.h"
#include "response/VentSizing.h"
#include "view/ResponseRedraw.h"

namespace quendal::test {
namespace {

// The Response menu's items of the nine responses, System Profile and Vent
// Information.
constexpr int32_t kPageItems[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12};
// The items of each system's Alignment menu, by tab and button.
constexpr int32_t kAlignments[2][8] = {{2, 3, 4, 4, 5, 3, 2, 2}, {4, 5, 3, 3, 4, 3, 4, 5}};

class SamePageDesign : public DocflowTest {
protected:
    // The design of the system as started (first alignment, level and vents),
    // shown on the page of Response menu item `page`, then switched to
    // alignment `alin` from the Alignment menu and given another Qb; its
    // document with the page fields as the amplitude page has them.
    std::string documentAfterChange(const ProgramState& start, int32_t tab, int32_t button, int32_t page,
                                    int32_t alin) {
        state = start;
        state.selection.SysSelTabNum = tab;
        state.selection.SysSelBtnNum = button;
        state.selection.Alin = 1;
        SPLcal();  // as the design starts, on the amplitude page
        AsVentOpt();
        BoxParameterBackup();
        EXPECT_EQ(ApplicationEventHandler(kResponseMenu, page), platform::kHandled);
        EXPECT_EQ(ApplicationEventHandler(alignmentMenuFor(tab, button), alin), platform::kHandled);
        // Then the vented chambers' leakage as the Qb popup changes it.
        state.box.QL = state.box.QL1 = state.box.QL2 = state.box.QL3 = 10.0;
        state.view.ReDispWnd = 2;
        ReDispResposeWnd();
        return documentWith([](ProgramState& d) {
            d.view.s_Resp = "amp";
            d.view.RespID = 1;
            d.vents.VentID = 1;  // the Vent Information page shows vent 1
        });
    }
};

TEST_F(SamePageDesign, EveryAlignmentStoresTheSameDocumentOnEveryPage) {
    const ProgramState start = state;
    for (int32_t tab : {1, 2}) {
        for (int32_t button = 1; button <= 8; ++button) {
            for (int32_t alin = 1; alin <= kAlignments[tab - 1][button - 1]; ++alin) {
                const std::string onAmplitude = documentAfterChange(start, tab, button, 1, alin);
                for (int32_t page : kPageItems) {
                    SCOPED_TRACE(::testing::Message() << "tab " << tab << ", button " << button << ", alignment "
                                                      << alin << ", Response item " << page);
                    const std::string shown = documentAfterChange(start, tab, button, page, alin);
                    ASSERT_EQ(shown.size(), kDesignDocumentSize);
                    std::size_t firstDifference = 0;
                    while (firstDifference < shown.size() && shown[firstDifference] == onAmplitude[firstDifference])
                        ++firstDifference;
                    EXPECT_EQ(firstDifference, shown.size()) << "the documents differ from byte " << firstDifference;
                }
            }
        }
    }
}

}  // namespace
}  // namespace quendal::test
