// The local transport between programs: frames, endpoints, two real
// processes exchanging messages, a stale endpoint, launching and the
// desktop's clipboard. Each test has a runtime folder of its own.
//
// The test program re-runs itself as the peer: the disabled test
// MessagePeer.DISABLED_Script plays a sibling when QUENDAL_MESSAGE_PEER
// names its script.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include <QClipboard>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "gui_messages/MessagesFixture.h"
#include "platform/qt/LocalMessages.h"
#include "support/RuntimeFolder.h"

namespace quendal::test {
namespace {

using platform::AppMessage;
using platform::qt::LocalMessages;

// Runs the event loop until the condition holds or a generous guard passes;
// the test then checks the condition, never the time.
template <typename Condition>
bool processEventsUntil(Condition done, int guardMs = 30000) {
    const QDeadlineTimer guard(guardMs);
    while (!done() && !guard.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}

class TransportTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        runtime.enter();
    }
    void TearDown() override {
        platform::messageService().stopListening();
        platform::setDialogService(nullptr);
        runtime.leave();
    }
    void startPeer(QProcess& peer, const char* script) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QUENDAL_MESSAGE_PEER", script);
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        peer.setProcessEnvironment(env);
        peer.start(QCoreApplication::applicationFilePath(),
                   {"--gtest_also_run_disabled_tests", "--gtest_filter=MessagePeer.DISABLED_Script"});
        ASSERT_TRUE(peer.waitForStarted());
    }

    RuntimeFolder runtime;
};

std::vector<std::string> gFromOrvanel;
int32_t recordAndHandle(const AppMessage& event) {
    gFromOrvanel.push_back(event.text);
    return DoAppleEventFromQndl(event);
}

TEST(MessageFrames, CarryClassIdAndAtMost255BytesOfText) {
    const AppMessage sent{"QnDL", "TEXT", std::string(300, 'x')};
    const auto back = platform::qt::decodeFrame(platform::qt::encodeFrame(sent));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->eventClass, "QnDL");
    EXPECT_EQ(back->eventId, "TEXT");
    EXPECT_EQ(back->text, std::string(255, 'x'));
    QByteArray frame = platform::qt::encodeFrame({"Wlok", "TEXT", "Are you Launched Quendal"});
    EXPECT_FALSE(platform::qt::decodeFrame(frame.left(frame.size() - 1)));  // not complete yet
    frame[0] = 'X';
    EXPECT_FALSE(platform::qt::decodeFrame(frame));
}

TEST_F(TransportTest, AnEndpointLivesInAPrivateFolderAndGoesWithItsProgram) {
    LocalMessages messages;
    ASSERT_TRUE(messages.listen("Quendal", {}));
    const std::string path = messages.endpointPath();
    struct stat folder {}, socket {};
    ASSERT_EQ(::stat(platform::qt::messageFolder().c_str(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
    ASSERT_EQ(::lstat(path.c_str(), &socket), 0);
    EXPECT_TRUE(S_ISSOCK(socket.st_mode));
    EXPECT_EQ(platform::qt::endpointsOf("Quendal", 0), std::vector<std::string>{path});
    EXPECT_TRUE(platform::qt::endpointsOf("Quendal", ::getpid()).empty());  // never to ourselves
    messages.stopListening();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

TEST_F(TransportTest, AScriptedPeerSendsADriverHidesTheProgramAndAsksItToQuit) {
    resetState();
    platform::resetPlatform();
    ASSERT_TRUE(platform::createWindow(kResponseWindow, platform::WindowKind::Document, {100, 100, 490, 640}, "R"));
    state.prefs.UpdateForCheck = 0;
    gFromOrvanel.clear();
    InstallAEHandlers();
    InstallAppMessageHandler("QnDL", "TEXT", recordAndHandle);

    QProcess peer;
    startPeer(peer, "orvanel");
    EXPECT_TRUE(processEventsUntil([&] { return gFromOrvanel.size() >= 3 && peer.state() == QProcess::NotRunning; }));
    EXPECT_EQ(gFromOrvanel, (std::vector<std::string>{driverRecord(), "HideQnDL", "QuitQnDL"}));
    EXPECT_DOUBLE_EQ(state.speaker.FS2, 38.0);
    EXPECT_EQ(state.shell.WindCloseFlag, 1);
    EXPECT_EQ(peer.exitCode(), 0);
    EXPECT_TRUE(peer.readAllStandardOutput().contains("peer heard: Now I Closed"));

    InstallTextMessageHandlers();
    platform::resetPlatform();
    resetState();
}

// The roles the other way round: the program runs in a process of its own
// with its event loop, this test plays the siblings. The driver arrives, the
// program hides and says so, and "QuitQnDL" ends the program's process by
// its own quit path, which takes its endpoint with it.
TEST_F(TransportTest, AProgramDrivenByAPeerTakesTheDriverHidesAndEndsItsProcess) {
    std::vector<std::string> heard;
    LocalMessages orvanel, ostrevane;
    ASSERT_TRUE(orvanel.listen("Orvanel", [&](const AppMessage& m) { heard.push_back("Orvanel: " + m.text); }));
    ASSERT_TRUE(ostrevane.listen("Ostrevane", [&](const AppMessage& m) { heard.push_back("Ostrevane: " + m.text); }));
    QProcess program;
    startPeer(program, "program");
    QByteArray output;
    const auto readOutput = [&] {
        program.waitForReadyRead(50);
        output += program.readAllStandardOutput();
    };
    ASSERT_TRUE(processEventsUntil([&] {
        readOutput();
        return output.contains("program ready");
    }));
    ASSERT_EQ(orvanel.send("Quendal", {"QnDL", "TEXT", driverRecord()}), 1);
    ASSERT_EQ(orvanel.send("Quendal", {"QnDL", "TEXT", "HideQnDL"}), 1);
    ASSERT_TRUE(processEventsUntil([&] {
        readOutput();
        return std::find(heard.begin(), heard.end(), "Ostrevane: Now I Closed") != heard.end();
    }));
    ASSERT_EQ(orvanel.send("Quendal", {"QnDL", "TEXT", "QuitQnDL"}), 1);
    EXPECT_TRUE(processEventsUntil([&] {
        readOutput();
        return program.state() == QProcess::NotRunning;
    }));
    output += program.readAllStandardOutput();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(output.contains("program ended: status 0, FS2 38, hidden 1")) << output.toStdString();
    EXPECT_TRUE(platform::qt::endpointsOf("Quendal", 0).empty());
    if (program.state() != QProcess::NotRunning) {  // never left behind
        program.kill();
        program.waitForFinished();
    }
}

TEST_F(TransportTest, TheEndpointOfAKilledProgramCountsAsNotRunningAndIsRemoved) {
    QProcess peer;
    startPeer(peer, "stale");
    QByteArray output;
    ASSERT_TRUE(processEventsUntil([&] {
        peer.waitForReadyRead(50);
        output += peer.readAllStandardOutput();
        return output.contains("peer ready");
    }));
    const std::vector<std::string> endpoints = platform::qt::endpointsOf("Orvanel", ::getpid());
    ASSERT_EQ(endpoints.size(), 1u);
    peer.kill();
    peer.waitForFinished();
    ASSERT_TRUE(QFile::exists(QString::fromStdString(endpoints[0])));  // left behind

    RecordingDialogs dialogs;
    platform::setDialogService(&dialogs);
    EXPECT_EQ(platform::messageService().send("Orvanel", {"Qndl", "TEXT", "HideQndl"}), 0);
    SndAppleEvent("Qndl", "HideQndl", "Orvanel");
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(endpoints[0])));
}

TEST_F(TransportTest, ASiblingIsFoundByItsDesktopEntryOrNotAtAll) {
    QTemporaryDir data;
    QDir(data.path()).mkpath("applications");
    QFile entry(data.path() + "/applications/Orvanel.desktop");
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Orvanel\nExec=/usr/bin/orvanel --hidden %U\n");
    entry.close();
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    EXPECT_EQ(platform::qt::siblingCommand("Orvanel.app"), (QStringList{"/usr/bin/orvanel", "--hidden"}));
    EXPECT_FALSE(platform::qt::siblingCommand("Nosuchsibling.app"));
    EXPECT_EQ(LocalMessages().launch("Nosuchsibling.app"), platform::kApplicationNotFound);
    qputenv("XDG_DATA_HOME", savedData);
}

// The clipboard's own characters, a letter and its accent copied apart
// composed into the accented letter as a typed name is.
TEST(DesktopClipboard, GivesTheDesktopsTextComposed) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8("DUMMY&  Cafe\xCC\x81  330 cm\xC2\xB2  "));
    EXPECT_EQ(platform::qt::desktopClipboard().text(),
              std::optional<std::string>("DUMMY&  Caf\xC3\xA9  330 cm\xC2\xB2  "));
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(platform::qt::desktopClipboard().text().value_or("").size() > 0);
}

// The sibling's side, run in a process of its own by the tests above.
TEST(MessagePeer, DISABLED_Script) {
    const char* script = std::getenv("QUENDAL_MESSAGE_PEER");
    if (script == nullptr) GTEST_SKIP();
    QEventLoop loop;
    std::string heard;
    if (std::string(script) == "program") {
        // The program itself: a design on the screen, its endpoint and text
        // handlers, and its event loop until something ends it.
        resetState();
        platform::resetPlatform();
        ASSERT_TRUE(platform::createWindow(kResponseWindow, platform::WindowKind::Document, {100, 100, 490, 640}, "R"));
        platform::showWindow(kResponseWindow);
        state.shell.WindCloseFlag = 0;
        state.prefs.UpdateForCheck = 0;
        InstallAEHandlers();
        InstallTextMessageHandlers();
        std::cout << "program ready" << std::endl;
        const int status = platform::runEventLoop();
        std::cout << "program ended: status " << status << ", FS2 " << state.speaker.FS2 << ", hidden "
                  << int(state.shell.WindCloseFlag) << std::endl;
        return;
    }
    LocalMessages ostrevane, orvanel;
    ostrevane.listen("Ostrevane", [&](const AppMessage& m) {
        heard = m.text;
        loop.quit();
    });
    orvanel.listen("Orvanel", {});
    if (std::string(script) == "stale") {
        std::cout << "peer ready" << std::endl;
        loop.exec();  // until killed
        return;
    }
    EXPECT_EQ(orvanel.send("Quendal", {"QnDL", "TEXT", driverRecord()}), 1);
    EXPECT_EQ(orvanel.send("Quendal", {"QnDL", "TEXT", "HideQnDL"}), 1);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    std::cout << "peer heard: " << heard << std::endl;
    EXPECT_EQ(orvanel.send("Quendal", {"QnDL", "TEXT", "QuitQnDL"}), 1);
}

}  // namespace
}  // namespace quendal::test
