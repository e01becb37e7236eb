// The program as a user starts it, with the desktop's services replaced by
// doubles (AppTest), alert sheets kept with their OK, document dialogs
// answered by the test, no version check on the way, and a folder of its
// own for the designs saved.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>

#include "gui_app/AppFixture.h"
#include "support/AlertRecorder.h"
#include "support/DocumentDialogDoubles.h"

namespace quendal::test {

// How long a wait for the program may last at most: a wait is for a
// condition, never for a time, and only a program that never meets it
// reaches this, however busy the machine.
inline constexpr int kAtMost = 60000;  // ms

class RoadsTest : public AppTest {
protected:
    // A driver record that waited for a dialog is taken at the program's
    // next look once the dialog has gone: true once no record waits.
    static bool recordTaken() {
        return QTest::qWaitFor([] { return state.messages.DriverRecordWaitsFlag == 0; }, kAtMost);
    }

    // The default driver's Vented Box at its first alignment: the program
    // started, Speaker Select's OK, System Select's Vented Box.
    void openVentedBox() {
        start();
        ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kDefaultParametersWindow); }, kAtMost));
        ASSERT_TRUE(platform::controlExists(kDefaultParametersWindow, 1));
        platform::qt::dispatchControlEvent(kDefaultParametersWindow, 1, platform::ControlEventKind::Hit);
        state.selection.SysSelTabNum = 1;
        state.selection.SysSelBtnNum = 3;
        ASSERT_TRUE(platform::controlExists(kSystemSelectWindow, 1));
        platform::qt::dispatchControlEvent(kSystemSelectWindow, 1, platform::ControlEventKind::Hit);
        ASSERT_TRUE(platform::windowExists(kResponseWindow));
    }

    // The save question on the screen, if it is.
    static QMessageBox* question() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) return box;
        return nullptr;
    }

    void SetUp() override {
        AppTest::SetUp();
        platform::setDialogService(&alerts);
        platform::setDocumentDialogService(&documents);
        prefs.put("UpdateForCheck", {"0"});
        ASSERT_TRUE(folder.isValid());
    }
    void TearDown() override {
        platform::setDocumentDialogService(nullptr);
        AppTest::TearDown();
    }

    AlertRecorder alerts;
    ScriptedDocumentDialogs documents;
    QTemporaryDir folder;
};

}  // namespace quendal::test
