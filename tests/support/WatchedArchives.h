// The system's archive library, watched from the threads that read with
// it: whether a reading was told to stop, and how many of those threads
// have ended. A check's thread hands its verdict to the event loop as its
// last act, so once the thread has ended, a turn of the loop
// (QCoreApplication::sendPostedEvents) brings whatever verdict it has.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "platform/ShellServices.h"

namespace quendal::test {

class WatchedArchives : public platform::ArchiveService {
public:
    bool readsWholeAsZip(const std::string& path, int64_t maxUnpackedBytes, const std::atomic<bool>* stop) override {
        struct CountedAtThreadEnd {
            std::shared_ptr<std::atomic<int>> ended;
            ~CountedAtThreadEnd() { ++*ended; }
        };
        thread_local const CountedAtThreadEnd counted{threadsEnded};
        const bool whole = platform::libraryArchives().readsWholeAsZip(path, maxUnpackedBytes, stop);
        if (stop != nullptr && stop->load()) stopped = true;
        return whole;
    }
    std::atomic<bool> stopped{false};
    const std::shared_ptr<std::atomic<int>> threadsEnded = std::make_shared<std::atomic<int>>(0);
};

}  // namespace quendal::test
