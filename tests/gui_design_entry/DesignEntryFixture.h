// The design-entry windows driven headless: the layer as just started, the
// state at its defaults, and alert sheets recorded instead of answered.
#pragma once

#include <string>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
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
        // A character beyond ASCII arrives as the text of its key event, as
        // a desktop's keyboard layout or input method sends it.
        for (const QChar ch : text) {
            if (ch.unicode() < 0x20 || ch.unicode() == 0x7F) {  // a control character reaches a line field only pasted
                QGuiApplication::clipboard()->setText(QString(ch));
                QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
                QGuiApplication::clipboard()->clear();
                continue;
            }
            if (ch.unicode() < 0x80) {
                QTest::keyClicks(edit, QString(ch));
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(edit, &press);
            QApplication::sendEvent(edit, &release);
        }
    }

    AlertRecorder recorder;
};

}  // namespace quendal::test
