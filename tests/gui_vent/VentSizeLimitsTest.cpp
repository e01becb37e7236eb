// Every size typed into the Vent Design sheet, non-finite, vast, denormal,
// zero or negative, is refused with the field and its limit named (and the
// limit named, typed, is taken), or taken as a vent whose sizes stay above
// 0 as kept and whose length and area are finite; with ten vents chosen
// after it, its document read in a clean state is taken and reads the same.
#include "VentSheetFixture.h"

#include <QRadioButton>
#include <QTabBar>
#include <cmath>
#include <cstring>

#include "app/DesignDocument.h"
#include "dialogs/Alerts.h"
#include "documents/Designs.h"
#include "model/ParameterPasses.h"

namespace quendal::test {
namespace {

struct SizeField {
    const char* word;  // as the alert names it
    int32_t tab;       // 1 circular, 2 rectangular
    bool ducted;
    platform::ControlNumber field;
};
const SizeField kFields[] = {{"Diameter", 1, true, kVentSizeField}, {"Width", 2, false, kVentSizeField},
                             {"Width", 2, true, kVentSizeField}, {"Height", 2, true, kVentSecondSizeField}};
const char* const kSizes[] = {"1e308", "1e999", "1e150", "99999999", "5e-324", "2e-308", "0.001",
                              "0.004", "0",     "-1",    "abc",      "0.01",   "60"};

bool realVent(const VentRecord& r) {
    for (double size : {r.CircPortDV, r.CircDuctDV, r.RectPortWV, r.RectPortHV, r.RectDuctWV, r.RectDuctHV})
        if (!(std::isfinite(size) && rint(size * 100.0) > 0.0)) return false;
    for (double v : {r.CircPortLV, r.CircPortSV, r.CircDuctLV, r.CircDuctSV, r.RectPortLV, r.RectPortSV,
                     r.RectDuctLV, r.RectDuctSV})
        if (!(std::isfinite(v) && v > 0.0)) return false;
    return true;
}

class VentSizeLimits : public VentSheetTest {
protected:
    void openOn(const SizeField& f) {
        TearDown();
        SetUp();
        InitItemBoxParameters();          // the loss factors and popups a design starts with
        state.selection.InitSysType = 2;  // a system with vents
        openSheet(1, 3, 1, "Vent");
        if (f.tab == 2) widget(kVentDesignSheet, kVentTypeTab)->findChild<QTabBar*>()->setCurrentIndex(1);
        widget(kVentDesignSheet, f.tab == 2 ? kRectangularRadio : kCircularRadio)
            ->findChildren<QRadioButton*>()
            .at(f.ducted ? 1 : 0)
            ->click();
    }
    // Types `text` and presses Calc.: the alert it raised, or "" when taken.
    std::string calc(const SizeField& f, const std::string& text) {
        recorder.sheets.clear();
        type(kVentDesignSheet, f.field, QString::fromStdString(text));
        click(kVentDesignSheet, kVentCalcButton);
        return recorder.sheets.empty() ? "" : recorder.sheets[0].message;
    }
};

TEST_F(VentSizeLimits, EverySizeTypedIsRefusedWithItsLimitOrGivesAVentThatReopens) {
    for (const SizeField& f : kFields) {
        for (const char* size : kSizes) {
            SCOPED_TRACE(std::string(f.word) + (f.ducted ? " of a duct " : " of a port ") + size);
            openOn(f);
            const VentRecord before = state.vents.working;
            if (const std::string message = calc(f, size); !message.empty()) {
                // "Width 0.001 mm; it must be at least 0.01 mm.", or the two
                // sizes of a duct too thin for a length.
                EXPECT_TRUE(message.rfind(std::string(f.word) + " ", 0) == 0 ||
                            message.find(" and height ") != std::string::npos)
                    << message;
                EXPECT_EQ(recorder.sheets[0].title == kValueTooLargeAlert,
                          message.find("at most") != std::string::npos);
                EXPECT_EQ(std::memcmp(&state.vents.working, &before, sizeof(VentRecord)), 0);
                const std::size_t edge = message.find(" must be at ");
                if (edge == std::string::npos) continue;
                const std::size_t from = message.find(' ', edge + 12) + 1;
                const std::string limit = message.substr(from, message.rfind(" mm.") - from);
                EXPECT_EQ(calc(f, limit), "") << limit;
            }
            EXPECT_TRUE(realVent(state.vents.working));
            const platform::ControlNumber count = f.tab == 2 ? kRectangularCountPopup : kCircularCountPopup;
            platform::setControlValue(kVentDesignSheet, count, 10);
            ventSheetRows(platform::ControlEvent{}, count);
            click(kVentDesignSheet, kVentOkButton);
            ASSERT_FALSE(platform::windowExists(kVentDesignSheet));
            EXPECT_TRUE(realVent(state.vents.vent[1]));
            const std::string written = encodeDesignDocument(state);
            ProgramState read = defaultDesign();
            std::string problem;
            EXPECT_TRUE(decodeDesignDocument(written, read, &problem)) << problem;
            EXPECT_TRUE(encodeDesignDocument(read) == written);
        }
    }
}

}  // namespace
}  // namespace quendal::test
