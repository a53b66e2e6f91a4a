// CWnd: the object that stands for one window handle.
//
// An object takes over a window that the system created (a dialog, or a
// control of a dialog template) by subclassing it: from then on the window's
// messages go first through the object's message map (message_map.h), and
// whatever the map does not handle goes to the window's original procedure.
// The object is found from its handle through a property stored in the
// window itself, so there is no table of windows anywhere else.
//
// The object lets go of the window by itself when the window is destroyed
// (WM_NCDESTROY), and gives the window back its original procedure when the
// object is destroyed first. The object and its window belong to the thread
// that created the window.
#pragma once

#include <windows.h>

#include "framework/message_map.h"
#include "framework/string.h"

// Reads the whole window text of `hWnd` into `rString`, unchanged; empty
// when the window has none or does not exist.
void ReadWindowText(HWND hWnd, CString& rString);

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // The window handle, or null when the object has no window.
  HWND GetSafeHwnd() const { return m_hWnd; }

  // The object that has subclassed `hWnd`, or null when none has.
  static CWnd* FromHandle(HWND hWnd);

  // Takes over `hWnd`. Fails (FALSE, nothing changed) when `hWnd` is not a
  // window of this process, when this object already has a window, or when
  // another object has already taken `hWnd` over.
  BOOL SubclassWindow(HWND hWnd);
  // Takes over the control `nID` of `pParent`; fails as SubclassWindow, and
  // when the parent has no such control.
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  // Gives the window back its original procedure and detaches it. Returns
  // the window, or null when the object had none.
  HWND UnsubclassWindow();

  // Thin forms of the USER32 window calls on this object's window.
  BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
  BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
  BOOL IsWindow() const { return ::IsWindow(m_hWnd); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  void SetWindowText(const char* pszText) { ::SetWindowTextA(m_hWnd, pszText); }
  // The window text, whole and unchanged; empty when there is no window.
  void GetWindowText(CString& rString) const { ReadWindowText(m_hWnd, rString); }
  // Sets the large (bBigIcon TRUE) or small icon; returns the previous one.
  HICON SetIcon(HICON hIcon, BOOL bBigIcon);
  void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
  // Invalidates `lpRect` (the whole client area when null).
  void InvalidateRect(const RECT* lpRect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
  BOOL RedrawWindow(const RECT* lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) {
    return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
  }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  // The child window with control id `nID`, or null.
  HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

  HWND m_hWnd = nullptr;

 protected:
  // Routes one message: the first matching entry of the message map, else
  // DefWindowProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The window's default processing: its original procedure.
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  // Default handlers for derived classes that handle these messages and then
  // pass them on: each hands the message to DefWindowProc.
  void OnPaint() { DefWindowProc(WM_PAINT, 0, 0); }
  void OnSize(UINT nType, int cx, int cy) {
    DefWindowProc(WM_SIZE, nType, MAKELPARAM(static_cast<WORD>(cx), static_cast<WORD>(cy)));
  }

  // The root of every message map: no entries.
  static const MessageMap* GetThisMessageMap();
  virtual const MessageMap* GetMessageMap() const;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Detach();

  WNDPROC m_pfnSuperWndProc = nullptr;
};
