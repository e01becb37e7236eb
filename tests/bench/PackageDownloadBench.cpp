// What the package's download costs the program: a server on 127.0.0.1, in
// a thread of its own, either sends 2 GB without announcing a length, ended
// by closing the connection or as chunks, and the download takes it into a
// file with the update check's bounds (pace, duration, and the byte limit
// that cuts it); or it sends a package that is hard to read through, and the
// update check downloads it and reads it through before it takes its name.
//
//   PackageDownload/<framing>/Limit256MB   the program's byte limit cuts the body
//   PackageDownload/<framing>/Whole2GB     no byte limit: all of the 2 GB goes through
//   PackageDownload/Check/Bomb5GiB         a 5 MB zip whose entries unpack to 5 GiB
//   PackageDownload/Check/Entries200k      a zip of 200,000 empty files
//
// Not a timing: the counters are the peak of the resident size above the
// one before the download (MB, the system's own mark of the peak where it
// keeps one, else sampled with each tick), the longest time the event loop was away
// (ms, the largest gap between the ticks of a 5 ms timer), and the MB that
// came through; for the checked packages also whether the package was taken
// (1) or refused (0). Goals: under 64 MB and under 100 ms.
#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "app/UpdateCheck.h"
#include "app/UrlLoading.h"
#include "model/State.h"
#include "model/UpdateCheckState.h"
#include "support/PackageFiles.h"
#include "support/ShellServiceDoubles.h"

namespace quendal {
namespace {

constexpr int64_t kBodyBytes = int64_t(2) << 30;   // bytes the server offers
constexpr std::size_t kPieceBytes = 64 * 1024;     // bytes per send, and per chunk
constexpr int kSocketWaitMs = 10000;               // the server gives up on a silent client after this
constexpr int kTickMs = 5;                         // the event loop's watch
constexpr int kGiveUpMs = 300000;                  // the benchmark's own bound on one download

// Sends kBodyBytes to the first client on 127.0.0.1, or the body it was
// given with its length, then stops by itself; it stops sooner when the
// client hangs up or takes nothing for kSocketWaitMs.
class EndlessServer {
public:
    explicit EndlessServer(bool chunked, std::string body = {}) : chunked_(chunked), body_(std::move(body)) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(listener_, 1) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~EndlessServer() {
        stop_ = true;
        // A send that waits for a client that has stopped taking ends now.
        const int client = client_.load();
        if (client >= 0) ::shutdown(client, SHUT_RDWR);
        if (thread_.joinable()) thread_.join();
        if (client_ >= 0) ::close(client_);
        ::close(listener_);
    }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/downloads/apps/Quendal.zip"; }
    bool listening() const { return port_ != 0; }

private:
    void serve() {
        pollfd waiting{listener_, POLLIN, 0};
        if (::poll(&waiting, 1, kSocketWaitMs) != 1) return;
        const int client = ::accept(listener_, nullptr, nullptr);
        if (client < 0) return;
        client_ = client;
        const timeval wait{kSocketWaitMs / 1000, 0};
        ::setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
        ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
            if (got <= 0) return;
            request.append(buffer, std::size_t(got));
        }
        std::string head = "HTTP/1.1 200 OK\r\nContent-Type: application/zip\r\n";
        if (!body_.empty()) {
            head += "Content-Length: " + std::to_string(body_.size()) + "\r\nConnection: close\r\n\r\n";
            if (sendAll(client, head)) sendAll(client, body_);
            ::shutdown(client, SHUT_WR);
            return;
        }
        head += chunked_ ? "Transfer-Encoding: chunked\r\n\r\n" : "Connection: close\r\n\r\n";
        std::string piece(kPieceBytes, '\0');
        for (std::size_t i = 0; i < piece.size(); ++i) piece[i] = char((i * 7919u) >> 3);
        if (chunked_) {
            char size[32];
            std::snprintf(size, sizeof size, "%zx\r\n", piece.size());
            piece = size + piece + "\r\n";
        }
        bool open = sendAll(client, head);
        for (int64_t sent = 0; open && !stop_ && sent < kBodyBytes; sent += int64_t(kPieceBytes))
            open = sendAll(client, piece);
        if (open && chunked_) sendAll(client, "0\r\n\r\n");
        ::shutdown(client, SHUT_WR);  // the end of a close-delimited body
    }

    static bool sendAll(int socket, const std::string& bytes) {
        for (std::size_t at = 0; at < bytes.size();) {
            const ssize_t sent = ::send(socket, bytes.data() + at, bytes.size() - at, MSG_NOSIGNAL);
            if (sent <= 0) return false;
            at += std::size_t(sent);
        }
        return true;
    }

    bool chunked_;
    std::string body_;
    int listener_ = -1;
    uint16_t port_ = 0;
    std::atomic<int> client_{-1};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

double residentMB() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The peak of the resident size since the last resetPeak(), in MB; 0 where
// the system keeps no such mark.
void resetPeak() {
    if (FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}
double peakResidentMB() {
    double kB = 0.0;
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmHWM: %lf kB", &kB) == 1) break;
        std::fclose(status);
    }
    return kB / 1024.0;
}

struct Watch {
    QEventLoop loop;
    std::string folder;
    bool failed = false;
};

void decide(uRLDownload* download, std::string_view, void* user) {
    URLDownloadSetDestination(download, static_cast<Watch*>(user)->folder + "/Quendal.zip", true);
}
void failed(uRLDownload*, const platform::UrlError&, void* user) {
    static_cast<Watch*>(user)->failed = true;
    static_cast<Watch*>(user)->loop.quit();
}
void finished(uRLDownload*, void* user) { static_cast<Watch*>(user)->loop.quit(); }

void BM_EndlessPackage(benchmark::State& bench, bool chunked, bool limited) {
    namespace fs = std::filesystem;
    const UpdateCheckState bounds;  // the update check's own
    double growth = 0.0, longestMs = 0.0, throughMB = 0.0;
    bool cut = false;
    for (auto _ : bench) {
        EndlessServer server(chunked);
        if (!server.listening()) {
            bench.SkipWithError("no port on 127.0.0.1");
            return;
        }
        Watch watch;
        watch.folder = (fs::temp_directory_path() / ("quendal-endless-" + std::to_string(::getpid()))).string();
        fs::create_directories(watch.folder);
        auto delegate = URLDownloadDelegateInit();
        URLDownloadDelegateSetDecideDestinationWithSuggestedFilenameCallback(*delegate, decide, &watch);
        URLDownloadDelegateSetDidFailWithErrorCallback(*delegate, failed, &watch);
        URLDownloadDelegateSetDidFinishCallback(*delegate, finished, &watch);
        URLRequest request = URLRequestInit(server.url());
        request.limits.maxBytes = limited ? bounds.PackageByteLimit : -1;
        request.limits.minBytes = bounds.PackageMinimumBytes;
        request.limits.minBytesSeconds = bounds.PackagePaceSeconds;
        request.limits.maxSeconds = bounds.PackageTimeLimit;

        resetPeak();
        const double before = residentMB();
        double peak = before, longest = 0.0;
        int64_t written = 0;
        QElapsedTimer clock;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        tick.setInterval(kTickMs);
        qint64 last = 0;
        std::shared_ptr<uRLDownload> download;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, double(now - last) / 1.0e6);
            last = now;
            peak = std::max(peak, residentMB());
            if (download) written = std::max(written, download->written);
        });
        QTimer::singleShot(kGiveUpMs, &watch.loop, [&watch] { watch.loop.quit(); });
        clock.start();
        tick.start();
        download = URLDownloadInit(request, delegate);
        watch.loop.exec();
        tick.stop();
        written = std::max(written, download->written);
        peak = std::max({peak, residentMB(), peakResidentMB()});

        growth = peak - before;
        longestMs = longest;
        throughMB = double(written) / (1024.0 * 1024.0);
        cut = watch.failed;
        download.reset();
        fs::remove_all(watch.folder);
    }
    bench.counters["rss_growth_MB"] = growth;
    bench.counters["longest_stall_ms"] = longestMs;
    bench.counters["MB_through"] = throughMB;
    bench.counters["cut"] = cut ? 1 : 0;
}

// The event loop's watch: the longest gap between the ticks of a 5 ms timer.
class LoopWatch {
public:
    LoopWatch() {
        tick_.setTimerType(Qt::PreciseTimer);
        tick_.setInterval(kTickMs);
        QObject::connect(&tick_, &QTimer::timeout, [this] {
            const qint64 now = clock_.nsecsElapsed();
            longestMs = std::max(longestMs, double(now - last_) / 1.0e6);
            last_ = now;
            peakMB = std::max(peakMB, residentMB());
        });
        clock_.start();
        tick_.start();
    }
    double longestMs = 0.0;
    double peakMB = residentMB();

private:
    QElapsedTimer clock_;
    QTimer tick_;
    qint64 last_ = 0;
};

// The update check's download of a package that is hard to read through,
// into a Downloads folder of its own, until it is taken or refused.
void BM_CheckedPackage(benchmark::State& bench, const std::string& package) {
    namespace fs = std::filesystem;
    double growth = 0.0, longestMs = 0.0;
    bool taken = false;
    for (auto _ : bench) {
        EndlessServer server(false, package);
        if (!server.listening()) {
            bench.SkipWithError("no port on 127.0.0.1");
            return;
        }
        const std::string folder = (fs::temp_directory_path() / ("quendal-checked-" + std::to_string(::getpid()))).string();
        fs::create_directories(folder + "/Downloads");
        test::FolderFiles files;
        files.folders[platform::UserFolder::Downloads] = folder + "/Downloads";
        files.trash = folder + "/Trash";
        platform::setFileService(&files);

        resetPeak();
        const double before = residentMB();
        QEventLoop loop;
        LoopWatch watch;
        QTimer ended;
        QObject::connect(&ended, &QTimer::timeout, [&loop] {
            if (state.update.PackagePhase != DownloadPhase::Running) loop.quit();
        });
        ended.start(kTickMs);
        QTimer::singleShot(kGiveUpMs, &loop, [&loop] { loop.quit(); });
        Download(server.url());
        loop.exec();
        growth = std::max({watch.peakMB, residentMB(), peakResidentMB()}) - before;
        longestMs = watch.longestMs;
        taken = state.update.PackagePhase == DownloadPhase::Finished;
        platform::setFileService(nullptr);
        fs::remove_all(folder);
    }
    bench.counters["rss_growth_MB"] = growth;
    bench.counters["longest_stall_ms"] = longestMs;
    bench.counters["MB_through"] = double(package.size()) / (1024.0 * 1024.0);
    bench.counters["taken"] = taken ? 1 : 0;
}

const bool kRegistered = [] {
    for (const bool chunked : {false, true}) {
        for (const bool limited : {true, false}) {
            const std::string name = std::string("PackageDownload/") + (chunked ? "Chunked" : "CloseDelimited") +
                                     (limited ? "/Limit256MB" : "/Whole2GB");
            benchmark::RegisterBenchmark(name.c_str(), BM_EndlessPackage, chunked, limited)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RegisterBenchmark("PackageDownload/Check/Bomb5GiB", [](benchmark::State& bench) {
        BM_CheckedPackage(bench, test::zipOfZeros(5, int64_t(1) << 30));
    })->Iterations(1)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PackageDownload/Check/Entries200k", [](benchmark::State& bench) {
        BM_CheckedPackage(bench, test::zipOfEmptyFiles(200000));
    })->Iterations(1)->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
}  // namespace quendal
