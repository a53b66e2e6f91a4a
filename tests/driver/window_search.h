// Finding the windows of another process: top-level windows by caption,
// controls by id, and waiting for a window to go away.
#pragma once

#include <windows.h>

#include <string>

#include "tests/driver/poll.h"

// A visible top-level window whose caption is exactly `caption`, of the
// process `nProcessId` (0: of any process) and, when `className` is given, of
// that window class. Polls until one appears; returns NULL when none has
// appeared within `nTimeoutMs`.
HWND FindTopLevelWindow(DWORD nProcessId, const std::string& caption, const char* className = NULL,
                        DWORD nTimeoutMs = kDriverTimeoutMs);

// The child window of `hParent` with control id `nId`, NULL when there is none
// (no waiting: a dialog's controls exist once the dialog is found).
HWND FindControl(HWND hParent, int nId);

// True when `hWnd` has been destroyed within `nTimeoutMs`; false on timeout.
bool WaitForWindowGone(HWND hWnd, DWORD nTimeoutMs = kDriverTimeoutMs);

// The process that owns `hWnd`, 0 when the window is gone.
DWORD GetWindowProcess(HWND hWnd);
