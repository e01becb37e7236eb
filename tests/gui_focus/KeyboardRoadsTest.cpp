// Where the keyboard rests after each road a keyboard-first user takes:
// windows, sheets, questions and file dialogs opened and closed, controls
// dimmed and refilled, designs opened. Each row ends with the window and
// control that must hold the keyboard, a field with its whole text
// selected, and then types what the user types next. The rows hold
// offscreen and under a window system with a window manager alike.
#include <functional>
#include <optional>
#include <string>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/AppMessages.h"
#include "app/CommandDispatch.h"
#include "gui_messages/MessagesFixture.h"
#include "gui_roads/RoadsFixture.h"
#include "model/MessageVocabulary.h"
#include "palette/CustomPalette.h"
#include "windows/SaveChangesSheet.h"
#include "windows/DefaultParameters.h"
#include "windows/PassiveRadiatorData.h"
#include "windows/PreferencesWindow.h"

namespace quendal::test {
namespace {

using platform::qt::controlWidget;
using platform::qt::deliverCommand;

// Where the keyboard is: a numbered window and its control (0: none, the
// window's own keys), or one of the layer's questions or file dialogs.
inline constexpr int32_t kQuestion = -1;
inline constexpr int32_t kFileDialog = -2;

struct Place {
    int32_t window = 0;
    int32_t control = 0;
};

// Snapshots asked for: none must be, unasked.
class CountingImageSaving : public platform::ImageSaveService {
public:
    void askPngPath(platform::WindowNumber, std::string_view, std::string_view, std::string_view,
                    std::function<void(std::optional<std::string>)>) override {
        ++asked;
    }
    void askStopOrContinue(std::string_view, std::string_view, std::function<void(bool)>) override {}
    int asked = 0;
};

class KeyboardRoads : public RoadsTest {
protected:
    void SetUp() override {
        RoadsTest::SetUp();
        prefs.put("InitSetupCheck", {"0"});
        platform::setClipboardService(&clipboard);
        platform::setImageSaveService(&snapshots);
    }
    void TearDown() override {
        platform::setImageSaveService(nullptr);
        platform::setClipboardService(nullptr);
        RoadsTest::TearDown();
    }
    static void hit(int32_t window, int32_t control) {
        ASSERT_TRUE(platform::controlExists(window, control)) << window << " " << control;
        platform::qt::dispatchControlEvent(window, control, platform::ControlEventKind::Hit);
    }
    static QWindow* keys() { return QGuiApplication::focusWindow(); }
    // Typed key by key into the window with the keyboard.
    static void type(const char* text) {
        for (const char* c = text; *c != 0; ++c) QTest::keyClick(keys(), *c);
    }
    // The default driver's Vented Box at its first alignment, or at its
    // custom alignment, where the palette takes Vb and Fb.
    void ventedBox(bool custom = false) {
        start();
        ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kDefaultParametersWindow); }, kAtMost));
        hit(kDefaultParametersWindow, 1);
        state.selection.SysSelTabNum = 1;
        state.selection.SysSelBtnNum = 3;
        hit(kSystemSelectWindow, 1);
        ASSERT_TRUE(platform::windowExists(kResponseWindow));
        if (custom) deliverCommand(alignmentMenuFor(1, 3), 4);
        settled();
    }
    // A custom design has unsaved changes: a road that replaces it asks first.
    void dontSaveIfAsked() {
        if (documents.question) documents.answer(platform::SaveChangesAnswer::DontSave);
    }
    // Once the event loop has turned: the palettes back and the keyboard placed.
    static void settled() { QTest::qWait(50); }

    // Where the keyboard is now.
    static Place keyboard() {
        QWidget* active = QApplication::activeWindow();
        if (qobject_cast<QMessageBox*>(active) != nullptr) return {kQuestion, 0};
        if (qobject_cast<QFileDialog*>(active) != nullptr) return {kFileDialog, 0};
        const int32_t window = platform::activeWindow();
        return {window, platform::keyboardFocus(window)};
    }
    // Waits until the keyboard is in the place, the field there with its
    // whole text selected; false, with what was found, when it never comes.
    static testing::AssertionResult keyboardIn(Place place) {
        const auto selectedWhole = [] {
            auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            return field == nullptr || field->selectedText() == field->text();
        };
        static_cast<void>(QTest::qWaitFor(
            [&] {
                const Place found = keyboard();
                return found.window == place.window && found.control == place.control && selectedWhole();
            },
            2000));
        const Place found = keyboard();
        if (found.window != place.window || found.control != place.control)
            return testing::AssertionFailure() << "the keyboard is in window " << found.window << ", control "
                                               << found.control;
        if (!selectedWhole()) {
            auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            return testing::AssertionFailure() << "the field holds \"" << field->text().toStdString()
                                               << "\" with \"" << field->selectedText().toStdString()
                                               << "\" selected";
        }
        return testing::AssertionSuccess();
    }

    ClipboardDouble clipboard;
    CountingImageSaving snapshots;
};

// The radiator sheet over the design, Paste Parameters pressed one way or
// another: the button dims, and the keyboard goes to the first field left
// empty, else the first field, never to Cancel; Return then applies.
TEST_F(KeyboardRoads, PasteParametersLeavesTheKeyboardInTheSheetsFieldsAndReturnApplies) {
    const std::string whole = radiatorRecord(), withoutVd = whole.substr(0, whole.size() - 5);
    struct Row {
        const char* name;
        std::string record;
        std::function<void()> press;
        Place where;
        const char* typed;
    };
    const auto clicked = [] { QTest::mouseClick(controlWidget(kPassiveRadiatorSheet, kPRPasteButton), Qt::LeftButton); };
    const auto tabbedAndSpace = [] {
        controlWidget(kPassiveRadiatorSheet, kPRPasteButton)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(keys(), Qt::Key_Space);
    };
    const auto altReturn = [] {
        platform::setKeyboardFocus(kPassiveRadiatorSheet, kPRFpField);
        QTest::keyClick(keys(), Qt::Key_Return, Qt::AltModifier);
    };
    const Row rows[] = {
        {"clicked", whole, clicked, {kPassiveRadiatorSheet, kPRManufacturerField}, ""},
        {"by Tab and Space", whole, tabbedAndSpace, {kPassiveRadiatorSheet, kPRManufacturerField}, ""},
        {"by Alt+Return in Fp", whole, altReturn, {kPassiveRadiatorSheet, kPRFpField}, ""},
        {"clicked, no Vd", withoutVd, clicked, {kPassiveRadiatorSheet, kPRVdField}, "360"},
        {"by Tab and Space, no Vd", withoutVd, tabbedAndSpace, {kPassiveRadiatorSheet, kPRVdField}, "360"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        ventedBox();
        clipboard.content = row.record;
        deliverCommand(kMiscMenu, 9);
        ASSERT_TRUE(platform::windowExists(kPassiveRadiatorSheet));
        ASSERT_TRUE(keyboardIn({kPassiveRadiatorSheet, kPRManufacturerField}));
        row.press();
        EXPECT_FALSE(platform::isControlEnabled(kPassiveRadiatorSheet, kPRPasteButton));
        EXPECT_TRUE(keyboardIn(row.where));
        type(row.typed);
        QTest::keyClick(keys(), Qt::Key_Return);
        EXPECT_FALSE(platform::windowExists(kPassiveRadiatorSheet));
        EXPECT_EQ(state.radiator.PRDataInFlag, 1);
        EXPECT_EQ(state.radiator.s_PR.str(), "PR-25");
        EXPECT_DOUBLE_EQ(state.radiator.FP, 21.5);
    }
}

// A driver record filling Speaker Select while one of its fields has the
// keyboard: the field holds its new text selected, so that typing
// replaces it whole.
TEST_F(KeyboardRoads, ARecordFillingTheFocusedFieldLeavesItsTextSelected) {
    for (const DriverField field : {DriverField::Model, DriverField::FS}) {
        SCOPED_TRACE(int(field));
        TearDown();
        SetUp();
        ventedBox();
        deliverCommand(kMiscMenu, 3);
        ASSERT_TRUE(keyboardIn({kDefaultParametersWindow, defaultParamField(DriverField::Model)}));
        platform::setKeyboardFocus(kDefaultParametersWindow, defaultParamField(field));
        messenger.receiver({"QnDL", "TEXT", driverRecord("38")});
        EXPECT_EQ(platform::controlText(kDefaultParametersWindow, defaultParamField(DriverField::FS)), "38");
        EXPECT_TRUE(keyboardIn({kDefaultParametersWindow, defaultParamField(field)}));
        const char* typed = field == DriverField::Model ? "X" : "45";
        type(typed);
        EXPECT_EQ(platform::controlText(kDefaultParametersWindow, defaultParamField(field)), typed);
    }
}

// A design waits behind Speaker Select or System Select; a dialog or
// question opens over that window and closes, after Preferences' check
// boxes, say, recalculated the waiting design. The choosing window has the
// keyboard again, and the waiting design's palette stays dimmed: what is
// typed next goes to the choosing window's field, selected whole, never to
// the palette's Vb.
TEST_F(KeyboardRoads, ADialogClosedOverTheChoosingWindowGivesItTheKeyboardWhateverItChanged) {
    const auto preferences = [](int32_t box, Qt::Key close) {
        return [box, close] {
            deliverCommand(kApplicationMenu, kPreferencesItem);
            ASSERT_TRUE(keyboardIn({kPreferencesWindow, kInputPowerField}));
            if (box != 0) QTest::mouseClick(controlWidget(kPreferencesWindow, box), Qt::LeftButton);
            QTest::keyClick(keys(), close);
            ASSERT_FALSE(platform::windowExists(kPreferencesWindow));
        };
    };
    const auto question = [](Qt::Key answer) {
        return [answer] {
            state.shell.DirtyFlag = 1;  // changes no answer was given for, so that Quit asks
            state.document.DontSaveChanges.clear();
            deliverCommand(kApplicationMenu, kQuitItem);
            ASSERT_TRUE(keyboardIn({kQuestion, 0}));
            QTest::keyClick(keys(), answer);
        };
    };
    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"Preferences, input power turned, Escape", preferences(kInputPowerCheckBox, Qt::Key_Escape)},
        {"Preferences, input power turned, Return", preferences(kInputPowerCheckBox, Qt::Key_Return)},
        {"Preferences, levels turned, Escape", preferences(kMagniCheckBox, Qt::Key_Escape)},
        {"Preferences, nothing turned, Escape", preferences(0, Qt::Key_Escape)},
        {"the save question, Escape", question(Qt::Key_Escape)},
    };
    for (const int32_t choosing : {kDefaultParametersWindow, kSystemSelectWindow})
        for (const auto& [name, openAndClose] : dialogs) {
            SCOPED_TRACE(std::string(name) + (choosing == kSystemSelectWindow ? " over System" : " over Speaker"));
            TearDown();
            SetUp();
            ventedBox(true);
            ASSERT_TRUE(platform::isControlEnabled(kCustomPalette, kPaletteFirstField));
            const std::string model = state.speaker.s_SP.str();
            deliverCommand(kMiscMenu, choosing == kSystemSelectWindow ? 1 : 3);
            dontSaveIfAsked();
            platform::setDocumentDialogService(nullptr);  // the layer's own question
            const Place chooser{choosing, choosing == kSystemSelectWindow ? platform::keyboardFocus(choosing)
                                                                          : defaultParamField(DriverField::Model)};
            ASSERT_TRUE(keyboardIn(chooser));
            openAndClose();
            settled();
            EXPECT_TRUE(keyboardIn(chooser));
            for (const int32_t control : {kPaletteFirstField, kPaletteFirstField + 1, kPaletteCalcButton})
                EXPECT_FALSE(platform::isControlEnabled(kCustomPalette, control)) << control;
            if (choosing == kSystemSelectWindow) continue;
            type("60");
            EXPECT_EQ(platform::controlText(kDefaultParametersWindow, defaultParamField(DriverField::Model)), "60");
            EXPECT_EQ(state.speaker.s_SP.str(), model);
        }
}

// A design opened from System Select by Return, or from its document:
// the keyboard is in the custom palette's first field when it takes
// values, so that Return runs Calc., else in the response window, where
// Return does nothing. Snap never has it: no snapshot is asked for.
TEST_F(KeyboardRoads, ADesignOpenedPutsTheKeyboardWhereReturnCalculatesOrDoesNothing) {
    // A design started from System Select starts at its first alignment.
    const auto fromSystemSelect = [this](bool) {
        ventedBox(true);
        deliverCommand(kMiscMenu, 1);
        dontSaveIfAsked();
        ASSERT_TRUE(platform::windowExists(kSystemSelectWindow));
        settled();
        QTest::keyClick(keys(), Qt::Key_Return);
        ASSERT_FALSE(platform::windowExists(kSystemSelectWindow));
    };
    const auto fromDocument = [this](bool custom) {
        ventedBox(custom);
        const std::string file = folder.filePath("Box.qndl").toStdString();
        deliverCommand(kFileMenu, 6);
        documents.saveTo(file);
        deliverCommand(kFileMenu, 3);
        deliverCommand(kFileMenu, 2);
        ASSERT_TRUE(documents.open);
        documents.openFile(file);
        ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kResponseWindow); }, kAtMost));
    };
    const auto givenBack = [this](bool custom) {
        ventedBox(custom);
        deliverCommand(kMiscMenu, 3);
        dontSaveIfAsked();
        ASSERT_TRUE(platform::windowExists(kDefaultParametersWindow));
        settled();
        QTest::keyClick(keys(), Qt::Key_Escape);
        ASSERT_FALSE(platform::windowExists(kDefaultParametersWindow));
    };
    const struct {
        const char* name;
        std::function<void(bool)> open;
        bool custom;  // the design opened takes values in its palette
    } roads[] = {
        {"from System Select", fromSystemSelect, false},
        {"from its document", fromDocument, false},
        {"from its document, custom", fromDocument, true},
        {"given back by Speaker Select", givenBack, false},
        {"given back by Speaker Select, custom", givenBack, true},
    };
    for (const auto& [name, open, custom] : roads) {
            SCOPED_TRACE(name);
            TearDown();
            SetUp();
            open(custom);
            settled();
            EXPECT_EQ(platform::isControlEnabled(kCustomPalette, kPaletteCalcButton), custom);
            EXPECT_TRUE(keyboardIn(custom ? Place{kCustomPalette, kPaletteFirstField} : Place{kResponseWindow, 0}));
            const double volume = state.box.VB1;
            if (custom) type("77");
            QTest::keyClick(keys(), Qt::Key_Return);
            settled();
            EXPECT_EQ(snapshots.asked, 0);
            EXPECT_FALSE(QApplication::activeModalWidget() != nullptr);
            EXPECT_DOUBLE_EQ(state.box.VB1, custom ? 77.0 : volume);
        }
}

// A sheet or the snapshot's file dialog stands over a changed design when
// the driver database sends its Quit, and its question is answered Save:
// the save dialog opens with the keyboard, its name field selected, and
// takes what is typed at once.
TEST_F(KeyboardRoads, TheSaveDialogAfterTheSiblingsQuitTakesTheKeyboard) {
    const std::pair<const char*, std::function<void()>> standing[] = {
        {"Vent Design", [] { deliverCommand(kOneVentMenu, 1); }},
        {"Speaker Connect", [] { deliverCommand(kMiscMenu, 6); }},
        {"the radiator sheet", [] { deliverCommand(kMiscMenu, 9); }},
        {"the snapshot's file dialog",
         [this] {
             platform::setImageSaveService(nullptr);  // the layer's own dialog
             hit(kCustomPalette, kPaletteSnapButton);
             ASSERT_TRUE(keyboardIn({kFileDialog, 0}));
         }},
        {"nothing", [] {}},
    };
    for (const auto& [name, show] : standing) {
        SCOPED_TRACE(name);
        TearDown();
        SetUp();
        ventedBox();
        platform::setDocumentDialogService(nullptr);  // the layer's own dialogs
        state.shell.DirtyFlag = 1;
        show();
        settled();
        ReceiveAppMessage({std::string(vocabulary::kFromOrvanel), "TEXT", std::string(vocabulary::kQuitFromOrvanel)});
        ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kSaveChangesSheet); }, kAtMost));
        EXPECT_TRUE(keyboardIn({kSaveChangesSheet, kSaveChangesSaveButton}));
        QTest::keyClick(keys(), Qt::Key_Return);
        EXPECT_TRUE(keyboardIn({kFileDialog, 0}));
        auto* field = QApplication::activeWindow()->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(QApplication::focusWidget(), field);
        type("Typed");
        EXPECT_EQ(field->text().toStdString(), "Typed");
        QTest::keyClick(keys(), Qt::Key_Escape);
        settled();
    }
}

}  // namespace
}  // namespace quendal::test
