// What the response page tests share: the program's default driver in a
// chosen system, a recording surface for the window and the print page, and
// a windowing layer that keeps the controls the page makes.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "response/CofCal.h"
#include "model/State.h"
#include "support/DrawnCurves.h"
#include "view/RecordingSurface.h"

namespace quendal::test {

using Kind = RecordedElement::Kind;

// A system by tab and button, with a name for the test output.
struct System {
    int32_t tab, button;
    const char* name;
};
inline std::ostream& operator<<(std::ostream& os, const System& s) { return os << s.name; }

class ResponsePageTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        resetFakePlatform();
        useEnteredDriver();
        state.box.QA = state.box.QA1 = state.box.QA2 = 10.0;
        state.box.QL = state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
        state.radiator.QP = 5.0;
        state.vents.SV11 = state.vents.SV22 = state.vents.SV33 = 0.005;  // m^2, vents of 50 cm^2
        state.cursor.detailTriBtn = 1;  // the read-outs shown
        setSurfaceProvider(&provider);
    }
    void TearDown() override { setSurfaceProvider(nullptr); }

    // The system with its first alignment, its box values computed.
    void useSystem(const System& s) {
        state.selection.SysSelTabNum = s.tab;
        state.selection.SysSelBtnNum = s.button;
        state.selection.Alin = 1;
        CofCal();
    }

    std::vector<RecordedElement> drawn(Kind kind) const { return provider.window.ofKind(kind); }
    // Texts drawn with their baseline at y, in drawing order.
    std::vector<RecordedElement> textsAt(double y) const {
        std::vector<RecordedElement> out;
        for (const auto& t : drawn(Kind::Text))
            if (t.y0 == y) out.push_back(t);
        return out;
    }
    // The texts of the last read-out drawn: value and frequency (or time).
    std::vector<std::string> readOut() const {
        const auto texts = textsAt(39.0);
        std::vector<std::string> out;
        for (size_t i = texts.size() >= 2 ? texts.size() - 2 : 0; i < texts.size(); ++i) out.push_back(texts[i].text);
        return out;
    }

    RecordingProvider provider;
    FakePlatform& layer = fakePlatform();
};

}  // namespace quendal::test
