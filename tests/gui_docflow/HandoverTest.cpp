// A second start of the program hands the document named to it to the
// program that runs already, and ends: two processes of this test program,
// sharing a runtime folder of their own.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include <QCoreApplication>
#include <QLocalServer>
#include <QLockFile>
#include <QProcess>

#include "DocflowFixture.h"
#include "app/DesktopDocuments.h"
#include "platform/qt/DocumentHandover.h"
#include "platform/qt/Registry.h"
#include "support/PlantedNodes.h"
#include "support/RuntimeFolder.h"

namespace quendal::test {
namespace {

class HandoverTest : public DocflowTest {
protected:
    void SetUp() override {
        DocflowTest::SetUp();
        ASSERT_TRUE(runtime.isValid());
        runtime.enter();
    }
    void TearDown() override {
        platform::documentHandover().stopReceiving();
        runtime.leave();
        DocflowTest::TearDown();
    }
    // This program receives; a second start of it, with `document` named
    // or none (""), runs to its end. What it printed.
    QByteArray secondStart(const std::string& document) {
        EXPECT_FALSE(platform::documentHandover().handOver({}, [this](const std::vector<std::string>& paths) {
            received.push_back(paths);
            ReceiveHandedDocuments(paths);
        }));
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QUENDAL_HANDED_DOCUMENT", QString::fromStdString(document));
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        second.setProcessEnvironment(env);
        second.start(QCoreApplication::applicationFilePath(),
                     {"--gtest_also_run_disabled_tests", "--gtest_filter=SecondStart.DISABLED_HandsOver"});
        EXPECT_TRUE(second.waitForStarted());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !received.empty() && second.state() == QProcess::NotRunning; }, 60000));
        const QByteArray output = second.readAllStandardOutput();
        EXPECT_EQ(second.exitCode(), 0) << output.constData();
        return output;
    }

    RuntimeFolder runtime;
    std::vector<std::vector<std::string>> received;
};

TEST_F(HandoverTest, ASecondStartHandsItsDocumentToTheRunningProgramAndEnds) {
    const std::string file = path("Handed.qndl");
    put(file, encodeDesignDocument(state));
    const QByteArray output = secondStart(file);
    EXPECT_TRUE(output.contains("handed over")) << output.constData();
    EXPECT_EQ(received, std::vector<std::vector<std::string>>{{file}});
    EXPECT_EQ(state.document.g_FsRef, file);  // on its way to opening here
    EXPECT_EQ(state.shell.SelfOpenFlag, 1);
}

// The menu entry clicked once more: the running program comes forward, and
// the start ends rather than run a second copy beside it.
TEST_F(HandoverTest, ASecondStartWithoutADocumentBringsTheRunningProgramForwardAndEnds) {
    platform::setCurrentWindow(0);
    const QByteArray output = secondStart("");
    EXPECT_TRUE(output.contains("handed over")) << output.constData();
    EXPECT_EQ(received, std::vector<std::vector<std::string>>{{}});
    EXPECT_EQ(platform::currentWindow(), kResponseWindow);  // brought forward
    EXPECT_EQ(state.shell.SelfOpenFlag, 0);  // nothing to open
}

// The running copy holds the receiving place and its socket takes the
// connection, but its event loop is stuck: the second start gives up and
// opens the document itself instead of waiting for an answer that never
// comes.
TEST_F(HandoverTest, ASecondStartWhoseRunningCopyNeverAnswersOpensItsDocumentItself) {
    const QString folder = QString::fromStdString(platform::qt::handoverFolder());
    ASSERT_FALSE(folder.isEmpty());
    QLockFile place(folder + "/receiver.lock");
    place.setStaleLockTime(0);
    ASSERT_TRUE(place.tryLock(0));
    QLocalServer stuck;  // never accepts: this thread is busy in the handover
    ASSERT_TRUE(stuck.listen(folder + "/receiver"));

    const std::string file = path("Kept.qndl");
    put(file, encodeDesignDocument(state));
    std::string name = "quendal", argument = file;
    char* argv[] = {name.data(), argument.data(), nullptr};
    EXPECT_FALSE(HandOverDocumentsNamedAtStart(2, argv));
    EXPECT_TRUE(QTest::qWaitFor([&] { return state.document.g_FsRef == file; }, 5000));
    EXPECT_EQ(state.shell.SelfOpenFlag, 1);
}

// Whatever stands at the receiving place's lock instead of its file (a named
// pipe that nobody holds open, a folder, a link to nothing, a socket), the
// start goes on at once to open its own documents, and the node stays as it
// was. Each start runs in a child process, bounded: an opening of the pipe
// would wait for ever.
TEST_F(HandoverTest, ANodeAtTheLocksPlaceNeverHoldsTheStartAndStays) {
    const std::string folder = platform::qt::handoverFolder();
    ASSERT_FALSE(folder.empty());
    const std::string lock = folder + "/receiver.lock";
    for (const PlantedNode node : {PlantedNode::Pipe, PlantedNode::Folder, PlantedNode::DanglingLink, PlantedNode::Socket}) {
        SCOPED_TRACE(int(node));
        const int bound = plantNode(node, lock, folder + "/nowhere");
        ASSERT_NE(bound, -2);
        const int status = exitWithin(
            [] {
                std::string name = "quendal";
                char* argv[] = {name.data(), nullptr};
                return HandOverDocumentsNamedAtStart(1, argv) ? 1 : 0;
            },
            std::chrono::seconds(5));
        EXPECT_EQ(status, 0);  // this start goes on with its own window, at once
        EXPECT_EQ(kindAt(lock), kindOf(node));
        EXPECT_FALSE(std::filesystem::exists(folder + "/nowhere"));
        if (bound >= 0) ::close(bound);
        std::filesystem::remove(lock);
    }
}

// The second start, run in a process of its own by the test above.
TEST(SecondStart, DISABLED_HandsOver) {
    const char* document = std::getenv("QUENDAL_HANDED_DOCUMENT");
    if (document == nullptr) GTEST_SKIP();
    std::string name = "quendal", file = document;
    char* argv[] = {name.data(), file.empty() ? nullptr : file.data(), nullptr};
    const bool handed = HandOverDocumentsNamedAtStart(file.empty() ? 1 : 2, argv);
    std::cout << (handed ? "handed over" : "kept") << std::endl;
    EXPECT_TRUE(handed);
}

}  // namespace
}  // namespace quendal::test
