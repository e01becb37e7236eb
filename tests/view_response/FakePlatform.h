// A windowing layer without windows, for the response page's Qt-free tests:
// it keeps the controls, menu states and cursor that the page asks for.
#pragma once

#include <map>
#include <string>

#include "platform/Platform.h"

namespace quendal::test {

struct FakeControl {
    platform::ControlSpec spec;
    bool enabled = true;
    int32_t value = 0;
    std::string helpTag;
};

struct FakePlatform {
    std::map<int32_t, FakeControl> controls;   // of the response window, by number
    std::map<int32_t, bool> viewItemEnabled;   // View menu items (0 the menu)
    std::map<int32_t, bool> responseItemChecked;
    std::map<int32_t, bool> miscItemEnabled;
    platform::Cursor cursor = platform::Cursor::Arrow;
    std::string imageCursor;                   // the picture of the last picture cursor set
    int32_t currentWindow = 0;
    int32_t selections = 0;                    // times a window was brought forward

    bool has(int32_t control) const { return controls.count(control) != 0; }
};

// The layer's state; resetFakePlatform() empties it.
FakePlatform& fakePlatform();
void resetFakePlatform();

}  // namespace quendal::test
