// The application's icon and the document's icon, each in two sizes.
#include "Icons.h"

#include "resource.h"

namespace {

const IconResource kIcons[] = {
    {IDR_MAINFRAME, ":/images/zeltaro-32.xpm", ":/images/zeltaro-16.xpm"},
    {IDR_DOCTYPE_ICON, ":/images/document-32.xpm", ":/images/document-16.xpm"},
};

} // namespace

const IconResource* FindIcon(UINT nID) {
    for (const IconResource& icon : kIcons) {
        if (icon.nID == nID)
            return &icon;
    }
    return nullptr;
}
