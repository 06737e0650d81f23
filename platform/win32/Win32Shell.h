// Asking the Windows shell to open a file with the application registered for its type.
#pragma once

#include "platform/Runtime.h"

class Win32Shell : public IShell {
public:
    bool Open(const std::string& path) override;
};
