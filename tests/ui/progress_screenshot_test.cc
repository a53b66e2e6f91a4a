// A picture of the percent progress bar for people to look at: one bar per
// edge case, in the system colours, saved as
// $BX_BINARY_DIR/screenshots/progress.bmp (scripts/progress-screenshot makes
// a PNG of it). The test also checks, in the saved picture itself, that each
// bar's band ends where it should.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "tests/ui/bar_capture.h"
#include "ui/percent_progress_ctrl.h"

namespace {

struct Shown {
  const char* pszLabel;
  int nPos, nLower, nUpper;
  BOOL bShowText;
};

const Shown kBars[] = {
    {"0 of 0..100", 0, 0, 100, TRUE},     {"29 of 0..100", 29, 0, 100, TRUE},
    {"1 of 0..3", 1, 0, 3, TRUE},         {"50 of 0..100", 50, 0, 100, TRUE},
    {"2 of 0..3", 2, 0, 3, TRUE},         {"100 of 0..100", 100, 0, 100, TRUE},
    {"120 of 0..100", 120, 0, 100, TRUE}, {"-10 of 0..100", -10, 0, 100, TRUE},
    {"50, no figure", 50, 0, 100, FALSE},
};

TEST(ProgressScreenshot, SavesBarsAtSeveralPositions) {
  const char* pszBinaryDir = std::getenv("BX_BINARY_DIR");
  ASSERT_NE(pszBinaryDir, nullptr);
  const int nBarX = 130, nBarWidth = 299, nBarHeight = 20, nPitch = 30;
  const int nCount = static_cast<int>(sizeof(kBars) / sizeof(kBars[0]));
  BarHost host(nBarX + nBarWidth + 10, 10 + nCount * nPitch);
  std::vector<std::unique_ptr<CPercentProgressCtrl>> bars;
  for (int i = 0; i < nCount; ++i) {
    int y = 10 + i * nPitch;
    host.AddLabel(10, y + 3, nBarX - 20, 16, kBars[i].pszLabel);
    bars.push_back(std::make_unique<CPercentProgressCtrl>());
    ASSERT_TRUE(bars.back()->SubclassWindow(host.AddBar(nBarX, y, nBarWidth, nBarHeight)));
    bars.back()->SetShowText(kBars[i].bShowText);
    bars.back()->SetRange(kBars[i].nLower, kBars[i].nUpper);
    bars.back()->SetPos(kBars[i].nPos);
  }
  Picture picture = CaptureClient(host.GetHwnd());

  const COLORREF crBand = ::GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF crBack = ::GetSysColor(COLOR_WINDOW);
  for (int i = 0; i < nCount; ++i) {
    int nEdge = CPercentProgressCtrl::FilledWidth(
        nBarWidth, CPercentProgressCtrl::FillFraction(kBars[i].nPos, kBars[i].nLower, kBars[i].nUpper));
    if (nEdge < 0) nEdge = 0;
    if (nEdge > nBarWidth) nEdge = nBarWidth;
    int y = 10 + i * nPitch;  // the bar's top row, above its figure
    for (int x = 0; x < nBarWidth; ++x)
      ASSERT_EQ(picture.At(nBarX + x, y), x < nEdge ? crBand : crBack) << kBars[i].pszLabel << ", x = " << x;
  }

  CString strFolder = CString("Z:") + pszBinaryDir + "/screenshots";
  ::CreateDirectoryA(strFolder, nullptr);
  EXPECT_TRUE(WriteBmp(picture, strFolder + "/progress.bmp"));
}

}  // namespace
