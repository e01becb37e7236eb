// The Page Setup sheet (window 19) on the response window: the paper, its
// orientation and the scale in percent at which the page is printed.
#pragma once

#include "model/WindowNumbers.h"

#include <cstdint>

#include "platform/Platform.h"

namespace quendal {

inline constexpr int32_t kPaperPopupMenu = 250;  // the papers of the print service; never in the menu bar

// Controls of window 19.
inline constexpr int32_t kPaperPopup = 702;
inline constexpr int32_t kOrientationRadio = 704;  // 1 portrait, 2 landscape
inline constexpr int32_t kScaleField = 706;        // %
inline constexpr int32_t kPageSetupCancel = 708;
inline constexpr int32_t kPageSetupOK = 709;

// The scales the page may be printed at, in percent.
inline constexpr double kLowestPrintScale = 25.0;
inline constexpr double kHighestPrintScale = 400.0;

// Opens the sheet on the window, showing the page format (PagePaper,
// PageLandscape) and GPrintScale.
int32_t PageSetupWnd(int32_t window);

// OK (the button, Return or Enter): a scale outside 25-400 %, or a text
// that is no number as fields read one, is refused with an alert, the sheet staying open with the kept scale back in the
// field; otherwise paper, orientation and scale are kept and the sheet
// closes.
int32_t PageSetupWndOKReturn();
// Cancel (the button, Escape or the close box): the sheet closes, nothing
// changed.
int32_t PageSetupWndCancel();

// When the sheet closes: the menus of the design come back.
int32_t MyPageSetupDoneRoutine(int32_t window, bool accepted);

// The rows of window 19 for the shell's control and window handlers:
// OK and Cancel; Return and Enter, Escape and the close box.
int32_t PageSetupWndHit(int32_t control);
int32_t PageSetupWndEvent(const platform::WindowEvent& event);

}  // namespace quendal
