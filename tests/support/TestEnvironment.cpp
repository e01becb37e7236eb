#include "support/TestEnvironment.h"

#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace quendal::test {

namespace {

void setIfUnset(const char* name, const std::string& value) {
    const char* current = std::getenv(name);
    if (current == nullptr || *current == '\0') setenv(name, value.c_str(), 1);
}

std::string makePrivateFolder(const char* pattern) {
    std::string path = std::string("/tmp/") + pattern;
    if (mkdtemp(path.data()) == nullptr) return "/tmp";
    chmod(path.c_str(), 0700);
    return path;
}

}  // namespace

void prepareTestEnvironment() {
    setIfUnset("QT_QPA_PLATFORM", "offscreen");
    setIfUnset("FONTCONFIG_FILE", std::string(QUENDAL_SOURCE_DIR) + "/resources/fonts.conf");
    setIfUnset("XDG_CONFIG_HOME", makePrivateFolder("quendal-config-XXXXXX"));
    setIfUnset("XDG_RUNTIME_DIR", makePrivateFolder("quendal-runtime-XXXXXX"));
}

}  // namespace quendal::test
