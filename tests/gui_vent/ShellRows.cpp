// The shell's rows for the hits in the Vent Design sheet, as the tests
// drive them.
#include "VentSheetFixture.h"

#include "dialogs/Alerts.h"

namespace quendal::test {

int32_t ventSheetRows(const platform::ControlEvent& event, int32_t control) {
    VentRecord& w = state.vents.working;
    auto value = [](platform::ControlNumber c) { return platform::controlValue(kVentDesignSheet, c); };
    switch (event.kind == platform::ControlEventKind::Hit ? control : 0) {
        case 300: w.VentTypeTab = value(300); break;
        case 305:
            w.CircVentRadio = value(305);
            w.CircVentNum = value(branchedVentInSheet() ? 314 : 313);
            CircVentRadioClick();
            CircVentNumCalc();
            break;
        case 307:
            w.RectVentRadio = value(307);
            RectVentRadioClick();
            break;
        case 313:
        case 314:
            w.CircVentNum = value(control);
            CircVentNumCalc();
            break;
        case 315:
        case 316:
            w.RectVentNum = value(control);
            state.shell.VentOkFlag = 1;
            RectVentNumCalc();
            state.shell.VentOkFlag = 0;
            break;
        case 322: return VentDesignCalcOKReturn(1);
        case 323: return VentDesignCalcOKReturn(0);
        case 324:
            SheetWndClose(kVentDesignSheet);
            return VentParameterReturnForCancel();
        case 325: return VentInitializeOkReturnCalc();
        case 326: return InitialSetupWndForVentDesign();
        default: return platform::kEventNotHandled;
    }
    return VentDesignDisp();
}

}  // namespace quendal::test
