// The application shell's flags and selections: the window in front, the design's file and unsaved-changes flags, the flags of the design flow.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct ShellFlags {
    int32_t curentWndID = 0;        // window number of the window in front that the menus serve
    int32_t EdtFldID = 31;          // edit field that gets the focus (first custom-palette field)
    Str255 s_MasgMenu;              // "BootQnDL" while a driver database works with the program
    int32_t KTPKNum = 1;
    int32_t ControlPictureProc = 305;  // control kind of the legend picture buttons
    int32_t sysFigTriBtn = 0;       // System Info palette's disclosure: 1 open
    int32_t BoundsSwFlag = 0, BoundBiasFlag = 0;
    int32_t DoubleClick = 0;        // 1: the last click in a chooser was a double click
    int32_t AboutWndflag = 0;       // 1 while the About window is open
    int32_t SpconFlag = 0;          // 1 once a speaker connection was chosen
    int32_t InitSetupFlag = 0, RespWndShowFlag = 0, InitSetSelFlag = 0;
    int32_t CtmPaletFlag = 1;       // 0: the custom palette is shown
    int32_t SysInfoFlag = 1;        // 0: the System Info palette is shown
    int32_t InterceptEvHnd = 0;     // 1 while a sheet or dialog intercepts the design windows' events
    int32_t EditMenuFlag = 0, WndGroupFlag = 0, WndDeactiveFlag = 0;
    int32_t SheetWndFlag = 0;       // 1 while an alert sheet is up
    // 1 while the Vent Design sheet stands: it redraws only (ReDispWnd 1),
    // and the design's own redraw mode is the one its Cancel puts back
    // (ReDispWndBak).
    int32_t VentSheetFlag = 0;
    int32_t WindCloseFlag = 0;      // 1 once the design's windows are closed
    int32_t ApplyBtnFlag = 0;
    int32_t VentOkFlag = 0;
    int32_t FileOpenFlag = 0;       // 1 while a document is open
    int32_t SaveAsFlag = 0;         // 1 while the design is bound to a file
    int32_t DirtyFlag = 0;          // 1 while the design has unsaved changes
    int32_t SelfOpenFlag = 0;
    int32_t AppClickOpnFlag = 0;    // 1 once a design was started or a document opened here
    int32_t NavAskSDFlag = 0;       // what the save question leads to: 0 close, 1 quit
    int32_t SaveFileNum = 0;        // running number of proposed save names
    Str255 DocFileName = "Response";  // name of the untitled design
    double LVP = 20.0;              // mm, port length = baffle thickness at the port
    double LVD = 40.0;              // mm, duct length, LVP + 20
    double PINbak = 10.0;           // W, input power before the setup sheet opened
    double LVPbak = 20.0;           // mm, port length before the setup sheet opened
    Str255 JPManualName;            // title of the second Help item: the second manual, if the program has one
    int32_t mouseH = 0, mouseV = 0; // px, window-local position of the last mouse event in windows 3 and 4
    Str255 s_VentTitle;             // the vent the Vent Design sheet designs: "Vent", "Vent1", "Vent1 & 2", ...
    int32_t SelfOpenTimer = 0;      // the pending start timer (0: none)
    // 1 while the design on the screen waits behind System Select or the
    // Default Parameters window until the design chosen there replaces it;
    // Cancel gives it back as it was. The state holds the waiting design,
    // state.kept the next design's inputs (model/KeptDesign.h).
    int32_t KeptDesignFlag = 0;
    // How many routines of the choosing windows run one inside the other
    // (NextDesignInState); above 0 the next design's inputs stand in the state.
    int32_t NextDesignDepth = 0;
    // How many of the document dialogs (the save question, the open and
    // save dialogs, a file error) ask and have not answered yet.
    int32_t DocumentDialogsAsking = 0;
};

}  // namespace quendal
