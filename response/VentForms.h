// The four forms a vent can take, and how a vent record gets its sizes.
//
// A vent record holds all four forms of one vent, so that the user can
// switch between them and find each as it was left:
//   circular ported     length = the port thickness LVP, diameter from the tuning
//   circular ducted     diameter at or above the minimum, length from the tuning
//   rectangular ported  one side entered (or a square), the other from the tuning, length LVP
//   rectangular ducted  width and height entered (or a square at the minimum), length from the tuning
// The count divides the total area among equal vents. The minimum total
// area is the one at which the peak air speed meets the limit; each form is
// checked against it and against the chamber it sits in, and the outcome
// of the form in force (VentTypeTab with its Ported/Ducted choice) is the
// record's VentForm.
//
// Record units: dimensions in mm, areas in cm^2.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/SharedTypes.h"

namespace quendal {

// Outcome of sizing a vent; its number is stored in documents.
enum class VentForm : int32_t {
    NotDesigned = 0,        // no sizing has run for this vent
    Realisable = 1,
    BelowMinimumArea = 2,   // the air would move faster than the limit
    LengthNotPositive = 3,  // the end corrections alone are already too much mass
    LongerThanBox = 4,      // the duct does not fit in its chamber
    ShorterThanPanel = 5,   // the duct does not pass through its panel
    WiderThanPanel = 6,     // the vent (a row of them) is wider than its chamber's face
    ChamberTooSmall = 7,    // below the minimum area, as no duct of the minimum fits the chamber
};
// A short name of the outcome for a table ("Realisable", ...); an unknown
// number reads as not designed.
std::string_view ventFormName(int32_t code);

// The peak air speed (m/s) a vent may carry: about 5 % of the speed of
// sound. Faster air in a vent becomes turbulent at its ends and is heard as
// chuffing and compression.
inline constexpr double kVentAirSpeedLimit = 17.0;

// A size computed from a bound and read back through its own formula may
// come out a rounding error past it; that much does not count as past it.
bool atLeast(double value, double minimum);
bool atMost(double value, double maximum);

enum class VentShape { CircularPort, CircularDuct, RectangularPort, RectangularDuct };
VentShape shapeInForce(const VentRecord& record);
// The form's count of vents.
int32_t countOf(const VentRecord& record, VentShape shape);

// The chamber a vent tunes. A vent of two branches (each alone tuning the
// chamber) has half of its vents in each branch.
struct VentChamber {
    double volumeLitre = 0.0;
    double tuningHz = 0.0;
    int32_t branches = 1;
    // A positive, finite volume and tuning.
    bool valid() const;
};

// What every vent of a design is sized with.
struct VentConditions {
    double minimumAreaCm2 = 0.0;  // total, from the air-speed limit
    double portLengthMm = 0.0;    // LVP, the thickness of the panel a port goes through
    double soundSpeed = 0.0;      // m/s, the program's C
};

// Vent counts admitted: 1 to 10; a vent of two branches 2, 4, 6 or 8 (an
// odd count goes up to the next even one).
int32_t admittedCount(int32_t count, int32_t branches);

// The smallest diameter, width or height (mm) of a vent: the record keeps
// its sizes to the hundredth of a millimetre, and a smaller size would be
// kept as 0.
inline constexpr double kSmallestVentSizeMm = 0.01;

// Whether a sized form of the record is a real vent: its diameter, or its
// width and height, finite and at least the smallest size, its length and
// its total area finite and above 0.
bool realForm(const VentRecord& record, VentShape shape);

// Whether every size, length and area of the record's four forms is a
// finite number. A form that is no real vent (a duct too short for its
// ends, of negative length) still has finite ones; a chamber too vast for
// a double overflows them.
bool finiteRecord(const VentRecord& record);

// Sizes all four forms of the record and sets VentForm. A size the user
// edited (its flag 1) is kept while it gives a real vent (realForm), and a
// duct of the user's also where the tuning leaves it no length (VentForm
// then says so), so that a change of the box never costs the user's duct;
// below the minimum area it is kept as well, its air then faster than the
// limit. Otherwise the form is sized
// automatically and its flag cleared: a circular duct at the minimum area,
// or, when that does not fit the chamber, the largest that does; a
// rectangular duct a square of the circular duct's area (the largest square
// that fits when that one does not), so that both shapes offer one choice.
// A size the user edited is taken as the design keeps it (keptVentSize), so
// that its length and area are those of the size stored.
void designVentRecord(VentRecord& record, const VentChamber& chamber, const VentConditions& conditions);
// Sizes one form, and its outcome.
void designForm(VentRecord& record, VentShape shape, const VentChamber& chamber, const VentConditions& conditions);
VentForm outcomeOf(const VentRecord& record, VentShape shape, const VentChamber& chamber,
                   const VentConditions& conditions);

// Who chose a record's form (FormSetBy).
inline constexpr int32_t kFormSetByNobody = 0;
inline constexpr int32_t kFormSetByDesign = 1;
inline constexpr int32_t kFormSetByUser = 2;

// Whether the automatic design may choose the record's form: the user has
// not chosen one, and the form in force is the initial one (a circular
// port) or one the automatic design chose.
bool formIsAutomatic(const VentRecord& record);
// The automatic choice of form for a sized record: a circular port when it
// carries the air within the limit, else a circular duct of the minimum
// area, else the circular form of the larger area that fits (VentForm
// then says why it is too small). The rectangular vent is made a port or a
// duct alike. Marks the form as the automatic design's.
void chooseAutomaticForm(VentRecord& record, const VentChamber& chamber, const VentConditions& conditions);

// The total area (cm^2) of the form in force.
double designedAreaCm2(const VentRecord& record);
double areaOf(const VentRecord& record, VentShape shape);

// The peak air speed (m/s) of a form of a sized record. The flow through a
// vent is set by its tuning, not by its area, so its air moves at the limit
// in the ratio of the minimum area to the form's area. NaN when either area
// is not a positive number.
double peakAirSpeedOf(const VentRecord& record, VentShape shape);
// Whether a peak air speed is past the limit; a rounding error past it
// does not count, nor does no number.
bool overAirSpeedLimit(double speed);

// A duct has a length only while the air mass of its area is more than that
// of its two ends: `count` circular pipes need more than this diameter (mm)
// each, rectangular pipes more than this sum of width and height (mm).
double shortestDuctDiameterMm(int32_t count, const VentChamber& chamber, const VentConditions& conditions);
double shortestDuctWidthPlusHeightMm(int32_t count, const VentChamber& chamber, const VentConditions& conditions);

// The size the user enters for a form: the diameter of a circular duct, the
// width of a rectangular port, the width or (`height`) the height of a
// rectangular duct. A circular port has none.
double& enteredSize(VentRecord& record, VentShape shape, bool height = false);
// The mark of the form's entered size (CircDuctVentInit, RectPortVentInit,
// RectDuctVentInit: 1 while the user's size is kept); nullptr for a
// circular port, which has no size to enter.
int32_t* editedMark(VentRecord& record, VentShape shape);
// Whether the sizing keeps the record's entered size of the form, marked
// as the user's, and it gives a real vent (a duct with a length).
bool keepsEnteredSize(VentRecord record, VentShape shape, const VentChamber& chamber,
                      const VentConditions& conditions);
// The largest size the user may enter for the form (as enteredSize; the
// other size of a rectangular duct as in the record) that the sizing keeps:
// above it a size, length or area would not be a finite number, or a
// rectangular port's height would be less than the smallest size. The
// largest double when every size kept so far is kept; 0 when no size is.
double largestEnteredSizeMm(const VentRecord& record, VentShape shape, bool height, const VentChamber& chamber,
                            const VentConditions& conditions);

// The smallest diameter (mm) of each of `count` circular vents that
// together reach the minimum area.
double minimumDiameterMm(int32_t count, double minimumAreaCm2);

// The widths (mm) of a rectangular port whose area reaches the minimum:
// every width when even a narrow slot does, none when not even a square
// does, else the widths between low and high (the height of the one is the
// width of the other).
struct PortWidths {
    enum class Kind { Any, None, Between } kind = Kind::Any;
    double lowMm = 0.0, highMm = 0.0;
};
PortWidths rectangularPortWidths(int32_t count, const VentChamber& chamber, const VentConditions& conditions);

// The longest duct (mm) the chamber allows for a vent of (equivalent)
// radius `radiusMm`: it passes the panel (LVP) and must end one hydraulic
// diameter short of the opposite wall, the inside depth taken as the edge of
// a cube of the chamber's volume.
double maximumDuctLengthMm(const VentChamber& chamber, const VentConditions& conditions, double radiusMm);

// The edge (mm) of the face a vent opens in, the chamber taken as a cube of
// its volume: a round vent's diameter, and a row of rectangular vents side
// by side (one branch's), must fit it.
double panelEdgeMm(const VentChamber& chamber);

}  // namespace quendal
