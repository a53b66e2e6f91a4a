// The test driver against a real dialog of another process (driver_target.exe)
// under Wine: each call of the driver is shown to act on, or read, what the
// other process really shows.
#include <gtest/gtest.h>

#include "tests/driver/driven_process.h"
#include "tests/driver/driver_target_ids.h"
#include "tests/driver/host_path.h"
#include "tests/driver/message_box.h"
#include "tests/driver/window_input.h"
#include "tests/driver/window_search.h"
#include "tests/driver/window_state.h"

namespace {

// How long a search that must fail is given: a bound, not a measurement.
const DWORD kShortTimeoutMs = 300;

class DriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_target.Start("\"" + HostPathToWindows(BX_DRIVER_TARGET) + "\"")) << GetLastError();
    m_hDialog = FindTopLevelWindow(m_target.GetId(), kTargetCaption);
    ASSERT_NE(m_hDialog, (HWND)NULL) << "the target's dialog did not appear";
  }

  // Waits for the target to end and returns its exit code.
  DWORD EndCode() {
    EXPECT_TRUE(m_target.WaitForExit());
    return m_target.GetExitCode();
  }

  CDrivenProcess m_target;
  HWND m_hDialog = NULL;
};

TEST(HostPathTest, MapsHostPathsToDriveZ) {
  struct Case {
    const char* host;
    const char* windows;
  } cases[] = {
      {"/tmp/build/payload", "Z:\\tmp\\build\\payload"},
      {"/", "Z:\\"},
      {"C:/Windows", "C:\\Windows"},
      {"C:\\Program Files", "C:\\Program Files"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(HostPathToWindows(c.host), c.windows) << c.host;
}

TEST_F(DriverTest, FindsTheWindowOnlyByItsExactCaptionAndProcess) {
  EXPECT_EQ(GetWindowProcess(m_hDialog), m_target.GetId());
  EXPECT_EQ(FindTopLevelWindow(0, kTargetCaption), m_hDialog);
  EXPECT_EQ(FindTopLevelWindow(m_target.GetId(), "Driver", NULL, kShortTimeoutMs), (HWND)NULL);
  EXPECT_EQ(FindTopLevelWindow(m_target.GetId() + 4, kTargetCaption, NULL, kShortTimeoutMs), (HWND)NULL);
  EXPECT_EQ(FindTopLevelWindow(m_target.GetId(), kTargetCaption, "Edit", kShortTimeoutMs), (HWND)NULL);
  EXPECT_EQ(FindControl(m_hDialog, 999), (HWND)NULL);
  EXPECT_EQ(ReadWindowText(m_hDialog), kTargetCaption);
}

TEST_F(DriverTest, TypedTextReplacesTheEditContents) {
  HWND hEdit = FindControl(m_hDialog, kTargetEditId);
  ASSERT_NE(hEdit, (HWND)NULL);
  EXPECT_EQ(ReadWindowText(hEdit), "");
  ASSERT_TRUE(TypeText(hEdit, "C:\\First Folder"));
  EXPECT_EQ(ReadWindowText(hEdit), "C:\\First Folder");
  ASSERT_TRUE(TypeText(hEdit, "D:\\x"));
  EXPECT_EQ(ReadWindowText(hEdit), "D:\\x");
  ASSERT_TRUE(TypeText(hEdit, ""));
  EXPECT_EQ(ReadWindowText(hEdit), "");
}

TEST_F(DriverTest, ClickTogglesACheckBox) {
  HWND hCheck = FindControl(m_hDialog, kTargetCheckId);
  EXPECT_EQ(ReadCheckState(hCheck), BST_UNCHECKED);
  ASSERT_TRUE(ClickButton(hCheck));
  EXPECT_TRUE(PollUntil([hCheck] { return ReadCheckState(hCheck) == BST_CHECKED; }));
  ASSERT_TRUE(ClickButton(hCheck));
  EXPECT_TRUE(PollUntil([hCheck] { return ReadCheckState(hCheck) == BST_UNCHECKED; }));
}

TEST_F(DriverTest, HiddenAndDisabledButtonsCannotBeClicked) {
  HWND hDisabled = FindControl(m_hDialog, kTargetDisabledId);
  HWND hHidden = FindControl(m_hDialog, kTargetHiddenId);
  EXPECT_TRUE(IsShown(hDisabled));
  EXPECT_FALSE(IsEnabled(hDisabled));
  EXPECT_FALSE(IsShown(hHidden));
  EXPECT_TRUE(IsEnabled(hHidden));
  EXPECT_FALSE(ClickButton(hDisabled));
  EXPECT_FALSE(ClickButton(hHidden));
  EXPECT_FALSE(TypeText(hDisabled, "x"));
  // The command itself still reaches the dialog when posted directly.
  ASSERT_TRUE(PostButtonCommand(m_hDialog, kTargetDisabledId));
  EXPECT_EQ(EndCode(), (DWORD)kTargetEndedByDisabledButton);
}

TEST_F(DriverTest, EscapeEndsTheDialogWithCancel) {
  ASSERT_TRUE(PressEscape(m_hDialog));
  EXPECT_EQ(EndCode(), (DWORD)kTargetEndedByCancel);
  EXPECT_TRUE(WaitForWindowGone(m_hDialog));
  EXPECT_FALSE(PressEscape(m_hDialog));
}

TEST_F(DriverTest, CloseBoxEndsTheDialog) {
  ASSERT_TRUE(CloseWithCloseBox(m_hDialog));
  EXPECT_EQ(EndCode(), (DWORD)kTargetEndedByCloseBox);
  EXPECT_FALSE(CloseWithCloseBox(m_hDialog));
}

// Answering the box with a button ends the target with that button's id.
class DriverMessageBoxTest : public DriverTest, public ::testing::WithParamInterface<int> {};

TEST_P(DriverMessageBoxTest, MessageBoxIsFoundReadAndAnswered) {
  // The dialog itself has the same caption and class but is no message box.
  EXPECT_EQ(FindMessageBox(m_target.GetId(), kTargetCaption, kShortTimeoutMs), (HWND)NULL);
  ASSERT_TRUE(ClickButton(FindControl(m_hDialog, kTargetAskId)));
  HWND hBox = FindMessageBox(m_target.GetId(), kTargetCaption);
  ASSERT_NE(hBox, (HWND)NULL);
  EXPECT_EQ(ReadMessageBoxText(hBox), kTargetQuestion);
  EXPECT_TRUE(HasMessageBoxButton(hBox, IDYES));
  EXPECT_TRUE(HasMessageBoxButton(hBox, IDNO));
  EXPECT_FALSE(HasMessageBoxButton(hBox, IDOK));
  EXPECT_FALSE(AnswerMessageBox(hBox, IDOK, kShortTimeoutMs));
  ASSERT_TRUE(AnswerMessageBox(hBox, GetParam()));
  EXPECT_EQ(EndCode(), (DWORD)GetParam());
}

INSTANTIATE_TEST_SUITE_P(YesAndNo, DriverMessageBoxTest, ::testing::Values(IDYES, IDNO));

TEST_F(DriverTest, ProcessThatIsKeptRunningIsReportedAsSuch) {
  EXPECT_TRUE(m_target.IsRunning());
  EXPECT_EQ(m_target.GetExitCode(), (DWORD)STILL_ACTIVE);
  EXPECT_FALSE(m_target.WaitForExit(kShortTimeoutMs));
  EXPECT_FALSE(m_target.Start("\"" + HostPathToWindows(BX_DRIVER_TARGET) + "\""));

  CDrivenProcess attached;
  ASSERT_TRUE(attached.Attach(m_target.GetId()));
  EXPECT_NE(attached.GetImagePath().find("driver_target.exe"), std::string::npos) << attached.GetImagePath();
  ASSERT_TRUE(CloseWithCloseBox(m_hDialog));
  EXPECT_TRUE(attached.WaitForExit());
  EXPECT_EQ(attached.GetExitCode(), (DWORD)kTargetEndedByCloseBox);
}

TEST(DrivenProcessTest, StartOfAMissingProgramFails) {
  CDrivenProcess process;
  EXPECT_FALSE(process.Start("\"C:\\no such folder\\nothing.exe\""));
  EXPECT_FALSE(process.IsRunning());
  EXPECT_EQ(process.GetExitCode(), (DWORD)-1);
  EXPECT_FALSE(process.WaitForExit(kShortTimeoutMs));
  EXPECT_FALSE(process.Attach(0));
}

}  // namespace
