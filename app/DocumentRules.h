// What the document is on every platform: it holds nothing, so Save writes an empty file under
// a name the player picks, and says in the game's words when it cannot.
#pragma once

#include <string>

// The Save dialog's title.
constexpr char kSaveAsCaption[] = "Запиши като";

// The title of a document kept in the file of this name, or of one that has none.
std::string DocumentTitle(const std::string& fileName);
// Why a device, a pipe or a folder is never opened as a document, nor replaced by one.
std::string NotRegularFileReason();
// The box shown when a save fails, with the file's name as the player knows it.
std::string SaveFailedText(const std::string& path, const std::string& reason);
// What start-up says when the document named on the command line cannot be opened.
std::string OpenFailedText(const std::string& path, const std::string& reason);
