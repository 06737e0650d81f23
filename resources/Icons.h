// The application's icon (IDR_MAINFRAME) in two sizes, by their names among the program's
// pictures.
#pragma once

struct IconResource {
    const char* large; // 32 by 32
    const char* small; // 16 by 16
};

constexpr IconResource kMainIcon{"images/zeltaro-32.xpm", "images/zeltaro-16.xpm"};
