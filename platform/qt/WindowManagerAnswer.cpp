#include "platform/qt/WindowManagerAnswer.h"

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>

#include "platform/qt/XServer.h"

namespace quendal::platform::qt {

namespace {

// Without answers, the window system's hand-over is taken to come within
// this time of a window showing or hiding.
constexpr int kHandOverMs = 500;
// An answer that never comes (the window manager replaced meanwhile) ends
// its wait after this time.
constexpr int kAnswerLostMs = 10000;

// A window of the program's own that is never shown, whose frame the
// window manager is asked for, on the toolkit's own connection to the
// server so that each request follows the windows shown and hidden before.
class Asker : public QAbstractNativeEventFilter {
public:
    static Asker* instance() {
        static Asker* asker = create();
        return asker;
    }
    void ask() {
        askForFrame(connection_, asker_);
        ++asked_;
        sinceAsked_.restart();
    }
    bool atWork() const {
        if (asked_ == answered_ || !sinceAsked_.isValid()) return false;
        return sinceAsked_.elapsed() < (answered_ > 0 ? kAnswerLostMs : kHandOverMs);
    }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        if (!isFrameAnswer(asker_, static_cast<const xcb_generic_event_t*>(message))) return false;
        // Counted once the window system's events read before the answer
        // (the hand-over among them) have reached the windows.
        QTimer::singleShot(0, qGuiApp, [this] {
            if (answered_ < asked_) ++answered_;
        });
        return true;
    }

private:
    static Asker* create() {
        xcb_connection_t* connection = toolkitConnection();
        if (connection == nullptr) return nullptr;
        auto* asker = new Asker(connection);
        qGuiApp->installNativeEventFilter(asker);
        return asker;
    }
    explicit Asker(xcb_connection_t* connection) : connection_(connection), asker_(makeFrameAsker(connection)) {}

    xcb_connection_t* connection_;
    FrameAsker asker_;
    quint64 asked_ = 0, answered_ = 0;
    QElapsedTimer sinceAsked_;
};

// Another window system: the hand-over within a time of the last window
// shown or hidden.
QElapsedTimer gShownOrHidden;

}  // namespace

void askWindowManager() {
    if (Asker* asker = Asker::instance()) return asker->ask();
    gShownOrHidden.restart();
}

bool windowManagerAtWork() {
    if (Asker* asker = Asker::instance()) return asker->atWork();
    return gShownOrHidden.isValid() && gShownOrHidden.elapsed() < kHandOverMs;
}

}  // namespace quendal::platform::qt
