// The layer's own shell services: the preferences file, the user's folders
// and the trash, and the desktop's opener for URLs.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

#include "platform/CarefulFiles.h"
#include "platform/ShellServices.h"
#include "platform/qt/Registry.h"
#include "platform/qt/SettingsFile.h"

namespace quendal::platform::qt {

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The program's own INI file under the configuration folder, read on first
// use with the identity known by then, and only that file: no file of the
// organisation or of the system stands in for it, and no lock file is made
// beside it (each write replaces it whole). A settings file that is no
// regular file (a pipe, a link to a device, a folder) is neither read nor
// replaced: the values live in memory for the run, and each write of them
// reports the failure. The same holds from the moment it turns into one.
class IniPreferences : public PreferenceStore {
public:
    void setIdentity(std::string_view organisation, std::string_view application) override {
        if (!organisation.empty()) QCoreApplication::setOrganizationName(fromUtf8(organisation));
        if (!application.empty()) QCoreApplication::setApplicationName(fromUtf8(application));
        if (loaded_ && pending_) synchronize();
        loaded_ = false;
    }

    std::optional<StoredPreference> read(std::string_view key) override {
        load();
        const SettingsEntry* entry = find(key);
        if (entry == nullptr || !entry->readable) return std::nullopt;
        return StoredPreference{entry->texts};
    }

    void write(std::string_view key, const PreferenceSetting& value) override {
        load();
        std::string text;
        if (const auto* i = std::get_if<int32_t>(&value)) text = std::to_string(*i);
        else if (const auto* d = std::get_if<double>(&value)) text = shortestText(*d);
        else text = std::get<std::string>(value);
        SettingsEntry* entry = find(key);
        if (entry == nullptr) entry = &entries_.emplace_back(SettingsEntry{{}, std::string(key), {}, {}, true});
        entry->raw = settingsValueText(text);
        entry->texts = {text};
        entry->readable = true;
        pending_ = true;
    }

    bool synchronize() override {
        load();
        if (!onFile_) return false;  // nothing reaches the file
        if (!pending_) return true;
        switch (replaceSettingsFile(path_, settingsText(entries_))) {
            case SettingsWrite::Written: pending_ = false; return true;
            case SettingsWrite::Refused: onFile_ = false; return false;  // kept in memory from now on
            case SettingsWrite::Failed: return false;                    // the next write tries again
        }
        return false;
    }

private:
    void load() {
        if (loaded_) return;
        loaded_ = true;
        pending_ = false;
        path_ = userSettingsPath();
        const std::optional<std::string> text = readSettingsFile(path_);
        onFile_ = text.has_value();
        entries_ = text ? parseSettingsText(*text) : std::vector<SettingsEntry>();
    }

    SettingsEntry* find(std::string_view key) {
        for (SettingsEntry& e : entries_)
            if (e.section.empty() && e.key == key) return &e;
        return nullptr;
    }

    // The shortest text that reads back as the same double.
    static std::string shortestText(double value) {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        return std::string(buffer, result.ptr);
    }

    // Where the settings of this identity are kept.
    static std::string userSettingsPath() {
        QString organisation = QCoreApplication::organizationName();
        if (organisation.isEmpty()) organisation = QStringLiteral("Unknown Organization");
        return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
                                 organisation + '/' + QCoreApplication::applicationName() + QStringLiteral(".ini"))
            .toStdString();
    }

    bool loaded_ = false;
    bool onFile_ = false;   // false: the values live in memory for the run
    bool pending_ = false;  // written since the file was last replaced
    std::string path_;
    std::vector<SettingsEntry> entries_;
};

class DesktopFiles : public FileService {
public:
    std::string userFolder(UserFolder folder) override {
        QStandardPaths::StandardLocation location = QStandardPaths::HomeLocation;
        switch (folder) {
            case UserFolder::Home: location = QStandardPaths::HomeLocation; break;
            case UserFolder::Desktop: location = QStandardPaths::DesktopLocation; break;
            case UserFolder::Documents: location = QStandardPaths::DocumentsLocation; break;
            // The desktop's user folders (XDG user dirs), else ~/Downloads.
            case UserFolder::Downloads: location = QStandardPaths::DownloadLocation; break;
            case UserFolder::Music: location = QStandardPaths::MusicLocation; break;
            case UserFolder::Movies: location = QStandardPaths::MoviesLocation; break;
            case UserFolder::Pictures: location = QStandardPaths::PicturesLocation; break;
            case UserFolder::Temporary: location = QStandardPaths::TempLocation; break;
            case UserFolder::Configuration: location = QStandardPaths::GenericConfigLocation; break;
            case UserFolder::Cache: location = QStandardPaths::GenericCacheLocation; break;
            case UserFolder::ApplicationData: location = QStandardPaths::GenericDataLocation; break;
            case UserFolder::Applications: location = QStandardPaths::ApplicationsLocation; break;
        }
        return QStandardPaths::writableLocation(location).toStdString();
    }

    std::string existingPath(const std::string& path) override {
        if (path.empty()) return {};
        const QFileInfo info(QString::fromStdString(path));
        return info.exists() ? info.canonicalFilePath().toStdString() : std::string();
    }

    FileKind kindOf(const std::string& path) override {
        if (path.empty()) return FileKind::None;
        const QFileInfo info(QString::fromStdString(path));
        if (!info.exists()) return FileKind::None;
        return info.isDir() ? FileKind::Folder : FileKind::File;
    }

    bool createFolder(const std::string& path) override {
        if (path.empty()) return false;
        notePathUse(path, PathUse::Folder);
        return ::mkdir(path.c_str(), 0777) == 0;  // careful: told above; makes, never opens
    }

    bool moveToTrash(const std::string& path) override {
        if (path.empty()) return false;
        notePathUse(path, PathUse::Remove);
        return QFile::moveToTrash(QFile::decodeName(QByteArray(path.data(), qsizetype(path.size()))));
    }
};

// How long an opener that has not ended is watched (ms). One still running
// by then has handed the URL to a program that it waits for in the
// foreground (a browser), and how that program ends later says nothing
// about the opening.
constexpr int kOpenerWatch = 30000;
int gOpenerWatch = kOpenerWatch;

// Runs the desktop's opener on the URL as a child process of its own and
// lets its exit status decide: 0 opened; any other (2 no such file, 3 no
// method available, 4 the opening failed) or a crash did not. The event
// loop runs on meanwhile.
bool runOpener(const QUrl& url, std::function<void()> failed) {
    QCoreApplication* application = QCoreApplication::instance();
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (application == nullptr || opener.isEmpty()) return false;
    auto* process = new QProcess(application);
    process->setProgram(opener);
    process->setArguments({url.toString(QUrl::FullyEncoded)});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);  // its messages go where ours go
    auto watched = std::make_shared<std::function<void()>>(std::move(failed));
    auto report = [watched, application] {
        // An opener ended by the program's own end reports nothing.
        if (QCoreApplication::closingDown() || !*watched) return;
        QTimer::singleShot(0, application, std::exchange(*watched, {}));
    };
    QObject::connect(process, &QProcess::finished, process,
                     [process, report](int code, QProcess::ExitStatus status) {
                         if (code != 0 || status != QProcess::NormalExit) report();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, report](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;  // a crash ends in finished
        report();
        process->deleteLater();
    });
    QTimer::singleShot(gOpenerWatch, process, [watched] { *watched = {}; });
    process->start();
    return true;
}

class DesktopHandlers : public DesktopService {
public:
    bool openUrl(std::string_view text, std::function<void()> failed) override {
        const QUrl url(fromUtf8(text), QUrl::StrictMode);
        if (!url.isValid() || url.scheme().isEmpty()) return false;
        return runOpener(url, std::move(failed));
    }

    std::vector<Rect16> screenAreas() override {
        std::vector<Rect16> areas;
        auto clamp16 = [](int v) { return int16_t(std::clamp(v, -32768, 32767)); };
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRect g = screen->geometry();
            areas.push_back({clamp16(g.top()), clamp16(g.left()), clamp16(g.top() + g.height()),
                             clamp16(g.left() + g.width())});
        }
        return areas;
    }
};

IniPreferences gPreferences;
DesktopFiles gFiles;
DesktopHandlers gDesktop;

}  // namespace

void setOpenerWatch(int ms) { gOpenerWatch = ms > 0 ? ms : kOpenerWatch; }

void installShellServices() { registerLayerServices(&gPreferences, &gFiles, &gDesktop, &layerNetwork()); }

}  // namespace quendal::platform::qt
