// One-shot timers on the event loop.
#include <map>
#include <memory>

#include <QTimer>

#include "platform/qt/Registry.h"

namespace quendal::platform {

namespace {

struct PendingTimer {
    std::unique_ptr<QTimer> timer;
    std::function<void()> action;
};

std::map<TimerId, PendingTimer>& timers() {
    static std::map<TimerId, PendingTimer> table;
    return table;
}

TimerId gNextTimer = 1;

void fire(TimerId id) {
    auto& table = timers();
    const auto it = table.find(id);
    if (it == table.end()) return;
    // Gone before its action runs: the action may install the next timer.
    QTimer* timer = it->second.timer.release();
    std::function<void()> action = std::move(it->second.action);
    table.erase(it);
    timer->deleteLater();
    if (action) action();
}

}  // namespace

TimerId installTimer(double delaySeconds, std::function<void()> action) {
    const TimerId id = gNextTimer++;
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    const double ms = delaySeconds > 0.0 ? delaySeconds * 1000.0 : 0.0;
    timer->setInterval(ms < 2.0e9 ? int(ms + 0.5) : 2000000000);
    QObject::connect(timer.get(), &QTimer::timeout, [id] { fire(id); });
    timer->start();
    timers()[id] = PendingTimer{std::move(timer), std::move(action)};
    return id;
}

void removeTimer(TimerId timer) {
    auto& table = timers();
    const auto it = table.find(timer);
    if (it == table.end()) return;
    it->second.timer->stop();
    table.erase(it);
}

bool isTimerPending(TimerId timer) { return timers().count(timer) != 0; }

namespace qt {

void removeAllTimers() { timers().clear(); }

}  // namespace qt

}  // namespace quendal::platform
