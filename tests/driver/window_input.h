// Acting on another process's windows as a user would. Clicks and keys are
// posted, not sent, so a click that opens a modal window (a message box, a
// dialog) does not block the test: the caller then waits for that window.
// Typing is sent, so the text is in the edit box when the call returns.
#pragma once

#include <windows.h>

#include <string>

// Clicks a button, check box or radio button (BM_CLICK). Returns false, and
// clicks nothing, when the control is gone, hidden or disabled, as a user
// could not click it then.
bool ClickButton(HWND hButton);

// Posts WM_COMMAND with BN_CLICKED for control `nId` to `hParent`, as the
// control would when clicked (even if it is hidden or disabled). Returns
// false when the message could not be posted.
bool PostButtonCommand(HWND hParent, int nId);

// Selects everything in the edit box and types `text` over it, one WM_CHAR
// per byte. Returns false when the edit box is gone, disabled or does not
// answer.
bool TypeText(HWND hEdit, const std::string& text);

// Presses and releases the key `nVirtualKey` in the window that has the
// keyboard focus in `hWindow`'s thread (`hWindow` itself when none has).
// Returns false when the window is gone.
bool PressKey(HWND hWindow, UINT nVirtualKey);

// Esc, as a dialog's user would press it.
bool PressEscape(HWND hWindow);

// The close box: posts WM_SYSCOMMAND with SC_CLOSE. Returns false when the
// window is gone.
bool CloseWithCloseBox(HWND hWindow);
