// AfxMessageBox: the one way the programs talk to the user.
#pragma once

#include <windows.h>

// Shows `pszText` in a modal message box and returns the button pressed
// (IDOK, IDYES, IDNO, ...). The caption is the application name
// (AfxGetApp()->m_strAppName; the program's file name without its extension
// when there is no application object). When `nType` names no icon,
// MB_ICONEXCLAMATION is added. The box is owned by the thread's active
// window, so it is modal over the dialog that asks.
int AfxMessageBox(const char* pszText, UINT nType = MB_OK);

// A function that takes the place of the system's message box: it receives
// the text, caption and complete type of a box and returns the answer.
using MessageBoxHook = int (*)(const char* pszText, const char* pszCaption, UINT nType);

// Routes every later AfxMessageBox of the process to `pfnHook` (null: back
// to the system's boxes). Returns the hook that was set before. For tests,
// which see and answer each box; call it from the GUI thread.
MessageBoxHook SetMessageBoxHook(MessageBoxHook pfnHook);
