#include "view/ViewMenu.h"

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "response/AmplitudePlot.h"

namespace quendal {

int32_t Menu9_Disable() {
    for (int32_t item = 1; item <= 10; ++item) platform::setMenuItemEnabled(kViewMenu, item, false);
    return 0;
}

int32_t SetItemMarkOnViewMenu() {
    const ViewSettings& view = state.view;
    if (view.Magni == 0 || view.Magni == 1) {
        platform::setMenuItemChecked(kViewMenu, 1, view.Magni == 0);
        platform::setMenuItemChecked(kViewMenu, 2, view.Magni == 1);
    }
    if (view.Scale == 5 || view.Scale == 10) {
        platform::setMenuItemChecked(kViewMenu, 4, view.Scale == 5);
        platform::setMenuItemChecked(kViewMenu, 5, view.Scale == 10);
    }
    // The mark follows what the page shows: a mode the system lacks shows the total.
    const int32_t shown = shownDisp();
    if (shown >= 1 && shown <= 3)
        for (int32_t disp = 1; disp <= 3; ++disp) platform::setMenuItemChecked(kViewMenu, 6 + disp, shown == disp);
    return 0;
}

}  // namespace quendal
