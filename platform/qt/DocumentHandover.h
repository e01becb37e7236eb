// Documents handed from one start of the program to another, over a local
// socket.
//
// The receiving place is the folder "quendal-documents" of the user's
// runtime folder ($XDG_RUNTIME_DIR, mode 0700, for the user alone): a lock
// file says which program receives, and its socket "receiver" takes the
// documents. A program that has gone leaves a lock that the next start
// finds stale and takes over.
//
// A start without documents hands over the empty list, so that the program
// that runs comes forward and the start ends.
//
// One handover is one connection: "QDOC", the number of paths (4 bytes,
// most significant first), then each path as its length (4 bytes) and its
// UTF-8 bytes; the receiver answers "OK" once it has them all. A second
// start whose receiver does not answer within two seconds opens its
// documents itself; a sender that has closed by the time the receiver reads
// its list gets no answer and its documents are not opened by the receiver,
// so a late receiver never opens them a second time. The receiving socket
// holds its connections within the bounds of HeldConnections.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QByteArray>
#include <QObject>

#include "platform/Platform.h"
#include "platform/qt/LocalConnections.h"

class QDeadlineTimer;
class QLocalServer;

namespace quendal::platform::qt {

// The folder of the receiving place, made when missing; "" when the
// runtime folder is unusable (or the folder belongs to someone else).
std::string handoverFolder();

QByteArray encodeDocumentList(const std::vector<std::string>& paths);
// The paths of a whole frame; nothing while it is incomplete. `bad` is set
// for bytes that are no frame or exceed the limits.
std::optional<std::vector<std::string>> decodeDocumentList(const QByteArray& bytes, bool& bad);

// A frame read as its bytes arrive, in pieces of any size: each byte is
// looked at once, so a frame brought a byte at a time costs no more than
// one brought whole. Bytes beyond the frame's limit are refused as they
// come, before more is kept.
class DocumentListReader {
public:
    enum class Status { More, Whole, Bad };
    // Takes the next bytes; once the frame is whole or bad, the verdict
    // stays and further bytes are not looked at.
    Status take(QByteArrayView bytes);
    Status status() const { return status_; }
    // The paths of the whole frame.
    const std::vector<std::string>& paths() const { return paths_; }

private:
    Status status_ = Status::More;
    QByteArray bytes_;
    qsizetype at_ = 0;     // the first byte not yet read into paths_
    quint32 count_ = 0;    // the paths the frame says it holds, once at_ > 0
    std::vector<std::string> paths_;
};

class LocalDocumentHandover : public QObject, public DocumentHandoverService {
public:
    LocalDocumentHandover();
    ~LocalDocumentHandover() override;

    bool handOver(const std::vector<std::string>& paths, DocumentReceiver receiver) override;
    void stopReceiving() override;

    bool receiving() const { return server_ != nullptr; }
    // The connections taken that have not ended yet.
    int heldConnections() const { return held_.count(); }

private:
    // Whether the receiving place is this program's now; `refused` is set
    // when the lock's place holds no file of its own (a pipe, link, folder).
    bool lockPlace(const std::string& folder, bool& refused);
    void unlockPlace();
    bool takePlace(const std::string& folder, DocumentReceiver receiver);
    bool send(const std::string& socketPath, const std::vector<std::string>& paths, const QDeadlineTimer& deadline);
    void acceptConnections();

    HeldConnections held_;
    // The lock on receiver.lock, held while this program receives: the
    // descriptor of the file, locked by flock, which the system releases
    // when the program ends however it ends. -1 when not opened.
    int lock_ = -1;
    QLocalServer* server_ = nullptr;
    DocumentReceiver receiver_;
};

}  // namespace quendal::platform::qt
