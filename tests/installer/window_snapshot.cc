#include "tests/installer/window_snapshot.h"

namespace {

const UINT kAnswerTimeoutMs = 5000;
const int kTextBufferSize = 1024;

}  // namespace

std::string ReadTextAtOnce(HWND hWnd) {
  char buffer[kTextBufferSize] = "";
  DWORD_PTR nCopied = 0;
  if (!SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                           kAnswerTimeoutMs, &nCopied)) {
    return std::string();
  }
  return std::string(buffer, nCopied);
}

ScreenPixels CaptureFromScreen(HWND hWnd) {
  ScreenPixels capture;
  RECT rcWindow;
  if (!IsWindow(hWnd) || !GetWindowRect(hWnd, &rcWindow)) return capture;
  int nWidth = rcWindow.right - rcWindow.left;
  int nHeight = rcWindow.bottom - rcWindow.top;
  if (nWidth <= 0 || nHeight <= 0) return capture;

  HDC hScreenDC = GetDC(NULL);
  HDC hMemDC = CreateCompatibleDC(hScreenDC);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = nWidth;
  info.bmiHeader.biHeight = -nHeight;  // rows from the top down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pBits = NULL;
  HBITMAP hBitmap = CreateDIBSection(hMemDC, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
  if (hBitmap != NULL) {
    HGDIOBJ hOld = SelectObject(hMemDC, hBitmap);
    BitBlt(hMemDC, 0, 0, nWidth, nHeight, hScreenDC, rcWindow.left, rcWindow.top, SRCCOPY);
    GdiFlush();
    const DWORD* pPixel = static_cast<const DWORD*>(pBits);
    capture.nWidth = nWidth;
    capture.nHeight = nHeight;
    capture.pixels.reserve(static_cast<size_t>(nWidth) * nHeight);
    for (int i = 0; i < nWidth * nHeight; ++i) {
      DWORD bgr = pPixel[i];
      capture.pixels.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
    }
    SelectObject(hMemDC, hOld);
    DeleteObject(hBitmap);
  }
  DeleteDC(hMemDC);
  ReleaseDC(NULL, hScreenDC);
  return capture;
}
