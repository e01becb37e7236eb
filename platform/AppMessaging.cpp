// Where the messages between applications and the clipboard are reached.
// Until the windowing layer installs its own services (or a test installs a
// double), nothing is sent, received or pasted.
#include "platform/Platform.h"

namespace quendal::platform {

namespace {

class QuietMessages : public MessageService {
public:
    bool listen(std::string_view, AppMessageReceiver) override { return false; }
    void stopListening() override {}
    int32_t send(std::string_view, const AppMessage&) override { return 0; }
    int32_t launch(std::string_view) override { return kApplicationNotFound; }
};

class EmptyClipboard : public ClipboardService {
public:
    std::optional<std::string> text() override { return std::nullopt; }
};

QuietMessages gQuietMessages;
EmptyClipboard gEmptyClipboard;
MessageService* gMessages = nullptr;       // a test's double
ClipboardService* gClipboard = nullptr;
MessageService* gLayerMessages = nullptr;  // the windowing layer's own
ClipboardService* gLayerClipboard = nullptr;

}  // namespace

void setMessageService(MessageService* service) { gMessages = service; }
MessageService& messageService() {
    if (gMessages != nullptr) return *gMessages;
    return gLayerMessages != nullptr ? *gLayerMessages : gQuietMessages;
}

void setClipboardService(ClipboardService* service) { gClipboard = service; }
ClipboardService& clipboard() {
    if (gClipboard != nullptr) return *gClipboard;
    return gLayerClipboard != nullptr ? *gLayerClipboard : gEmptyClipboard;
}

void installLayerMessaging(MessageService* messages, ClipboardService* clipboard) {
    gLayerMessages = messages;
    gLayerClipboard = clipboard;
}

}  // namespace quendal::platform
