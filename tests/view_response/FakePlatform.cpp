#include "FakePlatform.h"

#include <algorithm>

#include "model/WindowNumbers.h"
#include "view/ResponseRedraw.h"

namespace quendal {

namespace test {

FakePlatform& fakePlatform() {
    static FakePlatform layer;
    return layer;
}

void resetFakePlatform() { fakePlatform() = FakePlatform{}; }

}  // namespace test

namespace platform {

using test::fakePlatform;

void selectWindow(WindowNumber window) {
    fakePlatform().currentWindow = window;
    ++fakePlatform().selections;
}
void setCurrentWindow(WindowNumber window) { fakePlatform().currentWindow = window; }
WindowNumber currentWindow() { return fakePlatform().currentWindow; }

bool createControl(WindowNumber window, ControlNumber control, const ControlSpec& desc) {
    if (window != kResponseWindow) return false;
    test::FakeControl c;
    c.spec = desc;
    c.enabled = desc.enabled;
    c.value = std::clamp(desc.value, desc.minimum, std::max(desc.minimum, desc.maximum));
    fakePlatform().controls[control] = c;
    return true;
}
bool controlExists(WindowNumber window, ControlNumber control) {
    return window == kResponseWindow && fakePlatform().has(control);
}
void removeControl(WindowNumber window, ControlNumber control) {
    if (window == kResponseWindow) fakePlatform().controls.erase(control);
}
void setControlEnabled(WindowNumber window, ControlNumber control, bool enabled) {
    if (window == kResponseWindow && fakePlatform().has(control)) fakePlatform().controls[control].enabled = enabled;
}
void setControlValue(WindowNumber window, ControlNumber control, int32_t value) {
    if (window == kResponseWindow && fakePlatform().has(control)) fakePlatform().controls[control].value = value;
}
void setHelpTag(WindowNumber window, ControlNumber control, std::string_view helpText) {
    if (window == kResponseWindow && fakePlatform().has(control))
        fakePlatform().controls[control].helpTag = std::string(helpText);
}

void setMenuItemEnabled(MenuNumber menu, int32_t item, bool enabled) {
    if (menu == kViewMenu) fakePlatform().viewItemEnabled[item] = enabled;
    if (menu == kMiscMenu) fakePlatform().miscItemEnabled[item] = enabled;
}
void checkOneMenuItem(MenuNumber menu, int32_t item) {
    if (menu != kResponseMenu) return;
    for (auto& [number, checked] : fakePlatform().responseItemChecked) checked = false;
    fakePlatform().responseItemChecked[item] = true;
}

void setCursor(Cursor cursor) {
    fakePlatform().cursor = cursor;
    fakePlatform().imageCursor.clear();
}
void setImageCursor(std::string_view file, std::string_view, int32_t, int32_t) {
    fakePlatform().imageCursor = std::string(file);
}

}  // namespace platform

}  // namespace quendal
