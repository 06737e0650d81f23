// The Win32 API for the Windows front end. The framework's vocabulary shares many names with
// the system's headers, so it is declared first, and the system's macros that would rename the
// vocabulary's own members (TextOut, MessageBox) are taken back afterwards: every Windows file
// includes the system through this header alone.
#pragma once

#include "platform/Dialog.h"
#include "platform/Drawing.h"
#include "platform/Window.h"
#include "resources/Accelerators.h"
#include "resources/DialogTemplate.h"

// The system's COLORREF is an unsigned long; the vocabulary's, a 32-bit integer of the same
// meaning.
#define COLORREF SYSTEM_COLORREF
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <windowsx.h>
#undef COLORREF

#undef TextOut
#undef MessageBox
