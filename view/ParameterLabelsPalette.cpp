// The labels over the figure as static texts of the System Info palette.
#include <string>

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/ParameterLabels.h"

namespace quendal {

namespace {

constexpr double kPaletteLabelGrey = 10000.0 / 65535.0;  // of 1: the palette's dark grey

std::string_view familyOfRow(int32_t fontRow) { return fontRow == 1 ? "Lucida Grande" : "Monaco"; }

}  // namespace

void makeFigureLabelControls(std::span<const FigureLabel> labels, int32_t firstId) {
    int32_t id = firstId;
    for (const FigureLabel& label : labels) {
        platform::ControlSpec text(platform::ControlKind::StaticText, label.bounds, label.text);
        text.style.family = std::string(familyOfRow(label.fontRow));
        text.style.size = label.size;
        text.style.coloured = true;
        text.style.colour = {kPaletteLabelGrey, kPaletteLabelGrey, kPaletteLabelGrey};
        // A control of that number left in the window is replaced in place.
        platform::createControl(kSystemInfoPalette, id++, text);
    }
}

int32_t DrawParamFontForSysInfoPalet() {
    makeFigureLabelControls(parameterLabels(state.selection.SysSelTabNum, state.selection.SysSelBtnNum),
                            kFirstParameterLabelId);
    return 0;
}

}  // namespace quendal
