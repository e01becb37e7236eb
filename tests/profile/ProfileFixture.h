// The System Profile page drawn on the recording surface, and ways to find
// what was drawn on it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/State.h"
#include "view/RecordingSurface.h"

namespace quendal::test {

using Kind = RecordedElement::Kind;

class ProfileTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        setSurfaceProvider(&provider);
        state.draw.ClippingFlag = 1;
        state.view.s_Resp = "sys";
    }
    void TearDown() override {
        setSurfaceProvider(nullptr);
        resetState();
    }

    void select(int32_t tab, int32_t button) {
        state.selection.SysSelTabNum = tab;
        state.selection.SysSelBtnNum = button;
    }
    // Drawing on paper goes to the page, on the screen to the window.
    RecordingSurface& surface() { return state.draw.DoPrint != 0 ? provider.page : provider.window; }

    std::vector<RecordedElement> texts(const std::string& text) {
        std::vector<RecordedElement> found;
        for (const RecordedElement& e : surface().ofKind(Kind::Text))
            if (e.text == text) found.push_back(e);
        return found;
    }
    // The one text drawn on that baseline starting left of x 500 and right
    // of x 300: the value of a row.
    std::optional<RecordedElement> valueOn(double baseline) {
        for (const RecordedElement& e : surface().ofKind(Kind::Text))
            if (e.y0 == baseline && e.x0 > 300 && e.x0 < 480 && e.fontRow == 5) return e;
        return std::nullopt;
    }
    std::vector<RecordedElement> rects() { return surface().ofKind(Kind::Rect); }
    std::vector<RecordedElement> lines() { return surface().ofKind(Kind::Line); }

    RecordingProvider provider;
};

}  // namespace quendal::test
