// The groups of the program-wide named state.
//
// Each group is a plain struct whose fields carry the names the routines use
// (FS, VB1, yy, ...) and the precision they need: the sweep variables of a
// frequency point are single precision, the calculation values double.
// Defaults here are the start-up defaults of the program.
#pragma once

#include <cstdint>

#include "model/Str255.h"
#include "model/TransferCoefficients.h"

namespace quendal {

// The driver. The set with suffix 2 is the driver as entered or received; the
// unsuffixed set is the effective driver every calculation reads, copied from
// it when a design starts and scaled for the speaker connection.
struct SpeakerParameters {
    Str255 s_SP;           // model name
    Str255 s_RANG;         // usable frequency range, as text
    double DIA = 0.0;      // nominal diameter, cm
    double FS = 0.0;       // free-air resonance, Hz
    double VAS = 0.0;      // equivalent compliance volume, litre
    double QTS = 0.0;
    double QES = 0.0;
    double QMS = 0.0;
    double EFI = 0.0;      // reference efficiency, %
    double RE = 0.0;       // voice-coil resistance, ohm
    double PEMX = 0.0;     // rated power, W
    double VD = 0.0;       // displacement volume, cm^3
    double SD = 0.0;       // cone area, cm^2
    double XMAX = 0.0;     // linear excursion, mm
    double LE = 0.0;       // voice-coil inductance, mH

    double QTSbak = 0.0;   // QTS held aside while QMS stands in for it (impedance curves)
    bool currentDrive = false;  // true while the impedance curves build their coefficients

    Str255 s_SP2 = "Test20-04";
    Str255 s_RANG2 = "N/A";
    double DIA2 = 20.0;
    double FS2 = 50.0;
    double VAS2 = 100.0;
    double QTS2 = 0.4;
    double QES2 = 0.435;
    double QMS2 = 5.0;
    double EFI2 = 2.501;
    double RE2 = 6.0;
    double PEMX2 = 100.0;
    double VD2 = 100.0;
    double SD2 = 200.0;
    double XMAX2 = 5.0;
    double LE2 = 1.0;
};

// The enclosure values of the current system. The bak copies hold the values
// of the last accepted calculation.
struct BoxParameters {
    double VB = 0.0, VB1 = 0.0, VB2 = 0.0, VB3 = 0.0;   // litre
    double FC = 0.0, FC1 = 0.0, FC2 = 0.0;              // Hz, closed-chamber resonances
    double FB = 0.0, FB1 = 0.0, FB2 = 0.0, FB3 = 0.0;   // Hz, vent tunings
    double QA = 0.0, QA1 = 0.0, QA2 = 0.0;              // Qa of sealed chambers (5, 7, 10, 15, 20)
    double QL = 0.0, QL1 = 0.0, QL2 = 0.0, QL3 = 0.0;   // Qb of vented chambers (3, 5, 7, 10, 15, 20)
    double QTC = 0.0;                                   // closed-box total Q
    double VAT = 0.0;                                   // litre, Vas and the closed box's acoustic volume in series
    double CP = 1.0, CP1 = 1.0, CP2 = 1.0;              // filling factors of sealed volumes
    double FBH = 0.0, FBL = 0.0;                        // Hz, upper and lower resonance of two coupled vented chambers
    double DIP = 0.0;                                   // Hz, notch of the Twin Serial system
    double VAB = 0.0, VAB1 = 0.0;                       // litre, acoustic volume of a damped sealed chamber (CP * VB1)
    double VAB2 = 0.0;                                  // litre, acoustic volume of sealed chamber 2
    int32_t PopupItem1 = 0, PopupItem2 = 0, PopupItem3 = 0, PopupItem4 = 0, PopupItem5 = 0;
    uint8_t CBAlartFlag = 1;                            // outcome of the closed-box alignment (model/ClosedBoxOutcome.h)

    double VBbak = 0.0, VB1bak = 0.0, VB2bak = 0.0, VB3bak = 0.0;
    double FB1bak = 0.0, FB2bak = 0.0, FB3bak = 0.0;
    double QAbak = 0.0, QA1bak = 0.0, QA2bak = 0.0;
    double QLbak = 0.0, QL1bak = 0.0, QL2bak = 0.0, QL3bak = 0.0;
    double QTCbak = 0.0;
};

// One passive-radiator unit as received or entered (Org) and the set in use.
struct PassiveRadiatorParameters {
    Str255 s_ManufOrg = "N/A", s_PROrg = "N/A";
    double PRDIAOrg = 0.0, FPOrg = 0.0, VAPOrg = 0.0, QPOrg = 0.0, PRVDOrg = 0.0, PRSDOrg = 0.0, PRXMAXOrg = 0.0;

    Str255 s_Manuf, s_PR;
    double PRDIA = 0.0;    // cm
    double FP = 0.0;       // Hz
    double VAP = 0.0;      // litre
    double QP = 0.0;
    double PRVD = 0.0;     // cm^3
    double PRSD = 0.0;     // cm^2
    double PRXMAX = 0.0;   // mm
    double VAPbak = 0.0, FPbak = 0.0, QPbak = 0.0;

    int32_t PopupPRNum = 1;    // number of radiators, 1-4
    uint8_t PRDataInFlag = 0;  // unit data exist
    uint8_t PRUseFlag = 0;     // unit data are applied
};

// The record of one vent: its kind, form, counts and sizes.
struct VentRecord {
    int32_t VentTypeTab = 1;   // 1 circular, 2 rectangular
    int32_t VentForm = 0;      // outcome code of the sizing
    int32_t CircVentNum = 1, RectVentNum = 1;
    int32_t CircVentRadio = 1, RectVentRadio = 1;  // 1 "Ported", 2 "Ducted"
    double CircPortDV = 0.0, CircPortDVmin = 0.0, CircPortLV = 0.0, CircPortSV = 0.0, CircPortSVmin = 0.0;  // mm, cm^2
    double CircDuctDV = 0.0, CircDuctDVmin = 0.0, CircDuctLV = 0.0, CircDuctSV = 0.0, CircDuctSVmin = 0.0;
    double RectPortWV = 0.0, RectPortHV = 0.0, RectPortLV = 0.0, RectPortSV = 0.0, RectPortSVmin = 0.0;
    double RectDuctWV = 0.0, RectDuctHV = 0.0, RectDuctLV = 0.0, RectDuctSV = 0.0, RectDuctSVmin = 0.0;
    int32_t CircDuctVentInit = 0, RectPortVentInit = 0, RectDuctVentInit = 0;  // 1: edited away from the automatic design
    int32_t FormSetBy = 0;  // who chose the form in force: 0 nobody (the initial one), 1 the automatic design, 2 the user
};

// The vents of the design: vent[1] .. vent[3] (vent[0] unused), the working
// copy (suffix 10) and the cancel copy (suffix 10Bak), and the vent areas of
// the air-speed model.
struct VentParameters {
    VentRecord vent[4];
    VentRecord working;
    VentRecord cancel;
    double SV11 = 0.0, SV22 = 0.0, SV33 = 0.0;  // m^2
    int32_t VentID = 1;
    int32_t VentCalcCount = 0;
    double ASmini = 0.0;          // m/s, peak air speed of the last sizing sweep (at the candidate area)
    // The redraw mode (ReDispWnd) before the Vent Design sheet set it to
    // redraw only; the sheet's Cancel puts it back, so that a sheet opened
    // and cancelled leaves the design as it was.
    int32_t ReDispWndBak = 1;
};

// The current system: number = (tab - 1) * 8 + button; and the alignment item.
struct SystemSelection {
    int32_t SysSelTabNum = 1;   // 1 high-pass, 2 band-pass
    int32_t SysSelBtnNum = 1;   // 1-8
    int32_t InitSysType = 0;    // the system has vents
    int32_t Alin = 1;           // item of the system's Alignment menu; the last is custom
    int32_t preSysSelBtnNum = 1;  // position selected before the last pick in the System Select window
};

// What the response window shows and how.
struct ViewSettings {
    Str255 s_Resp = "amp";   // ResponseKind: amp pw imp dp ph gd nq as st sys vent
    int32_t RespID = 1;      // Response menu item
    int32_t Disp = 1;        // 1 total, 2 all characters, 3 compared with the infinite baffle
    int32_t Scale = 5;       // dB per division, 5 or 10
    int32_t Magni = 0;       // 0 relative, 1 absolute
    int32_t ImpID = 1;       // 1 "Para", 2 "Seri"
    Str255 s_Imp = "Para";
    int32_t ReDispWnd = 1;   // 1 redraw only, 2 recalculate and redraw
};

struct SpeakerConnection {
    int32_t SpConNum = 1;    // 1 Single, 2 Dual Parallel, 3 Dual Serial, 4 Push-Pull Parallel, 5 Push-Pull Serial
    int32_t SpConNumBak = 1;
    int32_t SpConSel = 0;
    // The connection picked before the last pick in the connection sheet.
    int32_t PreSpCon = 1;
};

// Ratios an alignment produces: compliance ratios (Vas over a chamber) and
// tuning ratios (a chamber's tuning over FS), and ratios between chambers.
struct AlignmentRatios {
    double AL = 0.0, AL1 = 0.0, AL2 = 0.0, AL3 = 0.0;
    // Fitted alignment polynomials in Qts: volume CC3..CC0 (100 Vb/Vas),
    // tuning DD3..DD0 (50 Fb/Fs); they keep the band last evaluated.
    double CC0 = 0.0, CC1 = 0.0, CC2 = 0.0, CC3 = 0.0;
    double DD0 = 0.0, DD1 = 0.0, DD2 = 0.0, DD3 = 0.0;
    double AL12 = 0.0, AL13 = 0.0, AL23 = 0.0;
    double HH = 0.0, HH1 = 0.0, HH2 = 0.0, HH3 = 0.0;
    double HH23 = 0.0;
    double DL = 0.0, DL2 = 0.0;  // VAP over a chamber
    double Y0 = 0.0;             // FP / FS
    double AA1 = 0.0, BB1 = 0.0; // quadratic of two coupled chambers (their resonances)
};

// Numerator and denominator of the Laplace transform handed to the inverse
// transform, highest power first in indices 1 .. degree + 1 (index 0 unused).
struct StepPolynomials {
    int32_t NUO = 0;
    double NUT[21] = {};
    int32_t DEO = 0;
    double DET[21] = {};
    double Euler[21] = {};   // Euler summation weights
};

// The values of the frequency point being computed, the previous point
// (the pen), and the unwrap state carried from point to point. The drawing
// primitives read xx, yy, xx1, yy1 as their coordinates: they are one set.
struct PlotPoint {
    float k = 0.0f;        // log10 Hz, sweep variable
    float ff = 0.0f;       // Hz
    float f = 0.0f;        // ff / FS
    float yy = 0.0f;
    float yyLinea = 0.0f;  // W or ohm
    float xx = 0.0f;
    float xx1 = 0.0f, yy1 = 0.0f;
    float yy2 = 0.0f;      // previous raw phase, degrees
    double ss = 0.0;       // unwrap offset
    double fai = 0.0, fai2 = 0.0;  // Nyquist phase state, rad
    float yy0 = 0.0f, yy4 = 0.0f;  // Triple Vented group delay, ms
    double PP = 0.0, QQ = 0.0;
    float kk = 0.0f;       // start of the Nyquist sweep
    int32_t respNum = 1;   // curve being swept, 1-4
    double NU = 0.0, DE = 0.0, ZVC = 0.0, gg = 0.0, NU1 = 0.0, NU2 = 0.0;  // evaluator intermediates
    double PN = 0.0, PD = 0.0;       // imaginary and real part of a denominator (Nyquist)
    double PH1 = 0.0, PH2 = 0.0;     // tangents of numerator and denominator phase
    double NU11 = 0.0, NU12 = 0.0, DE1 = 0.0;  // group delay: numerator phase slope terms
    double NU21 = 0.0, NU22 = 0.0, DE2 = 0.0;  // group delay: denominator phase slope terms
    double K1 = 0.0;                 // relative-displacement normalisation
    // Real (R) and imaginary (J) parts of numerators and denominators at
    // s = j*f, and the Triple Vented group delay's finite-difference terms.
    double N1R = 0.0, N1J = 0.0, N2R = 0.0, N2J = 0.0, N3R = 0.0, N3J = 0.0, N4R = 0.0, N4J = 0.0;
    double D1R = 0.0, D1J = 0.0, D2R = 0.0, D2J = 0.0, DR = 0.0, DJ = 0.0;
    double NUR1 = 0.0, NUJ1 = 0.0, NUR2 = 0.0, NUJ2 = 0.0, NUR = 0.0, NUJ = 0.0, DER = 0.0, DEJ = 0.0;
    double MM = 0.0, NN = 0.0;
    // Full-quadrant angle (rad) of the previous point of a phase or Nyquist
    // sweep: tells which branch of the folded phase the next point is on.
    double prevAngle = 0.0;
};

// Scales the sweeps and graph frames agree on, the peaks found before
// drawing, and the state of the peak search.
struct GraphScales {
    double sift = 0.0;        // dB, offset of the absolute amplitude scale
    int32_t DPScale = 1;      // mm per division
    double GDscl = 1.0;       // ms per division
    double IMPscal = 1.0;
    int32_t ASScale = 1;      // 1, 2, 4 or 8
    double timeScale = 1.0;
    double CursorScale = 100.0;  // ms at the right edge of the step graph
    double DP = 0.0, DP1 = 0.0, DP2 = 0.0;               // mm
    double AS0 = 0.0, AS1 = 0.0, AS2 = 0.0, AS3 = 0.0;   // m/s
    double G1 = 0.0, G2 = 0.0;
    uint8_t GdOptFlag = 0;
};

struct ReferenceLevel {
    double N0 = 0.0;     // reference efficiency, fraction
    double SPL = 0.0;    // dB at 1 W / 1 m
    double SPL1 = 0.0;   // dB
    double ADB = 0.0;    // dB
    double PA = 0.0;     // Pa
    // System Info palette: the SPL as its line shows it.
    Str255 s_SPL;
    // The response engine: the last input power (W) a level was computed
    // with that was a power at all, put back in place of one that is not.
    double lastUsablePIN = 10.0;
};

// Factors that turn normalised transfer functions into W, ohm, mm and m/s.
struct ResponseScales {
    double P1 = 0.0;     // W
    double PE1 = 0.0;    // px
    double RES = 0.0;    // ohm
    double ZL = 0.0;     // ohm per Hz
    double XD = 0.0;     // mm
    double XPR = 0.0;    // mm
    double VEL = 0.0, VEL1 = 0.0, VEL2 = 0.0, VEL3 = 0.0;  // m/s
};

struct InputPowerSettings {
    double PIN = 10.0;           // W
    double PinTemp = 10.0;       // W, as entered
    double InputPower = 10.0;    // W, default
    int32_t InputPowerCheck = 1; // input power follows PEMX
    double PortThickness = 20.0; // mm, baffle thickness at the port
};

struct PhysicalConstants {
    double C = 345.0;                         // m/s, speed of sound
    double LO = 1.18;                         // kg/m^3, air density
    double PI2 = 2.0 * 3.14159265358979323846;
    int32_t DIGT = 6;                         // terms of the Euler summation
};

// What the drawing primitives read besides the coordinates of PlotPoint.
struct DrawingState {
    double RedCol = 0.0, GrnCol = 0.0, BleCol = 0.0;  // 0-1
    double LineW = 1.0;           // px
    int32_t DashLineType = 0;     // 0 solid, 1 {1 on, 3 off}, 2 {1 on, 1 off}; one line only
    Str255 s_FrameFill = "Frame"; // "Frame" or "Fill"; one rectangle or circle only
    double radus = 0.0;           // px
    double cirBgn = 0.0, cirEnd = 0.0;  // rad
    Str255 QuartzText;
    int32_t QzFontNum = 1;        // font row 1-8
    double fontSize = 12.0;       // px
    uint8_t ClippingFlag = 0;     // 0: lines clipped to the graph area
    uint8_t DoPrint = 0;          // nonzero: draw into the print page
    // 1: the response window's surface keeps the Nyquist frame and curve of
    // the last slider step (area 0,0-415,335, before its dot); any other
    // drawing clears it, so only the next slider step puts it back.
    uint8_t NyquistAreaKept = 0;
    uint8_t NyquistStepDrawing = 0;  // 1 while a slider step draws: its drawing keeps the mark
    uint8_t PaintingHeld = 0;        // 1: primitives change the state but draw nothing
};

// A saved window rectangle.
struct Rect16 {
    int16_t top = 0, left = 0, bottom = 0, right = 0;
};

struct WindowBounds {
    Rect16 RespWndBounds{0, 0, 390, 540};
    Rect16 CstmWndBounds{};
    Rect16 InfoWndBounds{};
    Rect16 SysSelWndBounds{0, 0, 490, 595};
    Rect16 PrefeBounds{0, 0, 465, 330};
};

// What the response window was last built for, so that a redraw of the
// same page in the same place only draws and sets values.
struct ResponseWindowBuilt {
    uint64_t legend = 0;           // signature of the legend strip's controls; 0: none
    uint64_t legendEntries[4]{};   // signature of each entry's picture and text; 0: none
    uint8_t legendTracking = 0;    // 1 when the strip's pictures track a click
    uint8_t legendDrawn = 0;       // 1 once the page being drawn has shown its strip
    Rect16 fitted{};               // the window's bounds after it was last fitted to its page
    int16_t fittedPageHeight = 0;  // px, of that page; 0: not fitted yet
};

// Where a read-out's downward re-sweep stood after every 16th step, so that
// the next pointer position resumes the unwrapping from the nearest one
// above it instead of from the top; valid for one drawing of the page.
struct ResweepCheckpoint {
    float k = 0.0f;            // log10 Hz of the step
    double ss = 0.0;           // unwrap state after it
    float yy2 = 0.0f;
    double fai = 0.0, fai2 = 0.0;
    double prevAngle = 0.0;    // the full-quadrant angle the next step follows from
};
struct ResweepCheckpoints {
    int32_t kind = 0;          // which re-sweep: 0 none, 1 phase, 2 Nyquist
    uint32_t drawing = 0;      // the page drawing they were taken on
    int32_t count = 0;
    ResweepCheckpoint at[64];
};

// The unwrap state the page's own phase or Nyquist sweep reached at each of
// its points, so that a read-out starts from the nearest point above it
// instead of sweeping from the top; valid for one drawing of the page.
struct SweepBranches {
    int32_t kind = 0;          // which sweep: 0 none, 1 phase, 2 Nyquist
    uint32_t drawing = 0;      // the page drawing they were taken on
    int32_t count = 0;
    ResweepCheckpoint at[320];  // in sweep order, from the top down
    // What the read-out's offset ss differs by from the page's, once known
    // for the drawing: a Nyquist page may start above the read-out's top.
    uint8_t aligned = 0;
    double ssOffset = 0.0;
};

// The pointer read-out state.
struct CursorState {
    int32_t CursorPosi = 0;     // px from the graph's left edge, 0-460
    int32_t StepCursPoint = 0;  // px from the step graph's left edge
    float logff = 1.0f;         // log10 of the read-out frequency (the graph's left edge)
    float ffpn = 10.0f;         // Hz
    uint8_t MouseDown = 0, StepMouseDown = 0;
    int32_t detailTriBtn = 0;   // 1 while the details area is open
    int32_t SlidMax = 460;      // px, top of the Nyquist slider's range (1 kHz)
    uint32_t pageDrawings = 0;  // counts the drawings of the page (each may change every curve)
    ResweepCheckpoints resweep;
    SweepBranches pageBranches;
};

}  // namespace quendal
