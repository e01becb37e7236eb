#include "view/ShellHooks.h"

namespace quendal {

ShellHooks& shellHooks() {
    static ShellHooks hooks;
    return hooks;
}

int32_t menusFor(MenuSituation situation) {
    const ShellHooks& h = shellHooks();
    return h.menusFor != nullptr ? h.menusFor(situation) : 0;
}

int32_t refreshWindows(WindowRefresh what) {
    const ShellHooks& h = shellHooks();
    return h.refreshWindows != nullptr ? h.refreshWindows(what) : 0;
}

int32_t compareDesign(DesignComparison what) {
    const ShellHooks& h = shellHooks();
    return h.compareDesign != nullptr ? h.compareDesign(what) : 0;
}

}  // namespace quendal
