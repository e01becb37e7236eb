// A signal handler may do almost nothing safely: it notes the signal and
// writes one byte into a socket pair, whose other end the event loop
// watches and answers with a quit.
#include "platform/qt/EndingSignals.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <iterator>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

#include "platform/Platform.h"

namespace quendal::platform::qt {

namespace {

constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int kStatusOnSignal = 128;  // a shell's status for a program a signal ended: 128 + its number

// Made once and never closed: a handler still running on another thread
// as the signals are released never writes into a descriptor since reused.
int gWake[2] = {-1, -1};  // [0] read on the event loop, [1] written by the handler
std::atomic<int> gCaught{0};
static_assert(std::atomic<int>::is_always_lock_free, "the handler touches only lock-free atomics");

struct sigaction gPrevious[std::size(kEndingSignals)];
bool gCaughtSignal[std::size(kEndingSignals)] = {};
std::unique_ptr<QSocketNotifier> gNotifier;

extern "C" void noteEndingSignal(int signal) {
    const int savedErrno = errno;
    int none = 0;
    gCaught.compare_exchange_strong(none, signal);
    const char byte = 1;
    // Non-blocking: with the pair full, the loop has been woken already.
    [[maybe_unused]] const ssize_t written = ::write(gWake[1], &byte, 1);
    errno = savedErrno;
}

void drainWake() {
    char bytes[64];
    while (::read(gWake[0], bytes, sizeof bytes) > 0) {
    }
}

bool openWake() {
    if (gWake[0] >= 0) return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, gWake) != 0) {
        gWake[0] = gWake[1] = -1;
        return false;
    }
    return true;
}

}  // namespace

void catchEndingSignals() {
    // Without the pair the signals keep their default: the process ends at once.
    if (gNotifier || !openWake()) return;
    gCaught = 0;
    drainWake();
    gNotifier = std::make_unique<QSocketNotifier>(gWake[0], QSocketNotifier::Read);
    QObject::connect(gNotifier.get(), &QSocketNotifier::activated, [] {
        drainWake();
        if (const int signal = gCaught.load()) quitApplication(kStatusOnSignal + signal);
    });
    struct sigaction caught = {};
    caught.sa_handler = noteEndingSignal;
    sigemptyset(&caught.sa_mask);
    caught.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
        gCaughtSignal[i] = false;
        if (::sigaction(kEndingSignals[i], nullptr, &gPrevious[i]) != 0 || gPrevious[i].sa_handler == SIG_IGN) continue;
        gCaughtSignal[i] = ::sigaction(kEndingSignals[i], &caught, nullptr) == 0;
    }
}

int endingSignalCaught() { return gCaught.load(); }

int releaseEndingSignals() {
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
        if (std::exchange(gCaughtSignal[i], false)) ::sigaction(kEndingSignals[i], &gPrevious[i], nullptr);
    gNotifier.reset();
    const int signal = gCaught.exchange(0);
    return signal != 0 ? kStatusOnSignal + signal : 0;
}

}  // namespace quendal::platform::qt
