#include "view/ReSweep.h"

#include <cmath>

#include "enclosures/TRIcal.h"
#include "model/State.h"
#include "response/SweepGrid.h"

namespace quendal {

namespace {

constexpr float kTop = 3.0f;          // log10 Hz
constexpr float kStep = 0.0025f;      // decade
constexpr int32_t kKeepEvery = 16;    // steps between kept states

void setStep(float k) {
    PlotPoint& p = state.point;
    p.ff = gridPowerOfTen(k);
    p.f = static_cast<float>(static_cast<double>(p.ff) / state.speaker.FS);
}

void resetUnwrap() {
    PlotPoint& p = state.point;
    p.ss = 0.0;
    p.yy2 = 0.0f;
    p.fai = 0.0;
    p.fai2 = 0.0;
    p.prevAngle = 0.0;
}

// The page's own sweep, when it was taken on this drawing, kept the unwrap
// state at each of its points. The re-sweep's offset differs from the
// page's by whole folds where the page starts elsewhere (the Nyquist page
// from 10 kHz): the re-sweep's first point, followed on to the page's first
// point at or below it, says by how much.
const SweepBranches* pageBranches(Resweep kind, void (*point)()) {
    SweepBranches& page = state.cursor.pageBranches;
    if (page.kind != static_cast<int32_t>(kind) || page.drawing != state.cursor.pageDrawings) return nullptr;
    int32_t first = 0;
    while (first < page.count && page.at[first].k > kTop) ++first;
    if (first == page.count) return nullptr;
    if (page.aligned == 0) {
        resetUnwrap();
        setStep(kTop);
        point();
        setStep(page.at[first].k);
        point();
        page.ssOffset = state.point.ss - page.at[first].ss;
        page.aligned = 1;
    }
    return &page;
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
    const SweepBranches* page = pageBranches(kind, point);

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
        resetUnwrap();
    }
    // A point of the page's sweep lower down is a nearer start: the sweep
    // goes on from the first of its own steps below that point, as long as
    // it still takes one.
    if (page != nullptr) {
        float last = kTop;  // the step the sweep ends on
        while (logff <= last - kStep) last -= kStep;
        int32_t j = page->count - 1;
        while (j >= 0 && !(page->at[j].k > last)) --j;
        if (j >= 0 && page->at[j].k <= kTop) {
            const ResweepCheckpoint& at = page->at[j];
            float next = kTop;
            int32_t nextStep = 0;
            while (next >= at.k) {
                next -= kStep;
                ++nextStep;
            }
            if (nextStep > step) {
                p.ss = at.ss + page->ssOffset;
                p.yy2 = at.yy2;
                p.fai = at.fai;
                p.fai2 = at.fai2;
                p.prevAngle = at.prevAngle;
                k = next;
                step = nextStep;
            }
        }
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
