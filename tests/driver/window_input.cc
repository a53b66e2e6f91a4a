#include "tests/driver/window_input.h"

namespace {

const UINT kAnswerTimeoutMs = 5000;

bool SendAndWait(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR nResult = 0;
  return SendMessageTimeoutA(hWnd, nMessage, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &nResult) !=
         0;
}

}  // namespace

bool ClickButton(HWND hButton) {
  if (!IsWindow(hButton) || !IsWindowVisible(hButton) || !IsWindowEnabled(hButton)) return false;
  return PostMessageA(hButton, BM_CLICK, 0, 0) != FALSE;
}

bool PostButtonCommand(HWND hParent, int nId) {
  HWND hControl = GetDlgItem(hParent, nId);
  return PostMessageA(hParent, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(hControl)) !=
         FALSE;
}

bool TypeText(HWND hEdit, const std::string& text) {
  if (!IsWindow(hEdit) || !IsWindowEnabled(hEdit)) return false;
  if (!SendAndWait(hEdit, EM_SETSEL, 0, -1)) return false;
  if (text.empty()) return SendAndWait(hEdit, WM_CHAR, VK_BACK, 1);
  for (char c : text) {
    if (!SendAndWait(hEdit, WM_CHAR, static_cast<unsigned char>(c), 1)) return false;
  }
  return true;
}

bool PressKey(HWND hWindow, UINT nVirtualKey) {
  if (!IsWindow(hWindow)) return false;
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  HWND hTarget = hWindow;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(hWindow, NULL), &info) && info.hwndFocus != NULL) {
    hTarget = info.hwndFocus;
  }
  UINT nScanCode = MapVirtualKeyA(nVirtualKey, MAPVK_VK_TO_VSC);
  LPARAM nDown = 1 | (static_cast<LPARAM>(nScanCode) << 16);
  LPARAM nUp = nDown | (static_cast<LPARAM>(3) << 30);
  return PostMessageA(hTarget, WM_KEYDOWN, nVirtualKey, nDown) &&
         PostMessageA(hTarget, WM_KEYUP, nVirtualKey, nUp);
}

bool PressEscape(HWND hWindow) { return PressKey(hWindow, VK_ESCAPE); }

bool CloseWithCloseBox(HWND hWindow) {
  return IsWindow(hWindow) && PostMessageA(hWindow, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
}
