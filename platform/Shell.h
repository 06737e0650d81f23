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

// Installs the shell and returns the previous one. The application installs the desktop's;
// tests install one that records the requests.
IShell* SetShell(IShell* pShell);
IShell* Shell();

// Opens the file through the installed shell; false when none is installed.
bool ShellOpen(const std::string& path);
