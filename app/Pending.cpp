#include "app/Pending.h"


namespace quendal {

int32_t NavAskSaveDontWnd() { return 0; }           // windows/ save-changes sheet
int32_t OpenDocmFile() { return 0; }                // app/ document files
int32_t ClikOpenDocm(const std::string&) { return 0; }  // app/ document files


}  // namespace quendal
