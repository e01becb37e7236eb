// Where the keyboard rests after each road a keyboard-first user takes, in
// one table: the window and control that must hold it (a field with its
// whole text selected), then what the user types next and what that did.
// The rows hold offscreen and under a window system with a window manager.
#include <functional>
#include <string>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "app/AppMessages.h"
#include "gui_messages/MessagesFixture.h"
#include "gui_roads/RoadsFixture.h"
#include "support/WindowSystemSettled.h"
#include "palette/CustomPalette.h"
#include "windows/DefaultParameters.h"
#include "windows/PassiveRadiatorData.h"
#include "windows/PreferencesWindow.h"
#include "windows/SaveChangesSheet.h"

namespace quendal::test {
namespace {

using platform::qt::controlWidget;
using platform::qt::deliverCommand;

// A numbered window and its control (0: none, the window's own keys; -1:
// any), or one of the layer's questions or file dialogs.
inline constexpr int32_t kQuestion = -1, kFileDialog = -2, kAnyControl = -1;
struct Place {
    int32_t window = 0, control = 0;
};

class KeyboardRoads : public RoadsTest {
protected:
    void SetUp() override {
        RoadsTest::SetUp();
        prefs.put("InitSetupCheck", {"0"});
        platform::setClipboardService(&clipboard);
    }
    void TearDown() override {
        platform::setClipboardService(nullptr);
        RoadsTest::TearDown();
    }
    static QWindow* keys() { return QGuiApplication::focusWindow(); }
    static void type(const char* text) {
        for (const char* c = text; *c != 0; ++c)
            *c == '\r' ? QTest::keyClick(keys(), Qt::Key_Return) : QTest::keyClick(keys(), *c);
    }
    // The default driver's Vented Box, at its custom alignment (Vb and Fb
    // typed in the palette, Calc. live) or its first (Calc. dimmed).
    void ventedBox(bool custom) {
        start();
        ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kDefaultParametersWindow); }, kAtMost));
        platform::qt::dispatchControlEvent(kDefaultParametersWindow, 1, platform::ControlEventKind::Hit);
        state.selection.SysSelTabNum = 1, state.selection.SysSelBtnNum = 3;
        platform::qt::dispatchControlEvent(kSystemSelectWindow, 1, platform::ControlEventKind::Hit);
        if (custom) deliverCommand(alignmentMenuFor(1, 3), 4);
        settle();
    }
    // The window system, its window manager and the program are through
    // with what was sent (support/WindowSystemSettled.h).
    static void settle() { ASSERT_TRUE(windowSystemSettled(QDeadlineTimer(kAtMost))) << "the window manager answers"; }
    void dontSaveIfAsked() { documents.question ? documents.answer(platform::SaveChangesAnswer::DontSave) : void(); }
    static Place keyboard() {
        QWidget* active = QApplication::activeWindow();
        if (qobject_cast<QMessageBox*>(active) != nullptr) return {kQuestion, 0};
        if (qobject_cast<QFileDialog*>(active) != nullptr) return {kFileDialog, 0};
        const int32_t window = platform::activeWindow();
        return {window, platform::keyboardFocus(window)};
    }
    // Once the rule has settled: the keyboard in the place, a field there
    // with its whole text selected.
    static testing::AssertionResult keyboardIn(Place place) {
        const auto field = [] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); };
        const auto selected = [&] { return field() == nullptr || field()->selectedText() == field()->text(); };
        const auto there = [&] {
            const Place found = keyboard();
            return found.window == place.window && (place.control == kAnyControl || found.control == place.control);
        };
        if (QTest::qWaitFor([&] { return there() && selected(); }, 2000)) return testing::AssertionSuccess();
        return testing::AssertionFailure() << "in window " << keyboard().window << ", control " << keyboard().control
                                           << (selected() ? "" : ", its text not selected whole");
    }

    ClipboardDouble clipboard;
};

// Each road: the design it starts from, what the user does, where the
// keyboard must then be, what the user types next ("\r" Return), and what
// that must have done.
TEST_F(KeyboardRoads, TheKeyboardRestsWhereTheUserIs) {
    const std::string whole = radiatorRecord(), noVd = whole.substr(0, whole.size() - 5);
    const auto radiator = [this](std::string record, std::function<void()> press) {
        return [this, record, press] {
            clipboard.content = record;
            deliverCommand(kMiscMenu, 9);
            ASSERT_TRUE(keyboardIn({kPassiveRadiatorSheet, kPRManufacturerField}));
            press();
            EXPECT_FALSE(platform::isControlEnabled(kPassiveRadiatorSheet, kPRPasteButton));
        };
    };
    const auto click = [] { QTest::mouseClick(controlWidget(kPassiveRadiatorSheet, kPRPasteButton), Qt::LeftButton); };
    const auto tabAndSpace = [] {
        controlWidget(kPassiveRadiatorSheet, kPRPasteButton)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(keys(), Qt::Key_Space);
    };
    const auto altReturn = [] {
        platform::setKeyboardFocus(kPassiveRadiatorSheet, kPRFpField);
        QTest::keyClick(keys(), Qt::Key_Return, Qt::AltModifier);
    };
    const auto radiatorApplied = [] {
        EXPECT_FALSE(platform::windowExists(kPassiveRadiatorSheet));
        EXPECT_EQ(state.radiator.s_PR.str(), "PR-25");
        EXPECT_DOUBLE_EQ(state.radiator.FP, 21.5);
    };
    const auto record = [this](DriverField field) {
        return [this, field] {
            deliverCommand(kMiscMenu, 3);
            platform::setKeyboardFocus(kDefaultParametersWindow, defaultParamField(field));
            messenger.receiver({"QnDL", "TEXT", driverRecord("38")});
        };
    };
    const auto fieldReads = [](DriverField field, const char* text) {
        return [field, text] { EXPECT_EQ(platform::controlText(kDefaultParametersWindow, defaultParamField(field)), text); };
    };
    // Over Speaker Select (or System Select) with the design waiting.
    const auto over = [this](int32_t choosing, std::function<void()> dialog) {
        return [this, choosing, dialog] {
            deliverCommand(kMiscMenu, choosing == kSystemSelectWindow ? 1 : 3);
            dontSaveIfAsked();
            platform::setDocumentDialogService(nullptr);  // the layer's own question
            ASSERT_TRUE(keyboardIn({choosing, kAnyControl}));
            dialog();
        };
    };
    const auto preferences = [](int32_t box, Qt::Key close) {
        return [box, close] {
            deliverCommand(kApplicationMenu, kPreferencesItem);
            ASSERT_TRUE(keyboardIn({kPreferencesWindow, kInputPowerField}));
            if (box != 0) QTest::mouseClick(controlWidget(kPreferencesWindow, box), Qt::LeftButton);
            QTest::keyClick(keys(), close);
        };
    };
    const auto question = [] {
        state.shell.DirtyFlag = 1;  // changes no answer was given for, so that Quit asks
        state.document.DontSaveChanges.clear();
        deliverCommand(kApplicationMenu, kQuitItem);
        ASSERT_TRUE(keyboardIn({kQuestion, 0}));
        QTest::keyClick(keys(), Qt::Key_Escape);
    };
    const auto asleep = [](const char* model) {
        return [model] {
            for (const int32_t control : {kPaletteFirstField, kPaletteFirstField + 1, kPaletteCalcButton})
                EXPECT_FALSE(platform::isControlEnabled(kCustomPalette, control)) << control;
            if (*model != 0) {
                EXPECT_EQ(platform::controlText(kDefaultParametersWindow, defaultParamField(DriverField::Model)), model);
            }
        };
    };
    // A choosing window opened over the design and left by a key.
    const auto choosing = [this](int32_t item, int32_t window, Qt::Key key) {
        return [this, item, window, key] {
            deliverCommand(kMiscMenu, item);
            dontSaveIfAsked();
            ASSERT_TRUE(keyboardIn({window, kAnyControl}));
            QTest::keyClick(keys(), key);
        };
    };
    const auto fromDocument = [this] {
        const std::string file = folder.filePath("Box.qndl").toStdString();
        deliverCommand(kFileMenu, 6);
        documents.saveTo(file);
        deliverCommand(kFileMenu, 3);
        deliverCommand(kFileMenu, 2);
        documents.openFile(file);
    };
    const auto calculated = [](double volume) {  // and no snapshot asked where to go
        return [volume] {
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            if (volume > 0.0) {
                EXPECT_DOUBLE_EQ(state.box.VB1, volume);
            }
        };
    };
    // The driver database's Quit over what stands, its question answered
    // Save by Return: the save dialog's name takes what is typed.
    const auto siblingsQuit = [this](std::function<void()> standing) {
        return [this, standing] {
            platform::setDocumentDialogService(nullptr);
            state.shell.DirtyFlag = 1;
            standing();
            settle();
            ReceiveAppMessage({std::string(vocabulary::kFromOrvanel), "TEXT", std::string(vocabulary::kQuitFromOrvanel)});
            ASSERT_TRUE(keyboardIn({kSaveChangesSheet, kSaveChangesSaveButton}));
            QTest::keyClick(keys(), Qt::Key_Return);
        };
    };
    const auto snapshotDialog = [] {
        platform::qt::dispatchControlEvent(kCustomPalette, kPaletteSnapButton, platform::ControlEventKind::Hit);
        ASSERT_TRUE(keyboardIn({kFileDialog, 0}));
    };
    const auto nameTyped = [] {
        auto* name = QApplication::activeWindow()->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(QApplication::focusWidget(), name);
        EXPECT_EQ(name->text().toStdString(), "Typed");
        QTest::keyClick(keys(), Qt::Key_Escape);
    };
    // Vb typed in the palette and not yet calculated, then a window that
    // stands over the design, left by Escape: the palette keeps the text.
    const auto typedThen = [this](std::function<void()> standing, int32_t window) {
        return [this, standing, window] {
            ASSERT_TRUE(keyboardIn({kCustomPalette, kPaletteFirstField}));
            type("77");
            standing();
            dontSaveIfAsked();
            ASSERT_TRUE(keyboardIn({window, kAnyControl}));
            QTest::keyClick(keys(), Qt::Key_Escape);
        };
    };
    const auto driverArrives = [this] { messenger.receiver({"QnDL", "TEXT", driverRecord("38")}); };
    // The palette, with nothing to type into at this alignment, chosen by
    // the user: from the Window menu (even just after the program brought it
    // forward), or clicked and then brought forward by the program.
    const auto paletteFromTheWindowMenu = [] {
        platform::selectWindow(kCustomPalette);
        platform::refreshWindowMenu();  // as the menu does when it opens
        for (QAction* item : platform::qt::menuWidget(kWindowMenu)->actions())
            if (item->text().contains("Custom Palette")) item->trigger();
    };
    const auto paletteClickedThenBroughtForward = [] {
        QWidget* palette = platform::qt::contentWidget(kCustomPalette);
        QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(3, palette->height() - 3));  // an empty spot
        ASSERT_TRUE(keyboardIn({kCustomPalette, 0}));
        platform::selectWindow(kCustomPalette);
    };
    const auto nothing = [] {};
    const Place speaker{kDefaultParametersWindow, defaultParamField(DriverField::Model)};
    const Place system{kSystemSelectWindow, kAnyControl};
    const struct Road {
        const char* name;
        bool custom;
        std::function<void()> event;
        Place where;
        const char* typed;
        std::function<void()> check;
    } roads[] = {
        {"Paste Parameters clicked", false, radiator(whole, click), {kPassiveRadiatorSheet, kPRManufacturerField}, "\r", radiatorApplied},
        {"Paste Parameters by Tab and Space", false, radiator(whole, tabAndSpace), {kPassiveRadiatorSheet, kPRManufacturerField}, "\r", radiatorApplied},
        {"Paste Parameters by Alt+Return in Fp", false, radiator(whole, altReturn), {kPassiveRadiatorSheet, kPRFpField}, "\r", radiatorApplied},
        {"a record without Vd clicked", false, radiator(noVd, click), {kPassiveRadiatorSheet, kPRVdField}, "360\r", radiatorApplied},
        {"a record without Vd by Tab and Space", false, radiator(noVd, tabAndSpace), {kPassiveRadiatorSheet, kPRVdField}, "360\r", radiatorApplied},
        {"a record into Model Name", false, record(DriverField::Model), speaker, "X", fieldReads(DriverField::Model, "X")},
        {"a record into Fs", false, record(DriverField::FS), {kDefaultParametersWindow, defaultParamField(DriverField::FS)}, "45", fieldReads(DriverField::FS, "45")},
        {"Speaker Select, Preferences' power turned, Escape", true, over(kDefaultParametersWindow, preferences(kInputPowerCheckBox, Qt::Key_Escape)), speaker, "60", asleep("60")},
        {"Speaker Select, Preferences' power turned, Return", true, over(kDefaultParametersWindow, preferences(kInputPowerCheckBox, Qt::Key_Return)), speaker, "60", asleep("60")},
        {"Speaker Select, Preferences' levels turned", true, over(kDefaultParametersWindow, preferences(kMagniCheckBox, Qt::Key_Escape)), speaker, "", asleep("")},
        {"Speaker Select, Preferences unchanged", true, over(kDefaultParametersWindow, preferences(0, Qt::Key_Escape)), speaker, "", asleep("")},
        {"Speaker Select, the save question", true, over(kDefaultParametersWindow, question), speaker, "", asleep("")},
        {"System Select, Preferences' power turned, Escape", true, over(kSystemSelectWindow, preferences(kInputPowerCheckBox, Qt::Key_Escape)), system, "", asleep("")},
        {"System Select, Preferences' power turned, Return", true, over(kSystemSelectWindow, preferences(kInputPowerCheckBox, Qt::Key_Return)), system, "", asleep("")},
        {"System Select, Preferences' levels turned", true, over(kSystemSelectWindow, preferences(kMagniCheckBox, Qt::Key_Escape)), system, "", asleep("")},
        {"System Select, the save question", true, over(kSystemSelectWindow, question), system, "", asleep("")},
        {"a design from System Select", true, choosing(1, kSystemSelectWindow, Qt::Key_Return), {kResponseWindow, 0}, "\r", calculated(0.0)},
        {"a design from its document", false, fromDocument, {kResponseWindow, 0}, "\r", calculated(0.0)},
        {"a custom design from its document", true, fromDocument, {kCustomPalette, kPaletteFirstField}, "77\r", calculated(77.0)},
        {"a design given back by Speaker Select", false, choosing(3, kDefaultParametersWindow, Qt::Key_Escape), {kResponseWindow, 0}, "\r", calculated(0.0)},
        {"a design given back by Speaker Select's OK", false, choosing(3, kDefaultParametersWindow, Qt::Key_Return), {kResponseWindow, 0}, "\r", calculated(0.0)},
        {"a custom design given back", true, choosing(3, kDefaultParametersWindow, Qt::Key_Escape), {kCustomPalette, kPaletteFirstField}, "77\r", calculated(77.0)},
        {"Vb typed, Speaker Select, Escape", true, typedThen([] { deliverCommand(kMiscMenu, 3); }, kDefaultParametersWindow), {kCustomPalette, kPaletteFirstField}, "\r", calculated(77.0)},
        {"Vb typed, a driver record, Escape", true, typedThen(driverArrives, kSystemSelectWindow), {kCustomPalette, kPaletteFirstField}, "\r", calculated(77.0)},
        {"the palette picked from the Window menu", false, paletteFromTheWindowMenu, {kCustomPalette, 0}, "", nothing},
        {"the palette clicked, then brought forward", false, paletteClickedThenBroughtForward, {kCustomPalette, 0}, "", nothing},
        {"the sibling's Quit over Vent Design", false, siblingsQuit([] { deliverCommand(kOneVentMenu, 1); }), {kFileDialog, 0}, "Typed", nameTyped},
        {"the sibling's Quit over Speaker Connect", false, siblingsQuit([] { deliverCommand(kMiscMenu, 6); }), {kFileDialog, 0}, "Typed", nameTyped},
        {"the sibling's Quit over the radiator sheet", false, siblingsQuit([] { deliverCommand(kMiscMenu, 9); }), {kFileDialog, 0}, "Typed", nameTyped},
        {"the sibling's Quit over the snapshot's dialog", false, siblingsQuit(snapshotDialog), {kFileDialog, 0}, "Typed", nameTyped},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        TearDown();
        SetUp();
        ventedBox(road.custom);
        road.event();
        EXPECT_TRUE(keyboardIn(road.where));
        type(road.typed);
        settle();
        road.check();
    }
}

}  // namespace
}  // namespace quendal::test
