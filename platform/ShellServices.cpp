// The replaceable shell services. This part knows no toolkit: until the
// windowing layer registers its own services, each one does nothing, so the
// core and its tests run without a display.
#include "platform/ShellServices.h"

namespace quendal::platform {

namespace {

class NoPreferences : public PreferenceStore {
public:
    void setIdentity(std::string_view, std::string_view) override {}
    std::optional<StoredPreference> read(std::string_view) override { return std::nullopt; }
    void write(std::string_view, const PreferenceSetting&) override {}
    bool synchronize() override { return false; }
};

class NoFiles : public FileService {
public:
    std::string userFolder(UserFolder) override { return {}; }
    std::string existingPath(const std::string&) override { return {}; }
    FileKind kindOf(const std::string&) override { return FileKind::None; }
    bool createFolder(const std::string&) override { return false; }
    bool moveToTrash(const std::string&) override { return false; }
};

class NoDesktop : public DesktopService {
public:
    bool openUrl(std::string_view, std::function<void()>) override { return false; }
    std::vector<Rect16> screenAreas() override { return {}; }
};

// Without a network every load fails; the failure is reported at once,
// since there is no event loop to defer it to.
class NoNetwork : public NetworkService {
public:
    UrlLoadId start(const UrlLoadRequest&, UrlLoadCallbacks callbacks) override {
        if (callbacks.failed) callbacks.failed(UrlError{UrlErrorKind::CannotConnect, "No network"});
        return 0;
    }
    void cancel(UrlLoadId) override {}
};

template <typename Service>
struct Slot {
    Service* replaced = nullptr;
    Service* layer = nullptr;
    Service& current(Service& none) const {
        if (replaced != nullptr) return *replaced;
        return layer != nullptr ? *layer : none;
    }
};

struct Services {
    NoPreferences noPreferences;
    NoFiles noFiles;
    NoDesktop noDesktop;
    NoNetwork noNetwork;
    Slot<PreferenceStore> preferences;
    Slot<FileService> files;
    Slot<DesktopService> desktop;
    Slot<NetworkService> network;
    ArchiveService* archives = nullptr;  // a replacement; the library's own otherwise
    ZipCheckWorker* zipChecks = nullptr; // the layer's worker; checks run at once without one
    ZipCheckId nextZipCheck = 1;         // ids of the checks run at once
};

Services& services() {
    static Services s;
    return s;
}

}  // namespace

void registerLayerServices(PreferenceStore* store, FileService* fileService, DesktopService* desktopService,
                           NetworkService* networkService) {
    Services& s = services();
    s.preferences.layer = store;
    s.files.layer = fileService;
    s.desktop.layer = desktopService;
    s.network.layer = networkService;
}

void clearReplacedServices() {
    Services& s = services();
    s.preferences.replaced = nullptr;
    s.files.replaced = nullptr;
    s.desktop.replaced = nullptr;
    s.network.replaced = nullptr;
    s.archives = nullptr;
}

void setPreferenceStore(PreferenceStore* store) { services().preferences.replaced = store; }
PreferenceStore& preferenceStore() { return services().preferences.current(services().noPreferences); }

void setFileService(FileService* service) { services().files.replaced = service; }
FileService& files() { return services().files.current(services().noFiles); }

void setDesktopService(DesktopService* service) { services().desktop.replaced = service; }
DesktopService& desktop() { return services().desktop.current(services().noDesktop); }

void setNetworkService(NetworkService* service) { services().network.replaced = service; }
NetworkService& network() { return services().network.current(services().noNetwork); }

void setArchiveService(ArchiveService* service) { services().archives = service; }
ArchiveService& archives() { return services().archives != nullptr ? *services().archives : libraryArchives(); }

void registerLayerZipChecks(ZipCheckWorker* worker) { services().zipChecks = worker; }

ZipCheckId checkZipAway(const std::string& path, int64_t maxUnpackedBytes, std::function<void(bool whole)> verdict) {
    Services& s = services();
    if (s.zipChecks != nullptr) return s.zipChecks->start(archives(), path, maxUnpackedBytes, std::move(verdict));
    const ZipCheckId id = s.nextZipCheck++;
    const bool whole = archives().readsWholeAsZip(path, maxUnpackedBytes);
    if (verdict) verdict(whole);
    return id;
}

void stopZipCheck(ZipCheckId check) {
    if (services().zipChecks != nullptr) services().zipChecks->stop(check);
}

}  // namespace quendal::platform
