// Accelerator tables as data: a virtual key with its modifiers, and the command it issues.
#pragma once

#include "platform/Commands.h"

#include <vector>

// Modifier flags of an entry; every entry of the program names a virtual key.
constexpr UINT FVIRTKEY = 0x01;
constexpr UINT FSHIFT = 0x04;
constexpr UINT FCONTROL = 0x08;
constexpr UINT FALT = 0x10;

// Virtual keys beyond the letters, which are their own capital ASCII codes.
constexpr UINT VK_F6 = 0x75;

struct AccelEntry {
    UINT fVirt;
    UINT key;
    UINT cmd;
};

struct AcceleratorTable {
    UINT nID;
    std::vector<AccelEntry> entries;
};

// The accelerator table with this resource identifier, or null.
const AcceleratorTable* FindAccelerators(UINT nID);
