#include "framework/dialog.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_BN_CLICKED(IDOK, OnOK)
  ON_BN_CLICKED(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

INT_PTR CDialog::DoModal() {
  if (m_hWnd != nullptr) return -1;
  m_bEndRequested = false;
  m_nModalResult = -1;
  HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), nullptr,
                                   &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  if (hWnd == nullptr) return -1;
  if (m_hWnd != hWnd) {
    ::DestroyWindow(hWnd);
    return -1;
  }
  if (!m_bEndRequested && !::IsWindowVisible(hWnd)) ::ShowWindow(hWnd, SW_SHOWNORMAL);
  RunModalLoop();
  ::DestroyWindow(hWnd);
  return m_nModalResult;
}

void CDialog::RunModalLoop() {
  MSG msg;
  while (!m_bEndRequested) {
    BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
    if (bGot <= 0) {
      if (bGot == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (::IsDialogMessageA(m_hWnd, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

void CDialog::EndDialog(int nResult) {
  m_nModalResult = nResult;
  m_bEndRequested = true;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return dx.HasFailed() ? FALSE : TRUE;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
  // Only WM_INITDIALOG is handled here; afterwards the object's subclass
  // procedure sees every message first, and whatever reaches this procedure
  // through the system's dialog handling gets the default (FALSE).
  if (message != WM_INITDIALOG) return FALSE;
  CDialog* pDialog = reinterpret_cast<CDialog*>(lParam);
  if (!pDialog->SubclassWindow(hWnd)) return FALSE;
  RECT rcBefore, rcAfter;
  ::GetWindowRect(hWnd, &rcBefore);
  BOOL bSetFocus = pDialog->OnInitDialog();
  ::GetWindowRect(hWnd, &rcAfter);
  if (SameRect(rcBefore, rcAfter)) pDialog->CenterOnWorkArea();
  return bSetFocus;
}

void CDialog::CenterOnWorkArea() {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  if (!::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &info)) return;
  RECT rcWindow;
  ::GetWindowRect(m_hWnd, &rcWindow);
  const RECT& rcWork = info.rcWork;
  int nWidth = rcWindow.right - rcWindow.left;
  int nHeight = rcWindow.bottom - rcWindow.top;
  int x = rcWork.left + (rcWork.right - rcWork.left - nWidth) / 2;
  int y = rcWork.top + (rcWork.bottom - rcWork.top - nHeight) / 2;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
