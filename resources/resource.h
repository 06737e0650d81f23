// Resource and command identifiers, in one place for the program and its tests.
#pragma once

#include "platform/Geometry.h"

// Shared main resources: menu, accelerators, toolbar, application icon, document template.
constexpr UINT IDR_MAINFRAME = 128;

// Dialogs and their controls.
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDD_GENERAL_SETTINGS = 130;
constexpr int IDC_TOTAL_COMBO = 1000;
constexpr int IDC_MAXTAKE_COMBO = 1001;
constexpr int IDC_FIRST_RADIO = 1002;
constexpr int IDC_SECOND_RADIO = 1003;
constexpr int IDC_RULES = 1005;

// The game's own commands.
constexpr UINT ID_GAME_SETTINGS = 32771;
constexpr UINT ID_GAME_START = 32772;
constexpr UINT ID_GAME_PLAY = 32773;
constexpr UINT ID_GAME_NEW = 32774;

// The framework's standard commands that the program uses.
constexpr UINT ID_FILE_NEW = 0xE100;
constexpr UINT ID_FILE_SAVE = 0xE103;
constexpr UINT ID_EDIT_UNDO = 0xE12B;
constexpr UINT ID_APP_ABOUT = 0xE140;
constexpr UINT ID_APP_EXIT = 0xE141;
constexpr UINT ID_NEXT_PANE = 0xE150;
constexpr UINT ID_PREV_PANE = 0xE151;
constexpr UINT ID_VIEW_TOOLBAR = 0xE800;
constexpr UINT ID_VIEW_STATUS_BAR = 0xE801;

// Status-bar panes and strings.
constexpr UINT ID_SEPARATOR = 0;
constexpr UINT ID_INDICATOR_CAPS = 0xE701;
constexpr UINT ID_INDICATOR_NUM = 0xE702;
constexpr UINT ID_INDICATOR_SCRL = 0xE703;
constexpr UINT AFX_IDS_APP_TITLE = 0xE000;
constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;
constexpr UINT AFX_IDS_UNTITLED = 0xF003;

// The window's system menu, whose prompts the string table also holds.
constexpr UINT AFX_IDS_SCSIZE = 0xEF00;
constexpr UINT AFX_IDS_SCMOVE = 0xEF01;
constexpr UINT AFX_IDS_SCMINIMIZE = 0xEF02;
constexpr UINT AFX_IDS_SCMAXIMIZE = 0xEF03;
constexpr UINT AFX_IDS_SCNEXTWINDOW = 0xEF04;
constexpr UINT AFX_IDS_SCPREVWINDOW = 0xEF05;
constexpr UINT AFX_IDS_SCCLOSE = 0xEF06;
constexpr UINT AFX_IDS_SCRESTORE = 0xEF12;
constexpr UINT AFX_IDS_SCTASKLIST = 0xEF13;
