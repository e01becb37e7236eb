// The few things the rooms below the shell ask of it.
//
// The shell (app/) calls down into the windows, palettes and pages. Where
// one of those must in turn make the shell act (set the menus for a new
// situation, show the design's values in the windows beside the response
// window, compare the design with its document), it calls one of these
// hooks, which the shell fills once at start with its own routines. Tests
// may fill them with their own; a hook left empty does nothing, and the
// program's start stops with a message naming it (requireShellHooks).
#pragma once

#include <cstdint>

namespace quendal {

// The situations the menu bar is set up for.
enum class MenuSituation : int32_t {
    Start,         // InitMenu11: the start and System Select
    SheetUp,       // InitMenu13: a sheet or dialog over the design dims the bar
    NoDesign,      // InitMenu14: no design on the screen
    Design,        // InitMenu16: the chosen system's menus
    VentItems,     // RebuildVentMenu: the design's Vent menu alone, the rest of the bar as it stands
    SheetEnded,    // NavUserActionCancelMenu: back to the design's menus
    PaletteItems,  // SetPaletteItemsOnViewMenu: the View menu's palette items
    WindowInFront, // a dialog that dimmed the menus closed: those of the window worked in
};

// The design's windows around the page that show it again.
enum class WindowRefresh : int32_t {
    Palettes,              // the shown palettes' values (DispSPLPIN, CustomPaletDisp)
    SystemInfoValues,      // the System Info palette's level and power (DispSPLPIN)
    CustomPaletteValues,   // the custom palette's values (CustomPaletDisp)
    CustomPaletteDimmed,   // a sheet or modal window over the design (DisableCustomPalet)
    CustomPaletteEnabled,  // that window closed (EnableCustomPalet)
    CustomPaletteAlignmentMenu,  // the palette's alignment menu button (DrawBevelBtnMenu)
    ResponseWindowSize,    // the response window fitted to the page (FitResponseWndToPage)
    DetailsTriangle,       // the response window's details triangle (DispShowDetailTriBtn)
};

// The unsaved-changes routines: whether the design differs from its document.
enum class DesignComparison : int32_t {
    MarkChanged,   // DirtyFlagAndProxyIconSetDirty
    Box,           // DirtyCheckSpParamCheck
    Vents,         // DirtyCheckVentParamCheck
    AfterDrawing,  // DirtyCheckAfterDrawing
};

struct ShellHooks {
    int32_t (*menusFor)(MenuSituation situation) = nullptr;
    int32_t (*refreshWindows)(WindowRefresh what) = nullptr;
    int32_t (*compareDesign)(DesignComparison what) = nullptr;
};

// The hooks in force.
ShellHooks& shellHooks();

// The calls through the hooks; each returns 0 where its hook is empty.
int32_t menusFor(MenuSituation situation);
int32_t refreshWindows(WindowRefresh what);
int32_t compareDesign(DesignComparison what);

}  // namespace quendal
