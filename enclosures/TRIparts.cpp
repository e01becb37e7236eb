#include "enclosures/TRIparts.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "engine/BandPassForms.h"
#include "model/State.h"

namespace quendal::tri {

namespace {

void keep(JfValue v, double& re, double& im) {
    re = v.re;
    im = v.im;
}

// The polynomials at one frequency, kept: the curves of a page, the vent
// sizing's air speeds and the read-out come back to the same grid
// frequencies with the same coefficients over and over, and a value
// computed again would be the same, bit for bit. The values kept belong to
// the coefficients as they stood; any change of them starts a new round.
struct CoefficientBits {
    uint64_t a[12];
    uint64_t b[8];
    bool operator==(const CoefficientBits&) const = default;
};

CoefficientBits bitsOf(const TransferCoefficients& c) {
    auto bits = [](double v) { return std::bit_cast<uint64_t>(v); };
    return {{bits(c.A11), bits(c.A12), bits(c.A13), bits(c.A14), bits(c.A15), bits(c.A16), bits(c.A21), bits(c.A22),
             bits(c.A23), bits(c.A24), bits(c.A25), bits(c.A26)},
            {bits(c.B11), bits(c.B12), bits(c.B21), bits(c.B22), bits(c.B13), bits(c.B14), bits(c.B23), bits(c.B24)}};
}

// The round of the coefficients in force: 1 and up, a new one whenever
// they differ from those of the last call.
uint64_t coefficientRound() {
    static CoefficientBits last{};
    static uint64_t round = 0;
    const CoefficientBits now = bitsOf(state.coef);
    if (round == 0 || !(now == last)) {
        last = now;
        ++round;
    }
    return round;
}

// A few hundred frequencies are swept in a round (the grid's, the
// read-out's): the table has room for them all. A frequency takes the first
// place from its own on that holds it or nothing of the round, and evicts
// another only when a few places in a row are taken.
constexpr std::size_t kKeptFrequencyBits = 10;
constexpr std::size_t kPlacesTried = 4;

template <std::size_t N>
class KeptValues {
public:
    // The values at f of the current round, computed by `compute` unless kept.
    template <class Compute>
    const JfValue* at(double f, Compute compute) {
        const uint64_t round = coefficientRound();
        const uint64_t bits = std::bit_cast<uint64_t>(f);
        const std::size_t home = (bits * 0x9E3779B97F4A7C15ull) >> (64 - kKeptFrequencyBits);
        Entry* place = &entries_[home];
        for (std::size_t i = 0; i < kPlacesTried; ++i) {
            Entry& e = entries_[(home + i) % entries_.size()];
            if (e.round == round && e.f == bits) return e.v;
            if (e.round != round) {
                place = &e;
                break;
            }
        }
        compute(place->v);
        place->f = bits;
        place->round = round;
        return place->v;
    }

private:
    struct Entry {
        uint64_t f = 0;
        uint64_t round = 0;  // none: no round is 0
        JfValue v[N];
    };
    std::array<Entry, std::size_t{1} << kKeptFrequencyBits> entries_{};
};

}  // namespace

void evaluateDenominators(double f) {
    static KeptValues<2> kept;
    const JfValue* d = kept.at(f, [f](JfValue* v) {
        const TransferCoefficients& c = state.coef;
        v[0] = polyAtJf({c.A11, c.A12, c.A13, c.A14, c.A15, c.A16, 1.0}, f);
        v[1] = polyAtJf({c.A21, c.A22, c.A23, c.A24, c.A25, c.A26, 1.0}, f);
    });
    PlotPoint& p = state.point;
    keep(d[0], p.D1R, p.D1J);
    keep(d[1], p.D2R, p.D2J);
}

namespace {

// The four vent polynomials, times s^lowestPower, in N1 ... N4.
void keepVentPolynomials(const JfValue* n) {
    PlotPoint& p = state.point;
    keep(n[0], p.N1R, p.N1J);
    keep(n[1], p.N2R, p.N2J);
    keep(n[2], p.N3R, p.N3J);
    keep(n[3], p.N4R, p.N4J);
}

void ventPolynomials(JfValue* v, double f, int lowestPower) {
    const TransferCoefficients& c = state.coef;
    v[0] = polyAtJf({c.B11, c.B12, 1.0}, f, lowestPower);
    v[1] = polyAtJf({c.B21, c.B22, 1.0}, f, lowestPower);
    v[2] = polyAtJf({c.B13, c.B14, 1.0}, f, lowestPower);
    v[3] = polyAtJf({c.B23, c.B24, 1.0}, f, lowestPower);
}

}  // namespace

void evaluateVentNumerators(double f) {
    static KeptValues<4> kept;
    keepVentPolynomials(kept.at(f, [f](JfValue* v) { ventPolynomials(v, f, 2); }));
}

void evaluateVentFlows(double f) {
    static KeptValues<4> kept;
    keepVentPolynomials(kept.at(f, [f](JfValue* v) { ventPolynomials(v, f, 0); }));
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
