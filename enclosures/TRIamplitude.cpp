// Triple Vented amplitude, power and impedance evaluators.
//
// The system and vent curves combine the two half systems over the common
// denominator D1*D2; each driver's power and impedance stand over its own
// half system's denominator. The impedance of the pair is that of the two
// drivers, each its voice coil in series with its motional impedance
// Zk = Mk/Dk (Mk = D01*s*Ck), wired in parallel or in series.
#include <cmath>
#include <complex>

#include "enclosures/TRIcal.h"
#include "enclosures/TRIparts.h"
#include "engine/BandPassForms.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

JfValue cone1(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B31, c.B32, c.B33, c.B34, 1.0}, f);
}

JfValue cone2(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B41, c.B42, c.B43, c.B44, 1.0}, f);
}

// D01*s*Ck: driver k's motional impedance over Dk.
JfValue motional(const JfValue& cone, double f) {
    const double q = state.coef.D01;
    return {q * (-cone.im * f), q * (cone.re * f)};
}

// The impedance of one driver or of the pair, from the squared magnitudes NU
// and DE of the motional part and its complex value zm over RES: connection
// halves (parallel) or doubles (series) the voice coil's resistance and
// inductance in series with it.
void impedance(double NU, double DE, std::complex<double> zm, double connection) {
    PlotPoint& p = state.point;
    p.NU = NU;
    p.DE = DE;
    p.ZVC = std::sqrt(NU / DE);
    const double z = inputImpedance(zm, connection);
    p.yyLinea = static_cast<float>(z);
    p.yy = static_cast<float>(std::log10(z));
}

std::complex<double> ratio(double nr, double nj, double dr, double dj) {
    return std::complex<double>(nr, nj) / std::complex<double>(dr, dj);
}

// The motional impedances of both drivers in N1R / N1J, N2R / N2J and both
// denominators.
void evaluateMotional(double f) {
    PlotPoint& p = state.point;
    const JfValue m1 = motional(cone1(f), f);
    const JfValue m2 = motional(cone2(f), f);
    p.N1R = m1.re;
    p.N1J = m1.im;
    p.N2R = m2.re;
    p.N2J = m2.im;
    tri::evaluateDenominators(f);
}

}  // namespace

void TRIFRcal() {
    tri::evaluateSystem(pointFrequency());
    const PlotPoint& p = state.point;
    amplitudeForm(tri::squared(p.NUR, p.NUJ), tri::squared(p.DER, p.DEJ));
}

void TRIvent12FRcal() {
    const double f = pointFrequency();
    tri::evaluateVentNumerators(f);
    tri::evaluateDenominators(f);
    tri::combineVents12();
    tri::combineDenominators();
    PlotPoint& p = state.point;
    p.NUR = p.NUR1;
    p.NUJ = p.NUJ1;
    amplitudeForm(tri::squared(p.NUR, p.NUJ), tri::squared(p.DER, p.DEJ));
}

void TRIvent1FRcal() {
    const double f = pointFrequency();
    tri::evaluateVentNumerators(f);
    tri::evaluateDenominators(f);
    const PlotPoint& p = state.point;
    amplitudeForm(tri::squared(p.N1R, p.N1J), tri::squared(p.D1R, p.D1J));
}

void TRIvent2FRcal() {
    const double f = pointFrequency();
    tri::evaluateVentNumerators(f);
    tri::evaluateDenominators(f);
    const PlotPoint& p = state.point;
    amplitudeForm(tri::squared(p.N2R, p.N2J), tri::squared(p.D2R, p.D2J));
}

void TRIvent3FRcal() {
    const double f = pointFrequency();
    tri::evaluateVentNumerators(f);
    tri::evaluateDenominators(f);
    tri::vent3OverBothHalves();
    const PlotPoint& p = state.point;
    amplitudeForm(tri::squared(p.NUR, p.NUJ), tri::squared(p.DER, p.DEJ));
}

void TRIPWSP1cal() {
    const double f = pointFrequency();
    PlotPoint& p = state.point;
    const JfValue C1 = cone1(f);
    p.N1R = C1.re;
    p.N1J = C1.im;
    tri::evaluateDenominators(f);
    powerForm(C1.squared(), tri::squared(p.D1R, p.D1J));
}

void TRIPWSP2cal() {
    const double f = pointFrequency();
    PlotPoint& p = state.point;
    const JfValue C2 = cone2(f);
    p.N2R = C2.re;
    p.N2J = C2.im;
    tri::evaluateDenominators(f);
    powerForm(C2.squared(), tri::squared(p.D2R, p.D2J));
}

void TRIIMPparacal() {
    evaluateMotional(pointFrequency());
    PlotPoint& p = state.point;
    // Z1*Z2/(Z1 + Z2) = M1*M2 / (M1*D2 + M2*D1)
    const JfValue product = times({p.N1R, p.N1J}, {p.N2R, p.N2J});
    const JfValue sum = tri::crossSum();
    p.NUR = product.re;
    p.NUJ = product.im;
    p.DER = sum.re;
    p.DEJ = sum.im;
    // The coils share one voltage: each driver's coil and motional impedance
    // form one branch, the drivers moving apart (no coupling between them).
    const std::complex<double> z = parallelPairMotional(ratio(p.N1R, p.N1J, p.D1R, p.D1J), 0.0, 0.0,
                                                        ratio(p.N2R, p.N2J, p.D2R, p.D2J), voiceCoilOverRES());
    impedance(tri::squared(p.NUR, p.NUJ), tri::squared(p.DER, p.DEJ), z, 1.0 / 2.0);
}

void TRIIMPserical() {
    evaluateMotional(pointFrequency());
    PlotPoint& p = state.point;
    // Z1 + Z2 = (M1*D2 + M2*D1) / (D1*D2)
    const JfValue sum = tri::crossSum();
    p.NUR = sum.re;
    p.NUJ = sum.im;
    tri::combineDenominators();
    impedance(tri::squared(p.NUR, p.NUJ), tri::squared(p.DER, p.DEJ), ratio(p.NUR, p.NUJ, p.DER, p.DEJ), 2.0);
}

void TRIIMPSP1cal() {
    evaluateMotional(pointFrequency());
    const PlotPoint& p = state.point;
    impedance(tri::squared(p.N1R, p.N1J), tri::squared(p.D1R, p.D1J), ratio(p.N1R, p.N1J, p.D1R, p.D1J), 1.0);
}

void TRIIMPSP2cal() {
    evaluateMotional(pointFrequency());
    const PlotPoint& p = state.point;
    impedance(tri::squared(p.N2R, p.N2J), tri::squared(p.D2R, p.D2J), ratio(p.N2R, p.N2J, p.D2R, p.D2J), 1.0);
}

}  // namespace quendal
