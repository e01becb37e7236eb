// The Save / Don't Save sheet (window 14) that a sibling application's
// request raises while the design has unsaved changes: the program's icon,
// the question, and "Save" (473, the default: Return) and "Don't Save"
// (474: Ctrl+D, Ctrl+Backspace or Ctrl+Delete, and Alt+D, the D underlined).
// There is no Cancel: the sibling waits for one of the two. The shell's
// rows send its answer to NavAskSaveDontWndHandler.
#pragma once

#include <cstdint>
#include <string_view>

namespace quendal {

inline constexpr int32_t kSaveChangesSaveButton = 473;
inline constexpr int32_t kSaveChangesDontSaveButton = 474;
inline constexpr std::string_view kSaveChangesQuestion = "Do you want to save the changes you made to this document?";
inline constexpr std::string_view kSaveChangesWarning = "Your changes will be lost if you don't save them.";

// Shows sheet 14 on the response window (a movable dialog when there is
// none) and gives it the keyboard. Returns 0.
int32_t NavAskSaveDontWnd();

}  // namespace quendal
