#include "windows/SaveChangesSheet.h"

#include "dialogs/UrlLoadingImages.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlSpec;

constexpr int32_t kSheet = kSaveChangesSheet;
constexpr int16_t kWidth = 440, kHeight = 140;  // content, px

constexpr int32_t kIcon = 470;
constexpr int32_t kQuestionText = 471;
constexpr int32_t kWarningText = 472;

constexpr int16_t kTextLeft = 100, kTextRight = 424;
constexpr int16_t kButtonTop = 100, kButtonBottom = 124;

void addText(int32_t id, Rect16 rect, std::string_view text, double size, bool bold) {
    ControlSpec desc(ControlKind::StaticText, rect, text);
    desc.style.family = "Lucida Grande";
    desc.style.size = size;
    desc.style.bold = bold;
    platform::createControl(kSheet, id, desc);
}

}  // namespace

int32_t NavAskSaveDontWnd() {
    // On the response window as a sheet; without one (the design's windows
    // were closed meanwhile) the question still stands, as a dialog.
    if (!platform::createWindow(kSheet, platform::WindowKind::Sheet, {0, 0, kHeight, kWidth}, "Save Changes",
                                kResponseWindow))
        platform::createWindow(kSheet, platform::WindowKind::Dialog, {0, 0, kHeight, kWidth}, "Save Changes");
    platform::setWindowThemeBackground(kSheet, true);
    platform::setCurrentWindow(kSheet);
    CreateAppIconControlNoTrack(kIcon, Rect16{16, 20, 80, 84}, 0);
    addText(kQuestionText, {16, kTextLeft, 54, kTextRight}, kSaveChangesQuestion, 13.0, true);
    addText(kWarningText, {58, kTextLeft, 90, kTextRight}, kSaveChangesWarning, 11.0, false);
    ControlSpec dontSave(ControlKind::PushButton, {kButtonTop, kTextLeft, kButtonBottom, 200}, "Don't Save");
    dontSave.mnemonic = 'D';  // Alt+D, beside Ctrl+D and Ctrl+Backspace
    platform::createControl(kSheet, kSaveChangesDontSaveButton, dontSave);
    ControlSpec save(ControlKind::PushButton, {kButtonTop, 324, kButtonBottom, kTextRight}, "Save");
    save.defaultButton = true;
    platform::createControl(kSheet, kSaveChangesSaveButton, save);
    state.shell.SheetWndFlag = 1;
    platform::selectWindow(kSheet);
    return 0;
}

}  // namespace quendal
