// Asking the desktop to open a file with the application registered for its type.
#pragma once

#include <string>

class IShell {
public:
    virtual ~IShell() = default;

    // Hands the request to the desktop; true when it took it. A bare file name is looked for
    // in the current directory.
    virtual bool Open(const std::string& path) = 0;
};
