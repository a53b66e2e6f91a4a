// The message boxes (MessageBoxA) that another process shows: finding one,
// reading its text and answering it with one of its buttons.
#pragma once

#include <windows.h>

#include <string>

#include "tests/driver/poll.h"

// A shown message box with caption `caption` of process `nProcessId` (0: of
// any process). Polls until one appears; NULL when none has within
// `nTimeoutMs`. Dialogs of the same class and caption that are not message
// boxes (no message text control) are passed over.
HWND FindMessageBox(DWORD nProcessId, const std::string& caption, DWORD nTimeoutMs = kDriverTimeoutMs);

// The message the box shows; empty when the window is gone or is no message
// box.
std::string ReadMessageBoxText(HWND hBox);

// True when the box has the button `nButtonId` (IDOK, IDCANCEL, IDYES, IDNO).
bool HasMessageBoxButton(HWND hBox, int nButtonId);

// Clicks the button `nButtonId` and waits until the box has closed. Returns
// false when the box has no such (usable) button or is still open after
// `nTimeoutMs`.
bool AnswerMessageBox(HWND hBox, int nButtonId, DWORD nTimeoutMs = kDriverTimeoutMs);
