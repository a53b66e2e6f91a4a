// The percent progress bar on real "msctls_progress32" windows: what it
// shows, read back pixel by pixel, and when it repaints, counted.
#include "ui/percent_progress_ctrl.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "tests/ui/bar_capture.h"

namespace {

const COLORREF kBar = RGB(200, 0, 0);
const COLORREF kBack = RGB(0, 160, 0);
const COLORREF kBarText = RGB(0, 0, 255);
const COLORREF kBackText = RGB(255, 255, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// The bar with a count of the paints it has handled.
class CCountingProgressCtrl : public CPercentProgressCtrl {
 public:
  int m_nPaints = 0;

  void UseTestColors() {
    SetBarColor(kBar);
    SetBackColor(kBack);
    SetBarTextColor(kBarText);
    SetBackTextColor(kBackText);
  }

 protected:
  void OnPaint() {
    ++m_nPaints;
    CPercentProgressCtrl::OnPaint();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingProgressCtrl, CPercentProgressCtrl)
  ON_WM_PAINT()
END_MESSAGE_MAP()

class ProgressTest : public ::testing::Test {
 protected:
  // A bar of nWidth x nHeight pixels taken over by m_bar and painted once
  // by it, with nothing left to paint.
  void MakeBar(int nWidth, int nHeight) {
    m_hBar = m_host.AddBar(10, 10, nWidth, nHeight);
    ASSERT_NE(m_hBar, nullptr);
    ASSERT_TRUE(m_bar.SubclassWindow(m_hBar));
    m_bar.InvalidateRect(nullptr, TRUE);
    ::UpdateWindow(m_hBar);
  }
  bool HasPendingPaint() const { return ::GetUpdateRect(m_hBar, nullptr, FALSE) != FALSE; }

  BarHost m_host{500, 200};
  CCountingProgressCtrl m_bar;
  HWND m_hBar = nullptr;
};

struct FigureCase {
  int nPos, nLower, nUpper;
  const char* pszFigure;
};

class FigureTest : public ::testing::TestWithParam<FigureCase> {};

TEST_P(FigureTest, IsTheTruncatedPercentage) {
  const FigureCase& c = GetParam();
  EXPECT_EQ(CPercentProgressCtrl::FormatFigure(CPercentProgressCtrl::FillFraction(c.nPos, c.nLower, c.nUpper)),
            c.pszFigure);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, FigureTest,
                         ::testing::Values(FigureCase{0, 0, 100, "0%"}, FigureCase{29, 0, 100, "28%"},
                                           FigureCase{57, 0, 100, "56%"}, FigureCase{58, 0, 100, "57%"},
                                           FigureCase{50, 0, 100, "50%"}, FigureCase{1, 0, 3, "33%"},
                                           FigureCase{2, 0, 3, "66%"}, FigureCase{4, 0, 3, "133%"},
                                           FigureCase{120, 0, 100, "120%"}, FigureCase{-10, 0, 100, "-10%"},
                                           FigureCase{15, 10, 20, "50%"}, FigureCase{100, 0, 100, "100%"}));

struct WidthCase {
  int nWidth, nPos, nLower, nUpper;
  int nFilled;
};

class FilledWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(FilledWidthTest, IsTheTruncatedProduct) {
  const WidthCase& c = GetParam();
  EXPECT_EQ(CPercentProgressCtrl::FilledWidth(c.nWidth, CPercentProgressCtrl::FillFraction(c.nPos, c.nLower, c.nUpper)),
            c.nFilled);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, FilledWidthTest,
                         ::testing::Values(WidthCase{299, 1, 0, 3, 99}, WidthCase{299, 2, 0, 3, 199},
                                           WidthCase{299, 120, 0, 100, 358}, WidthCase{299, -10, 0, 100, -29},
                                           WidthCase{50, 3, 0, 100, 1}, WidthCase{299, 0, 0, 100, 0},
                                           // lower == upper: the fraction is undefined
                                           WidthCase{299, 5, 5, 5, 0}, WidthCase{299, 6, 5, 5, INT_MAX},
                                           WidthCase{299, 4, 5, 5, INT_MIN}));

TEST(FillFractionTest, TakesTheDifferencesInThirtyTwoBits) {
  // upper - lower wraps to -1 in 32 bits; position - lower is 1.
  EXPECT_EQ(CPercentProgressCtrl::FillFraction(INT_MIN + 1, INT_MIN, INT_MAX), -1.0);
}

TEST_F(ProgressTest, BandOfA299PixelBarAtOneOfThreeIs99PixelsWide) {
  MakeBar(299, 20);
  m_bar.UseTestColors();
  m_bar.SetShowText(FALSE);
  m_bar.SetRange(0, 3);
  m_bar.SetPos(1);
  Picture picture = CaptureClient(m_hBar);
  ASSERT_EQ(picture.nWidth, 299);
  EXPECT_EQ(picture.Count(0, 99, kBar), 99 * 20);
  EXPECT_EQ(picture.Count(99, 299, kBack), 200 * 20);
}

TEST_F(ProgressTest, FigureTakesTheColourOfEachPartItLiesOver) {
  MakeBar(299, 30);
  m_bar.UseTestColors();
  m_bar.SetPos(50);
  Picture picture = CaptureClient(m_hBar);
  const int nEdge = 149;
  // Over the band: band fill and band text, never the back part's colours.
  EXPECT_GT(picture.Count(0, nEdge, kBar), 0);
  EXPECT_GT(picture.Count(0, nEdge, kBarText), 0);
  EXPECT_EQ(picture.Count(0, nEdge, kBack), 0);
  EXPECT_EQ(picture.Count(0, nEdge, kBackText), 0);
  // Over the rest: the other two.
  EXPECT_GT(picture.Count(nEdge, 299, kBack), 0);
  EXPECT_GT(picture.Count(nEdge, 299, kBackText), 0);
  EXPECT_EQ(picture.Count(nEdge, 299, kBar), 0);
  EXPECT_EQ(picture.Count(nEdge, 299, kBarText), 0);
  // The top row lies above the figure: the band edge is exact there.
  for (int x = 0; x < 299; ++x) EXPECT_EQ(picture.At(x, 0), x < nEdge ? kBar : kBack) << "x = " << x;
}

struct ShownFigureCase {
  int nPos, nLower, nUpper;
  const char* pszShown;
  const char* pszNotShown;
};

class ShownFigureTest : public ProgressTest, public ::testing::WithParamInterface<ShownFigureCase> {};

TEST_P(ShownFigureTest, MatchesAReferenceRenderingOfTheFigure) {
  const ShownFigureCase& c = GetParam();
  MakeBar(299, 24);
  // One colour for both parts and one for both texts: the bar must look
  // exactly like the figure drawn once over a plain background.
  m_bar.SetBarColor(kWhite);
  m_bar.SetBackColor(kWhite);
  m_bar.SetBarTextColor(kBlack);
  m_bar.SetBackTextColor(kBlack);
  m_bar.SetRange(c.nLower, c.nUpper);
  m_bar.SetPos(c.nPos);
  Picture shown = CaptureClient(m_hBar);
  Picture expected = RenderReferenceText(299, 24, c.pszShown, kWhite, kBlack);
  Picture other = RenderReferenceText(299, 24, c.pszNotShown, kWhite, kBlack);
  ASSERT_FALSE(expected == other);
  EXPECT_TRUE(shown == expected) << "the bar does not show " << c.pszShown;
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, ShownFigureTest,
                         ::testing::Values(ShownFigureCase{29, 0, 100, "28%", "29%"},
                                           ShownFigureCase{1, 0, 3, "33%", "34%"},
                                           ShownFigureCase{2, 0, 3, "66%", "67%"},
                                           ShownFigureCase{120, 0, 100, "120%", "100%"},
                                           ShownFigureCase{-10, 0, 100, "-10%", "0%"}));

TEST_F(ProgressTest, FreshBarShowsAnEmptyBandAndZeroPercentInTheSystemColours) {
  EXPECT_EQ(m_bar.GetBarColor(), ::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(m_bar.GetBackColor(), ::GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(m_bar.GetBackTextColor(), ::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(m_bar.GetBarTextColor(), ::GetSysColor(COLOR_WINDOW));
  MakeBar(299, 24);
  Picture shown = CaptureClient(m_hBar);
  EXPECT_TRUE(shown == RenderReferenceText(299, 24, "0%", ::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_HIGHLIGHT)));
}

TEST_F(ProgressTest, OverTheTopFillsTheWholeBarAndBelowTheBottomNone) {
  MakeBar(299, 20);
  m_bar.UseTestColors();
  m_bar.SetShowText(FALSE);
  m_bar.SetPos(120);
  EXPECT_EQ(CaptureClient(m_hBar).Count(0, 299, kBar), 299 * 20);
  m_bar.SetPos(-10);
  EXPECT_EQ(CaptureClient(m_hBar).Count(0, 299, kBack), 299 * 20);
}

TEST_F(ProgressTest, PartialRepaintClipsTheFigureAtTheSameEdge) {
  MakeBar(299, 30);
  m_bar.UseTestColors();
  m_bar.SetPos(50);
  Picture whole = CaptureClient(m_hBar);
  // Only the right part is repainted: the off-screen surface then starts at
  // x = 100, and the clip regions must be shifted with it.
  RECT rcRight = {100, 0, 299, 30};
  m_bar.InvalidateRect(&rcRight, FALSE);
  ::UpdateWindow(m_hBar);
  Picture part = CaptureClient(m_hBar);
  EXPECT_TRUE(part == whole);
  RECT rcLowerLeft = {0, 12, 160, 30};
  m_bar.InvalidateRect(&rcLowerLeft, FALSE);
  ::UpdateWindow(m_hBar);
  EXPECT_TRUE(CaptureClient(m_hBar) == whole);
}

struct EmptyRangeCase {
  int nLower, nUpper;
};

class EmptyRangeTest : public ProgressTest, public ::testing::WithParamInterface<EmptyRangeCase> {};

TEST_P(EmptyRangeTest, DrawsNothingButCompletesThePaint) {
  MakeBar(299, 20);
  m_bar.UseTestColors();
  m_bar.SetPos(50);
  Picture before = CaptureClient(m_hBar);
  m_bar.SetRange(GetParam().nLower, GetParam().nUpper);
  m_bar.SetBarColor(kWhite);
  m_bar.SetBackColor(kBlack);
  int nPaints = m_bar.m_nPaints;
  m_bar.InvalidateRect(nullptr, TRUE);
  ::UpdateWindow(m_hBar);
  EXPECT_EQ(m_bar.m_nPaints, nPaints + 1);
  EXPECT_FALSE(HasPendingPaint());
  EXPECT_TRUE(CaptureClient(m_hBar) == before);
}

INSTANTIATE_TEST_SUITE_P(Ranges, EmptyRangeTest, ::testing::Values(EmptyRangeCase{5, 5}, EmptyRangeCase{10, 5}));

TEST_F(ProgressTest, EraseDrawsNothingAndCountsAsDone) {
  MakeBar(299, 20);
  HDC hScreenDC = ::GetDC(nullptr);
  HDC hMemDC = ::CreateCompatibleDC(hScreenDC);
  HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreenDC, 299, 20);
  HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
  ::SetPixel(hMemDC, 5, 5, RGB(255, 0, 255));
  EXPECT_NE(m_bar.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hMemDC)), 0);
  EXPECT_EQ(::GetPixel(hMemDC, 5, 5), RGB(255, 0, 255));
  ::SelectObject(hMemDC, hOld);
  ::DeleteObject(hBitmap);
  ::DeleteDC(hMemDC);
  ::ReleaseDC(nullptr, hScreenDC);
}

TEST_F(ProgressTest, UnchangedWidthCostsNoRepaint) {
  MakeBar(299, 20);
  int nPaints = m_bar.m_nPaints;
  m_bar.SetPos(10);  // 29 pixels
  EXPECT_EQ(m_bar.m_nPaints, nPaints + 1);
  EXPECT_FALSE(HasPendingPaint());
  m_bar.SetPos(10);
  m_bar.SetPos(10);
  EXPECT_EQ(m_bar.m_nPaints, nPaints + 1);
  EXPECT_FALSE(HasPendingPaint());
  m_bar.SetPos(11);  // 32 pixels
  EXPECT_EQ(m_bar.m_nPaints, nPaints + 2);
}

TEST_F(ProgressTest, NarrowBarSkipsAChangedFigureWhenTheWidthStays) {
  MakeBar(50, 20);
  m_bar.UseTestColors();
  m_bar.SetPos(2);  // 1 pixel, 2%
  int nPaints = m_bar.m_nPaints;
  Picture before = CaptureClient(m_hBar);
  m_bar.SetPos(3);  // still 1 pixel, 3%
  EXPECT_EQ(m_bar.m_nPaints, nPaints);
  EXPECT_FALSE(HasPendingPaint());
  EXPECT_TRUE(CaptureClient(m_hBar) == before);
}

TEST_F(ProgressTest, ResizeMakesTheNextSetPosRepaint) {
  MakeBar(299, 20);
  m_bar.SetPos(40);
  ::SetWindowPos(m_hBar, nullptr, 0, 0, 299, 26, SWP_NOMOVE | SWP_NOZORDER);
  ::UpdateWindow(m_hBar);
  int nPaints = m_bar.m_nPaints;
  m_bar.SetPos(40);  // same width as before the resize
  EXPECT_EQ(m_bar.m_nPaints, nPaints + 1);
  m_bar.SetPos(40);
  EXPECT_EQ(m_bar.m_nPaints, nPaints + 1);
}

TEST_F(ProgressTest, SetShowTextRepaintsOnlyOnAChange) {
  MakeBar(299, 20);
  m_bar.UseTestColors();
  m_bar.SetPos(50);
  int nPaints = m_bar.m_nPaints;
  m_bar.SetShowText(TRUE);
  EXPECT_FALSE(HasPendingPaint());
  ::UpdateWindow(m_hBar);
  EXPECT_EQ(m_bar.m_nPaints, nPaints);
  m_bar.SetShowText(FALSE);
  EXPECT_TRUE(HasPendingPaint());
  Picture plain = CaptureClient(m_hBar);
  EXPECT_EQ(m_bar.m_nPaints, nPaints + 1);
  EXPECT_EQ(plain.Count(0, 299, kBar) + plain.Count(0, 299, kBack), 299 * 20);
}

TEST_F(ProgressTest, SetRangeAloneDoesNotRepaint) {
  MakeBar(299, 20);
  m_bar.SetPos(50);
  int nPaints = m_bar.m_nPaints;
  m_bar.SetRange(0, 10);
  m_bar.SetStep(3);
  m_bar.SetBarColor(kBar);
  EXPECT_FALSE(HasPendingPaint());
  ::UpdateWindow(m_hBar);
  EXPECT_EQ(m_bar.m_nPaints, nPaints);
}

TEST_F(ProgressTest, WithoutAWindowNothingIsStoredAndTheFlagStill) {
  EXPECT_EQ(m_bar.SetPos(70), -1);
  EXPECT_EQ(m_bar.StepIt(), -1);
  EXPECT_EQ(m_bar.OffsetPos(5), -1);
  m_bar.SetShowText(FALSE);
  m_bar.UseTestColors();
  MakeBar(299, 20);
  EXPECT_EQ(m_bar.SetPos(50), 0);  // the position from before the calls without a window
  Picture shown = CaptureClient(m_hBar);
  EXPECT_EQ(shown.Count(0, 299, kBar) + shown.Count(0, 299, kBack), 299 * 20);  // no figure
}

TEST_F(ProgressTest, StepItKeepsCountingBeyondTheUpperBound) {
  MakeBar(299, 20);
  m_bar.SetRange(0, 3);
  EXPECT_EQ(m_bar.SetStep(1), 1);
  for (int nExpected = 0; nExpected < 4; ++nExpected) EXPECT_EQ(m_bar.StepIt(), nExpected);
  EXPECT_EQ(m_bar.OffsetPos(-2), 4);
  EXPECT_EQ(m_bar.SetPos(0), 2);
  EXPECT_EQ(m_bar.SetStep(5), 1);
  EXPECT_EQ(m_bar.StepIt(), 0);
  EXPECT_EQ(m_bar.SetPos(0), 5);
}

TEST_F(ProgressTest, SystemControlIsNeverToldTheRangeOrPosition) {
  MakeBar(299, 20);
  m_bar.SetRange(0, 3);
  m_bar.SetPos(2);
  EXPECT_EQ(::SendMessageA(m_hBar, PBM_GETPOS, 0, 0), 0);
  EXPECT_EQ(::SendMessageA(m_hBar, PBM_GETRANGE, FALSE, 0), 100);
}

}  // namespace
