// A dialog described as data: window, font, controls in tab order (positions in dialog units),
// and the strings that fill its lists when it opens.
#pragma once

#include "platform/Commands.h"

#include <vector>

// Control styles, as a template gives them.
constexpr UINT WS_TABSTOP = 0x00010000;
constexpr UINT WS_GROUP = 0x00020000;
constexpr UINT WS_VSCROLL = 0x00200000;
constexpr UINT CBS_SORT = 0x0100;
// Dialog styles.
constexpr UINT WS_SYSMENU = 0x00080000;
constexpr UINT WS_CAPTION = 0x00C00000;
constexpr UINT DS_MODALFRAME = 0x80;

// The identifier of controls that the program never addresses.
constexpr int IDC_STATIC = -1;

// The message that adds a string to a combo box, as initialisation data records it.
constexpr UINT CB_ADDSTRING = 0x0403;

enum class ControlKind { PushButton, DefPushButton, Static, ComboBox, GroupBox, RadioButton, Icon };

struct DialogControl {
    int nID;
    const char* name; // the identifier's name, kept as the control's object name
    ControlKind kind;
    const char* text;
    int x, y, cx, cy; // dialog units; a combo box's height is that of its dropped list
    UINT style;
};

// One record of initialisation data: a message sent to a control as the dialog opens.
struct DialogInitRecord {
    int nIDC;
    UINT message;
    const char* text;
};

struct DialogTemplate {
    UINT nID;
    const char* caption;
    const char* fontName;
    int pointSize;
    int x, y, cx, cy;
    UINT style;
    std::vector<DialogControl> controls;
    std::vector<DialogInitRecord> initData;
};

// The template with this resource identifier, or null.
const DialogTemplate* FindDialogTemplate(UINT nID);
