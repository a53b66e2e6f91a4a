#include "ui/percent_progress_ctrl.h"

#include <cmath>
#include <limits>

#include "framework/dc.h"
#include "framework/gdi.h"
#include "ui/offscreen_dc.h"

BEGIN_MESSAGE_MAP(CPercentProgressCtrl, CProgressCtrl)
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
  ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// a - b in 32 bits, wrapping as the machine does.
int Difference32(int a, int b) { return static_cast<int>(static_cast<unsigned>(a) - static_cast<unsigned>(b)); }

// trunc(dValue) toward zero as an int; the int range's ends for values
// beyond it, 0 for NaN.
int TruncateToInt(double dValue) {
  if (std::isnan(dValue)) return 0;
  if (dValue >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (dValue <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(dValue);
}

// Makes the clip region of `pDC` the rectangle `rcPart` of its logical
// coordinates; the region itself is expressed in device coordinates.
void ClipToPart(CDC* pDC, const RECT& rcPart, CRgn* pRgn) {
  RECT rcDevice = rcPart;
  pDC->LPtoDP(&rcDevice);
  pRgn->CreateRectRgnIndirect(&rcDevice);
  pDC->SelectClipRgn(pRgn);
}

}  // namespace

CPercentProgressCtrl::CPercentProgressCtrl()
    : m_crBarColor(::GetSysColor(COLOR_HIGHLIGHT)),
      m_crBackColor(::GetSysColor(COLOR_WINDOW)),
      m_crBackTextColor(::GetSysColor(COLOR_HIGHLIGHT)),
      m_crBarTextColor(::GetSysColor(COLOR_WINDOW)) {}

double CPercentProgressCtrl::FillFraction(int nPos, int nLower, int nUpper) {
  return static_cast<double>(Difference32(nPos, nLower)) / static_cast<double>(Difference32(nUpper, nLower));
}

int CPercentProgressCtrl::FilledWidth(int nWidth, double dFraction) {
  return TruncateToInt(static_cast<double>(nWidth) * dFraction);
}

CString CPercentProgressCtrl::FormatFigure(double dFraction) {
  CString strFigure;
  strFigure.Format("%d%%", TruncateToInt(dFraction * 100.0));
  return strFigure;
}

void CPercentProgressCtrl::SetRange(int nLower, int nUpper) {
  m_nLower = nLower;
  m_nUpper = nUpper;
}

int CPercentProgressCtrl::SetPos(int nPos) {
  if (!IsWindow()) return -1;
  int nPrevious = m_nPos;
  m_nPos = nPos;
  RECT rcClient;
  GetClientRect(&rcClient);
  int nBarWidth = FilledWidth(rcClient.right - rcClient.left, FillFraction(m_nPos, m_nLower, m_nUpper));
  if (nBarWidth != m_nLastBarWidth) {
    m_nLastBarWidth = nBarWidth;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
  return nPrevious;
}

int CPercentProgressCtrl::SetStep(int nStep) {
  int nPrevious = m_nStep;
  m_nStep = nStep;
  return nPrevious;
}

void CPercentProgressCtrl::SetShowText(BOOL bShow) {
  if (IsWindow() && bShow != m_bShowText) InvalidateRect(nullptr, TRUE);
  m_bShowText = bShow;
}

BOOL CPercentProgressCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void CPercentProgressCtrl::OnPaint() {
  // The paint cycle is completed in every case, so the system does not
  // repeat the request while the range is empty.
  CPaintDC dc(this);
  if (m_nLower >= m_nUpper) return;

  RECT rcClient;
  GetClientRect(&rcClient);
  double dFraction = FillFraction(m_nPos, m_nLower, m_nUpper);
  COffscreenDC dcOffscreen(&dc);

  RECT rcBar = rcClient;
  rcBar.right = rcClient.left + FilledWidth(rcClient.right - rcClient.left, dFraction);
  RECT rcBack = rcClient;
  rcBack.left = rcBar.right;
  dcOffscreen.FillSolidRect(&rcBar, m_crBarColor);
  dcOffscreen.FillSolidRect(&rcBack, m_crBackColor);

  if (!m_bShowText) return;
  CString strFigure = FormatFigure(dFraction);
  const UINT nFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  dcOffscreen.SetBkMode(TRANSPARENT);
  {
    CRgn rgnBar;
    ClipToPart(&dcOffscreen, rcBar, &rgnBar);
    dcOffscreen.SetTextColor(m_crBarTextColor);
    RECT rcText = rcClient;
    dcOffscreen.DrawText(strFigure, &rcText, nFormat);
  }
  {
    CRgn rgnBack;
    ClipToPart(&dcOffscreen, rcBack, &rgnBack);
    dcOffscreen.SetTextColor(m_crBackTextColor);
    RECT rcText = rcClient;
    dcOffscreen.DrawText(strFigure, &rcText, nFormat);
  }
}

void CPercentProgressCtrl::OnSize(UINT nType, int cx, int cy) {
  CProgressCtrl::OnSize(nType, cx, cy);
  m_nLastBarWidth = -1;
}
