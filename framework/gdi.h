// Thin owners of GDI object handles: CGdiObject and the two kinds the
// self-painted controls draw with, CBitmap and CRgn.
//
// An owner deletes its object when it is destroyed, unless the object was
// deleted (DeleteObject) or handed back (Detach) before. The caller must not
// let an object be destroyed while it is still selected into a device
// context; select the previous object back first.
#pragma once

#include <windows.h>

class CDC;

class CGdiObject {
 public:
  CGdiObject() = default;
  virtual ~CGdiObject() { DeleteObject(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  // Takes ownership of `hObject`; fails (FALSE) when this owner already
  // holds an object or `hObject` is null.
  BOOL Attach(HGDIOBJ hObject);
  // Gives up ownership; returns the object (null when none was held).
  HGDIOBJ Detach();
  // Deletes the held object. Returns FALSE when none was held or the system
  // refused; the owner is empty afterwards in either case.
  BOOL DeleteObject();

  HGDIOBJ m_hObject = nullptr;
};

class CBitmap : public CGdiObject {
 public:
  // Creates a bitmap of `nWidth` x `nHeight` pixels in the format of `pDC`.
  // FALSE when this owner already holds an object or the system refused.
  BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT
};

class CRgn : public CGdiObject {
 public:
  // Creates the rectangle region `*lpRect`. FALSE when this owner already
  // holds an object or the system refused.
  BOOL CreateRectRgnIndirect(const RECT* lpRect);
  operator HRGN() const { return static_cast<HRGN>(m_hObject); }  // NOLINT
};
