// A message between the running programs as its endpoint reads it: any
// bytes are a frame or not, and a frame read is sent again as the same
// message.
#include <cstdint>

#include <QByteArray>

#include "fuzz/FuzzCheck.h"
#include "platform/qt/LocalMessages.h"

using namespace quendal::platform;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<AppMessage> message = qt::decodeFrame(bytes);
    if (!message) return 0;
    FUZZ_CHECK(message->eventClass.size() == 4 && message->eventId.size() == 4);
    FUZZ_CHECK(message->text.size() <= kAppMessageTextLimit);
    const std::optional<AppMessage> again = qt::decodeFrame(qt::encodeFrame(*message));
    FUZZ_CHECK(again && again->eventClass == message->eventClass && again->eventId == message->eventId &&
               again->text == message->text);
    return 0;
}
