#include "platform/qt/LocalMessages.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/CarefulFiles.h"
#include "platform/qt/MacRoman.h"
#include "platform/qt/PrivateFolder.h"
#include "platform/qt/Registry.h"
#include "platform/qt/WindowFrame.h"

namespace quendal::platform::qt {

namespace {

constexpr const char* kFolderName = "sibling-messages";
constexpr int kConnectWaitMs = 1000;  // a listening socket accepts at once; this only bounds a broken one
constexpr int kWriteWaitMs = 1000;
constexpr int kFrameLimit = kFrameHeaderBytes + int(kAppMessageTextLimit);

// Four bytes exactly: a shorter code is padded with blanks, a longer one cut.
QByteArray fourBytes(std::string_view code) {
    QByteArray bytes(code.data(), int(std::min<std::size_t>(code.size(), 4)));
    while (bytes.size() < 4) bytes.append(' ');
    return bytes;
}

// "<application>.<digits>": the application part and the process id.
bool splitEndpointName(const std::string& name, std::string& application, int64_t& pid) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 >= name.size()) return false;
    int64_t value = 0;
    for (std::size_t i = dot + 1; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9' || value > 1'000'000'000'000) return false;
        value = value * 10 + (name[i] - '0');
    }
    application = name.substr(0, dot);
    pid = value;
    return true;
}

bool isOurSocket(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode) && info.st_uid == ::getuid();
}

// Far larger than any desktop entry; a larger file is not read.
constexpr qint64 kDesktopEntryLimit = 1 << 20;  // bytes

std::optional<QStringList> desktopEntryCommand(const QString& file) {
    // Read whole first, never waiting: a pipe named like an entry is refused,
    // and so is an entry over the limit.
    std::string bytes, reason;
    if (!readWholeFile(QFile::encodeName(file).toStdString(), Opening::UserFile, std::size_t(kDesktopEntryLimit) + 1,
                       bytes, reason) ||
        bytes.size() > std::size_t(kDesktopEntryLimit))
        return std::nullopt;
    return commandOfDesktopEntry(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

}  // namespace

std::optional<QStringList> commandOfDesktopEntry(QByteArrayView text) {
    const QString whole = QString::fromUtf8(text);
    bool mainGroup = false;
    QString exec;
    for (const QStringView untrimmed : QStringView(whole).split(QLatin1Char('\n'))) {
        const QStringView line = untrimmed.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            mainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!mainGroup) continue;
        if (line == QLatin1String("Hidden=true")) return std::nullopt;
        if (line.startsWith(QLatin1String("Exec="))) exec = line.mid(5).toString();
    }
    QStringList command;
    for (const QString& argument : QProcess::splitCommand(exec)) {
        if (argument.size() == 2 && argument.front() == QLatin1Char('%')) {
            if (argument == QLatin1String("%%")) command << QStringLiteral("%");
            continue;  // %f, %u, %i ...: no documents are handed over
        }
        command << argument;
    }
    if (command.isEmpty()) return std::nullopt;
    return command;
}

std::string messageFolder() { return privateRuntimeFolder(kFolderName); }

QByteArray encodeFrame(const AppMessage& message) {
    const std::size_t length = std::min(message.text.size(), kAppMessageTextLimit);
    QByteArray frame(kFrameMagic, 4);
    frame.append(char(kFrameVersion));
    frame.append(fourBytes(message.eventClass));
    frame.append(fourBytes(message.eventId));
    frame.append(char(uint8_t(length)));
    frame.append(message.text.data(), int(length));
    return frame;
}

std::optional<AppMessage> decodeFrame(const QByteArray& bytes) {
    if (bytes.size() < kFrameHeaderBytes || std::memcmp(bytes.constData(), kFrameMagic, 4) != 0 ||
        uint8_t(bytes[4]) != kFrameVersion)
        return std::nullopt;
    const int length = uint8_t(bytes[13]);
    if (bytes.size() < kFrameHeaderBytes + length) return std::nullopt;
    AppMessage message;
    message.eventClass.assign(bytes.constData() + 5, 4);
    message.eventId.assign(bytes.constData() + 9, 4);
    message.text.assign(bytes.constData() + kFrameHeaderBytes, std::size_t(length));
    return message;
}

std::vector<std::string> endpointsOf(std::string_view application, int64_t ownPid) {
    std::vector<std::string> found;
    const std::string folder = messageFolder();
    if (folder.empty()) return found;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        std::string owner;
        int64_t pid = 0;
        if (!splitEndpointName(name, owner, pid) || pid == ownPid) continue;
        if (!application.empty() && owner != application) continue;
        const std::string path = folder + "/" + name;
        if (isOurSocket(path)) found.push_back(path);
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end());
    return found;
}

std::optional<QStringList> siblingCommand(std::string_view name) {
    QString base = fromMacRoman(name).trimmed();
    if (base.endsWith(QLatin1String(".app"))) base.chop(4);
    if (base.isEmpty() || base.contains(QLatin1Char('/'))) return std::nullopt;
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    for (const QString& candidate : {base, base.toLower()}) {
        for (const QString& folder : folders) {
            const QString file = folder + QLatin1Char('/') + candidate + QStringLiteral(".desktop");
            if (QFile::exists(file))
                if (auto command = desktopEntryCommand(file)) return command;
        }
    }
    for (const QString& candidate : {base, base.toLower()}) {
        const QString executable = QStandardPaths::findExecutable(candidate);
        if (!executable.isEmpty()) return QStringList{executable};
    }
    return std::nullopt;
}

LocalMessages::LocalMessages() = default;

LocalMessages::~LocalMessages() { stopListening(); }

bool LocalMessages::listen(std::string_view applicationName, AppMessageReceiver receiver) {
    stopListening();
    const std::string folder = messageFolder();
    if (folder.empty() || applicationName.empty()) return false;
    const std::string path = folder + "/" + std::string(applicationName) + "." + std::to_string(::getpid());
    // A socket under our own process id can only be left by a process that
    // has gone: ours now.
    removeOwnNode(path);
    notePathUse(path, PathUse::Socket);
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(QString::fromStdString(path))) {
        delete server;
        return false;
    }
    server_ = server;
    receiver_ = std::move(receiver);
    path_ = path;
    connect(server_, &QLocalServer::newConnection, this, [this] { acceptConnections(); });
    return true;
}

void LocalMessages::stopListening() {
    if (server_ != nullptr) {
        server_->close();  // removes the socket file
        // Later: a handler that stops listening runs inside a signal of one
        // of the server's connections.
        server_->deleteLater();
        server_ = nullptr;
    }
    receiver_ = nullptr;
    path_.clear();
}

void LocalMessages::acceptConnections() {
    held_.takeFrom(server_, [this](QLocalSocket* socket) {
        auto buffer = std::make_shared<QByteArray>();
        auto readFrame = [this, socket, buffer] {
            if (socket->state() != QLocalSocket::ConnectedState && socket->bytesAvailable() == 0) return;
            buffer->append(socket->read(kFrameLimit - buffer->size()));
            const bool badStart = buffer->size() >= 4 && std::memcmp(buffer->constData(), kFrameMagic, 4) != 0;
            const std::optional<AppMessage> message = decodeFrame(*buffer);
            if (!message && !badStart && buffer->size() < kFrameLimit) return;  // more to come
            buffer->clear();
            socket->disconnectFromServer();
            // One message at a time: the receiver runs to completion here.
            if (message && receiver_) {
                const AppMessageReceiver receiver = receiver_;
                receiver(*message);
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readFrame);
        if (socket->bytesAvailable() > 0) readFrame();
    });
}

int32_t LocalMessages::send(std::string_view applicationName, const AppMessage& message) {
    const QByteArray frame = encodeFrame(message);
    int32_t served = 0;
    for (const std::string& path : endpointsOf(applicationName, ::getpid())) {
        notePathUse(path, PathUse::Socket);
        QLocalSocket socket;
        socket.connectToServer(QString::fromStdString(path));
        if (!socket.waitForConnected(kConnectWaitMs)) {
            const QLocalSocket::LocalSocketError error = socket.error();
            if (error == QLocalSocket::ConnectionRefusedError) {
                // Its program has gone without closing its endpoint.
                if (isOurSocket(path)) removeOwnNode(path);
                continue;
            }
            if (error == QLocalSocket::ServerNotFoundError) continue;  // closed just now
            return -1;
        }
        socket.write(frame);
        socket.flush();
        if (socket.bytesToWrite() > 0 && !socket.waitForBytesWritten(kWriteWaitMs)) return -1;
        socket.disconnectFromServer();
        ++served;
    }
    return served;
}

int32_t LocalMessages::launch(std::string_view applicationName) {
    const std::optional<QStringList> command = siblingCommand(applicationName);
    if (!command) return kApplicationNotFound;
    QStringList arguments = *command;
    const QString program = arguments.takeFirst();
    return QProcess::startDetached(program, arguments) ? 0 : kApplicationNotFound;
}

}  // namespace quendal::platform::qt

namespace quendal::platform {

namespace {

QWidget* shownModalDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || widget->windowModality() == Qt::NonModal) continue;
        if (dynamic_cast<qt::WindowFrame*>(widget) != nullptr) continue;  // a numbered sheet
        return widget;
    }
    return nullptr;
}

}  // namespace

bool modalDialogShown() { return shownModalDialog() != nullptr; }

bool bringLayerWindowForward() {
    QWidget* front = shownModalDialog();
    if (front == nullptr) {
        QWidget* host = qt::menuHostWidget();
        if (host == nullptr || !host->isVisible()) return false;
        front = host;
    }
    qt::bringForward(front);
    return true;
}

}  // namespace quendal::platform

namespace quendal::platform::qt {

void installDesktopMessaging() {
    ClipboardService& clipboard = desktopClipboard();
    static QPointer<LocalMessages> messages;
    if (!messages) {
        messages = new LocalMessages;
        // Goes with the application object; the layer then sends nothing.
        messages->setParent(QCoreApplication::instance());
        QObject::connect(messages.data(), &QObject::destroyed, [&clipboard] { installLayerMessaging(nullptr, &clipboard); });
    }
    installLayerMessaging(messages.data(), &clipboard);
}

}  // namespace quendal::platform::qt
