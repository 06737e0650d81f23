// Telling regular files from what only looks like one: the game reads, writes and replaces
// regular files alone.
#pragma once

#include <QString>

// True when the path names something that is there but is not a regular file: a folder, a FIFO,
// a device, a socket, or a link to one of these. Only the type is looked at and the path is
// never opened, so a FIFO with no writer cannot block and a device is not stirred.
bool IsSpecialFile(const QString& path);

// Why such a path is refused, in the game's language.
QString SpecialFileReason();
