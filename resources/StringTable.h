// The string table: window title, document template, command prompts, status-bar texts.
#pragma once

#include "platform/Geometry.h"

#include <string>

// The text with this identifier, or null. A command's prompt is its status-bar text, a line
// break, then its tooltip.
const char* FindString(UINT nID);

// The parts of a command's prompt: what the status bar shows while the command is pointed
// at, and the tooltip of its button. Empty when the command has no prompt.
std::string PromptStatusText(UINT nID);
std::string PromptTooltip(UINT nID);

// The window's title: the first of the document template string's line-separated fields.
std::string DocTemplateWindowTitle(UINT nID);
