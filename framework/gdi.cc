#include "framework/gdi.h"

#include "framework/dc.h"

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (m_hObject != nullptr || hObject == nullptr) return FALSE;
  m_hObject = hObject;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ hObject = m_hObject;
  m_hObject = nullptr;
  return hObject;
}

BOOL CGdiObject::DeleteObject() {
  HGDIOBJ hObject = Detach();
  return hObject != nullptr && ::DeleteObject(hObject);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  if (m_hObject != nullptr) return FALSE;
  return Attach(::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight));
}

BOOL CRgn::CreateRectRgnIndirect(const RECT* lpRect) {
  if (m_hObject != nullptr) return FALSE;
  return Attach(::CreateRectRgnIndirect(lpRect));
}
