#include "engine/PointForms.h"

#include <cmath>

#include "model/State.h"

namespace quendal {

namespace {

void keep(double NU, double DE) {
    state.point.NU = NU;
    state.point.DE = DE;
}

}  // namespace

void levelForm(double NU, double DE) {
    keep(NU, DE);
    state.point.yy = static_cast<float>(-10.0 * std::log10(NU / DE));
}

void powerRatingForm(double NU, double DE) {
    keep(NU, DE);
    const double watts = state.rscales.P1 / (NU / DE);
    state.point.yyLinea = static_cast<float>(watts);
    state.point.yy = static_cast<float>(std::log10(watts));
}

double inputImpedance(std::complex<double> motional, double connection) {
    const std::complex<double> coil(state.speaker.RE, state.rscales.ZL * static_cast<double>(state.point.ff));
    return std::abs(connection * coil + state.rscales.RES * motional);
}

std::complex<double> voiceCoilOverRES() {
    const double RES = state.rscales.RES;
    return {state.speaker.RE / RES, state.rscales.ZL * static_cast<double>(state.point.ff) / RES};
}

void motionalImpedanceForm(std::complex<double> N, std::complex<double> D, double connection) {
    keep(std::norm(N), std::norm(D));
    PlotPoint& p = state.point;
    p.ZVC = std::sqrt(p.NU / p.DE);
    p.yyLinea = static_cast<float>(inputImpedance(N / D, connection));
}

void airSpeedForm(double NU, double DE, double scale) {
    keep(NU, DE);
    state.point.yy = static_cast<float>(scale * static_cast<double>(state.point.f) * std::sqrt(NU / DE));
}

std::complex<double> parallelPairMotional(std::complex<double> z11, std::complex<double> z12,
                                          std::complex<double> z21, std::complex<double> z22,
                                          std::complex<double> r) {
    // V = (r + z11) I1 + z12 I2 = z21 I1 + (r + z22) I2: the pair draws
    // I1 + I2 = V (m11 + m22 - z12 - z21) / det.
    const std::complex<double> m11 = r + z11, m22 = r + z22;
    const std::complex<double> pair = (m11 * m22 - z12 * z21) / (m11 + m22 - z12 - z21);
    return pair - r / 2.0;
}

void coneDisplacementForm(double NU, double DE, double relative) {
    keep(NU, DE);
    if (state.view.Magni == 0) {
        state.point.yy = static_cast<float>(-10.0 * std::log10(relative * (NU / DE)));
    } else if (state.view.Magni == 1) {
        state.point.yy = static_cast<float>(state.rscales.XD * std::sqrt(NU / DE));
    }
}

void scaledMagnitudeForm(double NU, double DE, double scale) {
    keep(NU, DE);
    state.point.yy = static_cast<float>(scale * std::sqrt(NU / DE));
}

}  // namespace quendal
