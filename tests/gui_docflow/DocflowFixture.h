// The design flow's tests begin with the shell's handlers, the state at its
// defaults and a Vented Box design in its response window, with doubles for
// the document dialogs, the messages, the alerts and the preferences.
#pragma once

#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/CommandDispatch.h"
#include "app/ControlHits.h"
#include "app/DesignDocument.h"
#include "app/DesignFlow.h"
#include "app/DocumentFiles.h"
#include "app/MenuBar.h"
#include "model/ParameterPasses.h"
#include "app/PopupMenus.h"
#include "app/UnsavedChanges.h"
#include "app/WindowEvents.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "support/DocumentDialogDoubles.h"
#include "support/MessagingDoubles.h"
#include "support/ShellServiceDoubles.h"

namespace quendal::test {

// The layer's own dialog of that kind on the screen, if any.
template <typename Dialog>
Dialog* shown() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Dialog*>(widget); dialog != nullptr && dialog->isVisible()) return dialog;
    return nullptr;
}

// Clicks the button of that text, as the user does; the "&" before the
// letter Alt presses a button with is not part of the text read.
inline void clickButton(QMessageBox* box, const char* text) {
    for (QAbstractButton* button : box->buttons())
        if (QString(button->text()).remove(QLatin1Char('&')) == QLatin1String(text)) button->click();
}

class DocflowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        documentDialogs = ScriptedDocumentDialogs{};
        messenger = RecordingMessenger{};
        alerts = RecordingDialogs{};
        preferences = MemoryPreferences{};
        resetState();
        platform::resetPlatform();
        platform::setDocumentDialogService(&documentDialogs);
        platform::setMessageService(&messenger);
        platform::setDialogService(&alerts);
        platform::setPreferenceStore(&preferences);
        BuildPopupMenu();
        InstallApplicationHandler();
        platform::setDefaultHandlers(WindowEventHandler, ControlHitHandler);
        InitItemBoxParameters();
        OriginalBoxParametersPass();  // the design's driver in use
        state.selection.SysSelBtnNum = 3;
        state.selection.InitSysType = 2;
        state.speaker.s_SP = "Woofer-8";
        state.box.VB = 42.0;
        ASSERT_TRUE(platform::createWindow(kResponseWindow, platform::WindowKind::Document, Rect16{100, 100, 490, 640},
                                           state.shell.DocFileName.view()));
        platform::showWindow(kResponseWindow);
        InitMenu16();
    }
    void TearDown() override {
        platform::resetPlatform();
        platform::setDocumentDialogService(nullptr);
        platform::setMessageService(nullptr);
        platform::setDialogService(nullptr);
        platform::setPreferenceStore(nullptr);
        resetState();
    }

    // The design bound to the document `file`, saved and unchanged.
    void bindTo(const std::string& file) {
        put(file, encodeDesignDocument(state));
        const DocumentResult read = ClikOpenDocmFile(file);
        ASSERT_TRUE(read.ok()) << read.description;
        BindResponseWindowToDocument(file);
    }
    // A change that the unsaved-changes model notices.
    static void change() {
        state.box.VB += 5.0;
        DirtyCheckSpParamCheck();
    }
    std::string path(const char* name) const { return QDir(folder.path()).filePath(QString::fromUtf8(name)).toStdString(); }
    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void put(const std::string& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }
    static std::string documentWith(const std::function<void(ProgramState&)>& edit) {
        ProgramState design = state;
        edit(design);
        return encodeDesignDocument(design);
    }
    std::vector<std::string> sent() const { return messenger.texts(); }
    // Whether the program asked to quit: such a quit ends the event loop at
    // once with status 0, else it runs until the 7 queued here. The loop
    // leaves the layer as just started: the last check of a test.
    static bool quitAsked() {
        QTimer other;
        other.setSingleShot(true);
        QObject::connect(&other, &QTimer::timeout, [] { platform::quitApplication(7); });
        other.start(0);
        return platform::runEventLoop() == 0;
    }

    QTemporaryDir folder;
    ScriptedDocumentDialogs documentDialogs;
    RecordingMessenger messenger;
    RecordingDialogs alerts;
    MemoryPreferences preferences;
};

}  // namespace quendal::test
