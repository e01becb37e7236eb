// The vent design's sheets driven headless: the layer as just started, a
// design on screen with the count menus the shell builds, alert sheets
// recorded instead of answered, and the shell's rows for the sheet's hits.
#pragma once

#include <string>
#include <vector>

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "app/PopupMenus.h"
#include "response/CofCal.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"
#include "support/AlertRecorder.h"
#include "support/EngineTestSupport.h"
#include "vent/VentDesignSheet.h"
#include "response/VentRecords.h"
#include "vent/VentSetupSheet.h"
#include "response/VentSizing.h"

namespace quendal::test {

// Sheets answered OK at once; application alerts not kept.
struct SheetRecorder : AlertRecorder {
    void alert(std::string_view, std::string_view) override {}
    void sheetAlert(platform::WindowNumber w, std::string_view t, std::string_view m,
                    std::function<void()> ok) override {
        AlertRecorder::sheetAlert(w, t, m, std::move(ok));
        pressOk();
    }
};

// What the shell's rows do for the hits in the Vent Design sheet.
int32_t ventSheetRows(const platform::ControlEvent& event, int32_t control);

class VentSheetTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
        platform::setDialogService(&recorder);
        // The count menus as the shell builds them.
        BuildVentNumPopupMenu();
        BuildVentNumPopupMenuPV();
        ASSERT_TRUE(platform::createWindow(kResponseWindow, platform::WindowKind::Document, {100, 300, 490, 840},
                                           "Response"));
        platform::showWindow(kResponseWindow);
        setDriver(40.0, 50.0, 0.4, 4.0);
        state.box.QL = state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
        state.box.QA = state.box.QA1 = state.box.QA2 = 10.0;
    }
    void TearDown() override {
        platform::resetPlatform();
        platform::setDialogService(nullptr);
        resetState();
    }

    // A design of the system with its vents sized, and the sheet opened for
    // vent `vent` as the Vent menu opens it.
    void openSheet(int32_t tab, int32_t button, int32_t vent, const char* title, int32_t alignment = 1) {
        selectSystem(tab, button, alignment);
        CofCal();
        AsVentOpt();
        state.vents.VentID = vent;
        state.shell.s_VentTitle = title;
        ParallelVentedVentOpt();
        PreVentParameterChange();
        VentParameterBackupForCancel();
        VentDesignWnd();
        ASSERT_TRUE(platform::windowExists(kVentDesignSheet));
        for (platform::ControlNumber c : {300, 305, 307, 313, 314, 322, 323, 324, 325, 326})
            platform::installControlHandler(kVentDesignSheet, c, ventSheetRows, c);
    }

    QWidget* widget(platform::WindowNumber window, platform::ControlNumber control) {
        return platform::qt::controlWidget(window, control);
    }
    void click(platform::WindowNumber window, platform::ControlNumber control) {
        ASSERT_NE(widget(window, control), nullptr);
        QTest::mouseClick(widget(window, control), Qt::LeftButton);
    }
    void type(platform::WindowNumber window, platform::ControlNumber field, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(widget(window, field));
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    SheetRecorder recorder;
};

}  // namespace quendal::test
