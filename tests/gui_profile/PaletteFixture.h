// The System Info palette's tests begin with the layer as just started, a
// response window on the screen and a closed-box design.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/State.h"
#include "platform/Platform.h"

namespace quendal::test {

class PaletteTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
        state.selection.SysSelTabNum = 1;
        state.selection.SysSelBtnNum = 2;
        state.speaker.s_SP = "Test20-04";
        state.ref.SPL = 88.26;
        ASSERT_TRUE(platform::createWindow(7, platform::WindowKind::Document, kResponse, "Response"));
        platform::showWindow(7);
    }
    void TearDown() override {
        platform::resetPlatform();
        platform::setResourceFolder("");
        resetState();
    }

    static constexpr Rect16 kResponse{100, 400, 490, 940};  // top, left, bottom, right
    QTemporaryDir folder;
};

}  // namespace quendal::test
