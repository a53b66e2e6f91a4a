#include "ui/offscreen_dc.h"

COffscreenDC::COffscreenDC(CDC* pDC) : m_pDC(pDC), m_rcClip(), m_hOldBitmap(nullptr) {
  m_pDC->GetClipBox(&m_rcClip);
  CreateCompatibleDC(m_pDC);
  m_bitmap.CreateCompatibleBitmap(m_pDC, m_rcClip.right - m_rcClip.left, m_rcClip.bottom - m_rcClip.top);
  m_hOldBitmap = SelectObject(&m_bitmap);
  SetWindowOrg(m_rcClip.left, m_rcClip.top);
}

COffscreenDC::~COffscreenDC() {
  m_pDC->BitBlt(m_rcClip.left, m_rcClip.top, m_rcClip.right - m_rcClip.left, m_rcClip.bottom - m_rcClip.top, this,
                m_rcClip.left, m_rcClip.top, SRCCOPY);
  SelectObject(m_hOldBitmap);
  m_bitmap.DeleteObject();
  DeleteDC();
}
