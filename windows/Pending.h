// Routines of other rooms that the About and Preferences windows call, until
// they arrive.
#pragma once

namespace quendal {

void InitMenu11();               // replaced by the shell's menu bar of the start state
void InitMenu14();               // replaced by the shell's menu bar without a design
void NavUserActionCancelMenu();  // replaced by the shell's menu bar of the design after a dialog
void BoxSelDispInit();           // replaced by the System Select window's redisplay
void DispSPLPIN();               // replaced by the System Info palette's SPL and input-power lines
void EnableCustomPalet();        // replaced by the custom palette's enabling

}  // namespace quendal
