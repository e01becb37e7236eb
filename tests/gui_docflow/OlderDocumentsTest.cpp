// Documents an older writer left: the design written by the program's own
// writer, the values that writer stored put back in place, and the file
// opened as the user opens it.
#include <bit>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <vector>

#include "DocflowFixture.h"
#include "dialogs/DesignStart.h"
#include "model/DriverCheck.h"
#include "platform/qt/Registry.h"
#include "response/CofCal.h"
#include "response/ReferenceLevel.h"
#include "response/SpConCal.h"
#include "response/VentForms.h"
#include "response/VentSizing.h"
#include "model/InputPower.h"
#include "view/ResponseRedraw.h"
#include "windows/PreferencesWindow.h"

namespace quendal::test {
namespace {

// A double of the record put back at its offset, most significant byte first.
void patch(std::string& document, std::size_t offset, double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    for (std::size_t i = 0; i < 8; ++i) document[offset + i] = static_cast<char>(bits >> (56 - 8 * i));
}

constexpr std::size_t kPinAt = 48, kPinTempAt = 1836, kVent1CircPortSVminAt = 1244 + 56;
constexpr std::size_t kVbAt = 678, kVb1At = 686, kFcAt = 710, kFb1At = 742, kQtcAt = 822;

class OlderDocumentsTest : public DocflowTest {
protected:
    // A long-throw woofer (Fs 25 Hz, Vas 60 l, Qts 0.25) in system `button`
    // of the first tab at alignment `alin`, speaker connection `connection`
    // and a fixed input power, computed as a redraw computes it, the vents
    // as the automatic design sizes them. The box values are left as the
    // alignment gives them, before the rounding the design keeps them at.
    static void design(int32_t button, int32_t alin, int32_t connection, double watts) {
        InitItemBoxParameters();
        DriverValues d = enteredDriver();
        constexpr double kQms = 5.0;
        std::tie(d.FS, d.VAS, d.QTS, d.QES, d.QMS) = std::make_tuple(25.0, 60.0, 0.25, 1.0 / (1.0 / 0.25 - 1.0 / kQms), kQms);
        ASSERT_TRUE(checkDriver(d).ok());
        takeEnteredDriver(d);
        OriginalBoxParametersPass();
        resetDesignForNewSystem();
        state.selection = {1, button, systemHasVents(button) ? 2 : 1, alin};
        state.connection.SpConNum = connection;
        SpconCal();
        state.power.InputPowerCheck = 0;
        state.power.PinTemp = watts;
        PINcalc();
        CofCal();
        AsVentOpt();
        SPLcal();
    }
    // The file opened as the user opens it, once its first drawing is done.
    void open(const std::string& file) {
        ClikOpenDocm(file);
        if (documentDialogs.question) documentDialogs.answer(platform::SaveChangesAnswer::DontSave);
        ASSERT_TRUE(QTest::qWaitFor([] { return state.document.FileOpenTimer == 0; }));
        ASSERT_EQ(platform::windowFilePath(kResponseWindow), file);
    }
};

// The Serial Vented design of two woofers in parallel at 200 W: its first
// vent is a port at half the power, a duct at the whole.
constexpr int32_t kSerialVented = 5, kDualParallel = 2, kVent = 1;
constexpr double kWatts = 200.0;

// A document keeps no mark of who chose a vent's form. A port the older
// writer left from a sizing at a stale power (here half the design's) was
// the automatic design's: once the design is computed again its vents are
// those a fresh automatic design gives, their minimum areas those of the
// design's power, √2 times the stale ones (the flow grows with the
// pressure, the square root of the power). A port the user chose at the
// design's own power stays the user's, too small as it is, also where the
// machine that wrote it computed its minimum area a bit or a few apart.
TEST_F(OlderDocumentsTest, AStalePortIsChosenAfreshAndAPortTheUserChoseStays) {
    design(kSerialVented, 2, kDualParallel, kWatts);
    const VentParameters fresh = state.vents;
    ASSERT_EQ(shapeInForce(fresh.vent[kVent]), VentShape::CircularDuct);
    ASSERT_EQ(fresh.vent[kVent].VentForm, int32_t(VentForm::Realisable));

    const struct {
        const char* what;
        double sizedAt;  // W
        bool usersPort;
        double (*writtenAs)(double minimum);  // the stored minimum area as another machine computed it
    } rows[] = {
        {"a port the automatic design sized for half the power", kWatts / 2.0, false, [](double a) { return a; }},
        {"a port the user chose at the design's power", kWatts, true, [](double a) { return a; }},
        {"... its minimum area one bit above", kWatts, true, [](double a) { return std::nextafter(a, 2.0 * a); }},
        {"... its minimum area 1e-9 below", kWatts, true, [](double a) { return a * (1.0 - 1e-9); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        design(kSerialVented, 2, kDualParallel, row.sizedAt);
        if (row.usersPort) {
            state.vents.vent[kVent].CircVentRadio = 1;  // "Ported" in the Vent Design sheet
            state.vents.vent[kVent].FormSetBy = kFormSetByUser;
            AsVentOpt();
        }
        BoxParameterBackup();
        const VentRecord stored = state.vents.vent[kVent];
        ASSERT_EQ(shapeInForce(stored), VentShape::CircularPort);
        std::string document = encodeDesignDocument(state);
        patch(document, kPinAt, kWatts);
        patch(document, kPinTempAt, kWatts);
        patch(document, kVent1CircPortSVminAt, row.writtenAs(stored.CircPortSVmin));
        const std::string file = path("Serial.qndl");
        put(file, document);

        open(file);
        EXPECT_EQ(state.vents.vent[kVent].FormSetBy, row.usersPort ? kFormSetByUser : kFormSetByNobody);
        // Preferences closed with nothing changed leave the design as opened.
        const std::string opened = encodeDesignDocument(state);
        ApplicationEventHandler(kApplicationMenu, kPreferencesItem);
        platform::qt::dispatchControlEvent(kPreferencesWindow, kPreferencesOK, platform::ControlEventKind::Hit);
        ASSERT_FALSE(platform::windowExists(kPreferencesWindow));
        EXPECT_TRUE(encodeDesignDocument(state) == opened);
        EXPECT_EQ(state.shell.DirtyFlag, 0);
        state.view.ReDispWnd = 2;  // computed again, as every change's redraw computes it
        ReDispResposeWnd();
        for (int32_t v = 1; v <= 2; ++v) {
            SCOPED_TRACE(testing::Message() << "vent " << v);
            const VentRecord& vent = state.vents.vent[v];
            const bool port = row.usersPort && v == kVent;
            EXPECT_EQ(shapeInForce(vent), port ? VentShape::CircularPort : shapeInForce(fresh.vent[v]));
            EXPECT_EQ(vent.VentForm, port ? int32_t(VentForm::BelowMinimumArea) : fresh.vent[v].VentForm);
            EXPECT_DOUBLE_EQ(vent.CircPortSVmin, fresh.vent[v].CircPortSVmin);
            EXPECT_DOUBLE_EQ(designedAreaCm2(vent), port ? stored.CircPortSV : designedAreaCm2(fresh.vent[v]));
        }
        EXPECT_NEAR(fresh.vent[kVent].CircPortSVmin, stored.CircPortSVmin * (row.usersPort ? 1.0 : std::sqrt(2.0)),
                    1e-6 * stored.CircPortSVmin);  // the sweep's speeds in single precision
    }
}

// A port the automatic design would choose too, but whose rectangular kind
// the user set to "Ducted": the automatic design gives both kinds alike, so
// the form is the user's and nothing of it changes when it is computed again.
TEST_F(OlderDocumentsTest, APortWhoseRectangularKindTheUserSetStaysTheUsers) {
    design(kSerialVented, 2, kDualParallel, kWatts / 2.0);
    ASSERT_EQ(shapeInForce(state.vents.vent[kVent]), VentShape::CircularPort);
    state.vents.vent[kVent].RectVentRadio = 2;
    state.vents.vent[kVent].FormSetBy = kFormSetByUser;
    BoxParameterBackup();
    const std::string file = path("Kinds.qndl");
    put(file, encodeDesignDocument(state));
    open(file);
    EXPECT_EQ(state.vents.vent[kVent].FormSetBy, kFormSetByUser);
    const std::string opened = storedDesignValues(state);
    state.view.ReDispWnd = 2;
    ReDispResposeWnd();
    EXPECT_TRUE(storedDesignValues(state) == opened);
    EXPECT_EQ(state.vents.vent[kVent].RectVentRadio, 2);
}

// The older writer saved the box values of the Impedance page as the
// alignment gave them, Qtc in single precision (0.70700002). They are read
// as the design keeps them, to the hundredth (Qtc to the thousandth), so
// the first drawing finds nothing changed, and a save writes them so.
TEST_F(OlderDocumentsTest, UnroundedBoxValuesOpenRoundedAndUnmarked) {
    struct Value {
        std::size_t at;
        double BoxParameters::*field;
        double decimals;
    };
    const struct {
        const char* what;
        int32_t button;
        std::vector<Value> values;
    } rows[] = {
        {"a Closed Box", 2, {{kVbAt, &BoxParameters::VB, 2}, {kFcAt, &BoxParameters::FC, 2}, {kQtcAt, &BoxParameters::QTC, 3}}},
        {"a Vented Box", 3, {{kVb1At, &BoxParameters::VB1, 2}, {kFb1At, &BoxParameters::FB1, 2}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        design(row.button, 1, 1, kWatts);
        state.view.s_Resp = "imp";
        state.view.RespID = 3;
        state.box.QTC = static_cast<float>(state.box.QTC);
        const BoxParameters older = state.box;
        BoxParameterBackup();
        std::string document = encodeDesignDocument(state);
        for (const Value& v : row.values) {
            ASSERT_NE(older.*v.field, state.box.*v.field);  // a value the rounding changes
            patch(document, v.at, older.*v.field);
        }
        const std::string file = path("Impedance.qndl");
        put(file, document);

        open(file);
        EXPECT_EQ(state.shell.DirtyFlag, 0);
        for (const Value& v : row.values) {
            const double scale = std::pow(10.0, v.decimals);
            EXPECT_EQ(state.box.*v.field, std::round(older.*v.field * scale) / scale) << "at " << v.at;
        }
        ApplicationEventHandler(kFileMenu, 5);  // Save
        EXPECT_EQ(contents(file), encodeDesignDocument(state));
        EXPECT_NE(contents(file), document);
    }
}

}  // namespace
}  // namespace quendal::test
