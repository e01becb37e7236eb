// Shared set-up of the response-engine tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "model/State.h"
#include "platform/DrawSurface.h"
#include "view/RecordingSurface.h"

namespace quendal::test {

// A driver with the given free-air values; the rest of the effective set
// is filled with plausible values.
inline void setDriver(double fs, double vas, double qts, double qms = 5.0) {
    SpeakerParameters& sp = state.speaker;
    sp.FS = fs;
    sp.VAS = vas;
    sp.QTS = qts;
    sp.QMS = qms;
    sp.QES = qts * qms / (qms - qts);
    sp.RE = 6.0;
    sp.LE = 0.0;
    sp.SD = 200.0;
    sp.VD = 100.0;
    sp.XMAX = 5.0;
    sp.DIA = 20.0;
    sp.EFI = 0.0;
    sp.PEMX = 100.0;
}

inline void selectSystem(int32_t tab, int32_t button, int32_t alignment = 1) {
    state.selection.SysSelTabNum = tab;
    state.selection.SysSelBtnNum = button;
    state.selection.Alin = alignment;
}

// Every test starts from the program's defaults with a recording surface
// installed; the box values get their initial values.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        state.box.QA = state.box.QA1 = state.box.QA2 = 10.0;
        state.box.QL = state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
        state.radiator.QP = 5.0;
        setSurfaceProvider(&provider);
    }
    void TearDown() override { setSurfaceProvider(nullptr); }

    std::vector<RecordedElement> lines() const { return provider.window.ofKind(RecordedElement::Kind::Line); }

    RecordingProvider provider;
};

}  // namespace quendal::test
