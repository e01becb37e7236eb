// A runtime folder of a test's own, standing in XDG_RUNTIME_DIR between
// enter() and leave(), so that the local endpoints of its programs meet
// there and nowhere else.
#pragma once

#include <cstdlib>
#include <string>

#include <QString>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace quendal::test {

class RuntimeFolder {
public:
    bool isValid() const { return folder_.isValid(); }
    QString path() const { return folder_.path(); }

    // Mode 0700, as the desktop makes it, and XDG_RUNTIME_DIR from now on.
    void enter() {
        ::chmod(folder_.path().toLocal8Bit().constData(), 0700);
        const char* previous = std::getenv("XDG_RUNTIME_DIR");
        saved_ = previous != nullptr ? previous : "";
        setenv("XDG_RUNTIME_DIR", folder_.path().toLocal8Bit().constData(), 1);
    }
    // XDG_RUNTIME_DIR back to what it was before enter().
    void leave() { setenv("XDG_RUNTIME_DIR", saved_.c_str(), 1); }

private:
    QTemporaryDir folder_;
    std::string saved_;
};

}  // namespace quendal::test
