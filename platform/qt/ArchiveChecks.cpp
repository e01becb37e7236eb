// Archives read through away from the event loop: each check reads in a
// thread of its own and hands its verdict back to the event loop, where
// everything else of the program runs. The reading touches nothing but the
// file and its own flag to stop.
#include <atomic>
#include <map>
#include <memory>
#include <system_error>
#include <thread>

#include <QCoreApplication>
#include <QObject>
#include <QPointer>

#include "platform/ShellServices.h"
#include "platform/qt/Registry.h"

namespace quendal::platform::qt {

namespace {

class ThreadedZipChecks : public ZipCheckWorker {
public:
    ~ThreadedZipChecks() override { stopAll(); }

    ZipCheckId start(ArchiveService& reader, const std::string& path, int64_t maxUnpackedBytes,
                     std::function<void(bool whole)> verdict) override {
        if (!home_) {
            home_ = new QObject(QCoreApplication::instance());
            // Should the application go before the checks were stopped, no
            // worker may post to it afterwards.
            QObject::connect(home_, &QObject::destroyed, [this] { stopAll(); });
        }
        const ZipCheckId id = next_++;
        Check& check = checks_[id];
        check.verdict = std::move(verdict);
        check.stop = std::make_shared<std::atomic<bool>>(false);
        QObject* home = home_.data();
        try {
            check.worker = std::thread([this, id, home, &reader, path, maxUnpackedBytes, stop = check.stop] {
                const bool whole = reader.readsWholeAsZip(path, maxUnpackedBytes, stop.get());
                // Posting is the worker's last act: the event loop then joins it at once.
                QMetaObject::invokeMethod(home, [this, id, whole] { settle(id, whole); }, Qt::QueuedConnection);
            });
        } catch (const std::system_error&) {
            // No thread to be had: the file is not read, so it is not whole.
            QMetaObject::invokeMethod(home, [this, id] { settle(id, false); }, Qt::QueuedConnection);
        }
        return id;
    }

    void stop(ZipCheckId id) override {
        const auto it = checks_.find(id);
        if (it == checks_.end()) return;
        // The worker is left to notice; it is joined when its verdict
        // arrives, so that the event loop never waits for it. The verdict
        // is dropped then too, never inside this call.
        it->second.stop->store(true);
    }

    // Stops every check and waits for its worker: the program or the test
    // ends, and the archive services the workers read with go with it.
    void stopAll() {
        for (auto& [id, check] : checks_) check.stop->store(true);
        for (auto& [id, check] : checks_)
            if (check.worker.joinable()) check.worker.join();
        checks_.clear();
    }

private:
    struct Check {
        std::thread worker;
        std::shared_ptr<std::atomic<bool>> stop;
        std::function<void(bool whole)> verdict;
    };

    void settle(ZipCheckId id, bool whole) {
        const auto it = checks_.find(id);
        if (it == checks_.end()) return;
        if (it->second.worker.joinable()) it->second.worker.join();
        const auto verdict = std::move(it->second.verdict);
        const bool stopped = it->second.stop->load();
        checks_.erase(it);
        if (verdict && !stopped) verdict(whole);
    }

    // Receives the verdicts on the event loop's thread; the application's.
    QPointer<QObject> home_;
    std::map<ZipCheckId, Check> checks_;
    ZipCheckId next_ = 1;
};

ThreadedZipChecks gZipChecks;

}  // namespace

void installZipChecks() { registerLayerZipChecks(&gZipChecks); }

void stopAllZipChecks() { gZipChecks.stopAll(); }

}  // namespace quendal::platform::qt
