// The document's names and the texts of its failures.
#include "DocumentRules.h"

#include "resources/StringTable.h"
#include "resources/resource.h"

std::string DocumentTitle(const std::string& fileName) {
    return fileName.empty() ? FindString(AFX_IDS_UNTITLED) : fileName;
}

std::string NotRegularFileReason() { return "не е обикновен файл"; }

std::string SaveFailedText(const std::string& path, const std::string& reason) {
    return "Файлът „" + path + "“ не може да бъде записан.\n" + reason;
}

std::string OpenFailedText(const std::string& path, const std::string& reason) {
    return "файлът „" + path + "“ не може да бъде отворен: " + reason;
}
