#include "framework/window.h"

namespace {

// The window property that holds the object that has subclassed a window.
const char kObjectProperty[] = "BxWindowObject";

}  // namespace

const MessageMapEntry* FindMessageEntry(const MessageMap* pMap, UINT nMessage, WPARAM wParam) {
  for (; pMap != nullptr; pMap = pMap->pBaseMap) {
    for (const MessageMapEntry* pEntry = pMap->pEntries; pEntry->pfnHandler != nullptr; ++pEntry) {
      if (pEntry->nMessage != nMessage) continue;
      if (nMessage == WM_COMMAND && (pEntry->nCode != HIWORD(wParam) || pEntry->nID != LOWORD(wParam))) continue;
      return pEntry;
    }
  }
  return nullptr;
}

CWnd::~CWnd() { UnsubclassWindow(); }

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  return static_cast<CWnd*>(::GetPropA(hWnd, kObjectProperty));
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (m_hWnd != nullptr || !::IsWindow(hWnd) || FromHandle(hWnd) != nullptr) return FALSE;
  DWORD dwProcessId = 0;
  ::GetWindowThreadProcessId(hWnd, &dwProcessId);
  if (dwProcessId != ::GetCurrentProcessId()) return FALSE;
  if (!::SetPropA(hWnd, kObjectProperty, this)) return FALSE;
  m_hWnd = hWnd;
  m_pfnSuperWndProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  HWND hControl = pParent != nullptr ? pParent->GetDlgItem(static_cast<int>(nID)) : nullptr;
  return hControl != nullptr && SubclassWindow(hControl);
}

HWND CWnd::UnsubclassWindow() {
  HWND hWnd = m_hWnd;
  if (hWnd == nullptr) return nullptr;
  ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuperWndProc));
  Detach();
  return hWnd;
}

void CWnd::Detach() {
  ::RemovePropA(m_hWnd, kObjectProperty);
  m_hWnd = nullptr;
  m_pfnSuperWndProc = nullptr;
}

void ReadWindowText(HWND hWnd, CString& rString) {
  int nLength = ::GetWindowTextLengthA(hWnd);
  if (nLength <= 0) {
    rString.Empty();
    return;
  }
  char* pBuffer = rString.GetBuffer(nLength);
  int nCopied = ::GetWindowTextA(hWnd, pBuffer, nLength + 1);
  rString.ReleaseBuffer(nCopied > 0 ? nCopied : 0);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
  return reinterpret_cast<HICON>(
      SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const MessageMapEntry* pEntry = FindMessageEntry(GetMessageMap(), message, wParam);
  if (pEntry != nullptr) return pEntry->pfnHandler(this, wParam, lParam);
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuperWndProc != nullptr) return ::CallWindowProcA(m_pfnSuperWndProc, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

const MessageMap* CWnd::GetThisMessageMap() {
  static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
  static const MessageMap map = {nullptr, entries};
  return &map;
}

const MessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = FromHandle(hWnd);
  if (pWnd == nullptr) return ::DefWindowProcA(hWnd, message, wParam, lParam);
  if (message != WM_NCDESTROY) return pWnd->WindowProc(message, wParam, lParam);
  // The window's last message: the original procedure sees it, then the
  // object lets go, so a later IsWindow() on the object is false.
  WNDPROC pfnSuper = pWnd->m_pfnSuperWndProc;
  pWnd->Detach();
  ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSuper));
  return ::CallWindowProcA(pfnSuper, hWnd, message, wParam, lParam);
}
