// What the main window's resource tables say: each command's key, its picture on the toolbar
// strip, the set of commands that the window issues at all, and the window's title.
#pragma once

#include "resources/Accelerators.h"

#include <set>
#include <string>

// The command's key, or null when it has none.
const AccelEntry* FindAccel(UINT nID);
// The position of the command's picture on the toolbar strip, -1 when it has no button.
int ToolBarImage(UINT nID);
// Every command that the menu, the keys or the toolbar issue.
std::set<UINT> FrameCommands();
// The window's title for the document: its name, then the document template's window title.
std::string FrameTitle(const std::string& docTitle);
