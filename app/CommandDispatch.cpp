#include "app/CommandDispatch.h"

#include <initializer_list>

#include "app/DesignQueries.h"
#include "app/MenuBar.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "selection/SystemInfoPalette.h"
#include "selection/SystemSelect.h"
#include "windows/InitialSetup.h"
#include "app/AppMessages.h"
#include "windows/PassiveRadiatorData.h"
#include "app/UrlLoading.h"
#include "windows/AboutWindow.h"
#include "windows/PreferencesWindow.h"
#include "palette/CustomPaletteEnable.h"
#include "palette/CustomPaletteDisplay.h"
#include "palette/CustomPalette.h"
#include "view/ResponseRedraw.h"
#include "selection/SpeakerConnection.h"
#include "windows/ResponseWindow.h"
#include "windows/WindowGroup.h"
#include "vent/VentDesignSheet.h"
#include "response/BoxCheck.h"
#include "response/VentRecords.h"
#include "dialogs/Alerts.h"
#include "app/DesignFlow.h"
#include "app/DocumentFiles.h"
#include "app/Printing.h"
#include "app/Snapshot.h"
#include "app/UpdateCheck.h"
#include "app/Preferences.h"

namespace quendal {

namespace {

using platform::kEventNotHandled;
using platform::kHandled;

constexpr const char* kMakerWebSite = "https://keldrith.example/";
constexpr const char* kMakerMail = "mailto:support@keldrith.example";

// Custom palette control: number of passive radiators.
constexpr int32_t kPrNumPopup = 47;

void disableCustomPaletteWhenShown() {
    if (customPaletteShown()) DisableCustomPalet();
}

int32_t applicationMenuCommand(int32_t item) {
    switch (item) {
        case kAboutItem:
            if (state.shell.AboutWndflag == 0) {
                state.shell.AboutWndflag = 1;
                InitMenu13();
                platform::setMenuItemEnabled(kEditMenu, 0, false);
                AboutWnd();
                if (state.shell.curentWndID == kSystemSelectWindow) {
                    const NextDesignInState next;  // the system being chosen
                    platform::selectWindow(kSystemSelectWindow);
                    BoxSelDispInit();
                    state.selection.preSysSelBtnNum = state.selection.SysSelBtnNum;
                }
            }
            return kHandled;
        case kCheckForUpdatesItem:
            disableCustomPaletteWhenShown();
            InitUpdateFlag();
            state.update.CheckByMenuFlag = 1;
            CheckForVersion();
            return kHandled;
        case kPreferencesItem:
            disableCustomPaletteWhenShown();
            InitMenu13();
            platform::setMenuItemEnabled(kEditMenu, 0, true);
            PreferenceWnd();
            return kHandled;
        default: return kEventNotHandled;
    }
}

int32_t fileCommand(int32_t item) {
    switch (item) {
        case 1: AskThenSystemSelect(); return kHandled;
        case 2: OpenDialogFile(); return kHandled;
        case 3: CloseAskingFirst(); return kHandled;
        case 5: state.shell.FileOpenFlag == 1 ? SaveFile() : SaveAsFile(); return kHandled;
        case 6: SaveAsFile(); return kHandled;
        case 7: SaveAsStationeryFile(); return kHandled;
        case 9:
            InitMenu13();
            MyDoPageSetup(kResponseWindow);
            return kHandled;
        case 10:
            InitMenu13();
            MyDoPrint(kResponseWindow, 1);
            return kHandled;
        default: return kEventNotHandled;
    }
}

int32_t responseCommand(int32_t item) {
    if (item == 14) {
        SnapShot();
        return kHandled;
    }
    static constexpr const char* kinds[] = {"", "amp", "pw", "imp", "dp", "ph", "gd", "nq", "as", "st", "", "sys", "vent"};
    if (item < 1 || item > 12 || item == 10) return kEventNotHandled;
    ViewSettings& view = state.view;
    platform::setMenuItemChecked(kResponseMenu, view.RespID, false);
    view.s_Resp = kinds[item];
    if (item == 12) state.vents.VentID = 1;
    CheckOneItem(kResponseMenu, item);
    view.RespID = item;
    state.point.respNum = 1;
    view.ReDispWnd = 1;
    ReDispResposeWnd();
    return kHandled;
}

int32_t viewCommand(int32_t item) {
    ViewSettings& view = state.view;
    ShellFlags& shell = state.shell;
    switch (item) {
        case 1: view.Magni = 0; break;
        case 2: view.Magni = 1; break;
        case 4: view.Scale = 5; break;
        case 5: view.Scale = 10; break;
        case 7: view.Disp = 1; break;
        case 8: view.Disp = 2; break;
        case 9: view.Disp = 3; break;
        case 11: case 12: case 14: break;
        default: return kEventNotHandled;
    }
    view.ReDispWnd = 1;
    ReDispResposeWnd();
    if (item == 11) {
        if (shell.CtmPaletFlag == 0) {
            GetWndsBounds();
            shell.CtmPaletFlag = 1;
            platform::closeWindow(kCustomPalette);
            SetPaletteItemsOnViewMenu();
        } else {
            shell.CtmPaletFlag = 0;
            CustomFloatPalet();
            platform::selectWindow(kCustomPalette);
            CustomPaletDisp();
            SetPaletteItemsOnViewMenu();
        }
    } else if (item == 12) {
        if (shell.SysInfoFlag == 0) {
            GetWndsBounds();
            platform::closeWindow(kSystemInfoPalette);
            shell.SysInfoFlag = 1;
            SetPaletteItemsOnViewMenu();
        } else {
            SystemInfoFloatPalet();
            shell.SysInfoFlag = 0;
            SetPaletteItemsOnViewMenu();
            platform::selectWindow(kCustomPalette);
        }
    } else if (item == 14 && platform::windowExists(kResponseWindow)) {
        // Without a response window there is nothing to gather around, and
        // its kept bounds stay as they are.
        state.bounds.RespWndBounds = platform::windowBounds(kResponseWindow);
        // As far from it as the palettes open: the custom palette 550 px
        // right of the 540 px wide window's left edge.
        gatherPalettesBesideResponseWindow(int16_t(kPaletteOffsetFromResponse - kResponseWidth));
    }
    return kHandled;
}

bool isOneOf(int32_t item, std::initializer_list<int32_t> items) {
    for (int32_t i : items)
        if (i == item) return true;
    return false;
}

// An alignment that builds no real box for the driver in use: an alert
// sheet on the response window names the value, with the menus and the
// palette dimmed while it stands; the design in force stays, its values,
// its checked item and its drawing.
void refuseAlignment(int32_t menu, const BoxCheckResult& box) {
    CheckOneItem(menu, state.selection.Alin);
    state.shell.SheetWndFlag = 1;
    InitMenu13();
    if (state.shell.CtmPaletFlag == 0) DisableCustomPalet();
    platform::showSheetAlert(kResponseWindow, boxFaultTitle(box), boxFaultReason(box), [] {
        SheetWndClose(kAlertSheet);
        NavUserActionCancelMenu();
        if (state.shell.CtmPaletFlag == 0) EnableCustomPalet();
    });
}

int32_t alignmentCommand(int32_t menu, int32_t item) {
    if (item < 1) return kEventNotHandled;
    if (menu < kFirstAlignmentMenu || menu > kLastAlignmentMenu || menu == kUnusedAlignmentMenu)
        return kEventNotHandled;
    if (const BoxCheckResult box = alignmentBoxCheck(item); !box.ok()) {
        refuseAlignment(menu, box);
        return kHandled;
    }
    ShellFlags& shell = state.shell;
    PassiveRadiatorParameters& radiator = state.radiator;
    switch (menu) {
        case 13:
            if (item == 2) shell.EdtFldID = 31;
            break;
        case 15:
            platform::selectWindow(kCustomPalette);
            if (item == 4) shell.EdtFldID = 31;
            break;
        case 16:
            platform::selectWindow(kCustomPalette);
            if (isOneOf(item, {3, 4})) shell.EdtFldID = 31;
            if (item == 1 || item == 2) radiator.PRUseFlag = 0;
            if (item == 3) radiator.PRUseFlag = 1;
            platform::setControlEnabled(kCustomPalette, kPrNumPopup, item == 3);
            break;
        case 17:
            if (item == 5) shell.EdtFldID = 31;
            break;
        case 18:
            platform::setMenuItemChecked(18, state.selection.Alin, false);
            if (item == 5) shell.EdtFldID = 31;
            break;
        case 19: case 20: case 22:
            if (item == 3) shell.EdtFldID = 31;
            break;
        case 21:
            if (item == 4) shell.EdtFldID = 31;
            break;
        case 24:
            platform::selectWindow(kCustomPalette);
            if (isOneOf(item, {3, 4, 5})) shell.EdtFldID = 31;
            if (item >= 1 && item <= 3) radiator.PRUseFlag = 0;
            if (item == 4) radiator.PRUseFlag = 1;
            platform::setControlEnabled(kCustomPalette, kPrNumPopup, item == 4);
            break;
        case 25:
            platform::selectWindow(kCustomPalette);
            if (item == 4) shell.EdtFldID = 31;
            break;
        case 14: break;
        default: return kEventNotHandled;
    }
    state.selection.Alin = item;
    CheckOneItem(menu, item);
    state.view.ReDispWnd = 2;
    ReDispResposeWnd();
    // The Triple Vented vent menu follows the chamber values just computed.
    if (menu == 18) InitMenu16();
    return kHandled;
}

int32_t ventCommand(int32_t menu, int32_t item) {
    int32_t vent = 0;
    const char* title = "";
    if (menu == kOneVentMenu && item == 1) {
        vent = 1;
        title = "Vent";
    } else if (menu == kTwoVentMenu && (item == 1 || item == 2)) {
        vent = item;
        title = item == 1 ? "Vent1" : "Vent2";
    } else if (menu == kThreeVentMenu && item >= 1 && item <= 3) {
        // Only the Triple Vented system designs the vents of two alike
        // chambers as one.
        const bool alike = currentSystemNumber() == kTripleVented && firstTwoChambersAlike();
        if (item == 1) {
            vent = 1;
            title = alike ? "Vent1 & 2" : "Vent1";
        } else if (item == 2) {
            vent = alike ? 3 : 2;
            title = alike ? "Vent3" : "Vent2";
        } else {
            vent = 3;
            title = "Vent3";
        }
    } else {
        return kEventNotHandled;
    }
    state.vents.VentID = vent;
    state.shell.s_VentTitle = title;
    InitMenu13();
    disableCustomPaletteWhenShown();
    state.vents.ReDispWndBak = state.view.ReDispWnd;
    state.view.ReDispWnd = 1;
    state.shell.VentSheetFlag = 1;
    if (menu == kThreeVentMenu) ParallelVentedVentOpt();
    PreVentParameterChange();
    VentParameterBackupForCancel();
    VentDesignWnd();
    return kHandled;
}

int32_t miscCommand(int32_t item) {
    ShellFlags& shell = state.shell;
    switch (item) {
        case 1: AskThenSystemSelect(); return kHandled;
        case 3: SpeakerSelectAskingFirst(); return kHandled;
        case 5:
            shell.LVPbak = shell.LVP;
            shell.PINbak = state.power.PIN;
            shell.RespWndShowFlag = 1;
            shell.InitSetSelFlag = 1;
            shell.InterceptEvHnd = 1;
            InitMenu13();
            disableCustomPaletteWhenShown();
            InitialSetupWnd();
            return kHandled;
        case 6:
            state.connection.SpConSel = 1;
            if (shell.SpconFlag == 0) shell.SpconFlag = 1;
            InitMenu13();
            disableCustomPaletteWhenShown();
            SpConSelectWnd();
            return kHandled;
        case 9:
            InitMenu13();
            disableCustomPaletteWhenShown();
            SndAppleEvent("Jevr", "Now I am busy", "Ostrevane");
            shell.ApplyBtnFlag = 1;
            PassiveRadiDataEnterWnd();
            return kHandled;
        default: return kEventNotHandled;
    }
}

int32_t helpCommand(int32_t item) {
    switch (item) {
        // The documents of the resources' help folder.
        case 1: OpenHelpDocument(kManualDocument); return kHandled;
        case 2: OpenHelpDocument(GetCFBundleVersion("JapaneseString-1")); return kHandled;
        case 3: OpenHelpDocument(kParametersDocument); return kHandled;
        case 4: OpenHelpDocument(kReleaseNotesDocument); return kHandled;
        case 6: LaunchMyURL(0); return kHandled;
        // A new message to the maker, in the user's mail program.
        case 7: OpenLink(kMakerMail); return kHandled;
        default: return kEventNotHandled;
    }
}

}  // namespace

int32_t ApplicationEventHandler(int32_t menu, int32_t item) {
    const PrefsWrittenAfterEvent written;
    if (menu == kApplicationMenu && item == kQuitItem) {
        QuitAskingFirst();
        return kHandled;
    }
    switch (menu) {
        case kApplicationMenu: return applicationMenuCommand(item);
        case kFileMenu: return fileCommand(item);
        // The layer has done the Edit command and brought the window forward.
        case kEditMenu: case kWindowMenu: return kHandled;
        case kResponseMenu: return responseCommand(item);
        case kViewMenu: return viewCommand(item);
        case kOneVentMenu: case kTwoVentMenu: case kThreeVentMenu: return ventCommand(menu, item);
        case kMiscMenu: return miscCommand(item);
        case kHelpMenu: return helpCommand(item);
        default:
            if (menu >= kFirstAlignmentMenu && menu <= kLastAlignmentMenu && menu != kUnusedAlignmentMenu)
                return alignmentCommand(menu, item);
            return kEventNotHandled;
    }
}

int32_t MenuEventHandler(int32_t menu, int32_t item) {
    if (menu != kImpedanceConnectionMenu) return kEventNotHandled;
    ViewSettings& view = state.view;
    switch (item) {
        case 1: view.s_Imp = "Para"; view.ImpID = 1; break;
        case 2: view.s_Imp = "Seri"; view.ImpID = 2; break;
        default: return kEventNotHandled;
    }
    CheckOneItem(kImpedanceConnectionMenu, view.ImpID);
    if (view.s_Resp == "imp") ReDispResposeWnd();
    return kHandled;
}

int32_t InstallApplicationHandler() {
    platform::setCommandHandler(ApplicationEventHandler);
    // The design System Select keeps on the screen ends as the shell ends a design.
    setKeptDesignEnding(EndKeptDesign);
    return 0;
}

int32_t LaunchMyURL(int32_t which) { return OpenLink(kMakerWebSite); }

}  // namespace quendal
