// A small web server on 127.0.0.1 that answers each path as the test says:
// a status and a body, at once or late, in one piece or in two, over and
// over up to a bound, or never.
#pragma once

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <map>
#include <memory>
#include <string>

namespace quendal::test {

struct Route {
    QByteArray status = "200 OK";
    QByteArray body;
    QByteArray headers;     // extra header lines, each ending in "\r\n"
    int delayMs = 0;        // before the answer
    int splitAt = -1;       // bytes of the body sent first ...
    int restAfterMs = 0;    // ... and the rest this much later
    bool withLength = true; // announce the body's length
    bool silent = false;    // never answer
    qint64 announced = -1;  // a length to announce other than the body's
    qint64 endless = 0;     // bytes to send in all, the body over and over as the client takes it

    Route after(int ms) const { Route r = *this; r.delayMs = ms; return r; }
    Route inTwo(int firstBytes, int restAfter) const { Route r = *this; r.splitAt = firstBytes; r.restAfterMs = restAfter; return r; }
    Route unannounced() const { Route r = *this; r.withLength = false; return r; }
    Route never() const { Route r = *this; r.silent = true; return r; }
    Route header(const QByteArray& line) const { Route r = *this; r.headers += line; return r; }
    Route announcing(qint64 bytes) const { Route r = *this; r.announced = bytes; return r; }
    Route repeatedTo(qint64 bytes) const { Route r = *this; r.endless = bytes; r.withLength = false; return r; }
};

inline Route answer(const QByteArray& status, const QByteArray& body) {
    Route r;
    r.status = status;
    r.body = body;
    return r;
}

class LocalServer : public QObject {
public:
    LocalServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                ++connections;
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
                connect(socket, &QTcpSocket::disconnected, this, [this] { ++hangUps; });
            }
        });
    }
    std::string base() const { return "http://127.0.0.1:" + std::to_string(server_.serverPort()); }

    std::map<QByteArray, Route> routes;
    int connections = 0;
    int hangUps = 0;  // connections that ended, by either side

private:
    void serve(QTcpSocket* socket) {
        QByteArray& request = requests_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) return;
        const QByteArray path = request.split(' ').value(1).split('?').value(0);
        const auto found = routes.find(path);
        const Route route = found != routes.end() ? found->second : answer("404 Not Found", "<html>Not Found</html>");
        if (route.silent) return;
        QPointer<QTcpSocket> guarded(socket);
        QTimer::singleShot(route.delayMs, socket, [guarded, route] {
            if (!guarded) return;
            QByteArray head = "HTTP/1.1 " + route.status + "\r\nContent-Type: application/octet-stream\r\n";
            if (route.withLength)
                head += "Content-Length: " + QByteArray::number(route.announced >= 0 ? route.announced : route.body.size()) +
                        "\r\n";
            head += route.headers + "Connection: close\r\n\r\n";
            if (route.endless > 0) {
                sendOverAndOver(guarded, head, route.body, route.endless);
                return;
            }
            const int first = route.splitAt >= 0 ? route.splitAt : int(route.body.size());
            guarded->write(head + route.body.left(first));
            const QByteArray rest = route.body.mid(first);
            QTimer::singleShot(route.restAfterMs, guarded.data(), [guarded, rest] {
                if (!guarded) return;
                guarded->write(rest);
                guarded->disconnectFromHost();
            });
        });
    }

    // The body again each time the client has taken most of what was sent,
    // until `total` bytes went out or the client hung up.
    static void sendOverAndOver(QPointer<QTcpSocket> socket, const QByteArray& head, const QByteArray& body, qint64 total) {
        auto sent = std::make_shared<qint64>(0);
        auto more = [socket, body, total, sent] {
            if (!socket || socket->bytesToWrite() > body.size()) return;
            if (*sent >= total) {
                socket->disconnectFromHost();
                return;
            }
            socket->write(body);
            *sent += body.size();
        };
        connect(socket.data(), &QTcpSocket::bytesWritten, socket.data(), more);
        socket->write(head);
        more();
    }

    QTcpServer server_;
    std::map<QTcpSocket*, QByteArray> requests_;
};

}  // namespace quendal::test
