// Brindlewax.exe under Wine: its window names the product and its version,
// and each way a user has of closing it ends the program cleanly.
#include <gtest/gtest.h>

#include <functional>

#include "payload/brindlewax_window.h"
#include "tests/driver/driven_process.h"
#include "tests/driver/host_path.h"
#include "tests/driver/window_input.h"
#include "tests/driver/window_search.h"
#include "tests/driver/window_state.h"

namespace {

struct CloseWay {
  const char* m_szName;
  std::function<bool(HWND)> m_close;
};

class BrindlewaxWindowTest : public ::testing::TestWithParam<CloseWay> {};

TEST_P(BrindlewaxWindowTest, ShowsProductAndVersionAndCloses) {
  CDrivenProcess app;
  std::string program = HostPathToWindows(BX_PAYLOAD_BUILD_DIR) + "\\Brindlewax.exe";
  ASSERT_TRUE(app.Start("\"" + program + "\"")) << program;
  HWND hWindow = FindTopLevelWindow(app.GetId(), BX_APP_CAPTION);
  ASSERT_NE(hWindow, (HWND)NULL) << "no window captioned " BX_APP_CAPTION;

  EXPECT_EQ(ReadWindowText(FindControl(hWindow, kAppTitleId)), std::string("Brindlewax ") + BX_PRODUCT_VERSION);
  EXPECT_EQ(ReadWindowText(FindControl(hWindow, kAppTitleId)), "Brindlewax 1.0.0.1");
  EXPECT_FALSE(ReadWindowText(FindControl(hWindow, kAppSubtitleId)).empty());
  HWND hOk = FindControl(hWindow, IDOK);
  EXPECT_EQ(ReadWindowText(hOk), "OK");
  EXPECT_TRUE(IsShown(hOk));
  EXPECT_TRUE(IsEnabled(hOk));

  ASSERT_TRUE(GetParam().m_close(hWindow));
  EXPECT_TRUE(WaitForWindowGone(hWindow));
  ASSERT_TRUE(app.WaitForExit());
  EXPECT_EQ(app.GetExitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    EachWayOut, BrindlewaxWindowTest,
    ::testing::Values(CloseWay{"OkButton", [](HWND h) { return ClickButton(FindControl(h, IDOK)); }},
                      CloseWay{"Escape", [](HWND h) { return PressEscape(h); }},
                      CloseWay{"CloseBox", [](HWND h) { return CloseWithCloseBox(h); }}),
    [](const ::testing::TestParamInfo<CloseWay>& info) { return std::string(info.param.m_szName); });

}  // namespace
