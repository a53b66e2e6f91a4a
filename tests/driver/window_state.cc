#include "tests/driver/window_state.h"

#include <vector>

namespace {

const UINT kAnswerTimeoutMs = 5000;

// Sends `nMessage` and waits for the answer; false when none came.
bool AskWindow(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam, DWORD_PTR* pResult) {
  return SendMessageTimeoutA(hWnd, nMessage, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, pResult) !=
         0;
}

}  // namespace

std::string ReadWindowText(HWND hWnd) {
  DWORD_PTR nLength = 0;
  if (!AskWindow(hWnd, WM_GETTEXTLENGTH, 0, 0, &nLength)) return std::string();
  std::vector<char> buffer(nLength + 1, '\0');
  DWORD_PTR nCopied = 0;
  if (!AskWindow(hWnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), &nCopied)) {
    return std::string();
  }
  return std::string(buffer.data(), nCopied);
}

bool IsShown(HWND hWnd) { return IsWindowVisible(hWnd) != FALSE; }

bool IsEnabled(HWND hWnd) { return IsWindowEnabled(hWnd) != FALSE; }

int ReadCheckState(HWND hWnd) {
  DWORD_PTR nState = 0;
  if (!IsWindow(hWnd) || !AskWindow(hWnd, BM_GETCHECK, 0, 0, &nState)) return -1;
  return static_cast<int>(nState);
}
