#include "selection/Pending.h"

namespace quendal {

void DrawPicture(int32_t, std::string_view, double, double, double, double) {}  // view/QuartzDraw.h
void OriginalBoxParametersPass() {}  // app/ParameterPasses
void InitItemBoxParameters() {}      // app/ParameterPasses
void InitMenu11() {}                 // app/ menu states
void InitMenu14() {}                 // app/ menu states

}  // namespace quendal
