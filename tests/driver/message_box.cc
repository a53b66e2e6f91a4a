#include "tests/driver/message_box.h"

#include "tests/driver/window_input.h"
#include "tests/driver/window_search.h"
#include "tests/driver/window_state.h"

namespace {

// The control id that a message box gives its message text.
const int kMessageTextId = 0xFFFF;
const char kDialogClass[] = "#32770";

struct CMessageBoxQuery {
  DWORD m_nProcessId;
  const std::string* m_pCaption;
  HWND m_hFound;
};

BOOL CALLBACK MatchMessageBox(HWND hWnd, LPARAM lParam) {
  CMessageBoxQuery* pQuery = reinterpret_cast<CMessageBoxQuery*>(lParam);
  if (!IsWindowVisible(hWnd) || GetDlgItem(hWnd, kMessageTextId) == NULL) return TRUE;
  if (pQuery->m_nProcessId != 0 && GetWindowProcess(hWnd) != pQuery->m_nProcessId) return TRUE;
  char className[64];
  char caption[512];
  GetClassNameA(hWnd, className, sizeof className);
  GetWindowTextA(hWnd, caption, sizeof caption);
  if (lstrcmpA(className, kDialogClass) != 0 || *pQuery->m_pCaption != caption) return TRUE;
  pQuery->m_hFound = hWnd;
  return FALSE;
}

}  // namespace

HWND FindMessageBox(DWORD nProcessId, const std::string& caption, DWORD nTimeoutMs) {
  CMessageBoxQuery query = {nProcessId, &caption, NULL};
  PollUntil(
      [&query] {
        EnumWindows(MatchMessageBox, reinterpret_cast<LPARAM>(&query));
        return query.m_hFound != NULL;
      },
      nTimeoutMs);
  return query.m_hFound;
}

std::string ReadMessageBoxText(HWND hBox) {
  HWND hText = GetDlgItem(hBox, kMessageTextId);
  return hText == NULL ? std::string() : ReadWindowText(hText);
}

bool HasMessageBoxButton(HWND hBox, int nButtonId) { return GetDlgItem(hBox, nButtonId) != NULL; }

bool AnswerMessageBox(HWND hBox, int nButtonId, DWORD nTimeoutMs) {
  HWND hButton = GetDlgItem(hBox, nButtonId);
  return hButton != NULL && ClickButton(hButton) && WaitForWindowGone(hBox, nTimeoutMs);
}
