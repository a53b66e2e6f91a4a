#include "framework/dc.h"

#include "framework/window.h"

CDC::~CDC() { DeleteDC(); }

BOOL CDC::Attach(HDC hDC) {
  if (m_hDC != nullptr || hDC == nullptr) return FALSE;
  m_hDC = hDC;
  return TRUE;
}

HDC CDC::Detach() {
  HDC hDC = m_hDC;
  m_hDC = nullptr;
  return hDC;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  if (m_hDC != nullptr) return FALSE;
  return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->GetSafeHdc() : nullptr));
}

BOOL CDC::DeleteDC() {
  HDC hDC = Detach();
  return hDC != nullptr && ::DeleteDC(hDC);
}

HBITMAP CDC::SelectObject(CBitmap* pBitmap) { return SelectObject(static_cast<HBITMAP>(*pBitmap)); }

HBITMAP CDC::SelectObject(HBITMAP hBitmap) { return static_cast<HBITMAP>(::SelectObject(m_hDC, hBitmap)); }

int CDC::SelectClipRgn(CRgn* pRgn) {
  return ::SelectClipRgn(m_hDC, pRgn != nullptr ? static_cast<HRGN>(*pRgn) : nullptr);
}

POINT CDC::SetWindowOrg(int x, int y) {
  POINT ptPrevious = {0, 0};
  ::SetWindowOrgEx(m_hDC, x, y, &ptPrevious);
  return ptPrevious;
}

void CDC::FillSolidRect(const RECT* lpRect, COLORREF crColor) {
  ::SetBkColor(m_hDC, crColor);
  ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWndPainted(pWnd->GetSafeHwnd()) {
  Attach(::BeginPaint(m_hWndPainted, &m_ps));
}

CPaintDC::~CPaintDC() {
  ::EndPaint(m_hWndPainted, &m_ps);
  Detach();
}
