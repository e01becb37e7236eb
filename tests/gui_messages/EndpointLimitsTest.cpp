// The program's own local endpoints (messages and document hand-over) under
// connections that send nothing: they are dropped, never more than the
// limit are held, and the endpoint still answers afterwards. A hand-over
// whose sender gave up before the receiver read it is not opened.
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <gtest/gtest.h>

#include "platform/qt/DocumentHandover.h"
#include "platform/qt/LocalMessages.h"
#include "support/RuntimeFolder.h"

namespace quendal::test {
namespace {

using platform::qt::kMaxHeldConnections;

// Runs the event loop until `done` or a generous guard; `each` is checked
// at every turn.
template <typename Done, typename Each>
bool runUntil(Done done, Each each) {
    const QDeadlineTimer guard(30000);
    while (!done() && !guard.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        each();
    }
    return done();
}

std::unique_ptr<QLocalSocket> connectTo(const QString& path) {
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(path);
    EXPECT_TRUE(socket->waitForConnected(1000));
    return socket;
}

// Twenty connections that send nothing, to the endpoint at `path`: all are
// dropped, and `held` never counts more than the limit.
template <typename Held>
void idleConnectionsAreDropped(const QString& path, Held held) {
    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int i = 0; i < 20; ++i) idle.push_back(connectTo(path));
    int most = 0;
    const bool allDropped = runUntil(
        [&] {
            for (const auto& socket : idle)
                if (socket->state() != QLocalSocket::UnconnectedState) return false;
            return held() == 0;
        },
        [&] { most = std::max(most, held()); });
    EXPECT_TRUE(allDropped);
    EXPECT_EQ(most, kMaxHeldConnections);
}

class EndpointLimitsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        runtime.enter();
    }
    void TearDown() override { runtime.leave(); }

    RuntimeFolder runtime;
};

TEST_F(EndpointLimitsTest, IdleConnectionsToTheMessageEndpointAreDroppedAndAMessageStillArrives) {
    std::vector<std::string> heard;
    platform::qt::LocalMessages endpoint;
    ASSERT_TRUE(endpoint.listen("Quendal", [&heard](const platform::AppMessage& m) { heard.push_back(m.text); }));
    const QString path = QString::fromStdString(endpoint.endpointPath());
    idleConnectionsAreDropped(path, [&] { return endpoint.heldConnections(); });

    auto sender = connectTo(path);
    sender->write(platform::qt::encodeFrame({"QnDL", "TEXT", "HideQnDL"}));
    ASSERT_TRUE(sender->waitForBytesWritten(1000));
    EXPECT_TRUE(runUntil([&] { return !heard.empty(); }, [] {}));
    EXPECT_EQ(heard, std::vector<std::string>{"HideQnDL"});
}

TEST_F(EndpointLimitsTest, IdleConnectionsToTheHandoverAreDroppedAndALaterHandoverIsAnswered) {
    std::vector<std::vector<std::string>> received;
    platform::qt::LocalDocumentHandover receiver;
    ASSERT_FALSE(receiver.handOver({}, [&](const std::vector<std::string>& paths) { received.push_back(paths); }));
    ASSERT_TRUE(receiver.receiving());
    const QString socketPath = QString::fromStdString(platform::qt::handoverFolder() + "/receiver");
    idleConnectionsAreDropped(socketPath, [&] { return receiver.heldConnections(); });

    // A second start that waits for the answer gets it, and the document
    // is opened here; one that gave up before this program read its list
    // (it was busy) opens the document itself: not a second time here.
    auto gaveUp = connectTo(socketPath);
    gaveUp->write(platform::qt::encodeDocumentList({"/tmp/Late.qndl"}));
    ASSERT_TRUE(gaveUp->waitForBytesWritten(1000));
    gaveUp->abort();
    auto waiting = connectTo(socketPath);
    waiting->write(platform::qt::encodeDocumentList({"/tmp/Waiting.qndl"}));
    ASSERT_TRUE(waiting->waitForBytesWritten(1000));
    EXPECT_TRUE(runUntil([&] { return waiting->bytesAvailable() >= 2; }, [] {}));
    EXPECT_EQ(waiting->readAll(), "OK");
    EXPECT_EQ(received, std::vector<std::vector<std::string>>{{"/tmp/Waiting.qndl"}});
    receiver.stopReceiving();
}

}  // namespace
}  // namespace quendal::test
