// The shell as started: its menus, its command handler and the default
// handlers of windows and controls, with the state at its defaults.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include "app/CommandDispatch.h"
#include "app/ControlHits.h"
#include "app/MenuBar.h"
#include "app/PopupMenus.h"
#include "app/WindowEvents.h"
#include "model/ParameterPasses.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"

namespace quendal::test {

class ShellTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
        BuildPopupMenu();
        InstallApplicationHandler();
        platform::setDefaultHandlers(WindowEventHandler, ControlHitHandler);
        InitMenu11();
    }
    void TearDown() override {
        // A dialog a test left asking is answered Cancel: the next test
        // starts with none shown, and so with its palettes on the screen.
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible()) dialog->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::resetPlatform();
        resetState();
    }

    // A design of the system on screen as far as menus go.
    void designOf(int32_t tab, int32_t button) {
        // The start-up driver in use and the loss factors a design starts
        // with: an alignment builds a real box from them.
        InitItemBoxParameters();
        OriginalBoxParametersPass();
        state.selection.SysSelTabNum = tab;
        state.selection.SysSelBtnNum = button;
        state.speaker.VD = 100.0;
        state.speaker.QMS = 5.0;
        state.speaker.RE = 6.0;
        InitMenu16();
    }

    void openWindow(int32_t window, platform::WindowKind kind, int32_t parent = 0) {
        ASSERT_TRUE(platform::createWindow(window, kind, Rect16{100, 100, 400, 500}, "Window", parent));
        platform::showWindow(window);
    }

    QWindow* handleOf(int32_t window) { return platform::qt::windowWidget(window)->windowHandle(); }

    bool enabled(int32_t menu, int32_t item) { return platform::isMenuItemEnabled(menu, item); }
    bool checked(int32_t menu, int32_t item) { return platform::isMenuItemChecked(menu, item); }

    // True when the program asked to quit: a quit asked for ends the loop at
    // once with its status, else the loop runs until the 7 queued here.
    bool quitAsked() {
        QTimer::singleShot(0, [] { platform::quitApplication(7); });
        return platform::runEventLoop() != 7;
    }
};

}  // namespace quendal::test
