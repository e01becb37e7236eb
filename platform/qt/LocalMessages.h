// Messages between the running programs of one user, over local sockets.
//
// Every program that listens has one endpoint: a socket named
// "<application>.<process id>" in one folder of the user's runtime folder
// ($XDG_RUNTIME_DIR/sibling-messages, mode 0700, sockets for the user
// alone). Per-process names keep a second program from taking over a
// running one's endpoint; the private folder keeps other users out.
//
// One message is one connection carrying one frame:
//   "AMSG", version 1, the event class (4 bytes), the event id (4 bytes),
//   the length of the text (1 byte) and the text (0-255 bytes).
// The endpoint holds its connections within the bounds of HeldConnections.
// An endpoint whose program has gone (its socket refuses the connection)
// counts as not running and is removed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include "platform/Platform.h"
#include "platform/qt/LocalConnections.h"

class QLocalServer;

namespace quendal::platform::qt {

inline constexpr char kFrameMagic[4] = {'A', 'M', 'S', 'G'};
inline constexpr uint8_t kFrameVersion = 1;
inline constexpr int kFrameHeaderBytes = 14;  // magic, version, class, id, length

// The folder of the endpoints, made when missing; "" when the runtime
// folder is unusable (or the folder belongs to someone else).
std::string messageFolder();

// One frame as sent, and the message read back from a whole frame (nothing
// for a frame that is malformed or not complete yet).
QByteArray encodeFrame(const AppMessage& message);
std::optional<AppMessage> decodeFrame(const QByteArray& bytes);

// The endpoints of the running programs of `application` ("" for all),
// without the one of process `ownPid`: full paths.
std::vector<std::string> endpointsOf(std::string_view application, int64_t ownPid);

// The command of a desktop entry's text: its Exec line in the group
// "[Desktop Entry]", without the field codes; nothing for an entry hidden
// or without one.
std::optional<QStringList> commandOfDesktopEntry(QByteArrayView text);

// The command that starts a sibling: the Exec line of its desktop entry
// ("Name.desktop" or "name.desktop" in the desktop's application folders),
// else its executable on the PATH; nothing when neither exists. A trailing
// ".app" of the name is dropped. An entry of more than 1 MiB is not read.
std::optional<QStringList> siblingCommand(std::string_view name);

class LocalMessages : public QObject, public MessageService {
public:
    LocalMessages();
    ~LocalMessages() override;

    bool listen(std::string_view applicationName, AppMessageReceiver receiver) override;
    void stopListening() override;
    int32_t send(std::string_view applicationName, const AppMessage& message) override;
    int32_t launch(std::string_view applicationName) override;

    // The path of this program's endpoint, "" while not listening.
    std::string endpointPath() const { return path_; }
    // The connections taken that have not ended yet.
    int heldConnections() const { return held_.count(); }

private:
    void acceptConnections();

    HeldConnections held_;
    QLocalServer* server_ = nullptr;
    AppMessageReceiver receiver_;
    std::string path_;
};

// The desktop's clipboard (its text flavour as Mac Roman bytes).
ClipboardService& desktopClipboard();

// Installs the local transport and the desktop's clipboard as the layer's
// own services (startApplication does it).
void installDesktopMessaging();

}  // namespace quendal::platform::qt
