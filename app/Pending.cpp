#include "app/Pending.h"


namespace quendal {

std::string_view SetSystemTitle() { return {}; }   // selection/SystemTitle (the response window's services)


}  // namespace quendal
