// The dialog templates and the strings that fill the settings dialog's lists.
#include "DialogTemplate.h"
#include "resource.h"

namespace {

const DialogTemplate kGeneralSettings{
    IDD_GENERAL_SETTINGS,
    "Общи настройки",
    "Arial",
    10,
    0,
    0,
    280,
    121,
    WS_CAPTION | DS_MODALFRAME, // no system menu, so no close box
    {
        {IDOK, "IDOK", ControlKind::DefPushButton, "Добре", 217, 78, 50, 14, WS_TABSTOP},
        {IDCANCEL, "IDCANCEL", ControlKind::PushButton, "Отказ", 217, 96, 50, 14, WS_TABSTOP},
        {IDC_STATIC, "", ControlKind::Static, "Избери общия брой предмети", 15, 14, 54, 19,
         WS_GROUP},
        {IDC_STATIC, "", ControlKind::Static, "Избери максималния брой предмети за вземане", 82, 15,
         93, 23, WS_GROUP},
        {IDC_TOTAL_COMBO, "IDC_TOTAL_COMBO", ControlKind::ComboBox, "", 17, 39, 36, 78,
         WS_TABSTOP | WS_VSCROLL | CBS_SORT},
        {IDC_MAXTAKE_COMBO, "IDC_MAXTAKE_COMBO", ControlKind::ComboBox, "", 83, 39, 35, 50,
         WS_TABSTOP | WS_VSCROLL | CBS_SORT},
        {IDC_STATIC, "", ControlKind::GroupBox, "Влез в играта", 189, 15, 79, 52, 0},
        {IDC_FIRST_RADIO, "IDC_FIRST_RADIO", ControlKind::RadioButton, "Първи", 200, 32, 38, 10,
         WS_TABSTOP | WS_GROUP},
        {IDC_SECOND_RADIO, "IDC_SECOND_RADIO", ControlKind::RadioButton, "Втори", 200, 50, 36, 10,
         WS_TABSTOP},
    },
    {
        {IDC_TOTAL_COMBO, CB_ADDSTRING, "21"},
        {IDC_TOTAL_COMBO, CB_ADDSTRING, "23"},
        {IDC_TOTAL_COMBO, CB_ADDSTRING, "25"},
        {IDC_TOTAL_COMBO, CB_ADDSTRING, "27"},
        {IDC_TOTAL_COMBO, CB_ADDSTRING, "29"},
        {IDC_TOTAL_COMBO, CB_ADDSTRING, "31"},
        {IDC_TOTAL_COMBO, CB_ADDSTRING, "33"},
        {IDC_TOTAL_COMBO, CB_ADDSTRING, "35"},
        {IDC_TOTAL_COMBO, CB_ADDSTRING, "37"},
        {IDC_TOTAL_COMBO, CB_ADDSTRING, "39"},
        {IDC_MAXTAKE_COMBO, CB_ADDSTRING, "2"},
        {IDC_MAXTAKE_COMBO, CB_ADDSTRING, "3"},
        {IDC_MAXTAKE_COMBO, CB_ADDSTRING, "4"},
        {IDC_MAXTAKE_COMBO, CB_ADDSTRING, "5"},
        {IDC_MAXTAKE_COMBO, CB_ADDSTRING, "6"},
        {IDC_MAXTAKE_COMBO, CB_ADDSTRING, "7"},
    },
};

// The About box, in the classic dialog face.
const DialogTemplate kAboutBox{
    IDD_ABOUTBOX,
    "About Zeltaro",
    "MS Sans Serif",
    10,
    0,
    0,
    209,
    73,
    WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    {
        {IDOK, "IDOK", ControlKind::DefPushButton, "Добре", 152, 52, 50, 14, WS_GROUP | WS_TABSTOP},
        {IDC_RULES, "IDC_RULES", ControlKind::PushButton, "Правила", 152, 31, 50, 16, WS_TABSTOP},
        {IDC_STATIC, "", ControlKind::Icon, "IDR_MAINFRAME", 11, 10, 20, 20, 0},
        {IDC_STATIC, "", ControlKind::Static,
         "Zeltaro Версия 1.0  2008\nБезплатна програма\n\nНаправена на C++17", 40, 7, 108, 36,
         WS_GROUP},
        {IDC_STATIC, "", ControlKind::Static, "Пишете ни чрез страницата\nна проекта", 7, 46, 112,
         20, 0},
    },
    {},
};

const DialogTemplate* const kTemplates[] = {&kGeneralSettings, &kAboutBox};

} // namespace

const DialogTemplate* FindDialogTemplate(UINT nID) {
    for (const DialogTemplate* t : kTemplates) {
        if (t->nID == nID)
            return t;
    }
    return nullptr;
}
