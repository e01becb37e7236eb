// The layer's own shell services: the preferences file, the user's folders
// and the trash, and the desktop's opener for URLs.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <memory>
#include <utility>

#include "platform/ShellServices.h"
#include "platform/qt/Registry.h"

namespace quendal::platform::qt {

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// Whether the settings file may be written as a file is written: a new
// file written beside it and renamed over it. Only a regular file (or none
// yet) may be replaced so; through a link the rename would put a regular
// file in place of whatever the link names, a device or a pipe, and
// reading one of those may never end.
bool replaceableFile(const QString& path) {
    struct stat target {};
    if (::stat(QFile::encodeName(path).constData(), &target) != 0) return errno == ENOENT;
    return S_ISREG(target.st_mode);
}

// An INI file under the configuration folder, opened on first use with the
// identity known by then. A settings file that is no regular file (a link
// to a device, say) is neither read nor replaced: the values live in
// memory for the run, and each write of them reports the failure.
class IniPreferences : public PreferenceStore {
public:
    void setIdentity(std::string_view organisation, std::string_view application) override {
        if (!organisation.empty()) QCoreApplication::setOrganizationName(fromUtf8(organisation));
        if (!application.empty()) QCoreApplication::setApplicationName(fromUtf8(application));
        if (settings_ && replaceableFile(settings_->fileName())) settings_->sync();
        settings_.reset();
        inMemory_.reset();
    }

    std::optional<StoredPreference> read(std::string_view key) override {
        const QString name = fromUtf8(key);
        QVariant value;
        if (QSettings* s = fileSettings()) {
            if (!s->contains(name)) return std::nullopt;
            value = s->value(name);
        } else {
            const auto kept = inMemory_->find(name);
            if (kept == inMemory_->end()) return std::nullopt;
            value = kept->second;
        }
        StoredPreference stored;
        if (value.typeId() == QMetaType::QStringList) {
            for (const QString& part : value.toStringList()) stored.texts.push_back(part.toStdString());
            return stored;
        }
        // Numbers written in this run keep their type; read back from the
        // file everything is text. Other kinds hold no text.
        switch (value.typeId()) {
            case QMetaType::QString:
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::UInt:
            case QMetaType::ULongLong:
            case QMetaType::Double:
            case QMetaType::Bool:
                stored.texts.push_back(value.toString().toStdString());
                return stored;
            default: return std::nullopt;
        }
    }

    void write(std::string_view key, const PreferenceSetting& value) override {
        QVariant v;
        if (const auto* i = std::get_if<int32_t>(&value)) v = QVariant(int(*i));
        else if (const auto* d = std::get_if<double>(&value)) v = QVariant(*d);
        else v = QVariant(fromUtf8(std::get<std::string>(value)));
        if (QSettings* s = fileSettings()) s->setValue(fromUtf8(key), v);
        else (*inMemory_)[fromUtf8(key)] = v;
    }

    bool synchronize() override {
        QSettings* s = fileSettings();
        if (s == nullptr) return false;  // nothing reaches the file
        s->sync();
        return s->status() == QSettings::NoError;
    }

private:
    // The file's settings, or nullptr once the file has been found to be no
    // regular file; it is looked at again before each use, since a write
    // would replace it. Settings written since the last sync are always
    // synced before the next use, so dropping them writes nothing.
    QSettings* fileSettings() {
        if (inMemory_) return nullptr;
        if (replaceableFile(settings_ ? settings_->fileName() : userSettingsPath())) {
            if (!settings_)
                settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                        QCoreApplication::organizationName(),
                                                        QCoreApplication::applicationName());
            return settings_.get();
        }
        inMemory_.emplace();
        if (settings_)
            for (const QString& key : settings_->allKeys()) (*inMemory_)[key] = settings_->value(key);
        settings_.reset();
        return nullptr;
    }

    // Where the settings of this identity are kept, looked at before they
    // are opened: opening reads them.
    static QString userSettingsPath() {
        QString organisation = QCoreApplication::organizationName();
        if (organisation.isEmpty()) organisation = QStringLiteral("Unknown Organization");
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' + organisation + '/' +
               QCoreApplication::applicationName() + QStringLiteral(".ini");
    }

    std::unique_ptr<QSettings> settings_;
    std::optional<std::map<QString, QVariant>> inMemory_;
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
        return !path.empty() && QDir().mkdir(QString::fromStdString(path));
    }

    bool moveToTrash(const std::string& path) override {
        return !path.empty() && QFile::moveToTrash(QString::fromStdString(path));
    }
};

// How long an opener that has not ended is watched (ms). One still running
// by then has handed the URL to a program that it waits for in the
// foreground (a browser), and how that program ends later says nothing
// about the opening.
constexpr int kOpenerWatch = 30000;

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
    QTimer::singleShot(kOpenerWatch, process, [watched] { *watched = {}; });
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

void installShellServices() { registerLayerServices(&gPreferences, &gFiles, &gDesktop, &layerNetwork()); }

}  // namespace quendal::platform::qt
