#include "platform/qt/PrintServer.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPageSize>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace quendal::platform::qt {

namespace {

constexpr int kLookEveryMs = 20;  // between looks whether the server answered

// What one question to the server brought. The thread that asks writes it
// and then sets `done`; it may outlive every window, and holds its share.
struct ServerAnswer {
    std::atomic<bool> done{false};
    std::string defaultPaper;
};

std::string gDefaultPaper;  // read and written on the event loop only

// One wait for an answer on the event loop.
struct Waiting {
    std::shared_ptr<ServerAnswer> answer;
    std::function<void(bool)> then;
    QPointer<QWidget> window;
    bool hadWindow = false;
    QPointer<QMessageBox> message;
    QTimer* timer = nullptr;
    QElapsedTimer since;
    bool ended = false;

    void end(bool answered) {
        if (ended) return;
        ended = true;
        timer->stop();
        timer->deleteLater();
        if (message) {
            message->disconnect();
            message->close();
        }
        if (answered) gDefaultPaper = answer->defaultPaper;
        if (then) then(answered);
    }

    void tell() {
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Quendal"),
                                    QStringLiteral("The print server does not answer."), QMessageBox::Cancel,
                                    window.data());
        box->setInformativeText(QStringLiteral("Printing waits for its answer. Cancel stops this print."));
        box->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
        box->setAttribute(Qt::WA_DeleteOnClose);
        message = box;
        box->open();
    }
};

}  // namespace

void askPrintServer(QWidget* window, std::function<void(bool answered)> then) {
    auto answer = std::make_shared<ServerAnswer>();
    try {
        std::thread([answer] {
            const QString printer = QPrinterInfo::defaultPrinterName();
            if (!printer.isEmpty()) answer->defaultPaper = QPrinterInfo::printerInfo(printer).defaultPageSize().name().toStdString();
            answer->done.store(true);
        }).detach();
    } catch (const std::system_error&) {
        then(true);  // no thread to be had: the printers are asked here, as they always were
        return;
    }
    auto waiting = std::make_shared<Waiting>();
    waiting->answer = answer;
    waiting->then = std::move(then);
    waiting->window = window;
    waiting->hadWindow = window != nullptr;
    waiting->timer = new QTimer(QCoreApplication::instance());
    waiting->since.start();
    QObject::connect(waiting->timer, &QTimer::timeout, [waiting] {
        if (waiting->answer->done.load()) return waiting->end(true);
        if (waiting->hadWindow && !waiting->window) return waiting->end(false);
        if (!waiting->message && waiting->since.elapsed() >= kSilentPrintServerMs) {
            waiting->tell();
            QObject::connect(waiting->message, &QMessageBox::finished, [waiting] { waiting->end(false); });
        }
    });
    waiting->timer->start(kLookEveryMs);
}

std::string lastDefaultPaper() { return gDefaultPaper; }

}  // namespace quendal::platform::qt
