// Set-up and read-out of the tests that draw whole sweeps: the program's
// default driver as the effective one, and the line segments an entry draws.
#pragma once

#include <cmath>
#include <functional>
#include <vector>

#include "model/State.h"
#include "platform/DrawSurface.h"
#include "view/RecordingSurface.h"

namespace quendal::test {

// The driver as entered (the set with suffix 2: the program's default
// driver) taken as the effective one.
inline void useEnteredDriver() {
    SpeakerParameters& sp = state.speaker;
    sp.FS = sp.FS2; sp.VAS = sp.VAS2; sp.QTS = sp.QTS2; sp.QES = sp.QES2; sp.QMS = sp.QMS2;
    sp.EFI = sp.EFI2; sp.RE = sp.RE2; sp.PEMX = sp.PEMX2; sp.VD = sp.VD2; sp.SD = sp.SD2;
    sp.XMAX = sp.XMAX2; sp.LE = sp.LE2; sp.DIA = sp.DIA2;
}

// The line segments one entry drew on the response window, and whether
// every end of them is finite.
struct Drawn {
    int segments = 0;
    bool finite = true;
    std::vector<RecordedElement> lines;
};

inline Drawn draw(const std::function<void()>& entry) {
    RecordingProvider provider;
    setSurfaceProvider(&provider);
    entry();
    setSurfaceProvider(nullptr);
    Drawn d;
    d.lines = provider.window.ofKind(RecordedElement::Kind::Line);
    for (const RecordedElement& e : d.lines) {
        ++d.segments;
        d.finite = d.finite && std::isfinite(e.x0) && std::isfinite(e.y0) && std::isfinite(e.x1) && std::isfinite(e.y1);
    }
    return d;
}

}  // namespace quendal::test
