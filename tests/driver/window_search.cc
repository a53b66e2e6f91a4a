#include "tests/driver/window_search.h"

namespace {

struct CTopLevelQuery {
  DWORD m_nProcessId;
  const std::string* m_pCaption;
  const char* m_szClassName;
  HWND m_hFound;
};

BOOL CALLBACK MatchTopLevel(HWND hWnd, LPARAM lParam) {
  CTopLevelQuery* pQuery = reinterpret_cast<CTopLevelQuery*>(lParam);
  if (!IsWindowVisible(hWnd)) return TRUE;
  if (pQuery->m_nProcessId != 0 && GetWindowProcess(hWnd) != pQuery->m_nProcessId) return TRUE;
  char caption[512];
  GetWindowTextA(hWnd, caption, sizeof caption);
  if (*pQuery->m_pCaption != caption) return TRUE;
  if (pQuery->m_szClassName != NULL) {
    char className[256];
    GetClassNameA(hWnd, className, sizeof className);
    if (lstrcmpiA(className, pQuery->m_szClassName) != 0) return TRUE;
  }
  pQuery->m_hFound = hWnd;
  return FALSE;
}

}  // namespace

HWND FindTopLevelWindow(DWORD nProcessId, const std::string& caption, const char* className,
                        DWORD nTimeoutMs) {
  CTopLevelQuery query = {nProcessId, &caption, className, NULL};
  PollUntil(
      [&query] {
        EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&query));
        return query.m_hFound != NULL;
      },
      nTimeoutMs);
  return query.m_hFound;
}

HWND FindControl(HWND hParent, int nId) { return GetDlgItem(hParent, nId); }

bool WaitForWindowGone(HWND hWnd, DWORD nTimeoutMs) {
  return PollUntil([hWnd] { return !IsWindow(hWnd); }, nTimeoutMs);
}

DWORD GetWindowProcess(HWND hWnd) {
  DWORD nProcessId = 0;
  if (GetWindowThreadProcessId(hWnd, &nProcessId) == 0) return 0;
  return nProcessId;
}
