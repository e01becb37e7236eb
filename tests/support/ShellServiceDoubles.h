// Doubles of the replaceable shell services: a preferences file in memory,
// a desktop with fixed screens that records what it was asked to open, and
// a network whose loads the test answers by hand.
#pragma once

#include <charconv>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace quendal::test {

// Keeps what is written as the file would: every value as text.
class MemoryPreferences : public platform::PreferenceStore {
public:
    void setIdentity(std::string_view organisation, std::string_view application) override {
        identity = std::string(organisation) + "/" + std::string(application);
    }
    std::optional<platform::StoredPreference> read(std::string_view key) override {
        const auto it = values.find(std::string(key));
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void write(std::string_view key, const platform::PreferenceSetting& value) override {
        std::string text;
        if (const auto* i = std::get_if<int32_t>(&value)) {
            text = std::to_string(*i);
        } else if (const auto* d = std::get_if<double>(&value)) {
            char buffer[32];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, *d);
            text.assign(buffer, result.ptr);
        } else {
            text = std::get<std::string>(value);
        }
        values[std::string(key)] = platform::StoredPreference{{text}};
        kinds[std::string(key)] = value.index();
    }
    bool synchronize() override {
        ++synchronized;
        return writable;
    }

    void put(const std::string& key, std::vector<std::string> texts) { values[key] = platform::StoredPreference{std::move(texts)}; }
    std::string text(const std::string& key) const {
        const auto it = values.find(key);
        return it == values.end() || it->second.texts.empty() ? std::string("<missing>") : it->second.texts.front();
    }

    std::map<std::string, platform::StoredPreference> values;
    std::map<std::string, std::size_t> kinds;  // 0 integer, 1 double, 2 text, as last written
    std::string identity;
    int synchronized = 0;
    bool writable = true;
};

class RecordingDesktop : public platform::DesktopService {
public:
    bool openUrl(std::string_view url, std::function<void()> failed) override {
        opened.emplace_back(url);
        if (accepts && failsLater) failing.push_back(std::move(failed));
        return accepts;
    }
    std::vector<Rect16> screenAreas() override { return screens; }
    void endFailingOpeners() {  // as the event loop hears of it
        for (auto& failed : std::exchange(failing, {})) failed();
    }

    std::vector<Rect16> screens{Rect16{0, 0, 1024, 1280}};
    std::vector<std::string> opened;
    bool accepts = true;     // an opener takes the URL
    bool failsLater = false;  // and then ends without opening it
    std::vector<std::function<void()>> failing;
};

// Real files under the test's own folder; the desktop's folders are named by
// the test and the trash is a folder of its own.
class FolderFiles : public platform::FileService {
public:
    std::string userFolder(platform::UserFolder folder) override {
        const auto it = folders.find(folder);
        return it != folders.end() ? it->second : std::string();
    }
    std::string existingPath(const std::string& path) override {
        std::error_code error;
        if (path.empty() || !std::filesystem::exists(path, error)) return {};
        return std::filesystem::canonical(path, error).string();
    }
    platform::FileKind kindOf(const std::string& path) override {
        std::error_code error;
        if (path.empty() || !std::filesystem::exists(path, error)) return platform::FileKind::None;
        return std::filesystem::is_directory(path, error) ? platform::FileKind::Folder : platform::FileKind::File;
    }
    bool createFolder(const std::string& path) override {
        std::error_code error;
        return std::filesystem::create_directory(path, error);
    }
    bool moveToTrash(const std::string& path) override {
        std::error_code error;
        std::filesystem::create_directories(trash, error);
        std::filesystem::rename(path, std::filesystem::path(trash) / std::filesystem::path(path).filename(), error);
        if (!error) trashed.push_back(path);
        return !error;
    }

    std::map<platform::UserFolder, std::string> folders;
    std::string trash;
    std::vector<std::string> trashed;
};

// Loads wait until the test answers them.
class ScriptedNetwork : public platform::NetworkService {
public:
    struct Load {
        platform::UrlLoadRequest request;
        platform::UrlLoadCallbacks callbacks;
        bool cancelled = false;
    };
    platform::UrlLoadId start(const platform::UrlLoadRequest& request, platform::UrlLoadCallbacks callbacks) override {
        loads.push_back(Load{request, std::move(callbacks), false});
        return platform::UrlLoadId(loads.size());
    }
    void cancel(platform::UrlLoadId id) override {
        if (id >= 1 && std::size_t(id) <= loads.size()) loads[std::size_t(id) - 1].cancelled = true;
    }

    // Answers load `id` (1-based) with a status and a body, then finishes it.
    void answer(platform::UrlLoadId id, int32_t status, std::string body, std::string suggested = "file") {
        Load& load = loads.at(std::size_t(id) - 1);
        platform::UrlResponse response;
        response.url = load.request.url;
        response.httpStatus = status;
        response.expectedLength = int64_t(body.size());
        response.suggestedFilename = std::move(suggested);
        if (load.callbacks.response) load.callbacks.response(response);
        if (!body.empty() && load.callbacks.data) load.callbacks.data(body);
        if (load.callbacks.finished) load.callbacks.finished();
    }
    void failLoad(platform::UrlLoadId id, platform::UrlErrorKind kind) {
        Load& load = loads.at(std::size_t(id) - 1);
        if (load.callbacks.failed) load.callbacks.failed(platform::UrlError{kind, "failed"});
    }

    std::vector<Load> loads;
};

}  // namespace quendal::test
