// Triple Vented amplitude, power and impedance evaluators.
//
// The system and vent curves combine the two half systems over the common
// denominator D1*D2; each driver's power and impedance stand over its own
// half system's denominator, and so does each driver's impedance alone (its
// voice coil in series with Zk = Mk/Dk, Mk = D01*s*Ck). The pair wired in
// parallel or in series is solved as one network, both cones loading the
// shared chamber 3: exact whether or not the two halves are alike.
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

// The motional impedances over RES of the two drivers wired together, the
// pair solved as one network. In the normalised mechanical impedances
// (driver s + q + 1/s, chamber k s*ALk*ak/Rk), half system k holds
// Dk/(s*Rk*R3): driver k, chamber k and twice the shared chamber's term
// c = s*D02/R3 (half of chamber 3 is twice its impedance). Both cones load
// chamber 3 at once, so the pair's mechanical matrix is
//   M = [m1 + c, c; c, m2 + c],  mk + 2c = Dk/(s*Rk*R3),
// and the coils see zij = q*inv(M)ij. With Pk = Dk - 2*s^2*D02*Rk =
// s*Rk*R3*mk (driver k and chamber k alone) and Ek = Pk + s^2*D02*Rk:
//   det = P1*P2 + s^2*D02*(P1*R2 + P2*R1), g = q*s*R3/det,
//   z11 = g*R1*E2, z22 = g*R2*E1, z12 = z21 = -g*s^2*D02*R1*R2,
// and the series sum z11 + z22 + 2*z12 = q*s*R3*(R1*P2 + R2*P1)/det. With
// alike halves P1 = P2 this is 2*q*s*C1/D1, the half system's twice.
struct CoupledPair {
    std::complex<double> z11, z12, z22;
    std::complex<double> seriesN, seriesD;
};

std::complex<double> complexOf(const JfValue& v) { return {v.re, v.im}; }

CoupledPair coupledPair(double f) {
    const TransferCoefficients& c = state.coef;
    const PlotPoint& p = state.point;
    tri::evaluateDenominators(f);
    const std::complex<double> s(0.0, f);
    const std::complex<double> R1 = complexOf(polyAtJf({c.B13, c.B14, 1.0}, f));
    const std::complex<double> R2 = complexOf(polyAtJf({c.B23, c.B24, 1.0}, f));
    const std::complex<double> R3 = complexOf(polyAtJf({c.B11, c.B12, 1.0}, f));
    const std::complex<double> shared = s * s * c.D02;
    const std::complex<double> P1 = std::complex<double>(p.D1R, p.D1J) - 2.0 * shared * R1;
    const std::complex<double> P2 = std::complex<double>(p.D2R, p.D2J) - 2.0 * shared * R2;
    const std::complex<double> det = P1 * P2 + shared * (P1 * R2 + P2 * R1);
    const std::complex<double> g = c.D01 * s * R3 / det;
    CoupledPair z;
    z.z11 = g * R1 * (P2 + shared * R2);
    z.z22 = g * R2 * (P1 + shared * R1);
    z.z12 = -g * shared * R1 * R2;
    z.seriesN = c.D01 * s * R3 * (R1 * P2 + R2 * P1);
    z.seriesD = det;
    return z;
}

// The pair's motional numerator and denominator in NUR / NUJ, DER / DEJ.
void keepPair(std::complex<double> N, std::complex<double> D) {
    PlotPoint& p = state.point;
    p.NUR = N.real();
    p.NUJ = N.imag();
    p.DER = D.real();
    p.DEJ = D.imag();
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
    const CoupledPair z = coupledPair(pointFrequency());
    // One voltage across both coils: each coil's current is the one its own
    // impedance and both cones' motion leave.
    const std::complex<double> zm = parallelPairMotional(z.z11, z.z12, z.z12, z.z22, voiceCoilOverRES());
    keepPair(zm, 1.0);
    impedance(std::norm(zm), 1.0, zm, 1.0 / 2.0);
}

void TRIIMPserical() {
    const CoupledPair z = coupledPair(pointFrequency());
    // One current through both coils: the coils' voltages add, each its own
    // motion and the other cone's through chamber 3.
    keepPair(z.seriesN, z.seriesD);
    impedance(std::norm(z.seriesN), std::norm(z.seriesD), z.seriesN / z.seriesD, 2.0);
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
