// Wrappers of the system's control windows. An object takes over a control
// of a dialog template through DDX_Control (data_exchange.h) or
// SubclassDlgItem; every window operation comes from CWnd.
#pragma once

#include <windows.h>

#include "framework/window.h"

// A "Button" window: push button, check box or radio button.
class CButton : public CWnd {
 public:
  // BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE.
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
};

// An "Edit" window.
class CEdit : public CWnd {};

// A "msctls_progress32" window. Classes that paint the bar themselves derive
// from it and keep their own range and position.
class CProgressCtrl : public CWnd {};
