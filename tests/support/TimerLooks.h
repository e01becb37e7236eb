// A repeating timer of the program that looks, at each firing, whether
// what waits may go on is armed again under a new number in its slot: a
// new number proves that one more look has run.
#pragma once

#include <QTest>

#include "platform/Platform.h"

namespace quendal::test {

// Waits until the timer that `slot` holds has fired `count` times more, and
// so its looks have run; false when it was not armed for the next one or
// did not fire within the bound.
inline bool looksRan(const platform::TimerId& slot, int count, int boundMs = 60000) {
    for (int look = 0; look < count; ++look) {
        const platform::TimerId armed = slot;
        if (armed == 0 || !QTest::qWaitFor([&slot, armed] { return slot != armed; }, boundMs)) return false;
    }
    return true;
}

}  // namespace quendal::test
