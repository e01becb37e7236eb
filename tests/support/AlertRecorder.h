// Alerts, sheets and beeps recorded instead of answered, and the labels of a
// window whose text does not fit: shared by the headless window tests.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include "platform/Platform.h"
#include "platform/qt/Registry.h"

namespace quendal::test {

// Every alert and sheet kept with its window (0 for an application alert);
// a sheet's OK waits until pressOk(). A refusal alert's OK does nothing more.
struct AlertRecorder : platform::DialogService {
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
    void beep() override { ++beeps; }
    void pressOk() {
        for (auto& ok : std::exchange(pending, {}))
            if (ok) ok();
    }
    std::vector<Sheet> sheets;
    std::vector<std::function<void()>> pending;
    int beeps = 0;
};

// The labels of the window whose text does not fit their rectangle in their
// own font.
inline std::vector<std::string> labelsThatDoNotFit(platform::WindowNumber window) {
    std::vector<std::string> out;
    for (QLabel* label : platform::qt::contentWidget(window)->findChildren<QLabel*>()) {
        const QFontMetrics metrics(label->font());
        if (metrics.horizontalAdvance(label->text()) > label->width() || metrics.height() > label->height())
            out.push_back(label->text().toStdString());
    }
    return out;
}

}  // namespace quendal::test
