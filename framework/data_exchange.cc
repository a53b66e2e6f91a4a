#include "framework/data_exchange.h"

#include "framework/window.h"

namespace {

bool IsRadioButton(HWND hControl) {
  return (::SendMessageA(hControl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND hControl = m_pDlgWnd->GetDlgItem(nIDC);
  if (hControl == nullptr) Fail();
  return hControl;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.GetSafeHwnd() != nullptr) return;
  HWND hControl = pDX->PrepareCtrl(nIDC);
  if (hControl != nullptr && !rControl.SubclassWindow(hControl)) pDX->Fail();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& rValue) {
  HWND hControl = pDX->PrepareCtrl(nIDC);
  if (hControl == nullptr) return;
  if (!pDX->m_bSaveAndValidate) {
    ::SetWindowTextA(hControl, rValue);
    return;
  }
  ReadWindowText(hControl, rValue);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& rValue) {
  HWND hFirst = pDX->PrepareCtrl(nIDC);
  if (hFirst == nullptr) return;
  int nChecked = -1;
  int nIndex = 0;
  for (HWND hControl = hFirst; hControl != nullptr; hControl = ::GetWindow(hControl, GW_HWNDNEXT)) {
    if (hControl != hFirst && (::GetWindowLongA(hControl, GWL_STYLE) & WS_GROUP) != 0) break;
    if (!IsRadioButton(hControl)) continue;
    if (pDX->m_bSaveAndValidate) {
      if (nChecked < 0 && ::SendMessageA(hControl, BM_GETCHECK, 0, 0) == BST_CHECKED) nChecked = nIndex;
    } else {
      ::SendMessageA(hControl, BM_SETCHECK, nIndex == rValue ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    ++nIndex;
  }
  if (pDX->m_bSaveAndValidate) rValue = nChecked;
}
