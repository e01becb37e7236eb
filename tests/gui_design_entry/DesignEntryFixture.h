// The design-entry windows driven headless: the layer as just started, the
// state at its defaults, and alerts recorded instead of answered.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "model/State.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"

namespace quendal::test {

struct RecordedSheet {
    platform::WindowNumber window = 0;
    std::string title, message;
};

// Keeps every alert sheet; OK is pressed by answer().
struct SheetRecorder : platform::DialogService {
    void alert(std::string_view title, std::string_view message) override {
        sheets.push_back({0, std::string(title), std::string(message)});
    }
    void sheetAlert(platform::WindowNumber window, std::string_view title, std::string_view message,
                    std::function<void()> onOk) override {
        sheets.push_back({window, std::string(title), std::string(message)});
        pending.push_back(std::move(onOk));
    }
    void beep() override {}
    void answer() {
        auto waiting = std::move(pending);
        pending.clear();
        for (auto& ok : waiting)
            if (ok) ok();
    }
    std::vector<RecordedSheet> sheets;
    std::vector<std::function<void()>> pending;
};

class DesignEntryTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
        platform::setDialogService(&recorder);
    }
    void TearDown() override {
        platform::resetPlatform();
        resetState();
    }

    template <typename W>
    W* widget(platform::WindowNumber window, platform::ControlNumber control) {
        return qobject_cast<W*>(platform::qt::controlWidget(window, control));
    }

    // Types into an entry field as a user does: select what is there, type over it.
    void type(platform::WindowNumber window, platform::ControlNumber field, const QString& text) {
        QLineEdit* edit = widget<QLineEdit>(window, field);
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    // Every label of the window whose text does not fit its rectangle in
    // its own font, as "text (needed x h > width x height)".
    std::vector<std::string> labelsThatDoNotFit(platform::WindowNumber window) {
        std::vector<std::string> out;
        QWidget* content = platform::qt::contentWidget(window);
        if (content == nullptr) return {"no window"};
        for (QLabel* label : content->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || label->isHidden()) continue;
            const QFontMetrics metrics(label->font());
            const int w = metrics.horizontalAdvance(label->text()), h = metrics.height();
            if (w > label->width() || h > label->height())
                out.push_back(label->text().toStdString() + " (" + std::to_string(w) + "x" + std::to_string(h) + " > " +
                              std::to_string(label->width()) + "x" + std::to_string(label->height()) + ")");
        }
        return out;
    }

    SheetRecorder recorder;
};

}  // namespace quendal::test
