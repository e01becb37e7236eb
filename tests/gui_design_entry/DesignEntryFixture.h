// The design-entry windows driven headless: the layer as just started, the
// state at its defaults, and alert sheets recorded instead of answered.
#pragma once

#include <string>
#include <vector>

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"
#include "support/AlertRecorder.h"

namespace quendal::test {

class DesignEntryTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
        platform::setDialogService(&recorder);
    }
    void TearDown() override {
        platform::resetPlatform();
        resetState();
    }

    // Types over what an entry field holds, as a user does.
    void type(platform::WindowNumber window, platform::ControlNumber field, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(platform::qt::controlWidget(window, field));
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    AlertRecorder recorder;
};

}  // namespace quendal::test
