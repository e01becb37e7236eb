// The preferences read at start-up and written at the end, through a store
// that keeps every value as text, as the file does.
#include <gtest/gtest.h>

#include "app/Preferences.h"
#include "model/State.h"
#include "support/ShellServiceDoubles.h"

namespace quendal::test {
namespace {

class PreferencesTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::setPreferenceStore(&store);
        platform::setDesktopService(&desktop);
    }
    void TearDown() override {
        platform::setPreferenceStore(nullptr);
        platform::setDesktopService(nullptr);
        resetState();
    }

    MemoryPreferences store;
    RecordingDesktop desktop;
};

bool sameRect(const Rect16& a, const Rect16& b) {
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

TEST_F(PreferencesTest, FirstStartKeepsEveryDefault) {
    LoadPrefs();
    EXPECT_EQ(store.identity, "Keldrith/Quendal");
    EXPECT_EQ(state.prefs.FastOpenFlag, 1);
    EXPECT_TRUE(sameRect(state.bounds.RespWndBounds, Rect16{0, 0, 390, 540}));
    EXPECT_TRUE(sameRect(state.bounds.CstmWndBounds, Rect16{}));
    EXPECT_TRUE(sameRect(state.bounds.SysSelWndBounds, Rect16{0, 0, 490, 595}));
    EXPECT_TRUE(sameRect(state.bounds.PrefeBounds, Rect16{0, 0, 465, 330}));
    EXPECT_EQ(state.prefs.BoundsCheck, 0);
    EXPECT_EQ(state.prefs.SoundCheck + state.prefs.SystemCheck + state.prefs.PrintDateCheck +
                  state.prefs.UpdateForCheck + state.prefs.InitSetupCheck + state.prefs.PrintParamCheck,
              6);
    EXPECT_EQ(state.selection.SysSelTabNum, 1);
    EXPECT_EQ(state.selection.SysSelBtnNum, 1);
    EXPECT_EQ(state.power.InputPower, 10.0);
    EXPECT_EQ(state.power.PortThickness, 20.0);
    EXPECT_EQ(state.power.InputPowerCheck, 1);
    EXPECT_EQ(state.prefs.MagniCheck, 0);
    EXPECT_EQ(state.shell.LVP, 20.0);
    EXPECT_EQ(state.shell.LVD, 40.0);
    EXPECT_EQ(state.view.Magni, 0);
}

TEST_F(PreferencesTest, WhatIsSavedComesBackAtTheNextStart) {
    state.bounds.RespWndBounds = {22, 10, 412, 550};
    state.bounds.CstmWndBounds = {-20, 5, 370, 545};
    state.bounds.InfoWndBounds = {30, 700, 396, 900};
    state.prefs.BoundsCheck = 1;
    state.prefs.SoundCheck = 0;
    state.selection.SysSelTabNum = 2;
    state.selection.SysSelBtnNum = 5;
    state.prefs.UpdateForCheck = 0;
    state.power.InputPower = 0.4;
    state.power.PortThickness = 18.0;
    state.prefs.InputPowerCheck = 0;
    state.prefs.MagniCheck = 1;
    ASSERT_TRUE(SavePrefs());
    EXPECT_EQ(store.synchronized, 1);
    EXPECT_EQ(store.text("RespWndBounds"), " 22, 10, 412, 550");
    EXPECT_EQ(store.text("CstmWndBounds"), "-20, 5, 370, 545");
    EXPECT_EQ(store.text("SysSelWndBounds"), " 0, 0, 490, 595");
    EXPECT_EQ(store.kinds["InputPower"], 1u);   // a number, not a text
    EXPECT_EQ(store.kinds["SysSelTabNum"], 0u);
    EXPECT_EQ(store.kinds["PrefeBounds"], 2u);
    // The first save turns the default places off, so remembered places count.
    EXPECT_EQ(store.text("FastOpenFlag"), "0");
    EXPECT_EQ(state.prefs.FastOpenFlag, 0);

    resetState();
    LoadPrefs();
    EXPECT_EQ(state.prefs.FastOpenFlag, 0);
    EXPECT_TRUE(sameRect(state.bounds.RespWndBounds, Rect16{22, 10, 412, 550}));
    EXPECT_TRUE(sameRect(state.bounds.CstmWndBounds, Rect16{-20, 5, 370, 545}));
    EXPECT_TRUE(sameRect(state.bounds.InfoWndBounds, Rect16{30, 700, 396, 900}));
    EXPECT_EQ(state.prefs.BoundsCheck, 1);
    EXPECT_EQ(state.prefs.SoundCheck, 0);
    EXPECT_EQ(state.selection.SysSelTabNum, 2);
    EXPECT_EQ(state.selection.SysSelBtnNum, 5);
    EXPECT_EQ(state.prefs.UpdateForCheck, 0);
    EXPECT_EQ(state.power.InputPower, 0.4);
    EXPECT_EQ(state.power.PortThickness, 18.0);
    EXPECT_EQ(state.shell.LVP, 18.0);
    EXPECT_EQ(state.shell.LVD, 38.0);
    EXPECT_EQ(state.prefs.InputPowerCheck, 0);
    EXPECT_EQ(state.power.InputPowerCheck, 0);  // the first design's choice
    EXPECT_EQ(state.view.Magni, 1);  // absolute levels from the start
    // Saving again writes the same text.
    SavePrefs();
    EXPECT_EQ(store.text("RespWndBounds"), " 22, 10, 412, 550");
}

TEST_F(PreferencesTest, AChangeIsWrittenOnceItIsMadeAndNothingBeforeTheyAreRead) {
    state.prefs.SoundCheck = 0;
    SaveChangedPrefs();
    EXPECT_EQ(store.synchronized, 0);  // defaults never go over the file
    resetState();
    LoadPrefs();
    state.bounds.CstmWndBounds = {40, 600, 430, 800};
    for (int i = 0; i < 2; ++i) EXPECT_TRUE(SaveChangedPrefs());
    EXPECT_EQ(store.synchronized, 1);  // once per change
    EXPECT_EQ(store.text("CstmWndBounds"), " 40, 600, 430, 800");
    EXPECT_EQ(state.prefs.FastOpenFlag, 1);  // this run's windows open as before
}

TEST_F(PreferencesTest, WithoutKeepingTheSystemTheFirstSystemIsSelected) {
    store.put("SystemCheck", {"0"});
    store.put("SysSelTabNum", {"2"});
    store.put("SysSelBtnNum", {"5"});
    LoadPrefs();
    EXPECT_EQ(state.selection.SysSelTabNum, 1);
    EXPECT_EQ(state.selection.SysSelBtnNum, 1);
}

TEST_F(PreferencesTest, HandEditedUnquotedRectangleIsJoinedBeforeReading) {
    store.put("RespWndBounds", {"22", "10", "412", "550"});
    LoadPrefs();
    EXPECT_TRUE(sameRect(state.bounds.RespWndBounds, Rect16{22, 10, 412, 550}));
}

TEST_F(PreferencesTest, UnusableRectanglesKeepTheDefault) {
    const char* texts[] = {
        "22, 10, 412",             // three numbers
        "22, 10, 412, 550, 7",     // five
        "22, 10, 412, 550,",       // an empty fifth
        "22; 10; 412; 550",
        "top, 10, 412, 550",
        "22, 10, 412.5, 550",
        "22, 10, 40000, 550",      // beyond 16 bits
        "412, 10, 22, 550",        // bottom above top
        "22, 550, 412, 10",        // right left of left
        "22, 10, 22, 550",         // no height
        "22, 3000, 412, 3540",     // on no screen
        "",
    };
    for (const char* text : texts) {
        resetState();
        store.values.clear();
        store.put("RespWndBounds", {text});
        store.put("SysSelWndBounds", {text});
        LoadPrefs();
        EXPECT_TRUE(sameRect(state.bounds.RespWndBounds, Rect16{0, 0, 390, 540})) << text;
        EXPECT_TRUE(sameRect(state.bounds.SysSelWndBounds, Rect16{0, 0, 490, 595})) << text;
    }
    // Partly on a screen is enough; a second screen counts as well.
    desktop.screens.push_back(Rect16{0, 1280, 1024, 2560});
    store.put("RespWndBounds", {"-100, 1200, 290, 1740"});
    LoadPrefs();
    EXPECT_TRUE(sameRect(state.bounds.RespWndBounds, Rect16{-100, 1200, 290, 1740}));
}

TEST_F(PreferencesTest, OutOfRangeSelectionsAndValuesFallBack) {
    struct Case {
        const char* key;
        const char* text;
    };
    const Case bad[] = {
        {"SysSelTabNum", "3"},     {"SysSelTabNum", "0"},      {"SysSelBtnNum", "9"},
        {"SysSelBtnNum", "-2"},    {"InputPower", "0.39"},     {"InputPower", "0"},
        {"InputPower", "-10"},     {"InputPower", "nan"},      {"InputPower", "inf"},
        {"InputPower", "1e400"},   {"InputPower", "ten"},      {"PortThickness", "2.99"},
        {"PortThickness", "twenty"}, {"PortThickness", "18 mm"}, {"BoundsCheck", "2"},
        {"SoundCheck", "-1"},      {"SystemCheck", "7"},       {"PrintDateCheck", "1.0"},
        {"UpdateForCheck", "yes"}, {"InitSetupCheck", "2"},    {"PrintParamCheck", "99"},
        {"InputPowerCheck", "5"},  {"MagniCheck", "2"},        {"FastOpenFlag", "3"},
    };
    for (const Case& c : bad) {
        resetState();
        // Non-default values before loading: an out-of-range selection
        // becomes the first, anything else keeps what was there.
        state.selection.SysSelTabNum = 2;
        state.selection.SysSelBtnNum = 4;
        const ProgramState before = state;
        store.values.clear();
        store.put(c.key, {c.text});
        LoadPrefs();
        const std::string key = c.key;
        if (key == "SysSelTabNum") {
            EXPECT_EQ(state.selection.SysSelTabNum, 1) << c.text;
        } else if (key == "SysSelBtnNum") {
            EXPECT_EQ(state.selection.SysSelBtnNum, 1) << c.text;
        } else {
            EXPECT_EQ(state.selection.SysSelTabNum, 2) << key;
            EXPECT_EQ(state.selection.SysSelBtnNum, 4) << key;
        }
        EXPECT_EQ(state.power.InputPower, before.power.InputPower) << key << " " << c.text;
        EXPECT_EQ(state.power.PortThickness, before.power.PortThickness) << key << " " << c.text;
        EXPECT_EQ(state.shell.LVP, 20.0) << key;
        const PreferenceOptions& p = state.prefs;
        const PreferenceOptions& q = before.prefs;
        EXPECT_EQ(p.BoundsCheck, q.BoundsCheck) << key;
        EXPECT_EQ(p.SoundCheck, q.SoundCheck) << key;
        EXPECT_EQ(p.SystemCheck, q.SystemCheck) << key;
        EXPECT_EQ(p.PrintDateCheck, q.PrintDateCheck) << key;
        EXPECT_EQ(p.UpdateForCheck, q.UpdateForCheck) << key;
        EXPECT_EQ(p.InitSetupCheck, q.InitSetupCheck) << key;
        EXPECT_EQ(p.PrintParamCheck, q.PrintParamCheck) << key;
        EXPECT_EQ(p.MagniCheck, q.MagniCheck) << key;
        EXPECT_EQ(p.FastOpenFlag, q.FastOpenFlag) << key;
        EXPECT_EQ(state.power.InputPowerCheck, before.power.InputPowerCheck) << key;
    }
}

TEST_F(PreferencesTest, LowestAcceptedPowerAndThicknessAreTaken) {
    store.put("InputPower", {" 0.4 "});
    store.put("PortThickness", {"3"});
    LoadPrefs();
    EXPECT_EQ(state.power.InputPower, 0.4);
    EXPECT_EQ(state.power.PortThickness, 3.0);
    EXPECT_EQ(state.shell.LVD, 23.0);
}

TEST_F(PreferencesTest, TextsComeBackInTheProgramsEncodingOrNotAtAll) {
    Str255 text = "before";
    CFPrefsSetPString("Note", "Qtc \xB3 0.5");  // Mac Roman greater-or-equal
    EXPECT_EQ(store.text("Note"), "Qtc \u2265 0.5");
    EXPECT_TRUE(CFPrefsGetPString("Note", &text, "default"));
    EXPECT_EQ(text, "Qtc \xB3 0.5");
    store.put("Note", {"\u4E00"});  // no Mac Roman form
    EXPECT_FALSE(CFPrefsGetPString("Note", &text, "default"));
    EXPECT_EQ(text, "default");
    store.put("Note", {std::string(256, 'x')});
    EXPECT_FALSE(CFPrefsGetPString("Note", &text, "default"));
    int32_t n = 5;
    store.put("Count", {"4294967296"});
    EXPECT_FALSE(CFPrefsGetLong("Count", &n, 7));
    EXPECT_EQ(n, 7);
    EXPECT_FALSE(CFPrefsGetLong("Missing", &n, 8));
    EXPECT_EQ(n, 8);
}

TEST_F(PreferencesTest, TheFirstIdentityStays) {
    CFPrefsSetApplicationID("Other/Program");
    CFPrefsSetApplicationID(kQuendalApplicationID);
    EXPECT_EQ(CFPrefsGetApplicationID(), "Other/Program");
    EXPECT_EQ(store.identity, "Other/Program");
}

TEST_F(PreferencesTest, AnUnwritableFileIsReported) {
    store.writable = false;
    EXPECT_FALSE(SavePrefs());
}

}  // namespace
}  // namespace quendal::test
