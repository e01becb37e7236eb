#include "support/TestEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace quendal::test {

namespace {

// The folders this process made, removed when it ends. A child made by
// fork() inherits the list but not the folders: only their maker removes them.
std::vector<std::string>& madeFolders() {
    static std::vector<std::string> folders;
    return folders;
}
pid_t gMaker = 0;

void removeMadeFolders() {
    if (getpid() != gMaker) return;
    for (const std::string& folder : madeFolders()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    madeFolders().clear();
}

std::string makePrivateFolder(const char* pattern) {
    std::string path = std::string("/tmp/") + pattern;
    if (mkdtemp(path.data()) == nullptr) return "/tmp";
    chmod(path.c_str(), 0700);
    if (madeFolders().empty() || gMaker != getpid()) {
        madeFolders().clear();
        gMaker = getpid();
        std::atexit(removeMadeFolders);
    }
    madeFolders().push_back(path);
    return path;
}

// A private folder for the variable, made only when the caller set none.
void setPrivateFolderIfUnset(const char* name, const char* pattern) {
    const char* current = std::getenv(name);
    if (current == nullptr || *current == '\0') setenv(name, makePrivateFolder(pattern).c_str(), 1);
}

void setIfUnset(const char* name, const std::string& value) {
    const char* current = std::getenv(name);
    if (current == nullptr || *current == '\0') setenv(name, value.c_str(), 1);
}

}  // namespace

void prepareTestEnvironment() {
    setIfUnset("QT_QPA_PLATFORM", "offscreen");
    setIfUnset("FONTCONFIG_FILE", std::string(QUENDAL_SOURCE_DIR) + "/resources/fonts.conf");
    setPrivateFolderIfUnset("XDG_CONFIG_HOME", "quendal-config-XXXXXX");
    setPrivateFolderIfUnset("XDG_RUNTIME_DIR", "quendal-runtime-XXXXXX");
}

}  // namespace quendal::test
