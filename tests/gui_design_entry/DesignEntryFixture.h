// The design-entry windows driven headless: the layer as just started, the
// state at its defaults, and alert sheets recorded instead of answered.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"

namespace quendal::test {

struct SheetRecorder : platform::DialogService {
    struct Sheet {
        platform::WindowNumber window;
        std::string title, message;
    };
    void alert(std::string_view title, std::string_view message) override {
        sheets.push_back({0, std::string(title), std::string(message)});
    }
    void sheetAlert(platform::WindowNumber window, std::string_view title, std::string_view message,
                    std::function<void()> onOk) override {
        sheets.push_back({window, std::string(title), std::string(message)});
        pending.push_back(std::move(onOk));
    }
    void beep() override {}
    void pressOk() {
        for (auto& ok : std::exchange(pending, {})) ok();
    }
    std::vector<Sheet> sheets;
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

    // Types over what an entry field holds, as a user does.
    void type(platform::WindowNumber window, platform::ControlNumber field, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(platform::qt::controlWidget(window, field));
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    // The labels of the window whose text does not fit their rectangle in
    // their own font.
    std::vector<std::string> labelsThatDoNotFit(platform::WindowNumber window) {
        std::vector<std::string> out;
        for (QLabel* label : platform::qt::contentWidget(window)->findChildren<QLabel*>()) {
            const QFontMetrics metrics(label->font());
            if (metrics.horizontalAdvance(label->text()) > label->width() || metrics.height() > label->height())
                out.push_back(label->text().toStdString());
        }
        return out;
    }

    SheetRecorder recorder;
};

}  // namespace quendal::test
