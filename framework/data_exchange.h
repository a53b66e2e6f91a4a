// Dialog data exchange: the bindings a dialog's DoDataExchange lists, each
// tying one control of the dialog to a member.
//
// One exchange runs in one direction: towards the controls
// (m_bSaveAndValidate false, UpdateData(FALSE)) or from the controls into
// the members (true, UpdateData(TRUE)). A binding whose control is missing
// from the dialog, or cannot be taken over, marks the exchange failed and
// leaves its member as it was; the other bindings still run.
#pragma once

#include <windows.h>

#include "framework/string.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
      : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

  // The control `nIDC` of the dialog; null (and the exchange failed) when
  // there is none.
  HWND PrepareCtrl(int nIDC);
  void Fail() { m_bFailed = true; }
  bool HasFailed() const { return m_bFailed; }

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;

 private:
  bool m_bFailed = false;
};

// `rControl` takes over the control `nIDC` the first time it is exchanged
// (in either direction); later exchanges leave it as it is.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Towards the control its window text becomes `rValue`; from the control
// `rValue` becomes its window text, whole, with no trimming.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& rValue);

// The radio group that starts at `nIDC` and runs up to (not including) the
// next control with WS_GROUP; only radio buttons count. Towards the controls
// the button at index `rValue` is checked and every other one unchecked
// (none is checked for an index outside the group); from the controls
// `rValue` becomes the index of the checked button, -1 when none is.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& rValue);
