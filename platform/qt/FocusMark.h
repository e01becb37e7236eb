// The mark of the control that has the keyboard.
#pragma once

namespace quendal::platform::qt {

// Makes every button, check box, radio button, popup, tab and slider of the
// program, its alerts and its file dialogs show a ring in the highlight
// colour while it has the keyboard, whether the keyboard came by Tab or by
// a click: Return and Space act on that control, so it must stand out at a
// glance, and plainly apart from the default button's own look. The
// desktop's style draws everything else as before. An entry field shows
// its text selected only while its window has the keyboard. Once per
// application.
void installFocusMark();

}  // namespace quendal::platform::qt
