// The custom palette driven headless: the layer as just started, the
// palette's menus built as the shell builds them, a response window on the
// screen, the default driver in use, and alerts, sheets and beeps recorded
// instead of answered.
#pragma once

#include <string>
#include <vector>

#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "model/ParameterPasses.h"
#include "response/CofCal.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "palette/CustomPalette.h"
#include "palette/CustomPaletteCalc.h"
#include "palette/CustomPaletteDisplay.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"
#include "support/AlertRecorder.h"
#include "PaletteMenus.h"

namespace quendal::test {

class CustomPaletteTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
        platform::setDialogService(&dialogs);
        buildPaletteMenus();
        ASSERT_TRUE(platform::createWindow(kResponseWindow, platform::WindowKind::Document, kResponse, "Response"));
        platform::showWindow(kResponseWindow);
        // The default driver in use, the initial loss factors and popups.
        SpeakerParameters& sp = state.speaker;
        sp.FS = sp.FS2, sp.VAS = sp.VAS2, sp.QTS = sp.QTS2, sp.QES = sp.QES2, sp.QMS = sp.QMS2;
        sp.EFI = sp.EFI2, sp.RE = sp.RE2, sp.PEMX = sp.PEMX2, sp.VD = sp.VD2, sp.SD = sp.SD2;
        sp.XMAX = sp.XMAX2, sp.LE = sp.LE2;
        BoxParameters& box = state.box;
        box.QA = box.QA1 = box.QA2 = 10.0;
        box.QL = box.QL1 = box.QL2 = box.QL3 = 7.0;
        state.radiator.QP = 5.0;
        box.PopupItem1 = box.PopupItem2 = box.PopupItem3 = box.PopupItem4 = box.PopupItem5 = 3;
    }
    void TearDown() override {
        platform::resetPlatform();
        resetState();
    }

    // A design of system (tab, button) computed at its first alignment and
    // accepted, then switched to alignment `alin` with the palette shown, as
    // the start of a design and the Alignment menu leave it.
    void open(int32_t tab, int32_t button, int32_t alin) {
        state.selection.SysSelTabNum = tab;
        state.selection.SysSelBtnNum = button;
        state.selection.Alin = 1;
        CofCal();
        accept();
        state.selection.Alin = alin;
        CustomFloatPalet();
        CustomPaletDisp();
    }

    // The current values become the last accepted ones, as the backup after
    // every plot makes them: rounded as they are kept, then copied.
    static void accept() { BoxParameterBackup(); }

    static QLineEdit* field(platform::ControlNumber id) {
        return qobject_cast<QLineEdit*>(platform::qt::controlWidget(kCustomPalette, id));
    }
    static QWindow* paletteHandle() { return platform::qt::windowWidget(kCustomPalette)->windowHandle(); }

    // Types over what an entry field holds, key by key into the palette.
    void type(platform::ControlNumber id, const QString& text) {
        QLineEdit* edit = field(id);
        ASSERT_NE(edit, nullptr);
        platform::setKeyboardFocus(kCustomPalette, id);
        edit->selectAll();
        QTest::keyClick(paletteHandle(), Qt::Key_Backspace);
        for (QChar c : text) QTest::keyClick(paletteHandle(), c.toLatin1());
    }

    static constexpr Rect16 kResponse{60, 20, 450, 560};  // top, left, bottom, right: room on its right
    AlertRecorder dialogs;
};

}  // namespace quendal::test
