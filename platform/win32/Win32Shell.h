// Asking the Windows shell to open a file with the application registered for its type.
#pragma once

#include "platform/Runtime.h"

#include "Win32.h"

class Win32Shell : public IShell {
public:
    // The window that owns whatever the shell shows; none until the main window exists.
    void SetOwner(HWND hOwner) { m_hOwner = hOwner; }

    bool Open(const std::string& path) override;

private:
    HWND m_hOwner = nullptr;
};
