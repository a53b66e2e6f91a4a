// Modal dialogs of the window layer, driven from inside: each test gives the
// dialog a list of steps that run one after another from its own modal loop
// (each step is a posted message), and the steps click buttons, press keys
// and look at the controls as a user's actions would.
#include "framework/dialog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "framework/app.h"
#include "framework/controls.h"
#include "tests/framework/test_dialog_ids.h"

namespace {

const UINT WM_APP_STEP = WM_APP + 1;

class CTestDlg : public CDialog {
 public:
  using Step = std::function<void(CTestDlg&)>;

  CTestDlg() : CDialog(IDD_TEST_DIALOG) {}

  std::vector<Step> m_steps;
  // Runs inside OnInitDialog, after the base's initialisation.
  Step m_fnOnInit;
  // Runs inside the Action button's handler, after it has been counted.
  Step m_fnOnAction;
  // When nonzero, the exchange also binds this control id, which the
  // template lacks.
  int m_nMissingId = 0;

  CButton m_btnAction;
  CEdit m_editText;
  CString m_strText;
  CString m_strLabel;
  int m_nChoice = 0;

  int m_nActionClicks = 0;
  int m_nOtherClicks = 0;
  int m_nPaints = 0;

  void Click(int nID) {
    ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(nID)));
  }
  // Lets every message posted so far be handled, nested in the caller.
  void Drain() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (m_fnOnInit) m_fnOnInit(*this);
    m_nNextStep = 0;
    if (!m_steps.empty()) ::PostMessageA(m_hWnd, WM_APP_STEP, 0, 0);
    return TRUE;
  }

  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEST_ACTION, m_btnAction);
    DDX_Control(pDX, IDC_TEST_EDIT, m_editText);
    DDX_Text(pDX, IDC_TEST_EDIT, m_strText);
    DDX_Text(pDX, IDC_TEST_LABEL, m_strLabel);
    DDX_Radio(pDX, IDC_RADIO_A, m_nChoice);
    if (m_nMissingId != 0) DDX_Text(pDX, m_nMissingId, m_strText);
  }

  void OnPaint() {
    ++m_nPaints;
    CDialog::OnPaint();
  }
  void OnAction() {
    ++m_nActionClicks;
    if (m_fnOnAction) m_fnOnAction(*this);
  }
  void OnOther() { ++m_nOtherClicks; }
  LRESULT OnStep(WPARAM, LPARAM) {
    size_t nStep = m_nNextStep++;
    if (m_nNextStep < m_steps.size()) ::PostMessageA(m_hWnd, WM_APP_STEP, 0, 0);
    m_steps[nStep](*this);
    return 0;
  }

  DECLARE_MESSAGE_MAP()

 private:
  size_t m_nNextStep = 0;
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
  ON_WM_PAINT()
  ON_BN_CLICKED(IDC_TEST_ACTION, OnAction)
  ON_BN_CLICKED(IDC_TEST_OTHER, OnOther)
  ON_MESSAGE(WM_APP_STEP, OnStep)
END_MESSAGE_MAP()

// A dialog class below the test dialog: its own table takes the Other
// button; everything else still goes to the test dialog's table and CDialog's.
class CDerivedTestDlg : public CTestDlg {
 public:
  int m_nDerivedOtherClicks = 0;

 protected:
  void OnOtherHere() { ++m_nDerivedOtherClicks; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTestDlg, CTestDlg)
  ON_BN_CLICKED(IDC_TEST_OTHER, OnOtherHere)
END_MESSAGE_MAP()

// A real click, through the button's own window procedure.
void PressButton(CTestDlg& dlg, int nID) { ::SendMessageA(dlg.GetDlgItem(nID), BM_CLICK, 0, 0); }

CString ControlText(CTestDlg& dlg, int nID) {
  CString strText;
  ReadWindowText(dlg.GetDlgItem(nID), strText);
  return strText;
}

bool IsChecked(CTestDlg& dlg, int nID) {
  return ::SendMessageA(dlg.GetDlgItem(nID), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecks(CTestDlg& dlg, bool bA, bool bB, bool bC) {
  ::CheckDlgButton(dlg.m_hWnd, IDC_RADIO_A, bA ? BST_CHECKED : BST_UNCHECKED);
  ::CheckDlgButton(dlg.m_hWnd, IDC_RADIO_B, bB ? BST_CHECKED : BST_UNCHECKED);
  ::CheckDlgButton(dlg.m_hWnd, IDC_RADIO_C, bC ? BST_CHECKED : BST_UNCHECKED);
}

TEST(DialogTest, MissingTemplateGivesMinusOne) {
  CDialog dlg(IDD_MISSING_DIALOG);
  EXPECT_EQ(dlg.DoModal(), -1);
  EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

TEST(DialogTest, RoutesClicksByControlIdThroughTheChainedTables) {
  CDerivedTestDlg dlg;
  int nOkClicksSeen = -1;
  dlg.m_steps = {
      [](CTestDlg& d) {
        PressButton(d, IDC_TEST_ACTION);
        PressButton(d, IDC_TEST_ACTION);
        PressButton(d, IDC_TEST_OTHER);
        // A notification other than BN_CLICKED from the same control.
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TEST_ACTION, BN_DOUBLECLICKED),
                      reinterpret_cast<LPARAM>(d.GetDlgItem(IDC_TEST_ACTION)));
        // A click from a control without an entry.
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RADIO_B, BN_CLICKED),
                      reinterpret_cast<LPARAM>(d.GetDlgItem(IDC_RADIO_B)));
      },
      [&](CTestDlg& d) {
        nOkClicksSeen = d.m_nActionClicks;
        PressButton(d, IDOK);  // no entry in either test table: CDialog's OnOK
      },
  };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(nOkClicksSeen, 2);
  EXPECT_EQ(dlg.m_nActionClicks, 2);
  EXPECT_EQ(dlg.m_nDerivedOtherClicks, 1);
  EXPECT_EQ(dlg.m_nOtherClicks, 0);
}

struct EndCase {
  const char* pszName;
  std::function<void(CTestDlg&)> fnAct;
  INT_PTR nExpected;
};

class DialogEndTest : public ::testing::TestWithParam<EndCase> {};

TEST_P(DialogEndTest, EndsWithTheCodeOfTheWayOut) {
  CTestDlg dlg;
  dlg.m_steps = {GetParam().fnAct};
  EXPECT_EQ(dlg.DoModal(), GetParam().nExpected);
  EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    WaysOut, DialogEndTest,
    ::testing::Values(
        EndCase{"OkButton", [](CTestDlg& d) { PressButton(d, IDOK); }, IDOK},
        EndCase{"CancelButton", [](CTestDlg& d) { PressButton(d, IDCANCEL); }, IDCANCEL},
        EndCase{"EscapeKey",
                [](CTestDlg& d) {
                  ::PostMessageA(d.GetDlgItem(IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 1);
                  ::PostMessageA(d.GetDlgItem(IDC_TEST_EDIT), WM_KEYUP, VK_ESCAPE, 0xC0000001);
                },
                IDCANCEL},
        EndCase{"CloseBox", [](CTestDlg& d) { ::PostMessageA(d.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
        EndCase{"EndDialogFromAHandler",
                [](CTestDlg& d) {
                  d.m_fnOnAction = [](CTestDlg& inner) { inner.EndDialog(42); };
                  PressButton(d, IDC_TEST_ACTION);
                },
                42}),
    [](const ::testing::TestParamInfo<EndCase>& info) { return info.param.pszName; });

TEST(DialogTest, LastEndRequestWinsWhenTheHandlerEndsAfterANestedCancel) {
  CTestDlg dlg;
  bool bWindowKeptThroughTheDrain = false;
  dlg.m_fnOnAction = [&](CTestDlg& d) {
    d.Click(IDCANCEL);
    d.Drain();  // OnCancel runs here, nested in this handler
    bWindowKeptThroughTheDrain = d.IsWindow() && ::IsWindowVisible(d.m_hWnd);
    d.EndDialog(1002);
  };
  dlg.m_steps = {[](CTestDlg& d) { PressButton(d, IDC_TEST_ACTION); }};
  EXPECT_EQ(dlg.DoModal(), 1002);
  EXPECT_TRUE(bWindowKeptThroughTheDrain);
}

TEST(DialogTest, LastEndRequestWinsWhenANestedCancelComesAfterTheHandlersEnd) {
  CTestDlg dlg;
  dlg.m_fnOnAction = [](CTestDlg& d) {
    d.EndDialog(1002);
    d.Click(IDCANCEL);
    d.Drain();
  };
  dlg.m_steps = {[](CTestDlg& d) { PressButton(d, IDC_TEST_ACTION); }};
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(DialogTest, QuitMessageEndsTheLoopAndIsPostedAgain) {
  CTestDlg dlg;
  dlg.m_steps = {[](CTestDlg&) { ::PostQuitMessage(3); }};
  EXPECT_EQ(dlg.DoModal(), -1);
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST(DialogTest, FillsTheControlsFromTheMembersAtInitialisation) {
  CTestDlg dlg;
  dlg.m_strText = "  C:\\Program Files\\Brindlewax\\  ";
  dlg.m_strLabel = "";
  dlg.m_nChoice = 2;
  CString strEdit("unset"), strLabel("unset");
  bool bChecks[3] = {true, true, false};
  bool bAfterGroupChecked = true;
  dlg.m_steps = {[&](CTestDlg& d) {
    strEdit = ControlText(d, IDC_TEST_EDIT);
    strLabel = ControlText(d, IDC_TEST_LABEL);
    bChecks[0] = IsChecked(d, IDC_RADIO_A);
    bChecks[1] = IsChecked(d, IDC_RADIO_B);
    bChecks[2] = IsChecked(d, IDC_RADIO_C);
    bAfterGroupChecked = IsChecked(d, IDC_AFTER_GROUP);
    PressButton(d, IDCANCEL);
  }};
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(strEdit, "  C:\\Program Files\\Brindlewax\\  ");
  EXPECT_EQ(strLabel, "");  // the template text is replaced by the empty member
  EXPECT_FALSE(bChecks[0]);
  EXPECT_FALSE(bChecks[1]);
  EXPECT_TRUE(bChecks[2]);  // index 2: the static inside the group is not counted
  EXPECT_FALSE(bAfterGroupChecked);
}

struct RadioCase {
  bool bA, bB, bC;
  bool bAfterGroup;
  int nExpected;
};

class DialogRadioTest : public ::testing::TestWithParam<RadioCase> {};

TEST_P(DialogRadioTest, OkReadsTheIndexOfTheCheckedButton) {
  const RadioCase& c = GetParam();
  CTestDlg dlg;
  dlg.m_nChoice = 0;
  dlg.m_steps = {[&](CTestDlg& d) {
    SetChecks(d, c.bA, c.bB, c.bC);
    ::CheckDlgButton(d.m_hWnd, IDC_AFTER_GROUP, c.bAfterGroup ? BST_CHECKED : BST_UNCHECKED);
    PressButton(d, IDOK);
  }};
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_nChoice, c.nExpected);
}

INSTANTIATE_TEST_SUITE_P(Group, DialogRadioTest,
                         ::testing::Values(RadioCase{true, false, false, false, 0},
                                           RadioCase{false, true, false, false, 1},
                                           RadioCase{false, false, true, false, 2},
                                           RadioCase{false, false, false, false, -1},
                                           RadioCase{false, false, false, true, -1}));

TEST(DialogTest, OkReadsTheTextExactlyAsTyped) {
  CTestDlg dlg;
  dlg.m_strText = "default";
  dlg.m_steps = {[](CTestDlg& d) {
    ::SetWindowTextA(d.GetDlgItem(IDC_TEST_EDIT), " D:\\Games\\ \t");
    PressButton(d, IDOK);
  }};
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_strText, " D:\\Games\\ \t");
}

TEST(DialogTest, CancelLeavesTheMembersAsTheyWere) {
  CTestDlg dlg;
  dlg.m_strText = "default";
  dlg.m_steps = {[](CTestDlg& d) {
    ::SetWindowTextA(d.GetDlgItem(IDC_TEST_EDIT), "typed");
    PressButton(d, IDCANCEL);
  }};
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_strText, "default");
}

TEST(DialogTest, ControlBindingTakesOverTheControlUntilTheDialogEnds) {
  CTestDlg dlg;
  HWND hAction = nullptr;
  CWnd* pFound = nullptr;
  dlg.m_steps = {[&](CTestDlg& d) {
    hAction = d.GetDlgItem(IDC_TEST_ACTION);
    pFound = CWnd::FromHandle(hAction);
    // A second exchange keeps the same window.
    EXPECT_TRUE(d.UpdateData(TRUE));
    EXPECT_EQ(d.m_btnAction.GetSafeHwnd(), hAction);
    PressButton(d, IDCANCEL);
  }};
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  ASSERT_NE(hAction, nullptr);
  EXPECT_EQ(pFound, &dlg.m_btnAction);
  EXPECT_EQ(dlg.m_btnAction.GetSafeHwnd(), nullptr);
  EXPECT_FALSE(dlg.m_btnAction.IsWindow());
  EXPECT_EQ(dlg.m_editText.GetSafeHwnd(), nullptr);
}

TEST(DialogTest, OkDoesNotEndWhenABindingFails) {
  CTestDlg dlg;
  dlg.m_nMissingId = IDC_MISSING_CONTROL;
  dlg.m_strText = "kept";
  BOOL bExchanged = TRUE;
  int nActionAfterOk = 0;
  dlg.m_steps = {
      [&](CTestDlg& d) {
        bExchanged = d.UpdateData(TRUE);
        PressButton(d, IDOK);
      },
      [&](CTestDlg& d) {
        // Still running: the Action click is handled, then Cancel ends it.
        PressButton(d, IDC_TEST_ACTION);
        nActionAfterOk = d.m_nActionClicks;
        PressButton(d, IDCANCEL);
      },
  };
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_FALSE(bExchanged);
  EXPECT_EQ(nActionAfterOk, 1);
}

TEST(DialogTest, ShowsItselfAndIsCentredOnTheWorkArea) {
  CTestDlg dlg;
  bool bVisible = false;
  RECT rcWindow = {}, rcWork = {};
  dlg.m_steps = {[&](CTestDlg& d) {
    bVisible = ::IsWindowVisible(d.m_hWnd) != FALSE;
    ::GetWindowRect(d.m_hWnd, &rcWindow);
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoA(::MonitorFromWindow(d.m_hWnd, MONITOR_DEFAULTTONEAREST), &info);
    rcWork = info.rcWork;
    PressButton(d, IDCANCEL);
  }};
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_TRUE(bVisible);
  int nLeftGap = rcWindow.left - rcWork.left, nRightGap = rcWork.right - rcWindow.right;
  int nTopGap = rcWindow.top - rcWork.top, nBottomGap = rcWork.bottom - rcWindow.bottom;
  EXPECT_GT(nLeftGap, 0);
  EXPECT_GT(nTopGap, 0);
  EXPECT_LE(std::abs(nLeftGap - nRightGap), 1);
  EXPECT_LE(std::abs(nTopGap - nBottomGap), 1);
}

TEST(DialogTest, StaysWhereItsInitialisationMovedIt) {
  CTestDlg dlg;
  RECT rcWindow = {};
  dlg.m_fnOnInit = [](CTestDlg& d) {
    ::SetWindowPos(d.m_hWnd, nullptr, 17, 23, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  };
  dlg.m_steps = {[&](CTestDlg& d) {
    ::GetWindowRect(d.m_hWnd, &rcWindow);
    PressButton(d, IDCANCEL);
  }};
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(rcWindow.left, 17);
  EXPECT_EQ(rcWindow.top, 23);
}

TEST(DialogTest, PaintHandlerThatPassesOnLeavesNothingToPaint) {
  CTestDlg dlg;
  int nPaintsBefore = 0, nPaintsAfter = 0;
  BOOL bStillInvalid = TRUE;
  dlg.m_steps = {[&](CTestDlg& d) {
    ::UpdateWindow(d.m_hWnd);
    nPaintsBefore = d.m_nPaints;
    d.InvalidateRect(nullptr, TRUE);
    ::UpdateWindow(d.m_hWnd);
    nPaintsAfter = d.m_nPaints;
    bStillInvalid = ::GetUpdateRect(d.m_hWnd, nullptr, FALSE);
    PressButton(d, IDCANCEL);
  }};
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(nPaintsAfter, nPaintsBefore + 1);
  EXPECT_FALSE(bStillInvalid);  // the default processing validated the window
}

// What one scripted run through the dialog left behind.
struct RunOutcome {
  INT_PTR nResult;
  int nActionClicks;
  CString strText;
  int nChoice;
  RECT rcWindow;
};

RunOutcome RunScripted(CTestDlg& dlg) {
  RunOutcome outcome = {};
  dlg.m_steps = {[&](CTestDlg& d) {
    ::GetWindowRect(d.m_hWnd, &outcome.rcWindow);
    PressButton(d, IDC_TEST_ACTION);
    ::SetWindowTextA(d.GetDlgItem(IDC_TEST_EDIT), d.m_strText + "+");
    SetChecks(d, false, true, false);
    PressButton(d, IDOK);
  }};
  outcome.nResult = dlg.DoModal();
  outcome.nActionClicks = dlg.m_nActionClicks;
  outcome.strText = dlg.m_strText;
  outcome.nChoice = dlg.m_nChoice;
  return outcome;
}

void ExpectSameRun(const RunOutcome& first, const RunOutcome& second) {
  EXPECT_EQ(second.nResult, first.nResult);
  EXPECT_EQ(second.nActionClicks, first.nActionClicks);
  EXPECT_EQ(second.strText, first.strText);
  EXPECT_EQ(second.nChoice, first.nChoice);
  EXPECT_EQ(second.rcWindow.left, first.rcWindow.left);
  EXPECT_EQ(second.rcWindow.top, first.rcWindow.top);
}

TEST(DialogTest, TwoDialogsInARowBehaveAlike) {
  RunOutcome first, second;
  {
    CTestDlg dlg;
    dlg.m_strText = "x";
    first = RunScripted(dlg);
  }
  {
    CTestDlg dlg;
    dlg.m_strText = "x";
    second = RunScripted(dlg);
  }
  EXPECT_EQ(first.nResult, IDOK);
  EXPECT_EQ(first.strText, "x+");
  EXPECT_EQ(first.nChoice, 1);
  ExpectSameRun(first, second);
}

TEST(DialogTest, OneObjectRunsTwiceAlike) {
  CTestDlg dlg;
  dlg.m_strText = "x";
  RunOutcome first = RunScripted(dlg);
  dlg.m_nActionClicks = 0;
  dlg.m_strText = "x";
  RunOutcome second = RunScripted(dlg);
  EXPECT_EQ(first.nResult, IDOK);
  ExpectSameRun(first, second);
}

TEST(DialogTest, NestedDoModalOfARunningObjectIsRefused) {
  CTestDlg dlg;
  INT_PTR nNested = 0;
  dlg.m_steps = {[&](CTestDlg& d) {
    nNested = d.DoModal();
    PressButton(d, IDCANCEL);
  }};
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(nNested, -1);
}

}  // namespace
