// The program as a user starts it, with the desktop's services replaced by
// doubles (AppTest), alert sheets kept with their OK, document dialogs
// answered by the test, no version check on the way, and a folder of its
// own for the designs saved.
#pragma once

#include <QTemporaryDir>

#include "gui_app/AppFixture.h"
#include "support/AlertRecorder.h"
#include "support/DocumentDialogDoubles.h"

namespace quendal::test {

class RoadsTest : public AppTest {
protected:
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
