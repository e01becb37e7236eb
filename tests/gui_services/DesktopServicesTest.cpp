// The layer's own shell services: loading from a tiny server on 127.0.0.1,
// the desktop's opener, the user's folders and trash, and the
// preferences file read back as another run would read it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/socket.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <thread>

#include "app/FilesAndFolders.h"
#include "app/Preferences.h"
#include "app/UrlLoading.h"
#include "platform/PlatformFixture.h"
#include "support/LocalServer.h"
#include "support/PackageFiles.h"
#include "support/PlantedNodes.h"
#include "support/WatchedArchives.h"

namespace quendal::test {
namespace {

// Answers by path: the version file, a missing page, the package (with the
// name it suggests) and a path that never answers.
class TinyServer : public LocalServer {
public:
    TinyServer() {
        routes["/versions/Quendal_version.txt"] = answer("200 OK", "2.1.3");
        routes["/downloads/apps/Quendal.zip"] =
            answer("200 OK", QByteArray("PK\x03\x04 archive", 12))
                .header("Content-Disposition: attachment; filename=\"Quendal.zip\"\r\n");
        routes["/silent"] = Route().never();  // holds the connection without a word
    }
    std::string url(const char* path) const { return base() + path; }
};

struct Outcome {
    int status = -1;
    std::string body;
    bool finished = false;
    bool failed = false;
    platform::UrlErrorKind error = platform::UrlErrorKind::Other;
    bool done() const { return finished || failed; }
};

platform::UrlLoadCallbacks recordInto(Outcome& o) {
    platform::UrlLoadCallbacks c;
    c.response = [&o](const platform::UrlResponse& r) { o.status = r.httpStatus; };
    c.data = [&o](std::string_view bytes) { o.body += bytes; };
    c.finished = [&o] { o.finished = true; };
    c.failed = [&o](const platform::UrlError& e) {
        o.failed = true;
        o.error = e.kind;
    };
    return c;
}

class DesktopServicesTest : public PlatformTest {};

TEST_F(DesktopServicesTest, LoadsGiveStatusAndBodyAndAnErrorStatusIsAnAnswer) {
    TinyServer server;
    Outcome version, missing;
    platform::network().start({server.url("/versions/Quendal_version.txt")}, recordInto(version));
    platform::network().start({server.url("/missing")}, recordInto(missing));
    ASSERT_TRUE(QTest::qWaitFor([&] { return version.done() && missing.done(); }, 10000));
    EXPECT_TRUE(version.finished);
    EXPECT_EQ(version.status, 200);
    EXPECT_EQ(version.body, "2.1.3");
    EXPECT_TRUE(missing.finished);
    EXPECT_FALSE(missing.failed);
    EXPECT_EQ(missing.status, 404);
    EXPECT_EQ(missing.body, "<html>Not Found</html>");
}

TEST_F(DesktopServicesTest, RefusedConnectionTimeOutAndBadUrlFail) {
    quint16 closedPort = 0;
    {
        QTcpServer gone;
        gone.listen(QHostAddress::LocalHost, 0);
        closedPort = gone.serverPort();
    }
    TinyServer server;
    Outcome refused, silent, bad;
    platform::network().start({"http://127.0.0.1:" + std::to_string(closedPort) + "/"}, recordInto(refused));
    platform::network().start({server.url("/silent"), 0.3}, recordInto(silent));
    platform::network().start({"no url at all"}, recordInto(bad));
    EXPECT_FALSE(bad.done()) << "reported from the event loop, not from inside start";
    ASSERT_TRUE(QTest::qWaitFor([&] { return refused.done() && silent.done() && bad.done(); }, 10000));
    EXPECT_TRUE(refused.failed);
    EXPECT_EQ(refused.error, platform::UrlErrorKind::CannotConnect);
    EXPECT_TRUE(silent.failed);
    EXPECT_EQ(silent.error, platform::UrlErrorKind::TimedOut);
    EXPECT_EQ(silent.status, -1) << "no answer before the time-out";
    EXPECT_TRUE(bad.failed);
    EXPECT_EQ(bad.error, platform::UrlErrorKind::BadUrl);
}

void decideIn(uRLDownload* download, std::string_view suggested, void* folder) {
    URLDownloadSetDestination(download, *static_cast<std::string*>(folder) + "/" + std::string(suggested), false);
}
void downloadDone(uRLDownload*, void* flag) { *static_cast<int*>(flag) = 1; }
void downloadFailed(uRLDownload*, const platform::UrlError&, void* flag) { *static_cast<int*>(flag) = 2; }

TEST_F(DesktopServicesTest, DownloadTakesTheNameTheServerSuggests) {
    TinyServer server;
    std::string into = folder.path().toStdString();
    int outcome = 0;
    auto delegate = URLDownloadDelegateInit();
    URLDownloadDelegateSetDecideDestinationWithSuggestedFilenameCallback(*delegate, decideIn, &into);
    URLDownloadDelegateSetDidFinishCallback(*delegate, downloadDone, &outcome);
    URLDownloadDelegateSetDidFailWithErrorCallback(*delegate, downloadFailed, &outcome);
    // The server's path ends in another name than the one it suggests.
    URLDownloadInit(URLRequestInit(server.url("/downloads/apps/Quendal.zip?from=test")), delegate);
    ASSERT_TRUE(QTest::qWaitFor([&] { return outcome != 0; }, 10000));
    EXPECT_EQ(outcome, 1);
    QFile file(QString::fromStdString(into + "/Quendal.zip"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("PK\x03\x04 archive", 12));

    // An error page is never saved as the package.
    outcome = 0;
    URLDownloadInit(URLRequestInit(server.url("/downloads/apps/Gone.zip")), delegate);
    ASSERT_TRUE(QTest::qWaitFor([&] { return outcome != 0; }, 10000));
    EXPECT_EQ(outcome, 2);
    EXPECT_FALSE(std::filesystem::exists(into + "/Gone.zip"));
    EXPECT_FALSE(std::filesystem::exists(into + "/Gone.zip.part"));
}

// A cancelled load ends its transfer: the connection is closed, and with
// it go the buffers the transfer held.
TEST_F(DesktopServicesTest, ACancelledLoadHangsUp) {
    LocalServer server;
    server.routes["/endless"] = answer("200 OK", QByteArray(64 << 10, 'z')).repeatedTo(qint64(1) << 32);
    bool flowing = false;
    platform::UrlLoadCallbacks callbacks;
    callbacks.data = [&flowing](std::string_view) { flowing = true; };
    const platform::UrlLoadId load = platform::network().start({server.base() + "/endless"}, callbacks);
    ASSERT_TRUE(QTest::qWaitFor([&] { return flowing; }, 10000));
    platform::network().cancel(load);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.hangUps == 1; }, 10000));
}

// An archive is read through in a worker: its verdict comes from the event
// loop, and a stopped check brings none.
TEST_F(DesktopServicesTest, ArchivesAreReadAwayAndAStoppedCheckBringsNoVerdict) {
    const std::string whole = tempPath("whole.zip"), junk = tempPath("junk.zip"), huge = tempPath("huge.zip");
    std::ofstream(whole, std::ios::binary) << zipHolding("Quendal.pkg", noiseBytes(1000));
    std::ofstream(junk, std::ios::binary) << noiseBytes(1000);
    std::ofstream(huge, std::ios::binary) << zipOfZeros(4, int64_t(1) << 30);
    WatchedArchives archives;
    platform::setArchiveService(&archives);
    std::vector<std::pair<std::string, bool>> verdicts;
    auto record = [&verdicts](std::string name) {
        return [&verdicts, name](bool read) { verdicts.emplace_back(name, read); };
    };
    platform::checkZipAway(whole, 1 << 20, record("whole"));
    platform::checkZipAway(junk, 1 << 20, record("junk"));
    const platform::ZipCheckId stopped = platform::checkZipAway(huge, int64_t(8) << 30, record("huge"));
    EXPECT_TRUE(verdicts.empty()) << "never from inside the call";
    platform::stopZipCheck(stopped);
    ASSERT_TRUE(QTest::qWaitFor([&] { return verdicts.size() >= 2 && *archives.threadsEnded == 3; }, 10000));
    QCoreApplication::sendPostedEvents();  // the stopped check's verdict, had it brought one
    std::sort(verdicts.begin(), verdicts.end());
    EXPECT_EQ(verdicts, (std::vector<std::pair<std::string, bool>>{{"junk", false}, {"whole", true}}));
}

// Waits until the program has taken the end of the opener it ran: the
// opener's process is gone, and what its end brought has arrived.
bool openerEndTaken() {
    const bool taken = QTest::qWaitFor(
        [] { return QCoreApplication::instance()->findChildren<QProcess*>(Qt::FindDirectChildrenOnly).isEmpty(); },
        10000);
    QCoreApplication::sendPostedEvents();
    return taken;
}

// Sets an environment variable for the length of a test.
struct ScopedEnv {
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> old_;
};

// The opener runs beside the program, the call returns at once, and only
// an opener that ends in failure or crashes brings the failure, from the
// event loop. The test's opener, alone on the PATH, notes its arguments and
// after a pause ends as the row says (3 "no method available").
TEST_F(DesktopServicesTest, TheOpenersOwnEndDecidesWhetherTheURLOpened) {
    const std::string manual = FileURL{"/opt/quendal/Help/Quendal Manual.html"}.text();
    // How the opener ends, and whether that is a failure: its exit status,
    // or a crash.
    const struct { const char* end; bool fails; } rows[] = {
        {"exit 0", false}, {"exit 3", true}, {"exit 4", true}, {"kill -SEGV $$", true}};
    int row = 0;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.end);
        const std::string bin = tempPath("bin") + std::to_string(++row);
        std::filesystem::create_directories(bin);
        std::ofstream(bin + "/xdg-open") << "#!/bin/sh\necho \"$#\" \"$1\" > " << bin << "/given\n/bin/sleep 0.3\n"
                                         << ": > " << bin << "/ended\n" << r.end << "\n";
        std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
        ScopedEnv path("PATH", bin);
        bool failed = false;
        ASSERT_TRUE(platform::desktop().openUrl(manual, [&failed] { failed = true; }));
        EXPECT_FALSE(failed) << "never from inside the call";
        ASSERT_TRUE(openerEndTaken());
        EXPECT_TRUE(std::filesystem::exists(bin + "/ended"));
        EXPECT_EQ(failed, r.fails);
        std::ifstream given(bin + "/given");  // one argument, the URL with its blank escaped
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(given), {}), "1 file:///opt/quendal/Help/Quendal%20Manual.html\n");
    }
    ScopedEnv nowhere("PATH", tempPath("empty"));  // no opener: nothing takes it, at once
    EXPECT_FALSE(platform::desktop().openUrl(manual, [] {}));
    EXPECT_FALSE(platform::desktop().screenAreas().empty());
}

// An opener still running when its watch ends (30 s, here shortened) has
// handed the URL to a program it waits for: its failing end later says
// nothing about the opening, and no alert follows.
TEST_F(DesktopServicesTest, AnOpenerThatFailsAfterItsWatchReportsNothing) {
    const std::string bin = tempPath("bin");
    std::filesystem::create_directories(bin);
    // It ends once the test has seen the watch end.
    std::ofstream(bin + "/xdg-open") << "#!/bin/sh\nwhile [ ! -e " << bin << "/go ]; do /bin/sleep 0.01; done\nexit 4\n";
    std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
    ScopedEnv path("PATH", bin);
    platform::qt::setOpenerWatch(200);
    bool failed = false;
    ASSERT_TRUE(platform::desktop().openUrl("https://keldrith.example/", [&failed] { failed = true; }));
    QTimer afterTheWatch;  // due after the watch's timer, it fires after it
    afterTheWatch.setSingleShot(true);
    afterTheWatch.setTimerType(Qt::PreciseTimer);
    afterTheWatch.start(400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !afterTheWatch.isActive(); }, 10000));
    std::ofstream(bin + "/go").flush();
    ASSERT_TRUE(openerEndTaken());
    EXPECT_FALSE(failed);
    platform::qt::setOpenerWatch(0);
}

TEST_F(DesktopServicesTest, DownloadsFolderComesFromTheUserDirsElseHomeDownloads) {
    const std::string home = folder.path().toStdString() + "/home";
    std::filesystem::create_directories(home + "/Fetched");
    std::filesystem::create_directories(home + "/config");
    ScopedEnv homeVar("HOME", home);
    ScopedEnv config("XDG_CONFIG_HOME", home + "/config");
    std::ofstream(home + "/config/user-dirs.dirs") << "XDG_DOWNLOAD_DIR=\"$HOME/Fetched\"\n";
    FileURL url;
    ASSERT_EQ(FD_SpecialDirectoryCreateCFURL(kUserDomain, kDownloadsFolderType, &url), kFileNoErr);
    EXPECT_EQ(url.path, home + "/Fetched");
    std::filesystem::remove(home + "/config/user-dirs.dirs");
    ASSERT_EQ(FD_SpecialDirectoryCreateCFURL(kUserDomain, kDownloadsFolderType, &url), kFileNoErr);
    EXPECT_EQ(url.path, home + "/Downloads");
}

TEST_F(DesktopServicesTest, ItemsGoToTheDesktopsTrash) {
    const std::string data = folder.path().toStdString() + "/data";
    std::filesystem::create_directories(data);
    ScopedEnv dataHome("XDG_DATA_HOME", data);
    const std::string item = folder.path().toStdString() + "/Quendal.pkg";
    std::ofstream(item) << "package";
    EXPECT_EQ(moveItemToTrash(FileRef{item}), kFileNoErr);
    EXPECT_FALSE(std::filesystem::exists(item));
    EXPECT_TRUE(std::filesystem::exists(data + "/Trash/files/Quendal.pkg"));
    EXPECT_TRUE(std::filesystem::exists(data + "/Trash/info/Quendal.pkg.trashinfo"));
}

TEST_F(DesktopServicesTest, PreferencesFileReadsBackAsTheNextRunReadsIt) {
    const std::string config = folder.path().toStdString() + "/config";
    ScopedEnv configHome("XDG_CONFIG_HOME", config);
    platform::preferenceStore().setIdentity("Keldrith", "Quendal");  // open the file of this folder
    state.bounds.RespWndBounds = {22, 10, 412, 550};
    state.power.PortThickness = 18.5;
    state.selection.SysSelBtnNum = 7;
    ASSERT_TRUE(SavePrefs());
    const std::string file = config + "/Keldrith/Quendal.ini";
    ASSERT_TRUE(std::filesystem::exists(file));

    // The next run: every value read back from the file's text.
    platform::preferenceStore().setIdentity("Keldrith", "Quendal");
    resetState();
    LoadPrefs();
    EXPECT_EQ(state.bounds.RespWndBounds.top, 22);
    EXPECT_EQ(state.bounds.RespWndBounds.right, 550);
    EXPECT_EQ(state.power.PortThickness, 18.5);
    EXPECT_EQ(state.shell.LVD, 38.5);
    EXPECT_EQ(state.selection.SysSelBtnNum, 7);
    EXPECT_EQ(state.prefs.FastOpenFlag, 0);

    // Edited by hand: an unquoted rectangle and a thickness that is no number.
    std::ifstream in(file);
    std::stringstream edited;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("RespWndBounds=", 0) == 0) line = "RespWndBounds=30, 12, 420, 560";
        if (line.rfind("PortThickness=", 0) == 0) line = "PortThickness=thick";
        edited << line << "\n";
    }
    in.close();
    std::ofstream(file) << edited.str();
    platform::preferenceStore().setIdentity("Keldrith", "Quendal");
    resetState();
    LoadPrefs();
    EXPECT_EQ(state.bounds.RespWndBounds.top, 30);
    EXPECT_EQ(state.bounds.RespWndBounds.left, 12);
    EXPECT_EQ(state.bounds.RespWndBounds.bottom, 420);
    EXPECT_EQ(state.bounds.RespWndBounds.right, 560);
    EXPECT_EQ(state.power.PortThickness, 20.0);
}

// A settings file that is a link to a pipe (held open at both ends, so
// that no opening waits) or to a null device of the test's own: the start
// reads nothing from it, and neither a preference changed nor a full save
// puts a regular file in the node's place; each write says it failed.
TEST_F(DesktopServicesTest, ASettingsFileLinkedToAPipeOrADeviceLeavesTheNodeAsItIs) {
    const std::string root = folder.path().toStdString();
    ASSERT_EQ(::mkfifo((root + "/pipe").c_str(), 0600), 0);
    const int bothEnds = ::open((root + "/pipe").c_str(), O_RDWR | O_NONBLOCK);
    std::vector<std::pair<std::string, mode_t>> nodes = {{root + "/pipe", S_IFIFO}};
    if (::mknod((root + "/null").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0) nodes.emplace_back(root + "/null", S_IFCHR);
    for (const auto& [node, kind] : nodes) {
        SCOPED_TRACE(node);
        std::filesystem::create_directories(node + "-config/Keldrith");
        std::filesystem::create_symlink(node, node + "-config/Keldrith/Quendal.ini");
        ScopedEnv configHome("XDG_CONFIG_HOME", node + "-config");
        platform::preferenceStore().setIdentity("Keldrith", "Quendal");
        resetState();
        LoadPrefs();
        EXPECT_EQ(state.power.PortThickness, 20.0);
        state.power.PortThickness = 18.5;
        EXPECT_FALSE(SaveChangedPrefs());
        EXPECT_FALSE(SavePrefs());
        struct stat after {};
        EXPECT_TRUE(::lstat(node.c_str(), &after) == 0 && (after.st_mode & S_IFMT) == kind);
    }
    ::close(bothEnds);
    platform::preferenceStore().setIdentity("Keldrith", "Quendal");  // the next use opens the file anew
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The program's thickness, then comment lines up to `bytes` in all.
std::string settingsFileOf(std::size_t bytes) {
    std::string text = "[General]\nPortThickness=18.5\n";
    while (text.size() < bytes) {
        const std::size_t line = std::min<std::size_t>(bytes - text.size(), 80);
        if (line > 1) text.append(";").append(line - 2, 'x');
        text += '\n';
    }
    return text;
}

// A settings file of 1 MiB is the program's; one a byte larger is not: the
// start reads nothing from it, and no change replaces it (each write says
// it failed), so that whatever it holds is kept.
TEST_F(DesktopServicesTest, ASettingsFileOverOneMebibyteIsNeitherReadNorReplaced) {
    const std::string config = folder.path().toStdString() + "/config";
    const std::string file = config + "/Keldrith/Quendal.ini";
    ScopedEnv configHome("XDG_CONFIG_HOME", config);
    for (const std::size_t bytes : {std::size_t(1) << 20, (std::size_t(1) << 20) + 1}) {
        const bool ours = bytes <= (std::size_t(1) << 20);
        SCOPED_TRACE(bytes);
        std::filesystem::create_directories(config + "/Keldrith");
        std::ofstream(file, std::ios::binary | std::ios::trunc) << settingsFileOf(bytes);
        ASSERT_EQ(std::filesystem::file_size(file), bytes);
        platform::preferenceStore().setIdentity("Keldrith", "Quendal");
        resetState();
        LoadPrefs();
        EXPECT_EQ(state.power.PortThickness, ours ? 18.5 : 20.0);
        state.power.PortThickness = 25.0;
        EXPECT_EQ(SaveChangedPrefs(), ours);
        EXPECT_EQ(SavePrefs(), ours);
        const std::string text = fileText(file);
        EXPECT_EQ(text.find("PortThickness=25\n") != std::string::npos, ours);
        if (!ours) {
            EXPECT_TRUE(text == settingsFileOf(bytes));
        }
    }
    platform::preferenceStore().setIdentity("Keldrith", "Quendal");  // the next use opens the file anew
}

// A settings file the user may not read: nothing is read from it and no
// change replaces it; its mode stays.
TEST_F(DesktopServicesTest, AnUnreadableSettingsFileIsNeitherReadNorReplaced) {
    const std::string config = folder.path().toStdString() + "/config";
    const std::string file = config + "/Keldrith/Quendal.ini";
    std::filesystem::create_directories(config + "/Keldrith");
    std::ofstream(file) << "[General]\nPortThickness=18.5\n";
    ASSERT_EQ(::chmod(file.c_str(), 0200), 0);
    if (::access(file.c_str(), R_OK) == 0) GTEST_SKIP() << "this user (the superuser) may read unreadable files";
    ScopedEnv configHome("XDG_CONFIG_HOME", config);
    platform::preferenceStore().setIdentity("Keldrith", "Quendal");
    resetState();
    LoadPrefs();
    EXPECT_EQ(state.power.PortThickness, 20.0);
    state.power.PortThickness = 25.0;
    EXPECT_FALSE(SaveChangedPrefs());
    EXPECT_FALSE(SavePrefs());
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 0777, 0200u);
    ::chmod(file.c_str(), 0600);
    EXPECT_EQ(fileText(file), "[General]\nPortThickness=18.5\n");
    platform::preferenceStore().setIdentity("Keldrith", "Quendal");
}

// A node of the test's own, in its private folder, that stands for a device
// that never ends: a zero device where this user may make one, else a
// socket, which no opening reads either. Never a node of the machine's.
std::string ownDeviceNode(const std::string& folder) {
    const std::string node = folder + "/zero";
    if (::mknod(node.c_str(), S_IFCHR | 0600, makedev(1, 5)) == 0) return node;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (node.size() >= sizeof address.sun_path) return {};
    std::memcpy(address.sun_path, node.c_str(), node.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool bound = socket >= 0 && ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (socket >= 0) ::close(socket);  // the node stays
    return bound ? node : std::string();
}

enum class SettingsNode { Pipe, DeviceLink, Folder, DanglingLink };
enum class SettingsSpot { Own, Organisation, Lock };

// What a run of the program reports about its preferences, as bits of the
// child's exit status.
constexpr int kReadTheFile = 1;     // the file's thickness was read at the start
constexpr int kFirstWrite = 2;      // the change was written to the file
constexpr int kSecondWrite = 4;     // and the next one
constexpr int kKeptInMemory = 8;    // the last change held for the run

// Every place the settings code might open, with a named pipe (held open
// by nobody: an opening of it waits), a link to a device that never ends
// (the test's own), a folder, or a link to nothing standing there, from
// before the start or from between the start and a change: each run ends
// within a bound, the node and the device are left as they were, and the
// program's own file, unless it is the node, holds every change; otherwise
// the preferences live in memory.
TEST_F(DesktopServicesTest, NoNodeAtAnyPlaceOfTheSettingsHoldsTheProgramOrIsReplaced) {
    const std::string root = folder.path().toStdString();
    const std::string device = ownDeviceNode(root);
    ASSERT_FALSE(device.empty());
    struct stat deviceBefore {};
    ASSERT_EQ(::lstat(device.c_str(), &deviceBefore), 0);
    int row = 0;
    for (const SettingsSpot spot : {SettingsSpot::Own, SettingsSpot::Organisation, SettingsSpot::Lock}) {
        for (const SettingsNode node : {SettingsNode::Pipe, SettingsNode::DeviceLink, SettingsNode::Folder,
                                        SettingsNode::DanglingLink}) {
            for (const bool duringTheRun : {false, true}) {
                SCOPED_TRACE(testing::Message() << "spot " << int(spot) << " node " << int(node) << " during "
                                                << duringTheRun);
                const std::string config = root + "/row" + std::to_string(++row);
                std::filesystem::create_directories(config + "/Keldrith");
                const std::string own = config + "/Keldrith/Quendal.ini";
                const std::string path = spot == SettingsSpot::Own          ? own
                                         : spot == SettingsSpot::Organisation ? config + "/Keldrith.ini"
                                                                              : own + ".lock";
                const bool ownFileFirst = spot != SettingsSpot::Own || duringTheRun;
                if (ownFileFirst) std::ofstream(own) << "[General]\nPortThickness=18.5\n";
                const auto makeNode = [&] {
                    if (spot == SettingsSpot::Own) std::filesystem::remove(path);
                    switch (node) {
                        case SettingsNode::Pipe: return ::mkfifo(path.c_str(), 0600) == 0;
                        case SettingsNode::DeviceLink: return ::symlink(device.c_str(), path.c_str()) == 0;
                        case SettingsNode::Folder: return ::mkdir(path.c_str(), 0700) == 0;
                        case SettingsNode::DanglingLink: return ::symlink((root + "/nowhere").c_str(), path.c_str()) == 0;
                    }
                    return false;
                };
                if (!duringTheRun) {
                    ASSERT_TRUE(makeNode());
                }
                const int status = exitWithin(
                    [&] {
                        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
                        platform::preferenceStore().setIdentity("Keldrith", "Quendal");
                        resetState();
                        LoadPrefs();
                        int seen = state.power.PortThickness == 18.5 ? kReadTheFile : 0;
                        if (duringTheRun && !makeNode()) return 100;
                        state.power.PortThickness = 25.0;
                        if (SaveChangedPrefs()) seen |= kFirstWrite;
                        state.power.PortThickness = 26.0;
                        if (SaveChangedPrefs()) seen |= kSecondWrite;
                        const auto kept = platform::preferenceStore().read("PortThickness");
                        if (kept && kept->texts == std::vector<std::string>{"26"}) seen |= kKeptInMemory;
                        return seen;
                    },
                    std::chrono::seconds(20));
                const int written = spot == SettingsSpot::Own ? 0 : kFirstWrite | kSecondWrite;
                EXPECT_EQ(status, (ownFileFirst ? kReadTheFile : 0) | written | kKeptInMemory);

                struct stat after {};
                ASSERT_EQ(::lstat(path.c_str(), &after), 0);
                const mode_t kind = node == SettingsNode::Pipe     ? S_IFIFO
                                    : node == SettingsNode::Folder ? S_IFDIR
                                                                   : S_IFLNK;
                EXPECT_EQ(after.st_mode & S_IFMT, kind);
                if (spot != SettingsSpot::Own) {
                    std::ifstream in(own);
                    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
                    EXPECT_NE(text.find("PortThickness=26\n"), std::string::npos) << text;
                }
                EXPECT_FALSE(std::filesystem::exists(root + "/nowhere"));
                struct stat deviceAfter {};
                EXPECT_TRUE(::lstat(device.c_str(), &deviceAfter) == 0 && deviceAfter.st_mode == deviceBefore.st_mode &&
                            deviceAfter.st_ino == deviceBefore.st_ino);
            }
        }
    }
}

}  // namespace
}  // namespace quendal::test
