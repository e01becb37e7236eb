// Printing and the PNG snapshot of the response window.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct PrintState {
    double GPrintScale = 100.0;     // %, print scale of the page setup
    int32_t SnapNum = 0;            // running number of the PNG snapshots
    // The page format of the response page: the paper by the name the
    // printing service gives it ("" until first used: the service's default)
    // and its orientation (0 portrait, 1 landscape). Its scale is GPrintScale.
    Str255 PagePaper;
    int32_t PageLandscape = 0;
    int32_t PrintDialogFlag = 0;    // 1 while the print dialog is up
    int32_t SnapSaveFlag = 0;       // 1 while a snapshot's save dialog is up
};

}  // namespace quendal
