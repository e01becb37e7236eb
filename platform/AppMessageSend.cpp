#include "platform/AppMessageSend.h"

#include <string>

#include "model/MessageVocabulary.h"
#include "platform/Platform.h"

namespace quendal {

int32_t SndAppleEvent(std::string_view code, std::string_view text, std::string_view applicationName) {
    SendAppMessageCounted(code, text, applicationName);
    return 0;
}

int32_t SendAppMessageCounted(std::string_view code, std::string_view text, std::string_view applicationName) {
    platform::AppMessage message;
    message.eventClass = std::string(code);
    message.eventId = std::string(vocabulary::kTextEventId);
    message.text = std::string(text.substr(0, platform::kAppMessageTextLimit));
    const int32_t served = platform::messageService().send(applicationName, message);
    if (served < 0) platform::beep();
    return served;
}

}  // namespace quendal
