// CWnd: the object that stands for one window handle. (Being filled in by
// the window layer; the owner handle below is its stable core.)
#pragma once

#include <windows.h>

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // The window handle, or null when the object has no window.
  HWND GetSafeHwnd() const { return m_hWnd; }

  HWND m_hWnd = nullptr;
};
