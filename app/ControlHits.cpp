#include "app/ControlHits.h"

#include "app/DesignQueries.h"
#include "app/MenuBar.h"
#include "app/WindowEvents.h"
#include "model/State.h"
#include "palette/CustomPalette.h"
#include "windows/PageSetup.h"
#include "model/WindowNumbers.h"
#include "selection/SystemInfoPalette.h"
#include "selection/SystemSelect.h"
#include "dialogs/Alerts.h"
#include "windows/DefaultParameters.h"
#include "windows/InitialSetup.h"
#include "windows/PassiveRadiatorData.h"
#include "app/CloseWindows.h"
#include "windows/PreferencesWindow.h"
#include "windows/ResponseWindow.h"
#include "palette/CustomPaletteCalc.h"
#include "palette/CustomPaletteEnable.h"
#include "palette/CustomPaletteRows.h"
#include "view/NyquistReadout.h"
#include "windows/ResponseWindow.h"
#include "selection/SpeakerConnection.h"
#include "vent/VentDesignSheet.h"
#include "response/VentRecords.h"
#include "vent/VentSetupSheet.h"
#include "app/DesignFlow.h"
#include "app/UpdateCheck.h"
#include "app/Snapshot.h"
#include "app/Preferences.h"
#include "view/PointerReadout.h"
#include "view/Explanation.h"

namespace quendal {

namespace {

using platform::ControlEventKind;
using platform::Cursor;
using platform::kEventNotHandled;
using platform::kHandled;


int32_t valueOf(int32_t window, int32_t control) { return platform::controlValue(window, control); }

// A sheet whose OK is button 1 and Cancel button 2.
int32_t okCancelHit(int32_t control, int32_t (*ok)(), int32_t (*cancel)()) {
    if (control == 1) {
        ok();
        return kHandled;
    }
    if (control == 2) {
        cancel();
        return kHandled;
    }
    return kEventNotHandled;
}

int32_t updateWindowHit(int32_t control) {
    switch (control) {
        case 601: case 603: case 604: CheckForUpdateWndOkButton(); return kHandled;
        case 602: CheckForUpdateWndDownloadButton(); return kHandled;
        case 605: CheckForUpdateWndLaunchButton(); return kHandled;
        case 608: state.prefs.UpdateForCheck = valueOf(kUpdateWindow, 608); return kHandled;
        default: return kEventNotHandled;
    }
}

int32_t defaultParametersHit(int32_t control) {
    switch (control) {
        case 1: SpeakerSelectOK(); return kHandled;
        case 2: CancelSpeakerSelect(); return kHandled;
        case 3: DefaultParamWndQuit(); return kHandled;
        default: return kEventNotHandled;
    }
}

int32_t systemSelectHit(int32_t control) {
    switch (control) {
        case 1: systemSelectConfirm(); return kHandled;
        case 2: CancelSystemSelect(); return kHandled;
        case 3: systemSelectTabChanged(); return kHandled;
        case 10: ChangeToSpeakerSelect(); return kHandled;
        default: return kEventNotHandled;
    }
}

int32_t initialSetupHit(int32_t window, int32_t control) {
    if (control == 10 || control == 11) {
        state.shell.EdtFldID = control;
        return kHandled;
    }
    if (window == kInitialSetupSheet) return okCancelHit(control, InitSetupOkReturn, InitSetupCancel);
    return okCancelHit(control, InitSetupOkReturnForVentDesignWnd, InitSetupCancelForVentDesignWnd);
}

int32_t responseWindowHit(int32_t control) {
    switch (control) {
        case 405: detailTriangleClicked(); return kHandled;
        case 400: case 401: case 402: case 403: legendPictureClicked(control); return kHandled;
        case 407: case 408: nyquistArrowClicked(control); return kHandled;
        default: return kEventNotHandled;
    }
}

int32_t customPaletteHit(int32_t control) {
    if (control >= 31 && control <= 36) {
        CustomPaletFieldClick(control);
        return kHandled;
    }
    if (control >= kPaletteQaPopup1 && control <= kPaletteQbPopup3) {
        platform::selectWindow(kCustomPalette);
        CustumPaletPopupClick(control);
        return kHandled;
    }
    switch (control) {
        case 10: CustumPaletCalcReturn(); return kHandled;
        case 11: CustomPaletSnapButton(); return kHandled;
        case 12: CustomPaletSysSelArrow(); return kHandled;
        case 13: CustomPaletSpSelArrow(); return kHandled;
        case 47: CustomPaletPRNumPopupClick(); return kHandled;
        case 201:
            // The chosen alignment arrives as a menu command.
            platform::selectWindow(kCustomPalette);
            return kHandled;
        default: return kEventNotHandled;
    }
}

int32_t speakerConnectionHit(int32_t control) { return okCancelHit(control, SpConSelectDoDialog, spConSelectCancel); }

int32_t passiveRadiatorHit(int32_t control) {
    if ((control >= 51 && control <= 54) || (control >= 56 && control <= 60)) {
        state.shell.EdtFldID = control;
        return kHandled;
    }
    switch (control) {
        case 2: PRDataEnterWndCancel(); return kHandled;
        case 3: PRDataEnterPasteParameterButton(); return kHandled;
        case 4: PRDataEnterWndApply(); return kHandled;
        default: return kEventNotHandled;
    }
}

int32_t preferencesHit(int32_t control) {
    const bool checkBox = control >= kBoundsCheckBox && control <= kMagniCheckBox;
    if (!checkBox && control != kPreferencesOK) return kEventNotHandled;
    platform::selectWindow(kPreferencesWindow);
    // A check box takes effect at once; OK only checks the two numbers.
    if (checkBox)
        preferenceCheckBoxClicked(control);
    else
        PreferenceWndOKReturn();
    return kHandled;
}

int32_t ventDesignHit(int32_t control) {
    switch (control) {
        case 300: case 305: case 307: case 313: case 314: case 315: case 316:
        case 322: case 323: case 324: case 325: case 326: case 327: case 351: case 352: break;
        default: return kEventNotHandled;
    }
    VentRecord& vent = state.vents.working;
    platform::selectWindow(kVentDesignSheet);
    switch (control) {
        case kVentTypeTab: ventTabChanged(); break;
        case kCircularRadio: circularVentFormChanged(); break;
        case kRectangularRadio: rectangularVentFormChanged(false); break;
        case kCircularCountPopup: case kCircularBranchCountPopup:
            vent.CircVentNum = valueOf(kVentDesignSheet, control);
            CircVentNumCalc();
            refillVentDesign();
            break;
        case kRectangularCountPopup: case kRectangularBranchCountPopup:
            vent.RectVentNum = valueOf(kVentDesignSheet, control);
            state.shell.VentOkFlag = 1;
            RectVentNumCalc();
            state.shell.VentOkFlag = 0;
            refillVentDesign();
            break;
        case kVentOkButton: VentDesignCalcOKReturn(1); break;
        case kVentCalcButton: VentDesignCalcOKReturn(0); break;
        case kVentCancelButton: cancelVentDesign(); break;
        case kVentInitializeButton: VentInitializeOkReturnCalc(); break;
        case kCircularSetupButton: case kRectangularSetupButton: InitialSetupWndForVentDesign(); break;
        default: break;  // the size fields: nothing more
    }
    return kHandled;
}

int32_t saveChangesHit(int32_t control) {
    const bool fromTessmir = state.shell.NavAskSDFlag != 0;
    if (control == 473) NavAskSaveDontWndHandler(fromTessmir ? 3 : 1);
    else if (control == 474) NavAskSaveDontWndHandler(fromTessmir ? 4 : 2);
    else return kEventNotHandled;
    return kHandled;
}

int32_t hit(int32_t window, int32_t control) {
    switch (window) {
        case kUpdateWindow: return updateWindowHit(control);
        case kPageSetupSheet: return PageSetupWndHit(control);
        case kDefaultParametersWindow: return defaultParametersHit(control);
        case kSystemSelectWindow: return systemSelectHit(control);
        case kInitialSetupSheet: case kVentInitialSetupSheet: return initialSetupHit(window, control);
        case kResponseWindow: return responseWindowHit(control);
        case kCustomPalette: return customPaletteHit(control);
        case kSystemInfoPalette:
            if (control != 20) return kEventNotHandled;
            SysFigTriBtnHandler();
            return kHandled;
        case kSpeakerConnectionSheet: return speakerConnectionHit(control);
        case kAlertSheet:
            if (control != 452) return kEventNotHandled;
            SheetAlertWndOKReturn();
            return kHandled;
        case kPassiveRadiatorSheet: return passiveRadiatorHit(control);
        case kPreferencesWindow: return preferencesHit(control);
        case kVentDesignSheet: return ventDesignHit(control);
        case kSaveChangesSheet: return saveChangesHit(control);
        default: return kEventNotHandled;
    }
}

// The edit fields, where the pointer becomes the I-beam.
bool isEditField(int32_t window, int32_t control) {
    switch (window) {
        case kInitialSetupSheet: case kVentInitialSetupSheet: return control == 10 || control == 11;
        case kCustomPalette: return control >= 31 && control <= 36;
        case kVentDesignSheet: return control == 351 || control == 352;
        case kPassiveRadiatorSheet: return (control >= 51 && control <= 54) || (control >= 56 && control <= 60);
        case kPreferencesWindow: return control == 515 || control == 516;
        default: return false;
    }
}

bool tracksPointer(int32_t window) {
    switch (window) {
        case kInitialSetupSheet: case kVentInitialSetupSheet: case kResponseWindow: case kCustomPalette:
        case kVentDesignSheet: case kPassiveRadiatorSheet: case kPreferencesWindow: return true;
        default: return false;
    }
}

int32_t pointerEntered(int32_t window, int32_t control) {
    if (window == kResponseWindow && control >= 400 && control <= 403) {
        // The legend pictures are clickable only while the details are open.
        if (state.cursor.detailTriBtn == 1) platform::setCursor(Cursor::PointingHand);
        return kHandled;
    }
    if (!isEditField(window, control)) return kEventNotHandled;
    platform::setCursor(Cursor::IBeam);
    return kHandled;
}

}  // namespace

int32_t ControlHitHandler(const platform::ControlEvent& event, int32_t controlNumber) {
    const PrefsWrittenAfterEvent written;
    switch (event.kind) {
        case ControlEventKind::Hit:
            // The controls of a design waiting behind System Select or
            // Speaker Select take no click or key until it is given back.
            if (designKept() && (event.window == kResponseWindow || event.window == kSystemInfoPalette ||
                                 event.window == kCustomPalette)) {
                bringChoosingWindowForward();
                return kHandled;
            }
            return hit(event.window, controlNumber);
        case ControlEventKind::TrackingEntered:
            return tracksPointer(event.window) ? pointerEntered(event.window, controlNumber) : kEventNotHandled;
        case ControlEventKind::TrackingExited:
            if (!tracksPointer(event.window)) return kEventNotHandled;
            platform::setCursor(Cursor::Arrow);
            return kHandled;
    }
    return kEventNotHandled;
}

int32_t InstallControlHandler(int32_t controlNumber) {
    return platform::installControlHandler(platform::currentWindow(), controlNumber, ControlHitHandler, controlNumber);
}

}  // namespace quendal
