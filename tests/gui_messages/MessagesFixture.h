// The messages' tests begin with the layer as just started, the program's
// three text handlers installed, and doubles for the transport, the
// clipboard and the dialogs.
#pragma once

#include <string>
#include <vector>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/AppMessages.h"
#include "model/MessageVocabulary.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "support/MessagingDoubles.h"

namespace quendal::test {

// Every field followed by two blanks, as the siblings write records.
inline std::string recordText(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& f : fields) text += f + "  ";
    return text;
}

inline std::vector<std::string> driverFields(const std::string& fs = "38") {
    return {"DUMMY#", "Woofer-8", "30 Hz - 3 kHz", "20", fs, "62", "0.32", "0.35", "4.1", "0.9", "5.6",
            "80", "220", "6.5", "143", "0.8"};
}
inline std::string driverRecord(const std::string& fs = "38") { return recordText(driverFields(fs)); }

inline std::vector<std::string> radiatorFields(const std::string& fp = "21.5") {
    return {"DUMMY&", "Acme Audio", "PR-25", "25", fp, "48", "6.2", "330", "11", "360"};
}
inline std::string radiatorRecord(const std::string& fp = "21.5") { return recordText(radiatorFields(fp)); }

class MessagesTest : public testing::Test {
protected:
    void SetUp() override {
        messenger = RecordingMessenger{};
        clipboard.content.reset();  // emptied in place: gcc's sanitized build misjudges a whole new double
        dialogs = RecordingDialogs{};
        resetState();
        platform::resetPlatform();
        platform::setMessageService(&messenger);
        platform::setClipboardService(&clipboard);
        platform::setDialogService(&dialogs);
        InstallTextMessageHandlers();
    }
    void TearDown() override {
        platform::resetPlatform();
        platform::setMessageService(nullptr);
        platform::setClipboardService(nullptr);
        resetState();
    }

public:
    // A design on the screen: the response window of a Passive Radiator design.
    void openDesign() {
        ASSERT_TRUE(platform::createWindow(kResponseWindow, platform::WindowKind::Document, {100, 100, 490, 640},
                                           "Response"));
        platform::showWindow(kResponseWindow);
        state.shell.WindCloseFlag = 0;
        state.selection.SysSelTabNum = 1;
        state.selection.SysSelBtnNum = 4;
    }

protected:
    static void receive(std::string_view eventClass, std::string_view text) {
        ReceiveAppMessage({std::string(eventClass), "TEXT", std::string(text)});
    }
    static void fromOrvanel(std::string_view text) { receive(vocabulary::kFromOrvanel, text); }
    static void fromTessmir(std::string_view text) { receive(vocabulary::kFromTessmir, text); }
    static void fromOstrevane(std::string_view text) { receive(vocabulary::kFromOstrevane, text); }

    RecordingMessenger messenger;
    ClipboardDouble clipboard;
    RecordingDialogs dialogs;
};

}  // namespace quendal::test
