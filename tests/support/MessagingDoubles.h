// Doubles of the messages between applications and of the clipboard: a
// messenger that records what the program sends and launches, and a
// clipboard that holds what the test puts on it.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace quendal::test {

struct SentMessage {
    std::string eventClass, text, application;
    bool operator==(const SentMessage&) const = default;
    friend void PrintTo(const SentMessage& m, std::ostream* out) {
        *out << m.eventClass << " \"" << m.text << "\" to " << m.application;
    }
};

class RecordingMessenger : public platform::MessageService {
public:
    bool listen(std::string_view, platform::AppMessageReceiver) override { return true; }
    void stopListening() override {}
    int32_t send(std::string_view application, const platform::AppMessage& message) override {
        sent.push_back({message.eventClass, message.text, std::string(application)});
        return failing ? -1 : served;
    }
    int32_t launch(std::string_view application) override {
        launched.emplace_back(application);
        return 0;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const SentMessage& m : sent) out.push_back(m.text);
        return out;
    }

    std::vector<SentMessage> sent;
    std::vector<std::string> launched;
    bool failing = false;
    int32_t served = 1;  // programs of the named application running: 0, none answers
};

class ClipboardDouble : public platform::ClipboardService {
public:
    std::optional<std::string> text() override { return content; }
    std::optional<std::string> content;  // UTF-8, as the desktop gives it
};

class RecordingDialogs : public platform::DialogService {
public:
    void alert(std::string_view title, std::string_view message) override {
        alerts.push_back(std::string(title) + "|" + std::string(message));
    }
    void sheetAlert(platform::WindowNumber window, std::string_view title, std::string_view message,
                    std::function<void()>) override {
        sheets.push_back(std::to_string(window) + "|" + std::string(title) + "|" + std::string(message));
    }
    void beep() override { ++beeps; }
    std::vector<std::string> alerts, sheets;
    int beeps = 0;
};

}  // namespace quendal::test
