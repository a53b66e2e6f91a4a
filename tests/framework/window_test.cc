// CWnd on real windows: subclassing, routing through a message map to the
// original window procedure, the handle-to-object map, and the thin calls.
#include "framework/window.h"

#include <gtest/gtest.h>

namespace {

const UINT WM_APP_PING = WM_APP + 7;

// Answers WM_APP_PING itself; everything else goes to the window's own
// procedure.
class CPingWnd : public CWnd {
 public:
  int m_nPings = 0;

 protected:
  LRESULT OnPing(WPARAM wParam, LPARAM) {
    ++m_nPings;
    return static_cast<LRESULT>(wParam) * 2;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPingWnd, CWnd)
  ON_MESSAGE(WM_APP_PING, OnPing)
END_MESSAGE_MAP()

// A top-level "Edit" window of this thread, destroyed with the fixture.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_hEdit = ::CreateWindowExA(0, "EDIT", "first", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 120, nullptr,
                                nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(m_hEdit, nullptr);
    m_pfnOriginal = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hEdit, GWLP_WNDPROC));
  }
  void TearDown() override {
    if (::IsWindow(m_hEdit)) ::DestroyWindow(m_hEdit);
  }

  HWND m_hEdit = nullptr;
  WNDPROC m_pfnOriginal = nullptr;
};

TEST_F(WindowTest, SubclassedWindowRoutesItsMapAndLeavesTheRestToTheOriginal) {
  CPingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(m_hEdit));
  EXPECT_EQ(wnd.GetSafeHwnd(), m_hEdit);
  EXPECT_EQ(CWnd::FromHandle(m_hEdit), &wnd);
  EXPECT_EQ(wnd.SendMessage(WM_APP_PING, 21), 42);
  EXPECT_EQ(wnd.m_nPings, 1);
  // WM_SETTEXT and WM_GETTEXT are not in the map: the edit control's own
  // procedure keeps the text.
  wnd.SetWindowText("C:\\Program Files\\Brindlewax\\");
  CString strText;
  wnd.GetWindowText(strText);
  EXPECT_EQ(strText, "C:\\Program Files\\Brindlewax\\");
}

TEST_F(WindowTest, UnsubclassGivesBackTheOriginalProcedure) {
  CPingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(m_hEdit));
  EXPECT_EQ(wnd.UnsubclassWindow(), m_hEdit);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hEdit, GWLP_WNDPROC)), m_pfnOriginal);
  EXPECT_EQ(CWnd::FromHandle(m_hEdit), nullptr);
  EXPECT_EQ(wnd.GetSafeHwnd(), nullptr);
  EXPECT_EQ(::SendMessageA(m_hEdit, WM_APP_PING, 21, 0), 0);
  EXPECT_EQ(wnd.m_nPings, 0);
  EXPECT_EQ(wnd.UnsubclassWindow(), nullptr);
}

TEST_F(WindowTest, ObjectDestroyedFirstGivesTheWindowBack) {
  {
    CPingWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(m_hEdit));
  }
  EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hEdit, GWLP_WNDPROC)), m_pfnOriginal);
  EXPECT_EQ(CWnd::FromHandle(m_hEdit), nullptr);
  ::SetWindowTextA(m_hEdit, "still works");
  char szText[32] = {};
  ::GetWindowTextA(m_hEdit, szText, sizeof(szText));
  EXPECT_STREQ(szText, "still works");
}

TEST_F(WindowTest, WindowDestroyedFirstLetsTheObjectGo) {
  CPingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(m_hEdit));
  ::DestroyWindow(m_hEdit);
  EXPECT_EQ(wnd.GetSafeHwnd(), nullptr);
  EXPECT_FALSE(wnd.IsWindow());
}

TEST_F(WindowTest, RefusesASecondOwnerASecondWindowAndNoWindow) {
  CPingWnd first, second;
  EXPECT_FALSE(first.SubclassWindow(nullptr));
  ASSERT_TRUE(first.SubclassWindow(m_hEdit));
  EXPECT_FALSE(second.SubclassWindow(m_hEdit));
  EXPECT_EQ(CWnd::FromHandle(m_hEdit), &first);

  HWND hOther = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(hOther, nullptr);
  EXPECT_FALSE(first.SubclassWindow(hOther));
  EXPECT_EQ(CWnd::FromHandle(hOther), nullptr);
  ::DestroyWindow(hOther);
}

TEST_F(WindowTest, SubclassDlgItemFindsTheChildById) {
  HWND hChild = ::CreateWindowExA(0, "BUTTON", "child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, m_hEdit,
                                  reinterpret_cast<HMENU>(1234), ::GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(hChild, nullptr);
  CPingWnd parent, child, missing;
  ASSERT_TRUE(parent.SubclassWindow(m_hEdit));
  EXPECT_EQ(parent.GetDlgItem(1234), hChild);
  EXPECT_FALSE(missing.SubclassDlgItem(4321, &parent));
  ASSERT_TRUE(child.SubclassDlgItem(1234, &parent));
  EXPECT_EQ(child.GetSafeHwnd(), hChild);
}

TEST_F(WindowTest, ThinCallsReachTheWindow) {
  CPingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(m_hEdit));

  RECT rcClient = {};
  wnd.GetClientRect(&rcClient);
  RECT rcExpected = {};
  ::GetClientRect(m_hEdit, &rcExpected);
  EXPECT_EQ(rcClient.right, rcExpected.right);
  EXPECT_GT(rcClient.right, 0);

  wnd.EnableWindow(FALSE);
  EXPECT_FALSE(::IsWindowEnabled(m_hEdit));
  wnd.EnableWindow(TRUE);
  EXPECT_TRUE(::IsWindowEnabled(m_hEdit));

  HICON hIcon = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  EXPECT_EQ(wnd.SetIcon(hIcon, TRUE), nullptr);
  EXPECT_EQ(wnd.SetIcon(hIcon, FALSE), nullptr);
  EXPECT_EQ(wnd.SetIcon(nullptr, TRUE), hIcon);
  EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(m_hEdit, WM_GETICON, ICON_SMALL, 0)), hIcon);

  EXPECT_FALSE(wnd.IsIconic());
  wnd.ShowWindow(SW_MINIMIZE);
  EXPECT_TRUE(wnd.IsIconic());
  wnd.ShowWindow(SW_RESTORE);
  EXPECT_FALSE(wnd.IsIconic());
  wnd.ShowWindow(SW_HIDE);
  EXPECT_FALSE(::IsWindowVisible(m_hEdit));
  wnd.ShowWindow(SW_SHOW);
  EXPECT_TRUE(::IsWindowVisible(m_hEdit));

  ::UpdateWindow(m_hEdit);
  wnd.InvalidateRect(nullptr);
  EXPECT_TRUE(::GetUpdateRect(m_hEdit, nullptr, FALSE));
  EXPECT_TRUE(wnd.RedrawWindow(nullptr, nullptr, RDW_UPDATENOW));
  EXPECT_FALSE(::GetUpdateRect(m_hEdit, nullptr, FALSE));
}

TEST(WindowTextTest, ReadsTheWholeTextOrNothing) {
  HWND hWnd = ::CreateWindowExA(0, "STATIC", " padded \t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(hWnd, nullptr);
  CString strText("previous content that is longer");
  ReadWindowText(hWnd, strText);
  EXPECT_EQ(strText, " padded \t");
  ::SetWindowTextA(hWnd, "");
  ReadWindowText(hWnd, strText);
  EXPECT_TRUE(strText.IsEmpty());
  ::DestroyWindow(hWnd);
  strText = "x";
  ReadWindowText(hWnd, strText);
  EXPECT_TRUE(strText.IsEmpty());
}

}  // namespace
