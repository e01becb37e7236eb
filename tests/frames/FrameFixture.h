// What the frame tests share: a fresh state, a recording surface, and ways
// to find what was drawn.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/State.h"
#include "view/RecordingSurface.h"

namespace quendal::test {

using Kind = RecordedElement::Kind;

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        setSurfaceProvider(&provider);
        state.selection.SysSelTabNum = 1;
        state.selection.SysSelBtnNum = 2;  // Closed Box
    }
    void TearDown() override { setSurfaceProvider(nullptr); }

    RecordingSurface& screen() { return provider.window; }

    std::vector<RecordedElement> texts() const { return provider.window.ofKind(Kind::Text); }
    std::vector<RecordedElement> lines() const { return provider.window.ofKind(Kind::Line); }
    std::vector<RecordedElement> rects() const { return provider.window.ofKind(Kind::Rect); }

    std::vector<std::string> textStrings() const {
        std::vector<std::string> out;
        for (const auto& t : texts()) out.push_back(t.text);
        return out;
    }

    // The first text drawn with exactly these bytes; fails the test if none.
    RecordedElement textNamed(const std::string& bytes) const {
        for (const auto& t : texts())
            if (t.text == bytes) return t;
        ADD_FAILURE() << "no text \"" << bytes << "\"";
        return {};
    }
    bool hasText(const std::string& bytes) const {
        for (const auto& t : texts())
            if (t.text == bytes) return true;
        return false;
    }

    // The texts at baseline y, left to right as drawn.
    std::vector<RecordedElement> textsAt(double y) const {
        std::vector<RecordedElement> out;
        for (const auto& t : texts())
            if (t.y0 == y) out.push_back(t);
        return out;
    }

    // y of the horizontal lines that span the plot from x 45 to x 505 (or further).
    std::vector<double> horizontalRows() const {
        std::vector<double> out;
        for (const auto& l : lines())
            if (l.y0 == l.y1 && l.x0 == 45.0 && l.x1 >= 505.0) out.push_back(l.y0);
        return out;
    }

    RecordingProvider provider;
};

// The labels of a column of texts at one x range, top to bottom.
inline bool near(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

}  // namespace quendal::test
