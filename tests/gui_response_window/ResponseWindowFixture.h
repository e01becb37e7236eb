// The response window's services driven headless: the layer as just
// started, the state at its defaults, a Closed Box design of the default
// driver, and the mouse through the windows' own events.
#pragma once

#include <QPoint>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "response/CofCal.h"
#include "response/SpConCal.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"

namespace quendal::test {

class ResponseWindowTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
        state.selection.SysSelTabNum = 1;
        state.selection.SysSelBtnNum = 2;  // Closed Box
        SpeakerParameters& sp = state.speaker;
        sp.s_SP = sp.s_SP2;
        SpconCal();
        CofCal();
    }
    void TearDown() override {
        platform::resetPlatform();
        resetState();
    }

    static QWindow* handle(platform::WindowNumber window) {
        return platform::qt::windowWidget(window)->windowHandle();
    }
    // A content point in the coordinates of the window's handle.
    static QPoint at(platform::WindowNumber window, int x, int y) {
        return platform::qt::contentWidget(window)->mapTo(platform::qt::windowWidget(window), QPoint(x, y));
    }
    static int height(Rect16 r) { return r.bottom - r.top; }
    static int width(Rect16 r) { return r.right - r.left; }
};

}  // namespace quendal::test
