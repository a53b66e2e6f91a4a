// Brindlewax.exe: the demo application that the installer delivers. One
// fixed-size window captioned "Brindlewax" that names the product and its
// version over a painted header band, with an OK button. OK, Enter, Esc and
// the close box end the program with exit code 0.
#include <windows.h>

#include "brindlewax_window.h"

namespace {

const char kWindowClass[] = "BrindlewaxMainWindow";
const char kCaption[] = BX_APP_CAPTION;
const char kTitle[] = BX_APP_TITLE;
const char kSubtitle[] = "Candle recipes, wax blends and pouring notes in one place.";

const int kClientWidth = 420;
const int kClientHeight = 190;
const int kBandHeight = 56;
const COLORREF kBandColour = RGB(150, 88, 34);
const COLORREF kStripeColour = RGB(224, 176, 96);

struct CMainWindowState {
  HFONT m_hTitleFont;
  HFONT m_hTextFont;
  HBRUSH m_hBackgroundBrush;
};

CMainWindowState g_state;

void CreateChildren(HWND hWnd) {
  HINSTANCE hInstance = GetModuleHandleA(NULL);
  HWND hTitle = CreateWindowExA(0, "STATIC", kTitle, WS_CHILD | WS_VISIBLE | SS_LEFT, 24, kBandHeight + 18,
                                kClientWidth - 48, 30, hWnd, (HMENU)(INT_PTR)kAppTitleId, hInstance, NULL);
  HWND hSubtitle = CreateWindowExA(0, "STATIC", kSubtitle, WS_CHILD | WS_VISIBLE | SS_LEFT, 24,
                                   kBandHeight + 54, kClientWidth - 48, 20, hWnd,
                                   (HMENU)(INT_PTR)kAppSubtitleId, hInstance, NULL);
  HWND hOk = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                             kClientWidth - 24 - 88, kClientHeight - 16 - 26, 88, 26, hWnd,
                             (HMENU)(INT_PTR)IDOK, hInstance, NULL);
  SendMessageA(hTitle, WM_SETFONT, (WPARAM)g_state.m_hTitleFont, FALSE);
  SendMessageA(hSubtitle, WM_SETFONT, (WPARAM)g_state.m_hTextFont, FALSE);
  SendMessageA(hOk, WM_SETFONT, (WPARAM)g_state.m_hTextFont, FALSE);
  SetFocus(hOk);
}

// The header band: a solid band with a lighter stripe along its foot.
void PaintBand(HDC hDC) {
  RECT rcBand = {0, 0, kClientWidth, kBandHeight};
  HBRUSH hBand = CreateSolidBrush(kBandColour);
  FillRect(hDC, &rcBand, hBand);
  DeleteObject(hBand);
  RECT rcStripe = {0, kBandHeight - 6, kClientWidth, kBandHeight};
  HBRUSH hStripe = CreateSolidBrush(kStripeColour);
  FillRect(hDC, &rcStripe, hStripe);
  DeleteObject(hStripe);

  HFONT hOldFont = (HFONT)SelectObject(hDC, g_state.m_hTitleFont);
  SetBkMode(hDC, TRANSPARENT);
  SetTextColor(hDC, RGB(255, 255, 255));
  RECT rcText = {24, 0, kClientWidth - 24, kBandHeight - 6};
  DrawTextA(hDC, kCaption, -1, &rcText, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  SelectObject(hDC, hOldFont);
}

LRESULT CALLBACK MainWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
  switch (nMessage) {
    case WM_CREATE:
      CreateChildren(hWnd);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hDC = BeginPaint(hWnd, &ps);
      PaintBand(hDC);
      EndPaint(hWnd, &ps);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      SetBkColor((HDC)wParam, GetSysColor(COLOR_WINDOW));
      return (LRESULT)g_state.m_hBackgroundBrush;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        DestroyWindow(hWnd);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hWnd, nMessage, wParam, lParam);
  }
}

HFONT CreateUiFont(int nPointSize, int nWeight, HDC hScreen) {
  int nHeight = -MulDiv(nPointSize, GetDeviceCaps(hScreen, LOGPIXELSY), 72);
  return CreateFontA(nHeight, 0, 0, 0, nWeight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nShowCmd) {
  HDC hScreen = GetDC(NULL);
  g_state.m_hTitleFont = CreateUiFont(16, FW_BOLD, hScreen);
  g_state.m_hTextFont = CreateUiFont(9, FW_NORMAL, hScreen);
  ReleaseDC(NULL, hScreen);
  g_state.m_hBackgroundBrush = GetSysColorBrush(COLOR_WINDOW);

  WNDCLASSA wc = {};
  wc.lpfnWndProc = MainWindowProc;
  wc.hInstance = hInstance;
  wc.hIcon = LoadIconA(NULL, (LPCSTR)IDI_APPLICATION);
  wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
  wc.hbrBackground = g_state.m_hBackgroundBrush;
  wc.lpszClassName = kWindowClass;
  if (!RegisterClassA(&wc)) return 1;

  const DWORD nStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT rcWindow = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&rcWindow, nStyle, FALSE);
  HWND hWnd = CreateWindowExA(0, kWindowClass, kCaption, nStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                              rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top, NULL, NULL,
                              hInstance, NULL);
  if (hWnd == NULL) return 1;
  ShowWindow(hWnd, nShowCmd);
  UpdateWindow(hWnd);

  MSG msg;
  while (GetMessageA(&msg, NULL, 0, 0) > 0) {
    if (!IsDialogMessageA(hWnd, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  DeleteObject(g_state.m_hTitleFont);
  DeleteObject(g_state.m_hTextFont);
  return 0;
}
