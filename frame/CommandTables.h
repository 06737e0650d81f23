// What the main window's resource tables say of each command: its key, its picture on the
// toolbar strip, and the set of commands that the window issues at all.
#pragma once

#include "resources/Accelerators.h"

#include <set>

// The command's key, or null when it has none.
const AccelEntry* FindAccel(UINT nID);
// The position of the command's picture on the toolbar strip, -1 when it has no button.
int ToolBarImage(UINT nID);
// Every command that the menu, the keys or the toolbar issue.
std::set<UINT> FrameCommands();
