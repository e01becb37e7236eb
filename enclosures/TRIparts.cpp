#include "enclosures/TRIparts.h"

#include "engine/BandPassForms.h"
#include "model/State.h"

namespace quendal::tri {

namespace {

void keep(JfValue v, double& re, double& im) {
    re = v.re;
    im = v.im;
}

}  // namespace

void evaluateDenominators(double f) {
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    keep(polyAtJf({c.A11, c.A12, c.A13, c.A14, c.A15, c.A16, 1.0}, f), p.D1R, p.D1J);
    keep(polyAtJf({c.A21, c.A22, c.A23, c.A24, c.A25, c.A26, 1.0}, f), p.D2R, p.D2J);
}

void evaluateVentNumerators(double f) {
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    keep(polyAtJf({c.B11, c.B12, 1.0}, f, 2), p.N1R, p.N1J);
    keep(polyAtJf({c.B21, c.B22, 1.0}, f, 2), p.N2R, p.N2J);
    keep(polyAtJf({c.B13, c.B14, 1.0}, f, 2), p.N3R, p.N3J);
    keep(polyAtJf({c.B23, c.B24, 1.0}, f, 2), p.N4R, p.N4J);
}

void evaluateVentFlows(double f) {
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    keep(polyAtJf({c.B11, c.B12, 1.0}, f), p.N1R, p.N1J);
    keep(polyAtJf({c.B21, c.B22, 1.0}, f), p.N2R, p.N2J);
    keep(polyAtJf({c.B13, c.B14, 1.0}, f), p.N3R, p.N3J);
    keep(polyAtJf({c.B23, c.B24, 1.0}, f), p.N4R, p.N4J);
}

JfValue crossSum() {
    const PlotPoint& p = state.point;
    return {p.N1R * p.D2R - p.N1J * p.D2J + p.N2R * p.D1R - p.N2J * p.D1J,
            p.N1R * p.D2J + p.N1J * p.D2R + p.N2R * p.D1J + p.N2J * p.D1R};
}

void combineVents12() {
    PlotPoint& p = state.point;
    keep(crossSum(), p.NUR1, p.NUJ1);
}

void combineVent3() {
    PlotPoint& p = state.point;
    p.NUR2 = p.N3R * p.D2R + p.N4R * p.D1R - p.N3J * p.D2J - p.N4J * p.D1J;
    p.NUJ2 = p.N3R * p.D2J + p.N3J * p.D2R + p.N4R * p.D1J + p.N4J * p.D1R;
}

void combineDenominators() {
    PlotPoint& p = state.point;
    p.DER = p.D1R * p.D2R - p.D1J * p.D2J;
    p.DEJ = p.D1R * p.D2J + p.D2R * p.D1J;
}

void vent3OverBothHalves() {
    PlotPoint& p = state.point;
    combineVent3();
    combineDenominators();
    p.NUR = p.NUR2;
    p.NUJ = p.NUJ2;
}

void evaluateSystem(double f) {
    PlotPoint& p = state.point;
    evaluateVentNumerators(f);
    evaluateDenominators(f);
    combineVents12();
    combineVent3();
    p.NUR = p.NUR1 - p.NUR2;
    p.NUJ = p.NUJ1 - p.NUJ2;
    combineDenominators();
}

}  // namespace quendal::tri
