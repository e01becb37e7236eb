// The vent and driver labels as static texts of the System Info palette.
#include "model/State.h"
#include "view/VentLabels.h"

namespace quendal {

int32_t DrawVentFontForSysInfoPalet() {
    makeFigureLabelControls(ventLabels(state.selection.SysSelTabNum, state.selection.SysSelBtnNum),
                            kFirstVentLabelId);
    return 0;
}

}  // namespace quendal
