#include "platform/qt/DocumentHandover.h"

#include <algorithm>
#include <cstring>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/CarefulFiles.h"
#include "platform/qt/PrivateFolder.h"

namespace quendal::platform::qt {

namespace {

constexpr const char* kFolderName = "quendal-documents";
constexpr const char* kLockName = "receiver.lock";
constexpr const char* kSocketName = "receiver";
constexpr char kMagic[4] = {'Q', 'D', 'O', 'C'};
constexpr QByteArrayView kReceived = "OK";
constexpr quint32 kMaxPaths = 1024;
constexpr quint32 kMaxPathBytes = 64 * 1024;
constexpr int kFrameLimit = 1024 * 1024;  // bytes of one handover
// A receiver that runs answers within milliseconds; one that does not
// answer within this time, all tries together, is taken as hung, and the
// documents open in the program that was started with them.
constexpr int kHandoverWaitMs = 2000;
constexpr int kRetryPauseMs = 100;  // while a receiver that took its place opens its socket

void appendNumber(QByteArray& bytes, quint32 value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes.append(char((value >> shift) & 0xFF));
}

bool readNumber(const QByteArray& bytes, qsizetype& at, quint32& value) {
    if (bytes.size() - at < 4) return false;
    value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | quint8(bytes[at + i]);
    at += 4;
    return true;
}

}  // namespace

std::string handoverFolder() { return privateRuntimeFolder(kFolderName); }

QByteArray encodeDocumentList(const std::vector<std::string>& paths) {
    QByteArray frame(kMagic, 4);
    appendNumber(frame, quint32(paths.size()));
    for (const std::string& path : paths) {
        appendNumber(frame, quint32(path.size()));
        frame.append(path.data(), qsizetype(path.size()));
    }
    return frame;
}

DocumentListReader::Status DocumentListReader::take(QByteArrayView bytes) {
    if (status_ != Status::More) return status_;
    if (bytes_.size() + bytes.size() > kFrameLimit) return status_ = Status::Bad;
    bytes_.append(bytes);
    const qsizetype known = std::min<qsizetype>(bytes_.size(), 4);
    if (std::memcmp(bytes_.constData(), kMagic, std::size_t(known)) != 0) return status_ = Status::Bad;
    if (at_ == 0) {
        qsizetype at = 4;
        if (bytes_.size() < 4 || !readNumber(bytes_, at, count_)) return status_;
        if (count_ > kMaxPaths) return status_ = Status::Bad;
        at_ = at;
    }
    while (paths_.size() < count_) {
        qsizetype at = at_;
        quint32 length = 0;
        if (!readNumber(bytes_, at, length)) return status_;
        if (length > kMaxPathBytes) return status_ = Status::Bad;
        if (bytes_.size() - at < qsizetype(length)) return status_;
        paths_.emplace_back(bytes_.constData() + at, std::size_t(length));
        at_ = at + qsizetype(length);
    }
    bytes_.clear();
    return status_ = Status::Whole;
}

std::optional<std::vector<std::string>> decodeDocumentList(const QByteArray& bytes, bool& bad) {
    DocumentListReader reader;
    const DocumentListReader::Status status = reader.take(bytes);
    bad = status == DocumentListReader::Status::Bad;
    if (status != DocumentListReader::Status::Whole) return std::nullopt;
    return reader.paths();
}

LocalDocumentHandover::LocalDocumentHandover() = default;

LocalDocumentHandover::~LocalDocumentHandover() { stopReceiving(); }

bool LocalDocumentHandover::handOver(const std::vector<std::string>& paths, DocumentReceiver receiver) {
    if (server_ != nullptr) {  // this program receives already
        receiver_ = std::move(receiver);
        return false;
    }
    const std::string folder = handoverFolder();
    if (folder.empty()) return false;  // no place: every start opens its own documents
    const QDeadlineTimer deadline(kHandoverWaitMs);
    do {
        bool refused = false;
        if (lockPlace(folder, refused)) return takePlace(folder, std::move(receiver));
        // Something else than the lock stands at its place: no program can
        // receive, and this one opens its own documents.
        if (refused) return false;
        // No documents: the empty list brings the program that runs forward.
        if (send(folder + "/" + kSocketName, paths, deadline)) return true;
        QThread::msleep(std::min<qint64>(kRetryPauseMs, deadline.remainingTime()));
    } while (!deadline.hasExpired());
    return false;  // the receiver does not answer: this start goes on, its documents open here
}

bool LocalDocumentHandover::lockPlace(const std::string& folder, bool& refused) {
    if (lock_ < 0) {
        // Opened without waiting and never through a link: a pipe, socket,
        // folder or link at the lock's place is left as it stands.
        const OpenedPath opened = openCarefully(folder + "/" + kLockName, Opening::LockFile);
        if (!opened) {
            refused = true;
            return false;
        }
        lock_ = opened.fd;
    }
    if (::flock(lock_, LOCK_EX | LOCK_NB) == 0) return true;
    return false;
}

void LocalDocumentHandover::unlockPlace() {
    if (lock_ < 0) return;
    ::close(lock_);  // the lock goes with the descriptor
    lock_ = -1;
}

bool LocalDocumentHandover::takePlace(const std::string& folder, DocumentReceiver receiver) {
    const std::string socketPath = folder + "/" + kSocketName;
    // Whoever held the lock has gone: a socket left behind is theirs. Only
    // a socket or a link is taken away; anything else stays, and the place is not taken.
    struct stat left {};
    if (::lstat(socketPath.c_str(), &left) == 0 && (S_ISSOCK(left.st_mode) || S_ISLNK(left.st_mode)))
        removeOwnNode(socketPath);
    notePathUse(socketPath, PathUse::Socket);
    // The socket is made beside its place and renamed into it: whatever
    // still stands there would be replaced, so the place is not taken.
    if (nodeAt(socketPath) != NodeKind::Missing) {
        unlockPlace();
        return false;
    }
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(QString::fromStdString(socketPath))) {
        delete server;
        unlockPlace();
        return false;
    }
    server_ = server;
    receiver_ = std::move(receiver);
    connect(server_, &QLocalServer::newConnection, this, [this] { acceptConnections(); });
    return false;
}

bool LocalDocumentHandover::send(const std::string& socketPath, const std::vector<std::string>& paths,
                                 const QDeadlineTimer& deadline) {
    // Every wait ends with the handover's time, however far it got.
    const auto left = [&deadline] { return int(std::max<qint64>(0, deadline.remainingTime())); };
    // Only a socket is connected to; whatever else stands there is no receiver.
    notePathUse(socketPath, PathUse::Socket);
    if (nodeAt(socketPath) != NodeKind::Special) return false;
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketPath));
    if (!socket.waitForConnected(left())) return false;
    socket.write(encodeDocumentList(paths));
    socket.flush();
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(left())) return false;
    QByteArray answer;
    while (answer.size() < kReceived.size()) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(left())) return false;
        answer += socket.readAll();
    }
    return answer.startsWith(kReceived);
}

void LocalDocumentHandover::acceptConnections() {
    held_.takeFrom(server_, [this](QLocalSocket* socket) {
        auto reader = std::make_shared<DocumentListReader>();
        auto readList = [this, socket, reader] {
            if (reader->status() != DocumentListReader::Status::More) return;  // answered already
            const DocumentListReader::Status status = reader->take(socket->readAll());
            if (status == DocumentListReader::Status::More) return;  // more to come
            std::optional<std::vector<std::string>> paths;
            if (status == DocumentListReader::Status::Whole) paths = reader->paths();
            // A sender that has closed gave up waiting for the answer (this
            // program was busy) and opens the documents itself: they are not
            // opened here a second time.
            if (paths && peerHasClosed(socket)) paths.reset();
            if (paths) {
                socket->write(kReceived.data(), kReceived.size());
                socket->flush();
            }
            socket->disconnectFromServer();
            if (paths && receiver_) {
                const DocumentReceiver receiver = receiver_;
                receiver(*paths);
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readList);
        if (socket->bytesAvailable() > 0) readList();
    });
}

void LocalDocumentHandover::stopReceiving() {
    if (server_ != nullptr) {
        server_->close();  // removes the socket
        server_->deleteLater();
        server_ = nullptr;
    }
    receiver_ = nullptr;
    // The next place taken may stand in another runtime folder.
    unlockPlace();
}

}  // namespace quendal::platform::qt

namespace quendal::platform {

namespace {

DocumentHandoverService* gHandover = nullptr;

// The layer's own goes with the application object, which releases the
// receiving place when the program ends.
DocumentHandoverService& layerHandover() {
    static QPointer<qt::LocalDocumentHandover> own;
    if (!own) {
        own = new qt::LocalDocumentHandover;
        own->setParent(QCoreApplication::instance());
    }
    return *own;
}

}  // namespace

void setDocumentHandoverService(DocumentHandoverService* service) { gHandover = service; }

DocumentHandoverService& documentHandover() { return gHandover != nullptr ? *gHandover : layerHandover(); }

}  // namespace quendal::platform
