// The desktop's shell: files open in the application registered for their type.
#pragma once

#include "platform/Runtime.h"

class QtShell final : public IShell {
public:
    bool Open(const std::string& path) override;
};
