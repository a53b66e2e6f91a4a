// CDC: thin owner of a device context handle; CPaintDC: the context of one
// WM_PAINT cycle of a window.
//
// A CDC that made its context (CreateCompatibleDC) deletes it when it is
// destroyed. A context that belongs to someone else is borrowed with Attach
// and must be handed back with Detach before the CDC goes.
#pragma once

#include <windows.h>

#include "framework/gdi.h"

class CWnd;

class CDC {
 public:
  CDC() = default;
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC GetSafeHdc() const { return m_hDC; }
  // Takes `hDC`; fails (FALSE) when this CDC already holds one or it is null.
  BOOL Attach(HDC hDC);
  // Gives up the context without deleting it; returns it (null when none).
  HDC Detach();
  // Makes a memory context compatible with `pDC` (with the screen when
  // null). FALSE when this CDC already holds one or the system refused.
  BOOL CreateCompatibleDC(CDC* pDC);
  // Deletes a context made by CreateCompatibleDC; the CDC is empty after.
  BOOL DeleteDC();

  // Selects `pBitmap` and returns the bitmap it replaced (null on failure).
  HBITMAP SelectObject(CBitmap* pBitmap);
  HBITMAP SelectObject(HBITMAP hBitmap);
  // Makes `pRgn` (device coordinates) the clip region; null removes it.
  int SelectClipRgn(CRgn* pRgn);
  // The smallest rectangle around the area that can be drawn, in logical
  // coordinates.
  int GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }
  // Converts `lpRect` from logical to device coordinates in place.
  void LPtoDP(LPRECT lpRect) const { ::LPtoDP(m_hDC, reinterpret_cast<LPPOINT>(lpRect), 2); }
  POINT SetWindowOrg(int x, int y);

  COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
  int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
  COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
  // Fills `lpRect` with `crColor`: the background colour becomes `crColor`
  // and an opaque ExtTextOutA without text paints the rectangle.
  void FillSolidRect(const RECT* lpRect, COLORREF crColor);
  int DrawText(const char* pszText, LPRECT lpRect, UINT nFormat) {
    return ::DrawTextA(m_hDC, pszText, -1, lpRect, nFormat);
  }
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
  }

  HDC m_hDC = nullptr;
};

class CPaintDC : public CDC {
 public:
  // Begins painting `pWnd` (BeginPaint); the destructor ends it (EndPaint),
  // so the window's update region is validated whatever was drawn.
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;

  PAINTSTRUCT m_ps = {};

 private:
  HWND m_hWndPainted;
};
