// Reading the state of another process's windows as a user would see it.
// Texts are fetched with WM_GETTEXT, so edit boxes give what is typed in them
// now; a window that does not answer within a few seconds counts as gone.
#pragma once

#include <windows.h>

#include <string>

// The window's text (caption, label, edit contents); empty when the window
// is gone or does not answer.
std::string ReadWindowText(HWND hWnd);

// Visible: the window and all its parents are shown.
bool IsShown(HWND hWnd);
bool IsEnabled(HWND hWnd);

// The check state of a check box or radio button: BST_UNCHECKED (0),
// BST_CHECKED (1) or BST_INDETERMINATE (2); -1 when the window is gone or
// does not answer.
int ReadCheckState(HWND hWnd);
