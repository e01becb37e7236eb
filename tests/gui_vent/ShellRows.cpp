// The shell's rows for the hits in the Vent Design sheet (10) and its
// Initial Setup sheet (6), as the tests drive them.
#include "VentSheetFixture.h"

#include "windows/Alerts.h"

namespace quendal::test {

int32_t ventSheetRows(const platform::ControlEvent& event, int32_t control) {
    if (event.kind != platform::ControlEventKind::Hit) return platform::kEventNotHandled;
    VentRecord& w = state.vents.working;
    const bool branched = branchedVentInSheet();
    auto value = [](platform::ControlNumber c) { return platform::controlValue(kVentDesignSheet, c); };
    switch (control) {
        case 300:
            w.VentTypeTab = value(300);
            VentDesignDisp();
            break;
        case 305:
            w.CircVentRadio = value(305);
            w.CircVentNum = value(branched ? 314 : 313);
            CircVentRadioClick();
            CircVentNumCalc();
            VentDesignDisp();
            break;
        case 307:
            w.RectVentRadio = value(307);
            w.RectVentNum = value(branched ? 316 : 315);
            RectVentRadioClick();
            VentDesignDisp();
            break;
        case 313:
        case 314:
            w.CircVentNum = value(control);
            CircVentNumCalc();
            VentDesignDisp();
            break;
        case 315:
        case 316:
            w.RectVentNum = value(control);
            state.shell.VentOkFlag = 1;
            RectVentNumCalc();
            state.shell.VentOkFlag = 0;
            VentDesignDisp();
            break;
        case 322: VentDesignCalcOKReturn(1); break;
        case 323: VentDesignCalcOKReturn(0); break;
        case 324:
            SheetWndClose(kVentDesignSheet);
            VentParameterReturnForCancel();
            break;
        case 325: VentInitializeOkReturnCalc(); break;
        case 326:
        case 327: InitialSetupWndForVentDesign(); break;
        default: return platform::kEventNotHandled;
    }
    return platform::kHandled;
}

}  // namespace quendal::test
