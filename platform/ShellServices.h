// Inside the windowing layer: how its own shell services are made the ones
// the program uses. The program itself goes through Platform.h only.
#pragma once

#include "platform/Platform.h"

namespace quendal::platform {

// The layer's own implementations, used wherever no replacement is
// installed; nullptr leaves the do-nothing service.
void registerLayerServices(PreferenceStore* store, FileService* files, DesktopService* desktop,
                           NetworkService* network);

// The archive reader over the system's archive library, in force wherever
// no replacement is installed.
ArchiveService& libraryArchives();

// How the windowing layer runs checkZipAway: `reader` in a worker, the
// verdict handed back to the event loop.
class ZipCheckWorker {
public:
    virtual ~ZipCheckWorker() = default;
    virtual ZipCheckId start(ArchiveService& reader, const std::string& path, int64_t maxUnpackedBytes,
                             std::function<void(bool whole)> verdict) = 0;
    virtual void stop(ZipCheckId check) = 0;
};
// Until the layer registers its worker, checks run at once.
void registerLayerZipChecks(ZipCheckWorker* worker);

// Drops every installed replacement.
void clearReplacedServices();

}  // namespace quendal::platform
