#include "selection/Pending.h"

namespace quendal {

int32_t DrawPicture(int32_t, std::string_view, double, double, double, double) { return 0; }  // replaced by view/QuartzDraw
int32_t PINcalc() { return 0; }  // replaced by the response redraw in view/

}  // namespace quendal
