// The folder the Open, Save As and snapshot dialogs start in.
#pragma once

#include <string>

namespace quendal {

// The folder of the document the response window stands for, else the
// folder last chosen in one of those dialogs in this run, else the user's
// home folder.
std::string DialogStartFolder();
// Keeps the folder of a file chosen in one of those dialogs.
void RememberDialogFolder(const std::string& chosenFile);

}  // namespace quendal
