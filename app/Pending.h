// Routines of other rooms that the records and messages call before they
// reach this tree. Each has an empty body in Pending.cpp until its own room
// provides it; each line names what replaces it.
#pragma once

#include <cstdint>
#include <string>

#include "app/Placeholders.h"
#include "model/SharedTypes.h"

namespace quendal {

int32_t NavAskSaveDontWnd();             // replaced by the save-changes sheet 14 (windows/, later)
int32_t OpenDocmFile();                  // replaced by the document files (app/, later)
int32_t ClikOpenDocm(const std::string& path);  // replaced by the document files (app/, later)


}  // namespace quendal
