// The message vocabulary against its effects, through a recording double of
// the transport.
#include <functional>

#include "response/SpConCal.h"
#include "gui_messages/MessagesFixture.h"

namespace quendal::test {
namespace {

namespace vc = vocabulary;

TEST(Vocabulary, EveryTextIsSpelledAsTheSiblingsExpect) {
    const std::vector<std::pair<std::string_view, std::string_view>> pinned = {
        {vc::kFromOrvanel, "QnDL"}, {vc::kFromTessmir, "Tqmz"}, {vc::kFromOstrevane, "Wlok"},
        {vc::kToOrvanel, "Qndl"}, {vc::kToTessmir, "Tsmr"}, {vc::kToPallique, "Plqe"}, {vc::kToOstrevane, "Jevr"},
        {vc::kTextEventId, "TEXT"},
        {vc::kStopActivateFromOrvanel, "StopActivateQnDLFromQndl"}, {vc::kActivateMeFromOrvanel, "ActivateMeQnDLFromQndl"},
        {vc::kStopOpenFileFromOrvanel, "StopOpenFileQnDLFromQndl"}, {vc::kBootedByFileFromOrvanel, "BootedQnDLFromQndlByFile"},
        {vc::kHideFromOrvanel, "HideQnDL"}, {vc::kYesBootedFromOrvanel, "YesBootedQndl"},
        {vc::kIamFreeFromOrvanel, "IamFreeFromQndl"}, {vc::kQuitFromOrvanel, "QuitQnDL"},
        {vc::kShowSaveFileMeFromTessmir, "ShowSaveFileMeQnDLFromTsmr"}, {vc::kBootedByFileFromTessmir, "BootedQnDLFromTsmrByFile"},
        {vc::kShowSaveFileFromTessmir, "ShowSaveFileQnDLFromTsmr"}, {vc::kAreYouLaunchedFromOstrevane, "Are you Launched Quendal"},
        {vc::kBooted, "BootedQndlFromQnDL"}, {vc::kBootedByFile, "BootedQndlFromQnDLByFile"}, {vc::kHide, "HideQndl"},
        {vc::kShow, "ShowQndl"}, {vc::kQuit, "QuitQndl"}, {vc::kOpenFile, "OpenFileQndlFromQnDL"},
        {vc::kActivateMe, "ActivateMeQndlFromQndl"}, {vc::kStopOpenFile, "StopOpenFileQndlFromQnDL"},
        {vc::kSetMeDefault, "SetMeDefaultQndlFromQnDL"}, {vc::kTessmirBootedByFile, "BootedTsmrFromVrknByFile"},
        {vc::kShowSaveFileToTessmir, "ShowSaveFileTsmrFromVrkn"}, {vc::kShowSaveFileMeToTessmir, "ShowSaveFileMeTsmrFromVrkn"},
        {vc::kQuitPallique, "QuitPlqe"}, {vc::kNowOpened, "Now I Opend"}, {vc::kNowClosed, "Now I Closed"},
        {vc::kNowBusy, "Now I am busy"}, {vc::kNowFree, "Now I am free"},
        {vc::kDriverMarker, "DUMMY#"}, {vc::kRadiatorMarker, "DUMMY&"},
    };
    for (const auto& [constant, text] : pinned) EXPECT_EQ(constant, text);
}

// One received text, the state it meets, and what it must send and launch.
struct Row {
    const char* name;
    std::string_view eventClass;
    std::string_view text;
    std::function<void(MessagesTest&)> before;
    std::vector<SentMessage> sends;
    std::vector<std::string> launches;
    std::function<void()> check;
};

const SentMessage toOrvanel(std::string_view t) { return {"Qndl", std::string(t), "Orvanel"}; }
const SentMessage toOstrevane(std::string_view t) { return {"Jevr", std::string(t), "Ostrevane"}; }
const SentMessage toTessmir(std::string_view t) { return {"Tsmr", std::string(t), "Tessmir"}; }

class VocabularyEffects : public MessagesTest {
public:
    void dirtyDesign() {
        openDesign();
        state.shell.DirtyFlag = 1;
    }
};

TEST_F(VocabularyEffects, EachTextHasItsEffectAndSendsItsAnswers) {
    const auto dirty = [](MessagesTest& t) { static_cast<VocabularyEffects&>(t).dirtyDesign(); };
    const auto design = [](MessagesTest& t) { static_cast<VocabularyEffects&>(t).openDesign(); };
    const auto none = [](MessagesTest&) {};
    // A changed design waiting behind System Select for the next one.
    const auto kept = [](MessagesTest& t) {
        static_cast<VocabularyEffects&>(t).dirtyDesign();
        state.shell.KeptDesignFlag = 1;
        state.shell.WindCloseFlag = 1;
    };
    const std::vector<Row> rows = {
        {"stop activate before any design", vc::kFromOrvanel, vc::kStopActivateFromOrvanel, none, {}, {"Orvanel.app"},
         [] { EXPECT_EQ(state.messages.s_Masg, "Stop"); }},
        {"stop activate after a design", vc::kFromOrvanel, vc::kStopActivateFromOrvanel,
         [](MessagesTest&) { state.shell.AppClickOpnFlag = 1; }, {}, {}, nullptr},
        {"activate", vc::kFromOrvanel, vc::kActivateMeFromOrvanel, none, {}, {"Orvanel.app"}, nullptr},
        {"booted by file, clean", vc::kFromOrvanel, vc::kBootedByFileFromOrvanel, design,
         {toOstrevane("Now I Closed"), toOrvanel("SetMeDefaultQndlFromQnDL")}, {"Orvanel.app"}, nullptr},
        {"booted by file, unsaved", vc::kFromOrvanel, vc::kBootedByFileFromOrvanel, dirty,
         {toOrvanel("StopOpenFileQndlFromQnDL"), toOrvanel("SetMeDefaultQndlFromQnDL"), toOrvanel("ActivateMeQndlFromQndl")},
         {}, [] { EXPECT_EQ(state.shell.NavAskSDFlag, 0); }},
        {"hide, clean", vc::kFromOrvanel, vc::kHideFromOrvanel,
         [](MessagesTest& t) {
             static_cast<VocabularyEffects&>(t).openDesign();
             state.shell.CtmPaletFlag = 0;
             state.print.GPrintScale = 80.0;
             state.shell.curentWndID = 7;
         },
         {toOstrevane("Now I Closed")}, {},
         [] {
             EXPECT_EQ(state.shell.WindCloseFlag, 1);
             EXPECT_EQ(state.shell.CtmPaletFlag, 1);
             EXPECT_EQ(state.shell.curentWndID, 0);
             EXPECT_EQ(state.print.GPrintScale, 100.0);
         }},
        {"hide, unsaved", vc::kFromOrvanel, vc::kHideFromOrvanel, dirty, {}, {},
         [] { EXPECT_EQ(state.shell.WindCloseFlag, 0); }},
        {"yes booted", vc::kFromOrvanel, vc::kYesBootedFromOrvanel,
         [](MessagesTest&) {
             platform::createMenu(30, "Misc.");
             for (int i = 0; i < 3; ++i) platform::appendMenuItem(30, "Item");
             platform::setMenuItemEnabled(30, 3, false);
         },
         {toOrvanel("HideQndl")}, {},
         [] {
             EXPECT_EQ(state.shell.s_MasgMenu, "BootQnDL");
             EXPECT_TRUE(platform::isMenuItemEnabled(30, 3));
         }},
        {"quit, unsaved: asks, save then quit", vc::kFromOrvanel, vc::kQuitFromOrvanel, dirty, {}, {},
         [] { EXPECT_EQ(state.shell.NavAskSDFlag, 1); }},
        {"booted by file while the sheet asked to quit: still quits", vc::kFromOrvanel, vc::kBootedByFileFromOrvanel,
         [](MessagesTest& t) {
             static_cast<VocabularyEffects&>(t).dirtyDesign();
             platform::createWindow(kSaveChangesSheet, platform::WindowKind::Sheet, {0, 0, 120, 400}, "", 7);
             state.shell.NavAskSDFlag = 1;
         },
         {toOrvanel("StopOpenFileQndlFromQnDL"), toOrvanel("SetMeDefaultQndlFromQnDL"), toOrvanel("ActivateMeQndlFromQndl")},
         {}, [] { EXPECT_EQ(state.shell.NavAskSDFlag, 1); }},
        {"quit, a changed design waiting: asks", vc::kFromOrvanel, vc::kQuitFromOrvanel, kept, {}, {},
         [] { EXPECT_EQ(state.shell.NavAskSDFlag, 1); }},
        {"quit, clean: no question", vc::kFromOrvanel, vc::kQuitFromOrvanel, design, {toOstrevane("Now I Closed")}, {},
         [] { EXPECT_EQ(state.shell.NavAskSDFlag, 0); }},
        {"show save file me", vc::kFromTessmir, vc::kShowSaveFileMeFromTessmir, none,
         {toTessmir("ShowSaveFileTsmrFromVrkn")}, {"Tessmir.app"}, nullptr},
        {"tessmir booted by file, unsaved", vc::kFromTessmir, vc::kBootedByFileFromTessmir, dirty,
         {toTessmir("ShowSaveFileMeTsmrFromVrkn")}, {}, nullptr},
        {"tessmir booted by file, clean: quits", vc::kFromTessmir, vc::kBootedByFileFromTessmir, design,
         {toOstrevane("Now I Closed")}, {}, nullptr},
        {"show save file with a design", vc::kFromTessmir, vc::kShowSaveFileFromTessmir, design, {}, {},
         [] { EXPECT_EQ(state.shell.NavAskSDFlag, 1); }},
        {"show save file with a design waiting", vc::kFromTessmir, vc::kShowSaveFileFromTessmir, kept, {}, {},
         [] { EXPECT_EQ(state.shell.NavAskSDFlag, 1); }},
        {"show save file without a design: quits", vc::kFromTessmir, vc::kShowSaveFileFromTessmir, none,
         {toOstrevane("Now I Closed")}, {},
         [] { EXPECT_EQ(state.shell.NavAskSDFlag, 0); }},
        {"are you launched, windows open", vc::kFromOstrevane, vc::kAreYouLaunchedFromOstrevane, none,
         {toOstrevane("Now I Opend")}, {}, nullptr},
        {"are you launched, windows closed", vc::kFromOstrevane, vc::kAreYouLaunchedFromOstrevane,
         [](MessagesTest&) { state.shell.WindCloseFlag = 1; }, {}, {}, nullptr},
        {"another text from Tessmir", vc::kFromTessmir, "showsavefileqndlfromtsmr", design, {}, {},
         [] { EXPECT_EQ(state.shell.NavAskSDFlag, 0); }},
        {"a class of nobody", "Xyzw", vc::kHideFromOrvanel, design, {}, {},
         [] { EXPECT_EQ(state.shell.WindCloseFlag, 0); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        row.before(*this);
        receive(row.eventClass, row.text);
        EXPECT_EQ(messenger.sent, row.sends);
        EXPECT_EQ(messenger.launched, row.launches);
        if (row.check) row.check();
    }
}

TEST_F(VocabularyEffects, ADriverRecordStartsTheVersionCheckOnceThenSystemSelect) {
    fromOrvanel(driverRecord());
    EXPECT_DOUBLE_EQ(state.speaker.FS2, 38.0);
    EXPECT_EQ(state.speaker.s_SP, "Woofer-8");
    EXPECT_EQ(state.update.CheckForUpFlag, AutoUpdateCheck::Run);
    fromOrvanel(driverRecord("41"));
    EXPECT_DOUBLE_EQ(state.speaker.FS2, 41.0);
    EXPECT_EQ(state.update.CheckForUpFlag, AutoUpdateCheck::Run);
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(VocabularyEffects, AMalformedDriverRecordBeepsAndKeepsThePreviousDriver) {
    std::string missingPair = driverRecord();
    const std::size_t pair = missingPair.find("  62");
    ASSERT_NE(pair, std::string::npos);
    missingPair.erase(pair, 1);
    const std::string overlong = driverRecord() + std::string(300, 'x');  // cut to 255: still whole
    for (const std::string& text : {missingPair, driverRecord("0"), driverRecord("1e999"), driverRecord("-5")}) {
        SCOPED_TRACE(text);
        fromOrvanel(text);
        EXPECT_EQ(state.speaker.FS2, SpeakerParameters{}.FS2);
        EXPECT_EQ(state.speaker.s_SP2, "Test20-04");
    }
    EXPECT_EQ(dialogs.beeps, 4);
    // With no window of a record's open, the alert stands on its own.
    const std::string fs = "Fs (Free Air Resonance) ";
    EXPECT_EQ(dialogs.sheets, (std::vector<std::string>{
                                  "0|ALERT!   Entered numerical value is too small.|" + fs + "must be greater than 0.",
                                  "0|ALERT!   Entered numerical value is too large.|" + fs + "is too large to be read as a number.",
                                  "0|ALERT!   Entered numerical value is too small.|" + fs + "must be greater than 0."}));
    fromOrvanel(overlong);
    EXPECT_DOUBLE_EQ(state.speaker.FS2, 38.0);
}

TEST_F(VocabularyEffects, ADriverRecordWaitsWhileTheDesignHasUnsavedChanges) {
    dirtyDesign();
    fromOrvanel(driverRecord());
    EXPECT_EQ(state.speaker.FS2, SpeakerParameters{}.FS2);
    EXPECT_EQ(state.messages.HeldDriverFlag, 1);
    TakeHeldDriverRecord();  // System Select opens
    EXPECT_DOUBLE_EQ(state.speaker.FS2, 38.0);
    EXPECT_EQ(state.speaker.s_SP2, "Woofer-8");
    EXPECT_EQ(state.messages.HeldDriverFlag, 0);
    state.messages.HeldDriverRecord = driverRecord("38,5");  // taken through the same check
    state.messages.HeldDriverFlag = 1;
    TakeHeldDriverRecord();
    EXPECT_DOUBLE_EQ(state.speaker.FS2, 38.0);
}

TEST_F(VocabularyEffects, AnyOtherTextDerivesTheConnectedDriverAgainWhileADesignIsOpen) {
    state.connection.SpConNum = 2;  // dual parallel: twice Vas, half Re
    fromOrvanel("SomethingElse");
    EXPECT_DOUBLE_EQ(state.speaker.VAS, state.speaker.VAS2);  // no design: taken as entered, not derived for the connection
    openDesign();
    fromOrvanel("SomethingElse");
    EXPECT_DOUBLE_EQ(state.speaker.VAS, 2.0 * state.speaker.VAS2);
    EXPECT_DOUBLE_EQ(state.speaker.RE, 0.5 * state.speaker.RE2);
    EXPECT_DOUBLE_EQ(state.speaker.FS, state.speaker.FS2);
}

TEST_F(VocabularyEffects, FreeOpensOnlyAWithheldDocumentAndAsksFirstWhenUnsaved) {
    dirtyDesign();
    fromOrvanel(vc::kIamFreeFromOrvanel);  // no document waits
    EXPECT_EQ(state.shell.SelfOpenFlag, 0);
    EXPECT_EQ(messenger.sent, (std::vector<SentMessage>{toOrvanel("HideQndl"), toOrvanel("ActivateMeQndlFromQndl")}));

    state.shell.SelfOpenFlag = 1;  // a document waits for its timer ...
    fromOrvanel(vc::kStopOpenFileFromOrvanel);  // ... and Orvanel withdraws it
    EXPECT_EQ(state.messages.DocumentWithheldFlag, 1);
    EXPECT_EQ(state.shell.SelfOpenFlag, 0);
    fromOrvanel(vc::kIamFreeFromOrvanel);
    EXPECT_EQ(state.messages.DocumentWithheldFlag, 0);
    EXPECT_EQ(state.shell.SelfOpenFlag, 1);  // the save question's answer opens it

    messenger.sent.clear();
    state.messages.DocumentWithheldFlag = 1;
    ASSERT_TRUE(platform::createWindow(kSaveChangesSheet, platform::WindowKind::Sheet, {0, 0, 120, 400}, "",
                                       kResponseWindow));
    fromOrvanel(vc::kIamFreeFromOrvanel);  // a save question is up: ignored
    EXPECT_TRUE(messenger.sent.empty());
    EXPECT_EQ(state.messages.DocumentWithheldFlag, 1);
}

TEST_F(VocabularyEffects, ARadiatorRecordOpensTheSheetWithTheReceivedUnit) {
    openDesign();
    fromOstrevane(radiatorRecord());
    ASSERT_TRUE(platform::windowExists(kPassiveRadiatorSheet));
    EXPECT_FALSE(platform::isControlEnabled(kPassiveRadiatorSheet, 3));  // Paste Parameters
    EXPECT_EQ(platform::controlText(kPassiveRadiatorSheet, 54), "21.5");
    EXPECT_EQ(platform::controlText(kPassiveRadiatorSheet, 52), "PR-25");
    EXPECT_EQ(messenger.sent, (std::vector<SentMessage>{toOstrevane("Now I am busy")}));
    EXPECT_EQ(state.messages.s_DummyPR, "NULL");
    EXPECT_EQ(state.shell.ApplyBtnFlag, 0);
}

TEST_F(VocabularyEffects, ARadiatorRecordWaitsWithoutADesignOrUnderASheet) {
    fromOstrevane(radiatorRecord());  // no design yet
    EXPECT_FALSE(platform::windowExists(kPassiveRadiatorSheet));
    EXPECT_EQ(state.messages.s_DummyPR, "DUMMY&");

    openDesign();
    ASSERT_TRUE(platform::createWindow(kSpeakerConnectionSheet, platform::WindowKind::Sheet, {0, 0, 200, 300}, "",
                                       kResponseWindow));
    fromOstrevane(radiatorRecord("30"));
    EXPECT_FALSE(platform::windowExists(kPassiveRadiatorSheet));
    EXPECT_EQ(state.radiator.FPOrg, 0.0);

    // A record without its Vd is a record to complete in the sheet: it waits
    // in place of the last.
    const std::string full = radiatorRecord("99");
    const std::string withoutVd = full.substr(0, full.size() - 5);
    fromOstrevane(withoutVd);
    EXPECT_EQ(state.messages.s_MasgPR, withoutVd);
    fromOstrevane(radiatorRecord("30,5"));  // refused at once, over the design: the waiting record stays
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(dialogs.sheets, std::vector<std::string>{"7|ALERT!   Entered text is not a number.|Fp (Free Air "
                                                       "Resonance) is not a number.  ( Decimals take a point, not a comma. )"});
    EXPECT_EQ(state.messages.s_MasgPR, withoutVd);
    // Its sender is let go, as the sheet's Cancel lets it go.
    EXPECT_EQ(messenger.sent, (std::vector<SentMessage>{toOstrevane("Now I am free")}));
}

TEST_F(VocabularyEffects, SendingCutsTheTextAndAFailureBeepsOnce) {
    messenger.failing = true;
    SndAppleEvent("Jevr", std::string(300, 'a'), "Ostrevane");
    ASSERT_EQ(messenger.sent.size(), 1u);
    EXPECT_EQ(messenger.sent[0].text.size(), 255u);
    EXPECT_EQ(dialogs.beeps, 1);
}

}  // namespace
}  // namespace quendal::test
