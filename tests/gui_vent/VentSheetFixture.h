// The vent design's sheets driven headless: the layer as just started, a
// design on screen with the count menus the shell builds, alert sheets
// recorded instead of answered, and the shell's rows for the sheets' hits.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "engine/CofCal.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"
#include "support/EngineTestSupport.h"
#include "vent/VentDesignSheet.h"
#include "vent/VentRecords.h"
#include "vent/VentSetupSheet.h"
#include "vent/VentSizing.h"

namespace quendal::test {

struct SheetRecorder : platform::DialogService {
    struct Sheet {
        platform::WindowNumber window;
        std::string title, message;
    };
    void alert(std::string_view title, std::string_view message) override {
        sheets.push_back({0, std::string(title), std::string(message)});
    }
    void sheetAlert(platform::WindowNumber window, std::string_view title, std::string_view message,
                    std::function<void()> onOk) override {
        sheets.push_back({window, std::string(title), std::string(message)});
        if (onOk) onOk();
    }
    void beep() override {}
    std::vector<Sheet> sheets;
};

// What the shell's control rows do for the hits in windows 10 and 6.
int32_t ventSheetRows(const platform::ControlEvent& event, int32_t control);

class VentSheetTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
        platform::setDialogService(&recorder);
        buildCountMenus();
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

    // Menus 220 and 240 as the shell builds them.
    static void buildCountMenus() {
        platform::createMenu(kVentCountMenu, "");
        for (const char* item : {"    1", "    2", "    3", "    4", "    5", "    6", "    7", "    8", "    9", "  10"})
            platform::appendMenuItem(kVentCountMenu, item);
        platform::createMenu(kBranchedVentCountMenu, "");
        for (const char* item : {"-", "    2", "-", "    4", "-", "    6", "-", "    8"})
            platform::appendMenuItem(kBranchedVentCountMenu, item);
    }

    // A design of the system, its vents sized, and the sheet opened for
    // vent `vent` as the Vent menu does.
    void openSheet(int32_t tab, int32_t button, int32_t vent, const char* title) {
        selectSystem(tab, button);
        CofCal();
        AsVentOpt();
        state.vents.VentID = vent;
        state.vents.s_VentTitle = title;
        state.view.ReDispWnd = 1;
        ParallelVentedVentOpt();
        PreVentParameterChange();
        VentParameterBackupForCancel();
        VentDesignWnd();
        ASSERT_TRUE(platform::windowExists(kVentDesignSheet));
        for (platform::ControlNumber c : {300, 305, 307, 313, 314, 315, 316, 322, 323, 324, 325, 326, 327})
            platform::installControlHandler(kVentDesignSheet, c, ventSheetRows, c);
    }

    QWidget* widget(platform::WindowNumber window, platform::ControlNumber control) {
        return platform::qt::controlWidget(window, control);
    }
    void click(platform::WindowNumber window, platform::ControlNumber control) {
        QWidget* w = widget(window, control);
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w, Qt::LeftButton);
    }
    void type(platform::WindowNumber window, platform::ControlNumber field, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(widget(window, field));
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    double number(platform::WindowNumber window, platform::ControlNumber control) {
        return std::stod(platform::controlText(window, control));
    }

    // The labels of the window whose text does not fit its rectangle in its
    // own font (a label that wraps must fit in its height).
    std::vector<std::string> labelsThatDoNotFit(platform::WindowNumber window) {
        std::vector<std::string> out;
        for (QLabel* label : platform::qt::contentWidget(window)->findChildren<QLabel*>()) {
            const QFontMetrics metrics(label->font());
            const bool fits = metrics.horizontalAdvance(label->text()) <= label->width() &&
                              metrics.height() <= label->height();
            if (!fits) out.push_back(label->text().toStdString());
        }
        return out;
    }

    SheetRecorder recorder;
};

}  // namespace quendal::test
