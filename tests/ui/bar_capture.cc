#include "tests/ui/bar_capture.h"

#include <commctrl.h>

#include <cstdint>
#include <cstdio>

namespace {

// Reads the pixels of `hBitmap` (not selected anywhere) as top-down 32-bit.
Picture ReadBitmap(HDC hDC, HBITMAP hBitmap, int nWidth, int nHeight) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = nWidth;
  info.bmiHeader.biHeight = -nHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t> raw(static_cast<size_t>(nWidth) * nHeight);
  ::GetDIBits(hDC, hBitmap, 0, nHeight, raw.data(), &info, DIB_RGB_COLORS);
  Picture picture;
  picture.nWidth = nWidth;
  picture.nHeight = nHeight;
  picture.pixels.reserve(raw.size());
  for (uint32_t bgra : raw) picture.pixels.push_back(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
  return picture;
}

}  // namespace

int Picture::Count(int xFrom, int xTo, COLORREF cr) const {
  int nCount = 0;
  for (int y = 0; y < nHeight; ++y)
    for (int x = xFrom; x < xTo; ++x)
      if (At(x, y) == cr) ++nCount;
  return nCount;
}

BarHost::BarHost(int nWidth, int nHeight) {
  ::InitCommonControls();
  m_hWnd = ::CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, nWidth, nHeight, nullptr,
                             nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ::UpdateWindow(m_hWnd);
}

BarHost::~BarHost() { ::DestroyWindow(m_hWnd); }

HWND BarHost::AddBar(int x, int y, int nWidth, int nHeight) {
  HWND hBar = ::CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, x, y, nWidth, nHeight, m_hWnd,
                                nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ::UpdateWindow(hBar);
  return hBar;
}

void BarHost::AddLabel(int x, int y, int nWidth, int nHeight, const char* pszText) {
  HWND hLabel = ::CreateWindowExA(0, "STATIC", pszText, WS_CHILD | WS_VISIBLE | SS_LEFT, x, y, nWidth, nHeight,
                                  m_hWnd, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ::UpdateWindow(hLabel);
}

Picture CaptureClient(HWND hWnd) {
  ::UpdateWindow(hWnd);
  RECT rcClient;
  ::GetClientRect(hWnd, &rcClient);
  HDC hWindowDC = ::GetDC(hWnd);
  HDC hMemDC = ::CreateCompatibleDC(hWindowDC);
  HBITMAP hBitmap = ::CreateCompatibleBitmap(hWindowDC, rcClient.right, rcClient.bottom);
  HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
  ::BitBlt(hMemDC, 0, 0, rcClient.right, rcClient.bottom, hWindowDC, 0, 0, SRCCOPY);
  ::SelectObject(hMemDC, hOld);
  Picture picture = ReadBitmap(hMemDC, hBitmap, rcClient.right, rcClient.bottom);
  ::DeleteObject(hBitmap);
  ::DeleteDC(hMemDC);
  ::ReleaseDC(hWnd, hWindowDC);
  return picture;
}

Picture RenderReferenceText(int nWidth, int nHeight, const char* pszText, COLORREF crBack, COLORREF crText) {
  HDC hScreenDC = ::GetDC(nullptr);
  HDC hMemDC = ::CreateCompatibleDC(hScreenDC);
  HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreenDC, nWidth, nHeight);
  HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
  RECT rc = {0, 0, nWidth, nHeight};
  HBRUSH hBrush = ::CreateSolidBrush(crBack);
  ::FillRect(hMemDC, &rc, hBrush);
  ::DeleteObject(hBrush);
  ::SetBkMode(hMemDC, TRANSPARENT);
  ::SetTextColor(hMemDC, crText);
  ::DrawTextA(hMemDC, pszText, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ::SelectObject(hMemDC, hOld);
  Picture picture = ReadBitmap(hMemDC, hBitmap, nWidth, nHeight);
  ::DeleteObject(hBitmap);
  ::DeleteDC(hMemDC);
  ::ReleaseDC(nullptr, hScreenDC);
  return picture;
}

bool WriteBmp(const Picture& picture, const char* pszPath) {
  const int nRowBytes = (picture.nWidth * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof(info);
  info.biWidth = picture.nWidth;
  info.biHeight = picture.nHeight;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(nRowBytes * picture.nHeight);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + info.biSizeImage;
  FILE* pFile = std::fopen(pszPath, "wb");
  if (pFile == nullptr) return false;
  bool bOk = std::fwrite(&file, sizeof(file), 1, pFile) == 1 && std::fwrite(&info, sizeof(info), 1, pFile) == 1;
  std::vector<unsigned char> row(static_cast<size_t>(nRowBytes), 0);
  for (int y = picture.nHeight - 1; bOk && y >= 0; --y) {
    for (int x = 0; x < picture.nWidth; ++x) {
      COLORREF cr = picture.At(x, y);
      row[x * 3] = GetBValue(cr);
      row[x * 3 + 1] = GetGValue(cr);
      row[x * 3 + 2] = GetRValue(cr);
    }
    bOk = std::fwrite(row.data(), row.size(), 1, pFile) == 1;
  }
  return std::fclose(pFile) == 0 && bOk;
}
