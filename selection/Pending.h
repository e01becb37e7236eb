// Routines of other rooms that the system selection calls and that are not
// in this tree yet; each line names what replaces it.
#pragma once

#include <cstdint>
#include <string_view>

namespace quendal {

void DrawPicture(int32_t window, std::string_view file, double left, double top, double right,
                 double bottom);  // replaced by the picture primitive of view/QuartzDraw.h
void OriginalBoxParametersPass();  // replaced by the parameter passes (app/ParameterPasses)
void InitItemBoxParameters();      // replaced by the parameter passes (app/ParameterPasses)
void InitMenu11();                 // replaced by the shell's menu states (app/)
void InitMenu14();                 // replaced by the shell's menu states (app/)

}  // namespace quendal
