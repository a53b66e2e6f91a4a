// AfxMessageBox: caption, icon and answer, seen through the test hook and on
// one real box; and the application name it takes its caption from.
#include "framework/message_box.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "framework/app.h"
#include "framework/window.h"
#include "framework/string.h"

namespace {

// The program's application object, constructed without a name.
CWinApp theApp;

struct SeenBox {
  CString strText;
  CString strCaption;
  UINT nType;
};

std::vector<SeenBox>* g_pSeen = nullptr;
int g_nAnswer = IDOK;

int RecordingHook(const char* pszText, const char* pszCaption, UINT nType) {
  g_pSeen->push_back({pszText, pszCaption, nType});
  return g_nAnswer;
}

class MessageBoxHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_pSeen = &m_seen;
    m_pfnPrevious = SetMessageBoxHook(&RecordingHook);
  }
  void TearDown() override {
    EXPECT_EQ(SetMessageBoxHook(m_pfnPrevious), &RecordingHook);
    g_pSeen = nullptr;
  }

  std::vector<SeenBox> m_seen;
  MessageBoxHook m_pfnPrevious = nullptr;
};

TEST_F(MessageBoxHookTest, CaptionIsTheProgramNameWithoutItsExtension) {
  EXPECT_EQ(AfxGetApp(), &theApp);
  EXPECT_EQ(theApp.m_strAppName, "framework_message_box_test");
  g_nAnswer = IDNO;
  EXPECT_EQ(AfxMessageBox("This will install Brindlewax. Do You want to continue?", MB_YESNO), IDNO);
  ASSERT_EQ(m_seen.size(), 1u);
  EXPECT_EQ(m_seen[0].strText, "This will install Brindlewax. Do You want to continue?");
  EXPECT_EQ(m_seen[0].strCaption, "framework_message_box_test");
}

struct IconCase {
  UINT nType;
  UINT nShown;
};

class MessageBoxIconTest : public MessageBoxHookTest, public ::testing::WithParamInterface<IconCase> {};

TEST_P(MessageBoxIconTest, ExclamationIsAddedOnlyWhenNoIconIsGiven) {
  g_nAnswer = IDOK;
  AfxMessageBox("text", GetParam().nType);
  ASSERT_EQ(m_seen.size(), 1u);
  EXPECT_EQ(m_seen[0].nType, GetParam().nShown);
}

INSTANTIATE_TEST_SUITE_P(
    Types, MessageBoxIconTest,
    ::testing::Values(IconCase{MB_OK, MB_OK | MB_ICONEXCLAMATION},
                      IconCase{MB_YESNO, MB_YESNO | MB_ICONEXCLAMATION},
                      IconCase{MB_OKCANCEL | MB_DEFBUTTON2, MB_OKCANCEL | MB_DEFBUTTON2 | MB_ICONEXCLAMATION},
                      IconCase{MB_OK | MB_ICONINFORMATION, MB_OK | MB_ICONINFORMATION},
                      IconCase{MB_YESNO | MB_ICONQUESTION, MB_YESNO | MB_ICONQUESTION},
                      IconCase{MB_OK | MB_ICONSTOP, MB_OK | MB_ICONSTOP}));

TEST(MessageBoxHookSwapTest, ReturnsThePreviousHook) {
  MessageBoxHook pfnBefore = SetMessageBoxHook(&RecordingHook);
  EXPECT_EQ(pfnBefore, nullptr);
  EXPECT_EQ(SetMessageBoxHook(nullptr), &RecordingHook);
}

// What the answering thread found on the real box.
struct RealBox {
  CString strText;
  bool bExclamationIcon = false;
};

BOOL CALLBACK InspectChild(HWND hChild, LPARAM lParam) {
  RealBox* pBox = reinterpret_cast<RealBox*>(lParam);
  char szClass[32] = {};
  ::GetClassNameA(hChild, szClass, sizeof(szClass));
  if (lstrcmpiA(szClass, "Static") != 0) return TRUE;
  if ((::GetWindowLongA(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    HICON hShown = reinterpret_cast<HICON>(::SendMessageA(hChild, STM_GETICON, 0, 0));
    pBox->bExclamationIcon = hShown != nullptr && hShown == ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_EXCLAMATION));
  } else {
    CString strText;
    ReadWindowText(hChild, strText);
    if (!strText.IsEmpty()) pBox->strText = strText;
  }
  return TRUE;
}

TEST(MessageBoxTest, RealBoxHasTheCaptionTheTextAndTheExclamationIcon) {
  ASSERT_EQ(SetMessageBoxHook(nullptr), nullptr);
  RealBox box;
  std::thread answerer([&box] {
    HWND hBox = nullptr;
    while ((hBox = ::FindWindowA("#32770", "framework_message_box_test")) == nullptr) ::Sleep(20);
    ::EnumChildWindows(hBox, &InspectChild, reinterpret_cast<LPARAM>(&box));
    ::PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
  });
  int nAnswer = AfxMessageBox("Directory already exist, overwrite", MB_YESNO);
  answerer.join();
  EXPECT_EQ(nAnswer, IDNO);
  EXPECT_EQ(box.strText, "Directory already exist, overwrite");
  EXPECT_TRUE(box.bExclamationIcon);
}

struct NameCase {
  const char* pszPath;
  const char* pszName;
};

class AppNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(AppNameTest, IsTheFileNameWithoutItsExtension) {
  EXPECT_EQ(AppNameFromModulePath(GetParam().pszPath), GetParam().pszName);
}

INSTANTIATE_TEST_SUITE_P(Paths, AppNameTest,
                         ::testing::Values(NameCase{"C:\\Users\\me\\Downloads\\BxSetup.exe", "BxSetup"},
                                           NameCase{"C:\\dir.with.dots\\BxSetup.exe", "BxSetup"},
                                           NameCase{"C:\\dir\\setup.1.0.exe", "setup.1.0"},
                                           NameCase{"C:\\dir.x\\noextension", "noextension"},
                                           NameCase{"Z:/tmp/build/BxSetup.exe", "BxSetup"},
                                           NameCase{"BxSetup.exe", "BxSetup"}));

}  // namespace
