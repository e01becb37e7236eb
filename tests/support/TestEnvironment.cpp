#include "support/TestEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace quendal::test {

namespace {

// The folder this process made, removed when it ends. A child made by
// fork() inherits the name but not the folder: only its maker removes it.
std::string gMadeFolder;
pid_t gMaker = 0;

// Set to the pid of the test program that made the folders, for the
// programs it starts itself: those keep the folders they were given.
constexpr const char* kStarter = "QUENDAL_TEST_STARTER";

void removeMadeFolder() {
    if (getpid() != gMaker || gMadeFolder.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(gMadeFolder, ignored);
    gMadeFolder.clear();
}

bool startedByATestProgram() {
    const char* starter = std::getenv(kStarter);
    return starter != nullptr && std::to_string(getppid()) == starter;
}

void setIfUnset(const char* name, const std::string& value) {
    const char* current = std::getenv(name);
    if (current == nullptr || *current == '\0') setenv(name, value.c_str(), 1);
}

// A home, configuration, data, cache and runtime folder of this program's
// own (mode 0700, as the desktop makes the runtime folder), and Downloads
// in the home, whatever the caller set: preferences, documents, sockets
// and downloads never reach the user's.
void usePrivateFolders() {
    std::string root = "/tmp/quendal-test-XXXXXX";
    if (mkdtemp(root.data()) == nullptr) std::abort();  // nowhere private to run: run nothing
    gMadeFolder = root;
    gMaker = getpid();
    std::atexit(removeMadeFolder);
    const struct { const char* variable; const char* folder; } folders[] = {
        {"HOME", "/home"},         {"XDG_CONFIG_HOME", "/config"}, {"XDG_DATA_HOME", "/data"},
        {"XDG_CACHE_HOME", "/cache"}, {"XDG_RUNTIME_DIR", "/runtime"}};
    for (const auto& [variable, folder] : folders) {
        const std::string path = root + folder;
        mkdir(path.c_str(), 0700);
        setenv(variable, path.c_str(), 1);
    }
    mkdir((root + "/home/Downloads").c_str(), 0700);
    setenv(kStarter, std::to_string(getpid()).c_str(), 1);
}

}  // namespace

void prepareTestEnvironment() {
    setIfUnset("QT_QPA_PLATFORM", "offscreen");
    setIfUnset("FONTCONFIG_FILE", std::string(QUENDAL_SOURCE_DIR) + "/resources/fonts.conf");
    if (!startedByATestProgram()) usePrivateFolders();
}

}  // namespace quendal::test
