// Random walks over the roads a designer takes through the program as a user
// starts it: pages, read-outs, alignments, the loss popups, Calc., speaker
// connections, the input power, the Vent Design sheet, Speaker Select and
// System Select with Cancel and OK, driver records arriving, saving.
//
// After every road the design on the screen is what its inputs give when
// computed afresh in a clean state, and the changed mark is set exactly when
// a stored value changed: looking changes nothing, a way back gives the
// design back as it was, and a new design starts unchanged.
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <QFile>

#include "RoadsFixture.h"
#include "app/DesignDocument.h"
#include "model/DriverCheck.h"
#include "model/ParameterPasses.h"
#include "palette/CustomPalette.h"
#include "response/CofCal.h"
#include "response/ReferenceLevel.h"
#include "response/SpConCal.h"
#include "response/VentSizing.h"
#include "vent/VentDesignSheet.h"
#include "vent/VentSetupSheet.h"
#include "view/InputPower.h"
#include "windows/DefaultParameters.h"
#include "windows/PreferencesWindow.h"

namespace quendal::test {
namespace {

using platform::qt::dispatchControlEvent;

constexpr int32_t kAlignmentItems[2][8] = {{2, 3, 4, 4, 5, 3, 2, 2}, {4, 5, 3, 3, 4, 3, 4, 5}};
constexpr int32_t kDetailTriangle = 405;
constexpr int32_t kCalcButton = 10;
constexpr int32_t kVentSizeField = 351;

// A driver record as the driver database sends it.
const char* const kRecord =
    "DUMMY#  Woofer-8  30 Hz - 3 kHz  26  38  62  0.32  0.35  4.1  0.9  5.6  80  220  6.5  143  0.8  ";

// The bytes of the view: which page, scale and display the design is shown
// with, which no design value depends on.
std::string storedFields(std::string document) {
    for (const auto& [offset, size] : {std::pair{12, 20}, {88, 63}, {214, 4}})
        document.replace(std::size_t(offset), std::size_t(size), std::size_t(size), '\0');
    return document;
}

// The document of the same inputs computed afresh: the stored design read
// into a clean state and computed as a recalculation computes it, with no
// window and no page.
std::string freshDocument(const std::string& bytes, std::string& problem) {
    const auto kept = std::make_unique<ProgramState>(state);
    resetState();
    std::string fresh;
    if (decodeDesignDocument(bytes, state, &problem)) {
        OriginalBoxParametersPass();
        SpconCal();
        PINcalc();
        CofCal();
        AsVentOpt();
        SPLcal();
        BoxParameterBackup();
        fresh = encodeDesignDocument(state);
    }
    state = *kept;
    return fresh;
}

// The first byte at which two documents differ, with the field's offset.
std::string firstDifference(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return i == a.size() && i == b.size() ? std::string("none") : "byte " + std::to_string(i);
}

// How a road leaves the design: as it was (looking, a way back), the same
// design perhaps changed, a new design, or saved.
enum class Ending { Same, Kept, New, Saved, HandedOver };

class DesignRoads : public RoadsTest {
protected:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    bool chance() { return pick(2) == 0; }

    static bool enabled(int32_t menu, int32_t item) {
        return platform::menuExists(menu) && platform::isMenuItemEnabled(menu, 0) &&
               platform::isMenuItemEnabled(menu, item);
    }
    static bool choose(int32_t menu, int32_t item) {
        if (!enabled(menu, item)) return false;
        platform::qt::deliverCommand(menu, item);
        return true;
    }
    static bool usable(int32_t window, int32_t control) {
        return platform::controlExists(window, control) && platform::isControlEnabled(window, control);
    }
    static void hit(int32_t window, int32_t control) {
        if (usable(window, control)) dispatchControlEvent(window, control, platform::ControlEventKind::Hit);
    }
    static void key(int32_t window, uint8_t character) {
        platform::qt::dispatchWindowEvent({platform::WindowEventKind::KeyDown, window, 0, 0, 0, 0, character});
    }
    // The save question, when it comes, answered Don't Save.
    void answerSaveQuestion() {
        if (documents.question) documents.answer(platform::SaveChangesAnswer::DontSave);
    }
    void pressAlertsOk() {
        for (int i = 0; i < 3 && !alerts.pending.empty(); ++i) alerts.pressOk();
    }
    void driverRecordArrives() { messenger.receiver({"QnDL", "TEXT", kRecord}); }

    // System Select ends with Select (through Initial Setup) or Cancel.
    Ending systemSelectEnds(bool select) {
        if (!platform::windowExists(kSystemSelectWindow)) return Ending::Same;
        if (!select) {
            hit(kSystemSelectWindow, 2);
            return Ending::Same;
        }
        platform::setControlValue(kSystemSelectWindow, 3, 1 + pick(2));
        hit(kSystemSelectWindow, 3);
        state.selection.SysSelBtnNum = 1 + pick(8);
        hit(kSystemSelectWindow, 1);
        if (platform::windowExists(kInitialSetupSheet)) hit(kInitialSetupSheet, 1);
        pressAlertsOk();
        // A system the driver cannot build is refused: the window stays,
        // and its Cancel gives back what it stood over.
        if (!platform::windowExists(kSystemSelectWindow)) return Ending::New;
        hit(kSystemSelectWindow, 2);
        return Ending::Same;
    }

public:
    // The roads, each from a design at rest back to one.
    std::string lookAtAPage(Ending& ending) {
        static constexpr int32_t pages[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12};
        const int32_t page = pages[pick(11)];
        choose(kResponseMenu, page);
        ending = Ending::Same;
        return "page " + std::to_string(page);
    }
    std::string readTheGraph(Ending& ending) {
        ending = Ending::Same;
        if (!platform::controlExists(kResponseWindow, kDetailTriangle)) return "read-outs (none on this page)";
        platform::setControlValue(kResponseWindow, kDetailTriangle, 1);
        hit(kResponseWindow, kDetailTriangle);
        for (int i = 0; i < 4; ++i) {
            const QPoint at(60 + pick(440), 55 + pick(270));
            QTest::mouseMove(handleOf(kResponseWindow), platform::qt::contentWidget(kResponseWindow)
                                                            ->mapTo(platform::qt::windowWidget(kResponseWindow), at));
        }
        const bool close = chance();
        if (close) {
            platform::setControlValue(kResponseWindow, kDetailTriangle, 0);
            hit(kResponseWindow, kDetailTriangle);
        }
        return close ? "read-outs shown, pointer moved, hidden" : "read-outs shown, pointer moved";
    }
    std::string chooseAnAlignment(Ending& ending) {
        const SystemSelection& s = state.selection;
        const int32_t alin = 1 + pick(kAlignmentItems[s.SysSelTabNum - 1][s.SysSelBtnNum - 1]);
        choose(alignmentMenuFor(s.SysSelTabNum, s.SysSelBtnNum), alin);
        pressAlertsOk();
        ending = Ending::Kept;
        return "alignment " + std::to_string(alin);
    }
    std::string chooseALoss(Ending& ending) {
        ending = Ending::Kept;
        const int32_t popup = kPaletteQaPopup1 + pick(kPaletteQbPopup3 - kPaletteQaPopup1 + 1);
        if (!usable(kCustomPalette, popup)) return "loss popup (none)";
        const int32_t item = 1 + pick(popup <= kPaletteQaPopup2 ? 5 : 6);
        platform::setControlValue(kCustomPalette, popup, item);
        hit(kCustomPalette, popup);
        pressAlertsOk();
        return "loss popup " + std::to_string(popup) + " item " + std::to_string(item);
    }
    std::string calculate(Ending& ending) {
        ending = Ending::Kept;
        std::string road = "Calc.";
        const int32_t field = 31 + pick(6);
        if (usable(kCustomPalette, field) && chance()) {
            const double value = std::atof(platform::controlText(kCustomPalette, field).c_str());
            const double factor = 0.8 + 0.1 * pick(5);
            std::ostringstream text;
            text << value * factor;
            platform::setControlText(kCustomPalette, field, text.str());
            road = "field " + std::to_string(field) + " = " + text.str() + ", Calc.";
        }
        hit(kCustomPalette, kCalcButton);
        pressAlertsOk();
        return road;
    }
    std::string connectSpeakers(Ending& ending) {
        ending = Ending::Kept;
        if (!choose(kMiscMenu, 6)) return "speaker connection (not offered)";
        const int steps = pick(5);
        for (int i = 0; i < steps; ++i) key(kSpeakerConnectionSheet, platform::kRightArrowChar);
        const bool ok = pick(4) != 0;
        hit(kSpeakerConnectionSheet, ok ? 1 : 2);
        pressAlertsOk();
        return "speaker connection " + std::to_string(state.connection.SpConNum) + (ok ? ", OK" : ", Cancel");
    }
    std::string enterTheInputPower(Ending& ending) {
        ending = Ending::Kept;
        if (!choose(kMiscMenu, 5)) return "Initial Setup (not offered)";
        static constexpr const char* powers[] = {"1", "10", "40", "100", "250"};
        const char* power = powers[pick(5)];
        if (usable(kInitialSetupSheet, 10)) platform::setControlText(kInitialSetupSheet, 10, power);
        hit(kInitialSetupSheet, 1);
        pressAlertsOk();
        return std::string("Initial Setup, input power ") + power;
    }
    std::string followTheRatedPower(Ending& ending) {
        ending = Ending::Kept;
        if (!choose(kApplicationMenu, kPreferencesItem)) return "Preferences (not offered)";
        const int32_t follows = platform::controlValue(kPreferencesWindow, kInputPowerCheckBox);
        platform::setControlValue(kPreferencesWindow, kInputPowerCheckBox, 1 - follows);
        hit(kPreferencesWindow, kInputPowerCheckBox);
        hit(kPreferencesWindow, kPreferencesOK);
        pressAlertsOk();
        return follows ? "input power no longer follows the rated power" : "input power follows the rated power";
    }
    std::string designAVent(Ending& ending) {
        ending = Ending::Kept;
        const SystemSelection& s = state.selection;
        const int32_t menu = ventMenuFor(s.SysSelTabNum, s.SysSelBtnNum);
        const int32_t item = 1 + pick(menu == kThreeVentMenu ? 3 : menu == kTwoVentMenu ? 2 : 1);
        if (!choose(menu, item)) return "Vent Design (not offered)";
        std::string road = "Vent Design " + std::to_string(item);
        if (usable(kVentDesignSheet, kCircularSetupButton) && pick(4) == 0) {
            hit(kVentDesignSheet, kCircularSetupButton);
            if (usable(kVentInitialSetupSheet, kVentSetupPowerField))
                platform::setControlText(kVentInitialSetupSheet, kVentSetupPowerField, "60");
            platform::setControlText(kVentInitialSetupSheet, kVentSetupThicknessField, "25");
            hit(kVentInitialSetupSheet, 1);
            road += ", its Initial Setup";
        }
        if (usable(kVentDesignSheet, kVentSizeField) && chance()) {
            const double size = std::atof(platform::controlText(kVentDesignSheet, kVentSizeField).c_str());
            platform::setControlText(kVentDesignSheet, kVentSizeField, std::to_string(size * 1.1));
            road += ", a size typed";
        }
        const bool ok = pick(3) != 0;
        hit(kVentDesignSheet, ok ? kVentOkButton : kVentCancelButton);
        pressAlertsOk();
        if (platform::windowExists(kVentDesignSheet)) hit(kVentDesignSheet, kVentCancelButton);
        return road + (ok ? ", OK" : ", Cancel");
    }
    std::string selectTheSpeaker(Ending& ending) {
        ending = Ending::Same;
        if (!choose(kMiscMenu, 3)) return "Speaker Select (not offered)";
        answerSaveQuestion();
        if (!platform::windowExists(kDefaultParametersWindow)) {
            // A driver database works with the program: the choice is its.
            ending = Ending::HandedOver;
            return "Speaker Select, handed over to the driver database";
        }
        std::string road = "Speaker Select";
        if (chance()) {
            driverRecordArrives();
            road += ", a driver record arrives";
        }
        switch (pick(4)) {
            case 0:
                hit(kDefaultParametersWindow, 2);
                return road + ", Cancel";
            case 1:
                hit(kDefaultParametersWindow, 1);
                road += ", OK";
                break;
            default:
                platform::setControlText(kDefaultParametersWindow, defaultParamField(DriverField::FS), "45");
                hit(kDefaultParametersWindow, 1);
                road += ", Fs 45, OK";
                break;
        }
        const bool select = chance();
        if (platform::windowExists(kSystemSelectWindow)) road += select ? ", System Select's Select" : ", System Select's Cancel";
        ending = systemSelectEnds(select);
        return road;
    }
    std::string selectASystem(Ending& ending) {
        if (!choose(kMiscMenu, 1)) {
            ending = Ending::Same;
            return "System Select (not offered)";
        }
        answerSaveQuestion();
        std::string road = "System Select";
        if (chance()) {
            driverRecordArrives();
            road += ", a driver record arrives";
        }
        const bool select = chance();
        ending = systemSelectEnds(select);
        return road + (select ? ", Select" : ", Cancel");
    }
    std::string receiveADriver(Ending& ending) {
        driverRecordArrives();
        answerSaveQuestion();
        const bool select = chance();
        ending = systemSelectEnds(select);
        return std::string("a driver record arrives") + (select ? ", Select" : ", Cancel");
    }
    std::string save(Ending& ending) {
        ending = Ending::Saved;
        choose(kFileMenu, 5);
        if (documents.save) documents.saveTo(folder.filePath(QString("design%1.qndl").arg(++saves)).toStdString());
        return "Save";
    }

protected:
    // What a person's event loop does between two roads: windows and menu
    // items closed inside their handlers are deleted, and the doubles forget
    // what they recorded, so a long walk stays as small as a short one.
    void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        alerts.sheets.clear();
        messenger.sent.clear();
        messenger.listeningWhenSent.clear();
        messenger.menusWhenSent.clear();
        documents.opens.clear();
        documents.saves.clear();
        documents.errors.clear();
    }

    // A design at rest: its window shown, nothing over it.
    static std::string restProblem() {
        if (!platform::windowExists(kResponseWindow)) return "no design on the screen";
        for (int32_t w : {kSystemSelectWindow, kDefaultParametersWindow, kSpeakerConnectionSheet, kInitialSetupSheet,
                          kVentDesignSheet, kPreferencesWindow, kAlertSheet})
            if (platform::windowExists(w)) return "window " + std::to_string(w) + " still open";
        if (state.shell.KeptDesignFlag != 0) return "the design is still kept";
        return {};
    }

    // The first design of a walk: a fresh System Select, any system.
    void newDesign() {
        if (platform::windowExists(kResponseWindow)) {
            choose(kFileMenu, 3);
            answerSaveQuestion();
        }
        for (int32_t w : {kSystemSelectWindow, kDefaultParametersWindow}) platform::closeWindow(w);
        state.shell.KeptDesignFlag = 0;
        // A system the driver refuses leaves no design: another one then.
        for (int tries = 0; tries < 8 && !platform::windowExists(kResponseWindow); ++tries) {
            platform::qt::deliverCommand(kFileMenu, 1);
            systemSelectEnds(true);
        }
    }

    // What went wrong after the road, or nothing.
    std::string check(Ending ending, const std::string& before, int32_t dirtyBefore) {
        if (ending == Ending::HandedOver) {
            if (platform::windowExists(kResponseWindow)) return "the design stays after the hand-over";
            if (dirtyBefore != 0 && documents.questions.empty()) return "a changed design went without the question";
            return {};
        }
        if (std::string rest = restProblem(); !rest.empty()) return rest;
        const std::string now = encodeDesignDocument(state);
        std::string problem;
        const std::string fresh = freshDocument(now, problem);
        if (fresh.empty()) return "the design does not open again: " + problem;
        if (fresh != now) return "the design differs from its inputs computed afresh at " + firstDifference(now, fresh);
        const int32_t dirty = state.shell.DirtyFlag;
        const bool changed = storedFields(now) != storedFields(before);
        switch (ending) {
            case Ending::Same:
                if (changed) return "a stored value changed at " + firstDifference(storedFields(before), storedFields(now));
                if (dirty != dirtyBefore) return "the changed mark went from " + std::to_string(dirtyBefore) + " to " + std::to_string(dirty);
                break;
            case Ending::Kept:
                if (dirty != ((dirtyBefore != 0 || changed) ? 1 : 0))
                    return std::string("the changed mark is ") + std::to_string(dirty) +
                           (changed ? " though a stored value changed at " +
                                          firstDifference(storedFields(before), storedFields(now))
                                    : " though nothing stored changed");
                break;
            case Ending::New:
                if (dirty != 0) return "a new design is marked changed";
                break;
            case Ending::HandedOver: break;
            case Ending::Saved: {
                QFile file(folder.filePath(QString("design%1.qndl").arg(saves)));
                if (!file.open(QIODevice::ReadOnly) || file.readAll().toStdString() != now)
                    return "the saved file is not the design";
                if (dirty != 0) return "a saved design is marked changed";
                break;
            }
        }
        if (platform::isWindowModified(kResponseWindow) != (dirty == 1)) return "the window's modified mark disagrees";
        return {};
    }

    std::mt19937 random{std::getenv("QUENDAL_ROAD_SEED") ? unsigned(std::atoi(std::getenv("QUENDAL_ROAD_SEED"))) : 20261207u};
    int saves = 0;
};

TEST_F(DesignRoads, EveryRoadLeavesTheDesignItsInputsGiveAndMarksExactlyWhatChanged) {
    using RoadStep = std::string (DesignRoads::*)(Ending&);
    const std::vector<std::pair<RoadStep, int>> roads = {
        {&DesignRoads::lookAtAPage, 4},    {&DesignRoads::readTheGraph, 4},     {&DesignRoads::chooseAnAlignment, 4},
        {&DesignRoads::chooseALoss, 2},    {&DesignRoads::calculate, 2},        {&DesignRoads::connectSpeakers, 3},
        {&DesignRoads::enterTheInputPower, 2}, {&DesignRoads::followTheRatedPower, 1}, {&DesignRoads::designAVent, 2},
        {&DesignRoads::selectTheSpeaker, 2}, {&DesignRoads::selectASystem, 1}, {&DesignRoads::receiveADriver, 1},
        {&DesignRoads::save, 1}};
    int weights = 0;
    for (const auto& road : roads) weights += road.second;

    const int walks = std::getenv("QUENDAL_ROAD_WALKS") ? std::atoi(std::getenv("QUENDAL_ROAD_WALKS")) : 40;
    constexpr int kStepsPerWalk = 16;
    start();
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kDefaultParametersWindow); }, 5000));
    hit(kDefaultParametersWindow, 1);
    systemSelectEnds(true);

    std::map<std::string, int> faults;
    int steps = 0;
    for (int walk = 0; walk < walks; ++walk) {
        if (!restProblem().empty() || walk > 0) newDesign();
        ASSERT_EQ(restProblem(), "") << "walk " << walk;
        if (const std::string fault = check(Ending::New, encodeDesignDocument(state), 0); !fault.empty()) {
            ++faults["a new design: " + fault.substr(0, fault.find(" at "))];
            ADD_FAILURE() << "walk " << walk << ": the new design: " << fault;
            continue;
        }
        std::vector<std::string> taken;
        for (int step = 0; step < kStepsPerWalk; ++step) {
            int r = pick(weights);
            std::size_t i = 0;
            while (r >= roads[i].second) r -= roads[i++].second;
            const std::string before = encodeDesignDocument(state);
            const int32_t dirtyBefore = state.shell.DirtyFlag;
            documents.questions.clear();
            Ending ending = Ending::Same;
            taken.push_back((this->*roads[i].first)(ending));
            ++steps;
            settle();
            const std::string fault = check(ending, before, dirtyBefore);
            if (fault.empty() && ending == Ending::HandedOver) break;
            if (!fault.empty()) {
                std::string road = taken.back();
                const std::size_t comma = road.find(',');
                ++faults[road.substr(0, comma) + ": " + fault.substr(0, fault.find(" at "))];
                std::string walked;
                for (const std::string& t : taken) walked += "\n  " + t;
                ADD_FAILURE() << "walk " << walk << ": " << fault << " after:" << walked;
                break;  // the next walk starts a new design
            }
        }
    }
    std::string summary;
    for (const auto& [fault, count] : faults) summary += "\n  " + std::to_string(count) + " x " + fault;
    RecordProperty("steps", steps);
    EXPECT_TRUE(faults.empty()) << walks << " walks, " << steps << " steps; faults:" << summary;
}

}  // namespace
}  // namespace quendal::test
