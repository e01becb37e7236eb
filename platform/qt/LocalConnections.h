// The connections a local endpoint takes, bounded. A same-user program can
// open connections and send nothing: each connection has kFrameWaitMs from
// being taken to bring its whole frame and is dropped after that, and no
// more than kMaxHeldConnections are held at once; one beyond that is closed
// as soon as it is taken. So idle connections cannot pile up until the
// program runs out of descriptors.
#pragma once

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace quendal::platform::qt {

inline constexpr int kFrameWaitMs = 2000;
inline constexpr int kMaxHeldConnections = 16;

class HeldConnections {
public:
    HeldConnections();

    // Takes the waiting connections of `server`; each one held goes to
    // `serve`, which reads its frame. A connection goes (deleted later) once
    // it is closed by either side or its time is up.
    void takeFrom(QLocalServer* server, const std::function<void(QLocalSocket*)>& serve);
    // The connections held now.
    int count() const { return *held_; }
    // How long a connection may take to bring its frame (tests shorten it).
    void setFrameWait(int ms) { frameWaitMs_ = ms; }

private:
    std::shared_ptr<int> held_;  // shared with the connections, which may outlive this
    int frameWaitMs_ = kFrameWaitMs;
};

// Whether the other end of a connection has closed its side already: a
// sender that waits for an answer never does, one that gave up waiting has.
bool peerHasClosed(QLocalSocket* socket);

}  // namespace quendal::platform::qt
