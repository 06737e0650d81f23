// The program's version block: file and product version and its descriptive fields.
#pragma once

struct VersionInfo {
    int fileVersion[4];
    const char* fileVersionText;
    const char* productName;
    const char* fileDescription;
    const char* internalName;
    const char* originalFilename;
};

constexpr VersionInfo kVersionInfo{
    {1, 0, 0, 1}, "1, 0, 0, 1", "Zeltaro", "Zeltaro", "Zeltaro", "zeltaro",
};
