// What the response page tests share: the program's default driver in a
// chosen system, the response window of the windowing layer offscreen with
// the program's menus, and a recording surface for the window and the print
// page. The page's controls, menu marks and pointer are read back from the
// layer as it shows them.
#pragma once

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/MenuBar.h"
#include "app/PopupMenus.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/HelpTag.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"
#include "response/CofCal.h"
#include "support/DrawnCurves.h"
#include "view/RecordingSurface.h"

namespace quendal::test {

using Kind = RecordedElement::Kind;

// A system by tab and button, with a name for the test output.
struct System {
    int32_t tab, button;
    const char* name;
};
inline std::ostream& operator<<(std::ostream& os, const System& s) { return os << s.name; }
// The name as a test name takes it: letters and digits only.
inline std::string testNameOf(std::string_view text) {
    std::string out;
    for (char c : text)
        if (std::isalnum(static_cast<unsigned char>(c))) out += c;
    return out;
}

class ResponsePageTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
        BuildPopupMenu();
        InitMenu11();  // the menu bar, whose View, Response and Misc items the page sets
        ASSERT_TRUE(platform::createWindow(kResponseWindow, platform::WindowKind::Document, kBounds, "Response"));
        platform::showWindow(kResponseWindow);
        useEnteredDriver();
        state.box.QA = state.box.QA1 = state.box.QA2 = 10.0;
        state.box.QL = state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
        state.radiator.QP = 5.0;
        state.vents.SV11 = state.vents.SV22 = state.vents.SV33 = 0.005;  // m^2, vents of 50 cm^2
        state.cursor.detailTriBtn = 1;  // the read-outs shown
        setSurfaceProvider(&provider);
    }
    void TearDown() override {
        setSurfaceProvider(nullptr);
        platform::resetPlatform();
        resetState();
    }

    // The system with its first alignment, its box values computed.
    void useSystem(const System& s) {
        state.selection.SysSelTabNum = s.tab;
        state.selection.SysSelBtnNum = s.button;
        state.selection.Alin = 1;
        CofCal();
    }

    std::vector<RecordedElement> drawn(Kind kind) const { return provider.window.ofKind(kind); }
    // Texts drawn with their baseline at y, in drawing order.
    std::vector<RecordedElement> textsAt(double y) const {
        std::vector<RecordedElement> out;
        for (const auto& t : drawn(Kind::Text))
            if (t.y0 == y) out.push_back(t);
        return out;
    }
    // The texts of the last read-out drawn: value and frequency (or time).
    std::vector<std::string> readOut() const {
        const auto texts = textsAt(39.0);
        std::vector<std::string> out;
        for (size_t i = texts.size() >= 2 ? texts.size() - 2 : 0; i < texts.size(); ++i) out.push_back(texts[i].text);
        return out;
    }

    // The controls the response window holds, by number.
    static std::set<int32_t> controls() {
        std::set<int32_t> out;
        if (const platform::qt::WindowRecord* w = platform::qt::findWindow(kResponseWindow))
            for (const auto& [number, control] : w->controls) out.insert(number);
        return out;
    }
    // The legend's controls among them: its pictures 400-404 and texts 71-75.
    static std::set<int32_t> legendControls() {
        std::set<int32_t> out;
        for (int32_t number : controls())
            if ((number >= 71 && number <= 75) || (number >= 400 && number <= 404)) out.insert(number);
        return out;
    }
    // The name of the picture an image view of the window shows, without
    // its extension.
    static std::string pictureOf(int32_t control) {
        const auto* label = qobject_cast<QLabel*>(platform::qt::controlWidget(kResponseWindow, control));
        if (label == nullptr) return {};
        return QFileInfo(label->property("quendalPicture").toString()).completeBaseName().toStdString();
    }
    static std::string pictureName(const std::string& file) { return file.substr(0, file.rfind('.')); }

    // The pointer as the layer shows it: the read-out's cross-hair (a
    // picture with its hot spot on the crossing), a shape of the theme, or
    // the widgets' own arrow.
    static bool crossHairShown() {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        return cursor != nullptr && cursor->shape() == Qt::BitmapCursor && cursor->hotSpot() == QPoint(7, 7);
    }
    static bool arrowShown() { return QGuiApplication::overrideCursor() == nullptr; }
    static bool pointingHandShown() {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        return cursor != nullptr && cursor->shape() == Qt::PointingHandCursor;
    }

    static constexpr Rect16 kBounds{60, 20, 450, 560};  // top, left, bottom, right
    RecordingProvider provider;
};

}  // namespace quendal::test
