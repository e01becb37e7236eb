#include "platform/qt/LocalConnections.h"

#include <cerrno>

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <sys/socket.h>

namespace quendal::platform::qt {

HeldConnections::HeldConnections() : held_(std::make_shared<int>(0)) {}

void HeldConnections::takeFrom(QLocalServer* server, const std::function<void(QLocalSocket*)>& serve) {
    while (server != nullptr && server->hasPendingConnections()) {
        QLocalSocket* socket = server->nextPendingConnection();
        if (socket == nullptr) break;
        if (*held_ >= kMaxHeldConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++*held_;
        // Released once: when the connection closes, or at the latest when
        // it is deleted.
        auto released = std::make_shared<bool>(false);
        auto release = [held = held_, released] {
            if (*released) return;
            *released = true;
            --*held;
        };
        QObject::connect(socket, &QLocalSocket::disconnected, socket, release);
        QObject::connect(socket, &QObject::destroyed, release);
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(frameWaitMs_, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        serve(socket);
    }
}

bool peerHasClosed(QLocalSocket* socket) {
    if (socket->state() != QLocalSocket::ConnectedState) return true;
    const qintptr descriptor = socket->socketDescriptor();
    if (descriptor < 0) return true;
    // What the socket has not read yet, without taking it: the end of the
    // stream (0) or an error means the other side has closed.
    char byte = 0;
    const ssize_t peeked = ::recv(int(descriptor), &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    if (peeked > 0) return false;
    return peeked == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
}

}  // namespace quendal::platform::qt
