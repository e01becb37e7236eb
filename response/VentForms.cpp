#include "response/VentForms.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "model/ParameterPasses.h"
#include "response/VentModel.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kMmPerM = 1000.0;
constexpr double kMm2PerCm2 = 100.0;
constexpr double kLitrePerM3 = 1000.0;
constexpr double kCm2PerM2 = 10000.0;
constexpr double kRelativeSlack = 1e-9;

constexpr int32_t kMaximumCount = 10;
constexpr int32_t kMaximumBranchedCount = 8;

bool positiveFinite(double v) { return std::isfinite(v) && v > 0.0; }

// Whether the sizes the user kept for a form still give a vent the record
// can hold: a real vent (realForm) but for a duct's length, of which a
// tuning may leave none (the outcome then says so); a later tuning that
// leaves it a length gives the user's duct back.
bool heldForm(VentRecord r, VentShape shape) {
    double* length = shape == VentShape::CircularDuct      ? &r.CircDuctLV
                     : shape == VentShape::RectangularDuct ? &r.RectDuctLV
                                                           : nullptr;
    if (length != nullptr && std::isfinite(*length) && !(*length > 0.0)) *length = 1.0;
    return realForm(r, shape);
}

double volumeM3(const VentChamber& chamber) { return chamber.volumeLitre / kLitrePerM3; }

// The vents of one branch: each branch alone tunes the chamber.
double perBranch(int32_t count, const VentChamber& chamber) {
    return static_cast<double>(count) / std::max<int32_t>(1, chamber.branches);
}

// Length (mm) of a duct of `count` pipes of `pipeAreaMm2` each and radius
// `radiusMm`.
double tunedDuctLengthMm(double pipeAreaMm2, double radiusMm, int32_t count, const VentChamber& chamber,
                         const VentConditions& conditions) {
    const double groupAreaM2 = perBranch(count, chamber) * pipeAreaMm2 / (kMmPerM * kMmPerM);
    return kMmPerM * ductLength(groupAreaM2, radiusMm / kMmPerM, volumeM3(chamber), chamber.tuningHz,
                                conditions.soundSpeed);
}

double circularDuctLengthMm(double diameterMm, int32_t count, const VentChamber& chamber,
                            const VentConditions& conditions) {
    const double radiusMm = diameterMm / 2.0;
    return tunedDuctLengthMm(kPi * radiusMm * radiusMm, radiusMm, count, chamber, conditions);
}

// A duct fits when it opens in its chamber's face and ends short of the
// opposite wall.
bool circularDuctFits(double diameterMm, int32_t count, const VentChamber& chamber,
                      const VentConditions& conditions) {
    return atMost(diameterMm, panelEdgeMm(chamber)) &&
           atMost(circularDuctLengthMm(diameterMm, count, chamber, conditions),
                  maximumDuctLengthMm(chamber, conditions, diameterMm / 2.0));
}

// Square ducts of side `sideMm`, one branch's side by side in the face.
bool squareDuctFits(double sideMm, int32_t count, const VentChamber& chamber, const VentConditions& conditions) {
    const double lengthMm = tunedDuctLengthMm(sideMm * sideMm, sideMm / 2.0, count, chamber, conditions);
    return atMost(perBranch(count, chamber) * sideMm, panelEdgeMm(chamber)) &&
           atMost(lengthMm, maximumDuctLengthMm(chamber, conditions, sideMm / 2.0));
}

double squareSideMm(int32_t count, double areaCm2) { return std::sqrt(areaCm2 * kMm2PerCm2 / count); }

// The largest size up to `upper` that fits, for a test that holds from
// zero up to one size and fails above it; `upper` itself when nothing
// does, so that the outcome names what stands in the way.
template <class Fits>
double largestFitting(double upper, Fits fits) {
    if (!positiveFinite(upper) || fits(upper)) return upper;
    double low = 0.0, high = upper;
    for (int i = 0; i < 200 && high - low > 1e-12 * upper; ++i) {
        const double mid = 0.5 * (low + high);
        (fits(mid) ? low : high) = mid;
    }
    return low > 0.0 ? low : upper;
}

// Whether a duct of the record's count at the minimum area fits the
// chamber, in the circular or the rectangular (square) form.
bool minimumDuctFits(bool circular, int32_t count, const VentChamber& chamber, const VentConditions& conditions) {
    if (circular)
        return circularDuctFits(minimumDiameterMm(count, conditions.minimumAreaCm2), count, chamber, conditions);
    return squareDuctFits(squareSideMm(count, conditions.minimumAreaCm2), count, chamber, conditions);
}

// Height (mm) of a rectangular port of width `widthMm`.
double portHeightMm(double widthMm, int32_t count, const VentChamber& chamber, const VentConditions& conditions) {
    return kMmPerM * rectangularPortHeight(widthMm / kMmPerM, conditions.portLengthMm / kMmPerM,
                                           perBranch(count, chamber), volumeM3(chamber), chamber.tuningHz,
                                           conditions.soundSpeed);
}

double rectangularPortAreaCm2(double widthMm, int32_t count, const VentChamber& chamber,
                              const VentConditions& conditions) {
    return count * widthMm * portHeightMm(widthMm, count, chamber, conditions) / kMm2PerCm2;
}

void designCircularPort(VentRecord& r, const VentChamber& chamber, const VentConditions& conditions) {
    const int32_t n = r.CircVentNum;
    const double radiusMm = kMmPerM * portRadius(conditions.portLengthMm / kMmPerM, perBranch(n, chamber),
                                                 volumeM3(chamber), chamber.tuningHz, conditions.soundSpeed);
    r.CircPortDV = 2.0 * radiusMm;
    r.CircPortLV = conditions.portLengthMm;
    r.CircPortSV = n * kPi * radiusMm * radiusMm / kMm2PerCm2;
    r.CircPortDVmin = minimumDiameterMm(n, conditions.minimumAreaCm2);
    r.CircPortSVmin = conditions.minimumAreaCm2;
}

// The circular duct of diameter `diameterMm`: its area and the length
// that tunes the chamber.
void sizeCircularDuct(VentRecord& r, double diameterMm, const VentChamber& chamber,
                      const VentConditions& conditions) {
    const int32_t n = r.CircVentNum;
    const double radiusMm = diameterMm / 2.0;
    const double pipeAreaMm2 = kPi * radiusMm * radiusMm;
    r.CircDuctDV = diameterMm;
    r.CircDuctDVmin = minimumDiameterMm(n, conditions.minimumAreaCm2);
    r.CircDuctSV = n * pipeAreaMm2 / kMm2PerCm2;
    r.CircDuctSVmin = conditions.minimumAreaCm2;
    r.CircDuctLV = tunedDuctLengthMm(pipeAreaMm2, radiusMm, n, chamber, conditions);
}

void designCircularDuct(VentRecord& r, const VentChamber& chamber, const VentConditions& conditions) {
    if (r.CircDuctVentInit == 1) {
        sizeCircularDuct(r, keptVentSize(r.CircDuctDV), chamber, conditions);
        if (heldForm(r, VentShape::CircularDuct)) return;
    }
    const int32_t n = r.CircVentNum;
    const double diameter = largestFitting(minimumDiameterMm(n, conditions.minimumAreaCm2),
                                           [&](double d) { return circularDuctFits(d, n, chamber, conditions); });
    sizeCircularDuct(r, diameter, chamber, conditions);
    r.CircDuctVentInit = 0;
}

// The rectangular port of width `widthMm`: the height that tunes the
// chamber through the panel, and its area.
void sizeRectangularPort(VentRecord& r, double widthMm, const VentChamber& chamber,
                         const VentConditions& conditions) {
    const int32_t n = r.RectVentNum;
    r.RectPortWV = widthMm;
    r.RectPortHV = portHeightMm(widthMm, n, chamber, conditions);
    r.RectPortLV = conditions.portLengthMm;
    r.RectPortSV = n * r.RectPortWV * r.RectPortHV / kMm2PerCm2;
    r.RectPortSVmin = conditions.minimumAreaCm2;
}

void designRectangularPort(VentRecord& r, const VentChamber& chamber, const VentConditions& conditions) {
    if (r.RectPortVentInit == 1) {
        sizeRectangularPort(r, keptVentSize(r.RectPortWV), chamber, conditions);
        if (heldForm(r, VentShape::RectangularPort)) return;
    }
    const double side = kMmPerM * squarePortSide(conditions.portLengthMm / kMmPerM, perBranch(r.RectVentNum, chamber),
                                                 volumeM3(chamber), chamber.tuningHz, conditions.soundSpeed);
    sizeRectangularPort(r, side, chamber, conditions);
    r.RectPortVentInit = 0;
}

// The rectangular duct of `widthMm` by `heightMm`: its area and the length
// that tunes the chamber.
void sizeRectangularDuct(VentRecord& r, double widthMm, double heightMm, const VentChamber& chamber,
                         const VentConditions& conditions) {
    const double pipeAreaMm2 = widthMm * heightMm;
    r.RectDuctWV = widthMm;
    r.RectDuctHV = heightMm;
    r.RectDuctSV = r.RectVentNum * pipeAreaMm2 / kMm2PerCm2;
    r.RectDuctSVmin = conditions.minimumAreaCm2;
    r.RectDuctLV = tunedDuctLengthMm(pipeAreaMm2, hydraulicRadius(widthMm, heightMm), r.RectVentNum, chamber,
                                     conditions);
}

void designRectangularDuct(VentRecord& r, const VentChamber& chamber, const VentConditions& conditions) {
    if (r.RectDuctVentInit == 1) {
        sizeRectangularDuct(r, keptVentSize(r.RectDuctWV), keptVentSize(r.RectDuctHV), chamber, conditions);
        if (heldForm(r, VentShape::RectangularDuct)) return;
    }
    // A square of the circular duct's area (designed before it), or the
    // largest square that fits.
    const int32_t n = r.RectVentNum;
    const double areaCm2 = positiveFinite(r.CircDuctSV) ? r.CircDuctSV : conditions.minimumAreaCm2;
    const double side =
        largestFitting(squareSideMm(n, areaCm2), [&](double w) { return squareDuctFits(w, n, chamber, conditions); });
    sizeRectangularDuct(r, side, side, chamber, conditions);
    r.RectDuctVentInit = 0;
}

}  // namespace

bool atLeast(double value, double minimum) { return value >= minimum * (1.0 - kRelativeSlack); }
bool atMost(double value, double maximum) { return value <= maximum * (1.0 + kRelativeSlack); }

std::string_view ventFormName(int32_t code) {
    switch (static_cast<VentForm>(code)) {
        case VentForm::Realisable: return "Realisable";
        case VentForm::BelowMinimumArea: return "Area too small";
        case VentForm::LengthNotPositive: return "No duct length";
        case VentForm::LongerThanBox: return "Duct too long";
        case VentForm::ShorterThanPanel: return "Duct too short";
        case VentForm::WiderThanPanel: return "Vent too large";
        case VentForm::ChamberTooSmall: return "Box too small";
        case VentForm::NotDesigned: break;
    }
    return "Not designed";
}

VentShape shapeInForce(const VentRecord& r) {
    if (r.VentTypeTab == 2) return r.RectVentRadio == 2 ? VentShape::RectangularDuct : VentShape::RectangularPort;
    return r.CircVentRadio == 2 ? VentShape::CircularDuct : VentShape::CircularPort;
}

int32_t countOf(const VentRecord& r, VentShape shape) {
    return shape == VentShape::CircularPort || shape == VentShape::CircularDuct ? r.CircVentNum : r.RectVentNum;
}

bool VentChamber::valid() const { return positiveFinite(volumeLitre) && positiveFinite(tuningHz); }

int32_t admittedCount(int32_t count, int32_t branches) {
    if (branches == 2) {
        const int32_t even = count + (count % 2 != 0 ? 1 : 0);
        return std::clamp(even, 2, kMaximumBranchedCount);
    }
    return std::clamp(count, 1, kMaximumCount);
}

void designForm(VentRecord& r, VentShape shape, const VentChamber& chamber, const VentConditions& conditions) {
    switch (shape) {
        case VentShape::CircularPort: designCircularPort(r, chamber, conditions); break;
        case VentShape::CircularDuct: designCircularDuct(r, chamber, conditions); break;
        case VentShape::RectangularPort: designRectangularPort(r, chamber, conditions); break;
        case VentShape::RectangularDuct: designRectangularDuct(r, chamber, conditions); break;
    }
}

void designVentRecord(VentRecord& r, const VentChamber& chamber, const VentConditions& conditions) {
    if (!chamber.valid()) return;
    r.CircVentNum = admittedCount(r.CircVentNum, chamber.branches);
    r.RectVentNum = admittedCount(r.RectVentNum, chamber.branches);
    for (VentShape shape : {VentShape::CircularPort, VentShape::CircularDuct, VentShape::RectangularPort,
                            VentShape::RectangularDuct})
        designForm(r, shape, chamber, conditions);
    r.VentForm = static_cast<int32_t>(outcomeOf(r, shapeInForce(r), chamber, conditions));
}

VentForm outcomeOf(const VentRecord& r, VentShape shape, const VentChamber& chamber,
                   const VentConditions& conditions) {
    const int32_t n = countOf(r, shape);
    const bool circular = shape == VentShape::CircularPort || shape == VentShape::CircularDuct;
    if (!atLeast(areaOf(r, shape), conditions.minimumAreaCm2))
        return minimumDuctFits(circular, n, chamber, conditions) ? VentForm::BelowMinimumArea
                                                                 : VentForm::ChamberTooSmall;
    double widthMm = 0.0, lengthMm = 0.0, radiusMm = 0.0;
    switch (shape) {
        case VentShape::CircularPort: widthMm = r.CircPortDV; break;
        case VentShape::RectangularPort: widthMm = perBranch(n, chamber) * r.RectPortWV; break;
        case VentShape::CircularDuct:
            widthMm = r.CircDuctDV;
            lengthMm = r.CircDuctLV;
            radiusMm = r.CircDuctDV / 2.0;
            break;
        case VentShape::RectangularDuct:
            widthMm = perBranch(n, chamber) * r.RectDuctWV;
            lengthMm = r.RectDuctLV;
            radiusMm = hydraulicRadius(r.RectDuctWV, r.RectDuctHV);
            break;
    }
    if (!atMost(widthMm, panelEdgeMm(chamber))) return VentForm::WiderThanPanel;
    if (shape == VentShape::CircularPort || shape == VentShape::RectangularPort) return VentForm::Realisable;
    if (!(lengthMm > 0.0)) return VentForm::LengthNotPositive;
    if (!atLeast(lengthMm, conditions.portLengthMm)) return VentForm::ShorterThanPanel;
    if (lengthMm > maximumDuctLengthMm(chamber, conditions, radiusMm)) return VentForm::LongerThanBox;
    return VentForm::Realisable;
}

bool formIsAutomatic(const VentRecord& r) {
    if (r.FormSetBy == kFormSetByDesign) return true;
    return r.FormSetBy == kFormSetByNobody && shapeInForce(r) == VentShape::CircularPort;
}

void chooseAutomaticForm(VentRecord& r, const VentChamber& chamber, const VentConditions& conditions) {
    const VentForm port = outcomeOf(r, VentShape::CircularPort, chamber, conditions);
    const VentForm duct = outcomeOf(r, VentShape::CircularDuct, chamber, conditions);
    bool ducted = false;
    if (port == VentForm::Realisable) {
        ducted = false;
    } else if (duct == VentForm::Realisable) {
        ducted = true;
    } else if (duct == VentForm::ChamberTooSmall) {
        // Neither carries the air within the limit: the larger area that
        // fits is the slower air.
        const bool portFits = port == VentForm::BelowMinimumArea || port == VentForm::ChamberTooSmall;
        ducted = !portFits || r.CircDuctSV > r.CircPortSV;
    }
    r.VentTypeTab = 1;
    r.CircVentRadio = r.RectVentRadio = ducted ? 2 : 1;
    r.FormSetBy = kFormSetByDesign;
    r.VentForm = static_cast<int32_t>(ducted ? duct : port);
}

double areaOf(const VentRecord& r, VentShape shape) {
    switch (shape) {
        case VentShape::CircularPort: return r.CircPortSV;
        case VentShape::CircularDuct: return r.CircDuctSV;
        case VentShape::RectangularPort: return r.RectPortSV;
        case VentShape::RectangularDuct: return r.RectDuctSV;
    }
    return 0.0;
}

double designedAreaCm2(const VentRecord& r) { return areaOf(r, shapeInForce(r)); }

bool realForm(const VentRecord& r, VentShape shape) {
    auto size = [](double mm) { return std::isfinite(mm) && mm >= kSmallestVentSizeMm; };
    switch (shape) {
        case VentShape::CircularPort:
            return size(r.CircPortDV) && positiveFinite(r.CircPortLV) && positiveFinite(r.CircPortSV);
        case VentShape::CircularDuct:
            return size(r.CircDuctDV) && positiveFinite(r.CircDuctLV) && positiveFinite(r.CircDuctSV);
        case VentShape::RectangularPort:
            return size(r.RectPortWV) && size(r.RectPortHV) && positiveFinite(r.RectPortLV) &&
                   positiveFinite(r.RectPortSV);
        case VentShape::RectangularDuct:
            return size(r.RectDuctWV) && size(r.RectDuctHV) && positiveFinite(r.RectDuctLV) &&
                   positiveFinite(r.RectDuctSV);
    }
    return false;
}

bool finiteRecord(const VentRecord& r) {
    for (const double v : {r.CircPortDV, r.CircPortDVmin, r.CircPortLV, r.CircPortSV, r.CircPortSVmin,
                           r.CircDuctDV, r.CircDuctDVmin, r.CircDuctLV, r.CircDuctSV, r.CircDuctSVmin,
                           r.RectPortWV, r.RectPortHV, r.RectPortLV, r.RectPortSV, r.RectPortSVmin,
                           r.RectDuctWV, r.RectDuctHV, r.RectDuctLV, r.RectDuctSV, r.RectDuctSVmin})
        if (!std::isfinite(v)) return false;
    return true;
}

double& enteredSize(VentRecord& r, VentShape shape, bool height) {
    switch (shape) {
        case VentShape::CircularPort: break;
        case VentShape::CircularDuct: return r.CircDuctDV;
        case VentShape::RectangularPort: return r.RectPortWV;
        case VentShape::RectangularDuct: return height ? r.RectDuctHV : r.RectDuctWV;
    }
    return r.CircPortDV;
}

int32_t* editedMark(VentRecord& r, VentShape shape) {
    switch (shape) {
        case VentShape::CircularPort: break;
        case VentShape::CircularDuct: return &r.CircDuctVentInit;
        case VentShape::RectangularPort: return &r.RectPortVentInit;
        case VentShape::RectangularDuct: return &r.RectDuctVentInit;
    }
    return nullptr;
}

bool keepsEnteredSize(VentRecord r, VentShape shape, const VentChamber& chamber, const VentConditions& conditions) {
    int32_t* mark = editedMark(r, shape);
    if (mark != nullptr) *mark = 1;
    designForm(r, shape, chamber, conditions);
    return (mark == nullptr || *mark == 1) && realForm(r, shape);
}

double largestEnteredSizeMm(const VentRecord& r, VentShape shape, bool height, const VentChamber& chamber,
                            const VentConditions& conditions) {
    auto kept = [&](double size) {
        VentRecord trial = r;
        enteredSize(trial, shape, height) = size;
        return keepsEnteredSize(trial, shape, chamber, conditions);
    };
    // A size that is kept, by decades up from the smallest: the sizes kept
    // run from it (or from the shortest duct) up to the largest.
    double low = kSmallestVentSizeMm;
    while (!kept(low)) {
        low *= 10.0;
        if (!std::isfinite(low)) return 0.0;
    }
    double high = std::numeric_limits<double>::max();
    if (kept(high)) return high;
    // Halving the ratio of the bounds: the sizes span hundreds of decades.
    for (int i = 0; i < 200; ++i) {
        const double mid = std::sqrt(low) * std::sqrt(high);
        if (!(mid > low && mid < high)) break;
        (kept(mid) ? low : high) = mid;
    }
    return low;
}

double peakAirSpeedOf(const VentRecord& r, VentShape shape) {
    const double area = areaOf(r, shape);
    double minimum = r.CircPortSVmin;
    switch (shape) {
        case VentShape::CircularPort: break;
        case VentShape::CircularDuct: minimum = r.CircDuctSVmin; break;
        case VentShape::RectangularPort: minimum = r.RectPortSVmin; break;
        case VentShape::RectangularDuct: minimum = r.RectDuctSVmin; break;
    }
    if (!positiveFinite(area) || !positiveFinite(minimum)) return std::numeric_limits<double>::quiet_NaN();
    return kVentAirSpeedLimit * minimum / area;
}

bool overAirSpeedLimit(double speed) { return std::isfinite(speed) && !atMost(speed, kVentAirSpeedLimit); }

double shortestDuctDiameterMm(int32_t count, const VentChamber& chamber, const VentConditions& conditions) {
    // G n pi a^2 > k a.
    const double perArea = helmholtzLength(1.0, volumeM3(chamber), chamber.tuningHz, conditions.soundSpeed);
    return 2.0 * kMmPerM * kDuctEndCorrection / (perArea * perBranch(count, chamber) * kPi);
}

double shortestDuctWidthPlusHeightMm(int32_t count, const VentChamber& chamber, const VentConditions& conditions) {
    // G n w h > k w h / (w + h).
    const double perArea = helmholtzLength(1.0, volumeM3(chamber), chamber.tuningHz, conditions.soundSpeed);
    return kMmPerM * kDuctEndCorrection / (perArea * perBranch(count, chamber));
}

double minimumDiameterMm(int32_t count, double minimumAreaCm2) {
    return 2.0 * std::sqrt(minimumAreaCm2 * kMm2PerCm2 / (std::max<int32_t>(1, count) * kPi));
}

PortWidths rectangularPortWidths(int32_t count, const VentChamber& chamber, const VentConditions& conditions) {
    // A port's area is (L + k a) / G with a its equivalent radius: least
    // for a thin slot (a -> 0), most for a square.
    PortWidths widths;
    const double lengthM = conditions.portLengthMm / kMmPerM;
    const double perLength = helmholtzLength(1.0, volumeM3(chamber), chamber.tuningHz, conditions.soundSpeed);
    const double thinSlotCm2 = std::max<int32_t>(1, chamber.branches) * lengthM / perLength * kCm2PerM2;
    if (atLeast(thinSlotCm2, conditions.minimumAreaCm2)) return widths;  // Any
    const double squareMm = kMmPerM * squarePortSide(lengthM, perBranch(count, chamber), volumeM3(chamber),
                                                     chamber.tuningHz, conditions.soundSpeed);
    if (!atLeast(count * squareMm * squareMm / kMm2PerCm2, conditions.minimumAreaCm2)) {
        widths.kind = PortWidths::Kind::None;
        return widths;
    }
    double low = 0.0, high = squareMm;
    for (int i = 0; i < 200 && high - low > 1e-12 * squareMm; ++i) {
        const double mid = 0.5 * (low + high);
        (rectangularPortAreaCm2(mid, count, chamber, conditions) < conditions.minimumAreaCm2 ? low : high) = mid;
    }
    widths.kind = PortWidths::Kind::Between;
    widths.lowMm = high;
    widths.highMm = portHeightMm(high, count, chamber, conditions);
    return widths;
}

double maximumDuctLengthMm(const VentChamber& chamber, const VentConditions& conditions, double radiusMm) {
    return conditions.portLengthMm + panelEdgeMm(chamber) - 2.0 * radiusMm;
}

double panelEdgeMm(const VentChamber& chamber) { return kMmPerM * std::cbrt(volumeM3(chamber)); }

}  // namespace quendal
