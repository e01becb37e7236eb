#include "app/RepeatingTimer.h"

namespace quendal {

namespace {

void arm(platform::TimerId& slot, double delay, double interval, TimerAction action) {
    platform::TimerId* kept = &slot;
    slot = platform::installTimer(delay, [kept, interval, action] {
        const platform::TimerId fired = *kept;
        *kept = 0;
        if (interval > 0.0) arm(*kept, interval, interval, action);
        action(fired, nullptr);
    });
}

}  // namespace

void replaceRepeatingTimer(platform::TimerId& slot, double delay, double interval, TimerAction action) {
    if (slot != 0) platform::removeTimer(slot);
    slot = 0;
    arm(slot, delay, interval, action);
}

}  // namespace quendal
