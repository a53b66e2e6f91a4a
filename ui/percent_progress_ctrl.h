// CPercentProgressCtrl: a progress bar that paints itself. It takes over a
// "msctls_progress32" window (by subclassing) and from then on paints the
// finished share of its range as a band from the left, the rest in a second
// colour, and the percentage figure centred over the whole bar, drawn once
// clipped to each part in a colour of its own for that part.
//
// Range and position are the object's own: the system control is never told
// them. The position is never clamped; a position beyond the range shows a
// full band and a figure over 100%, one below it an empty band and a
// negative figure. Painting happens off screen and the background erase is
// suppressed, so the bar does not flicker. A position change repaints, at
// once, only when the filled width in pixels changes.
#pragma once

#include <windows.h>

#include "framework/controls.h"
#include "framework/dc.h"
#include "framework/string.h"

class CPercentProgressCtrl : public CProgressCtrl {
 public:
  // Range 0..100, position 0, step 1, figure shown; the four colours from
  // the system (band and back-part text: COLOR_HIGHLIGHT; back part and
  // band text: COLOR_WINDOW), read once here.
  CPercentProgressCtrl();
  ~CPercentProgressCtrl() override = default;

  // Stores the range; does not repaint. Nothing checks lower < upper: the
  // bar draws nothing while lower >= upper.
  void SetRange(int nLower, int nUpper);
  // Stores the position and, when the filled width differs from the one last
  // painted for (or the bar was resized since), repaints before returning.
  // Returns the previous position; -1, storing nothing, when the object has
  // no window.
  int SetPos(int nPos);
  // SetPos(position + step) and SetPos(position + nDelta).
  int StepIt() { return SetPos(m_nPos + m_nStep); }
  int OffsetPos(int nDelta) { return SetPos(m_nPos + nDelta); }
  // Stores the step; returns the previous one. Does not repaint.
  int SetStep(int nStep);
  // Stores whether the figure is drawn. Invalidates the whole bar when the
  // object has a window and the value changes.
  void SetShowText(BOOL bShow);

  // The colours; setting one does not repaint.
  void SetBarColor(COLORREF crColor) { m_crBarColor = crColor; }
  void SetBackColor(COLORREF crColor) { m_crBackColor = crColor; }
  void SetBackTextColor(COLORREF crColor) { m_crBackTextColor = crColor; }
  void SetBarTextColor(COLORREF crColor) { m_crBarTextColor = crColor; }
  COLORREF GetBarColor() const { return m_crBarColor; }
  COLORREF GetBackColor() const { return m_crBackColor; }
  COLORREF GetBackTextColor() const { return m_crBackTextColor; }
  COLORREF GetBarTextColor() const { return m_crBarTextColor; }

  // The finished share: (nPos - nLower) / (nUpper - nLower), the differences
  // taken in 32-bit integers (wrapping), the quotient in double precision,
  // neither clamped nor rounded.
  static double FillFraction(int nPos, int nLower, int nUpper);
  // The band width: trunc(nWidth * dFraction), toward zero; clamped to the
  // int range, and 0 for an undefined fraction (lower == upper).
  static int FilledWidth(int nWidth, double dFraction);
  // The figure: "%d%%" of trunc(dFraction * 100.0), so 0.29 shows 28%.
  static CString FormatFigure(double dFraction);

 protected:
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnPaint();
  void OnSize(UINT nType, int cx, int cy);

  DECLARE_MESSAGE_MAP()

 private:
  int m_nPos = 0;
  int m_nStep = 1;
  int m_nUpper = 100;
  int m_nLower = 0;
  BOOL m_bShowText = TRUE;
  // The band width when a repaint was last requested; -1 after construction
  // and after every resize, so the next position change repaints.
  int m_nLastBarWidth = -1;
  COLORREF m_crBarColor;
  COLORREF m_crBackColor;
  COLORREF m_crBackTextColor;
  COLORREF m_crBarTextColor;
};
