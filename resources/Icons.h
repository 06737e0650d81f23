// Icons as data: each identifier's images, by their names among the program's pictures.
#pragma once

#include "platform/Geometry.h"

struct IconResource {
    UINT nID;
    const char* large; // 32 by 32
    const char* small; // 16 by 16
};

// The icon with this resource identifier, or null.
const IconResource* FindIcon(UINT nID);
