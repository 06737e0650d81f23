// The application's icon in two sizes.
#include "Icons.h"

#include "resource.h"

namespace {

const IconResource kIcons[] = {
    {IDR_MAINFRAME, "images/zeltaro-32.xpm", "images/zeltaro-16.xpm"},
};

} // namespace

const IconResource* FindIcon(UINT nID) {
    for (const IconResource& icon : kIcons) {
        if (icon.nID == nID)
            return &icon;
    }
    return nullptr;
}
