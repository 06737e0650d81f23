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

// Writes the content to the regular file at the path, in whole or not at all, through links as
// they stand. The file is replaced only while it is still the regular file that was looked at
// first (the same device and inode), or made only while the name is still free, checked at the
// moment of the commit: whatever is swapped in meanwhile is left in place. On failure the
// reason is in *pError.
bool ReplaceRegularFile(const QString& path, const QByteArray& content, QString* pError);
