#include "view/ReSweep.h"

#include <cmath>

#include "enclosures/TRIcal.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr float kTop = 3.0f;          // log10 Hz
constexpr float kStep = 0.0025f;      // decade
constexpr int32_t kKeepEvery = 16;    // steps between kept states

void setStep(float k) {
    PlotPoint& p = state.point;
    p.ff = static_cast<float>(std::pow(10.0, static_cast<double>(k)));
    p.f = static_cast<float>(static_cast<double>(p.ff) / state.speaker.FS);
}

}  // namespace

void forgetResweeps() { ++state.cursor.pageDrawings; }

void resweepDown(Resweep kind, void (*point)()) {
    PlotPoint& p = state.point;
    CursorState& c = state.cursor;
    ResweepCheckpoints& kept = c.resweep;
    if (kept.kind != static_cast<int32_t>(kind) || kept.drawing != c.pageDrawings) {
        kept.kind = static_cast<int32_t>(kind);
        kept.drawing = c.pageDrawings;
        kept.count = 0;
    }
    const float logff = c.logff;
    const float snapped = p.ff;

    // Resume after the deepest kept step whose next step the sweep still takes.
    int32_t from = -1;
    for (int32_t j = kept.count - 1; j >= 0 && from < 0; --j)
        if (logff <= kept.at[j].k - kStep) from = j;
    float k = kTop;
    int32_t step = 0;
    if (from >= 0) {
        const ResweepCheckpoint& at = kept.at[from];
        p.ss = at.ss;
        p.yy2 = at.yy2;
        p.fai = at.fai;
        p.fai2 = at.fai2;
        p.prevAngle = at.prevAngle;
        k = at.k - kStep;
        step = from * kKeepEvery + 1;
    } else {
        p.ss = 0.0;
        p.yy2 = 0.0f;
        p.fai = 0.0;
        p.fai2 = 0.0;
    }
    do {
        setStep(k);
        point();
        if (step % kKeepEvery == 0 && step / kKeepEvery == kept.count && kept.count < 64)
            kept.at[kept.count++] = {k, p.ss, p.yy2, p.fai, p.fai2, p.prevAngle};
        k -= kStep;
        ++step;
    } while (logff <= k);
    p.ff = snapped;
}

void tripleVentedDelayAtPointer() {
    PlotPoint& p = state.point;
    const float logff = state.cursor.logff;
    const float snapped = p.ff;
    // The steps the sweep takes: 4.2, 4.19, ... down to the first not below logff.
    float last = 4.2f, beforeLast = NAN;
    for (float next = last - 0.01f; logff <= next; next = last - 0.01f) {
        beforeLast = last;
        last = next;
    }
    p.ss = 0.0;
    p.yy2 = 0.0f;
    p.yy0 = 0.0f;
    p.PP = 0.0;
    p.QQ = 0.0;
    if (!std::isnan(beforeLast)) {
        setStep(beforeLast);
        TRIGDcal();
    }
    setStep(last);
    TRIGDcal();
    p.ff = snapped;
}

}  // namespace quendal
