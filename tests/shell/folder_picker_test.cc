// CFolderPicker: the initial-folder clean-up, the callback against a real
// window that records what it is sent, and real browse windows opened by
// Browse and answered from a second thread.
#include "shell/folder_picker.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "framework/window.h"

namespace {

// A picker whose protected state the tests can see and set, and whose
// ValidateFolder records every path it is asked about.
class CProbePicker : public CFolderPicker {
 public:
  using CFolderPicker::TidyInitialFolder;
  const CString& InitialFolder() const { return m_strInitialFolder; }
  void EnableStatusText() { m_bStatusText = 1; }

  // When set, ValidateFolder answers `m_bAnswer` with status "checked <path>".
  bool m_bOverride = false;
  BOOL m_bAnswer = TRUE;
  std::vector<std::string> m_validatedPaths;

 protected:
  BOOL ValidateFolder(const CString& path, CString& statusText) override {
    m_validatedPaths.push_back(path.GetString());
    if (!m_bOverride) return CFolderPicker::ValidateFolder(path, statusText);
    statusText = "checked " + path;
    return m_bAnswer;
  }
};

struct RecordedMessage {
  UINT nMessage;
  WPARAM wParam;
  LPARAM lParam;
  std::string strText;  // the text that lParam pointed at, for text messages
};

std::vector<RecordedMessage> g_recorded;

LRESULT CALLBACK RecorderProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case BFFM_SETSELECTIONA:
    case BFFM_SETSTATUSTEXTA:
    case WM_SETTEXT:
      g_recorded.push_back({message, wParam, lParam, reinterpret_cast<const char*>(lParam)});
      break;
    case BFFM_ENABLEOK:
      g_recorded.push_back({message, wParam, lParam, ""});
      break;
    default:
      break;
  }
  return DefWindowProcA(hWnd, message, wParam, lParam);
}

class FolderPickerCallbackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecorderProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "BxRecorder";
    RegisterClassA(&windowClass);
    m_hRecorder = CreateWindowA("BxRecorder", "shell's own caption", WS_OVERLAPPEDWINDOW, 0, 0,
                                200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(m_hRecorder, nullptr);
    g_recorded.clear();
  }
  void TearDown() override {
    DestroyWindow(m_hRecorder);
    CoUninitialize();
  }

  int Call(CFolderPicker& picker, UINT message, LPARAM lParam) {
    return CFolderPicker::BrowseCallback(m_hRecorder, message, lParam,
                                         reinterpret_cast<LPARAM>(&picker));
  }

  std::string WindowText() const {
    char szText[256] = "";
    GetWindowTextA(m_hRecorder, szText, sizeof(szText));
    return szText;
  }

  HWND m_hRecorder = nullptr;
};

struct TidyCase {
  const char* szLabel;
  const char* szGiven;
  const char* szSelected;  // empty: no selection message at all
};

class InitialFolderTest : public FolderPickerCallbackTest,
                          public ::testing::WithParamInterface<TidyCase> {};

TEST_P(InitialFolderTest, IsCleanedThenSelected) {
  CProbePicker picker;
  picker.SetInitialFolder(GetParam().szGiven);
  picker.TidyInitialFolder();
  EXPECT_STREQ(picker.InitialFolder().GetString(), GetParam().szSelected);

  EXPECT_EQ(Call(picker, BFFM_INITIALIZED, 0), 0);
  if (*GetParam().szSelected == '\0') {
    EXPECT_TRUE(g_recorded.empty());
  } else {
    ASSERT_EQ(g_recorded.size(), 1u);
    EXPECT_EQ(g_recorded[0].nMessage, static_cast<UINT>(BFFM_SETSELECTIONA));
    EXPECT_EQ(g_recorded[0].wParam, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(g_recorded[0].strText, GetParam().szSelected);
  }
  // Without a caption the shell's own stays.
  EXPECT_EQ(WindowText(), "shell's own caption");
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, InitialFolderTest,
    ::testing::Values(
        TidyCase{"TrailingBackslash", "C:\\Program Files\\Brindlewax\\", "C:\\Program Files\\Brindlewax"},
        TidyCase{"NoSeparator", "C:\\Program Files\\Brindlewax", "C:\\Program Files\\Brindlewax"},
        TidyCase{"DriveRoot", "C:\\", "C:"},
        TidyCase{"TwoBackslashesKeepOne", "C:\\data\\\\", "C:\\data\\"},
        TidyCase{"BackslashThenBlanks", "C:\\data\\   ", "C:\\data"},
        TidyCase{"BackslashThenMixedWhiteSpace", "C:\\data\\ \t\r\n", "C:\\data"},
        TidyCase{"BlankBeforeBackslashStays", "C:\\data \\", "C:\\data "},
        TidyCase{"ForwardSlash", "C:/data/", "C:/data"},
        TidyCase{"OnlyOneOfMixedSeparators", "C:\\data/\\", "C:\\data/"},
        TidyCase{"OnlyABackslash", "\\", ""},
        TidyCase{"OnlyBlanks", "   ", ""},
        TidyCase{"Empty", "", ""}),
    [](const ::testing::TestParamInfo<TidyCase>& info) { return std::string(info.param.szLabel); });

TEST_F(FolderPickerCallbackTest, InitializedSelectsThenSetsTheCaption) {
  CProbePicker picker;
  picker.SetInitialFolder("C:\\windows");
  picker.SetCaption("Select Installation Directory");
  EXPECT_EQ(Call(picker, BFFM_INITIALIZED, 0), 0);
  ASSERT_EQ(g_recorded.size(), 2u);
  EXPECT_EQ(g_recorded[0].nMessage, static_cast<UINT>(BFFM_SETSELECTIONA));
  EXPECT_EQ(g_recorded[0].strText, "C:\\windows");
  EXPECT_EQ(g_recorded[1].nMessage, static_cast<UINT>(WM_SETTEXT));
  EXPECT_EQ(WindowText(), "Select Installation Directory");
}

TEST_F(FolderPickerCallbackTest, InitializedWithCaptionOnlySendsNoSelection) {
  CProbePicker picker;
  picker.SetCaption("Select Installation Directory");
  Call(picker, BFFM_INITIALIZED, 0);
  ASSERT_EQ(g_recorded.size(), 1u);
  EXPECT_EQ(g_recorded[0].nMessage, static_cast<UINT>(WM_SETTEXT));
  EXPECT_EQ(WindowText(), "Select Installation Directory");
}

// An item list for `csidl`, freed by the shell's allocator when it goes.
class CItemList {
 public:
  explicit CItemList(int csidl) { SHGetSpecialFolderLocation(nullptr, csidl, &m_pidl); }
  ~CItemList() { CoTaskMemFree(m_pidl); }
  CItemList(const CItemList&) = delete;
  CItemList& operator=(const CItemList&) = delete;
  LPARAM AsParam() const { return reinterpret_cast<LPARAM>(m_pidl); }
  bool IsValid() const { return m_pidl != nullptr; }

 private:
  LPITEMIDLIST m_pidl = nullptr;
};

std::string WindowsFolder() {
  char szWindows[MAX_PATH] = "";
  GetWindowsDirectoryA(szWindows, MAX_PATH);
  return szWindows;
}

TEST_F(FolderPickerCallbackTest, SelectionChangeEnablesOkByDefault) {
  CItemList windows(CSIDL_WINDOWS);
  ASSERT_TRUE(windows.IsValid());
  CProbePicker picker;
  EXPECT_EQ(Call(picker, BFFM_SELCHANGED, windows.AsParam()), 0);
  ASSERT_EQ(picker.m_validatedPaths.size(), 1u);
  EXPECT_STRCASEEQ(picker.m_validatedPaths[0].c_str(), WindowsFolder().c_str());
  // No status line: only the OK state is sent.
  ASSERT_EQ(g_recorded.size(), 1u);
  EXPECT_EQ(g_recorded[0].nMessage, static_cast<UINT>(BFFM_ENABLEOK));
  EXPECT_EQ(g_recorded[0].wParam, 0u);
  EXPECT_EQ(g_recorded[0].lParam, TRUE);
}

TEST_F(FolderPickerCallbackTest, SelectionChangeShowsStatusAndTheValidatorsAnswer) {
  CItemList windows(CSIDL_WINDOWS);
  ASSERT_TRUE(windows.IsValid());
  CProbePicker picker;
  picker.EnableStatusText();
  picker.m_bOverride = true;
  picker.m_bAnswer = FALSE;
  Call(picker, BFFM_SELCHANGED, windows.AsParam());
  ASSERT_EQ(g_recorded.size(), 2u);
  EXPECT_EQ(g_recorded[0].nMessage, static_cast<UINT>(BFFM_SETSTATUSTEXTA));
  EXPECT_EQ(g_recorded[0].wParam, 0u);
  EXPECT_STRCASEEQ(g_recorded[0].strText.c_str(), ("checked " + WindowsFolder()).c_str());
  EXPECT_EQ(g_recorded[1].nMessage, static_cast<UINT>(BFFM_ENABLEOK));
  EXPECT_EQ(g_recorded[1].lParam, FALSE);
}

TEST_F(FolderPickerCallbackTest, ItemWithoutPathIsValidatedAsEmptyAndStillEnablesOk) {
  CItemList computer(CSIDL_DRIVES);
  ASSERT_TRUE(computer.IsValid());
  CProbePicker picker;
  picker.EnableStatusText();
  Call(picker, BFFM_SELCHANGED, computer.AsParam());
  ASSERT_EQ(picker.m_validatedPaths.size(), 1u);
  EXPECT_EQ(picker.m_validatedPaths[0], "");
  ASSERT_EQ(g_recorded.size(), 2u);
  EXPECT_EQ(g_recorded[0].nMessage, static_cast<UINT>(BFFM_SETSTATUSTEXTA));
  EXPECT_EQ(g_recorded[0].strText, "");  // the default leaves the status text empty
  EXPECT_EQ(g_recorded[1].lParam, TRUE);
}

TEST_F(FolderPickerCallbackTest, OtherMessagesDoNothing) {
  CProbePicker picker;
  picker.SetInitialFolder("C:\\windows");
  picker.SetCaption("caption");
  EXPECT_EQ(Call(picker, BFFM_VALIDATEFAILEDA, 0), 0);
  EXPECT_EQ(Call(picker, BFFM_IUNKNOWN, 0), 0);
  EXPECT_TRUE(g_recorded.empty());
  EXPECT_TRUE(picker.m_validatedPaths.empty());
}

TEST(FolderPicker, StartsEmpty) {
  CProbePicker picker;
  EXPECT_TRUE(picker.GetFolderPath().IsEmpty());
  EXPECT_TRUE(picker.InitialFolder().IsEmpty());
}

// What a second thread saw of the browse window that Browse opened.
struct BrowseWindowSeen {
  std::atomic<bool> bFound{false};
  std::atomic<HWND> hOwner{nullptr};
};

BOOL CALLBACK CancelDialogWindow(HWND hWnd, LPARAM) {
  PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
  return TRUE;
}

// Waits (bounded) for the window captioned `caption` on thread `threadId`,
// notes its owner and answers it with `command` (IDOK or IDCANCEL). If it
// never appears, every dialog of that thread is cancelled so that Browse
// returns and the test fails instead of hanging.
void AnswerBrowseWindow(const char* caption, DWORD threadId, WPARAM command,
                        BrowseWindowSeen* seen) {
  for (int nTry = 0; nTry < 600; ++nTry) {
    HWND hWnd = FindWindowA(nullptr, caption);
    if (hWnd != nullptr && GetWindowThreadProcessId(hWnd, nullptr) == threadId) {
      // Let the window finish its start-up (selection, OK state) first.
      Sleep(300);
      seen->hOwner = GetWindow(hWnd, GW_OWNER);
      seen->bFound = true;
      PostMessageA(hWnd, WM_COMMAND, command, 0);
      return;
    }
    Sleep(50);
  }
  EnumThreadWindows(threadId, CancelDialogWindow, 0);
}

class FolderPickerBrowseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    m_hOwnerWindow = CreateWindowA("STATIC", "Bx owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                   300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(m_hOwnerWindow, nullptr);
    m_owner.m_hWnd = m_hOwnerWindow;
  }
  void TearDown() override {
    m_owner.m_hWnd = nullptr;
    DestroyWindow(m_hOwnerWindow);
    CoUninitialize();
  }

  int BrowseAndAnswer(CProbePicker& picker, CWnd* owner, const char* caption, WPARAM command,
                      BrowseWindowSeen* seen) {
    picker.SetCaption(caption);
    std::thread answerer(AnswerBrowseWindow, caption, GetCurrentThreadId(), command, seen);
    int nResult = picker.Browse(owner);
    answerer.join();
    return nResult;
  }

  HWND m_hOwnerWindow = nullptr;
  CWnd m_owner;
};

TEST_F(FolderPickerBrowseTest, CancelReturnsZero) {
  CProbePicker picker;
  picker.SetInitialFolder(WindowsFolder() + "\\");
  BrowseWindowSeen seen;
  EXPECT_EQ(BrowseAndAnswer(picker, &m_owner, "Bx Browse Cancel", IDCANCEL, &seen), 0);
  ASSERT_TRUE(seen.bFound);
  EXPECT_EQ(seen.hOwner.load(), m_hOwnerWindow);
  // Browse cleaned the initial folder before the window opened.
  EXPECT_STREQ(picker.InitialFolder().GetString(), WindowsFolder().c_str());
}

TEST_F(FolderPickerBrowseTest, OkReturnsTheInitialFolderWithoutBackslash) {
  CProbePicker picker;
  picker.SetInitialFolder(WindowsFolder() + "\\");
  BrowseWindowSeen seen;
  EXPECT_EQ(BrowseAndAnswer(picker, nullptr, "Bx Browse Ok", IDOK, &seen), 1);
  ASSERT_TRUE(seen.bFound);
  EXPECT_EQ(seen.hOwner.load(), nullptr);
  EXPECT_STRCASEEQ(picker.GetFolderPath().GetString(), WindowsFolder().c_str());
  // The window's selection went through the validator.
  ASSERT_FALSE(picker.m_validatedPaths.empty());
  EXPECT_STRCASEEQ(picker.m_validatedPaths.back().c_str(), WindowsFolder().c_str());
}

}  // namespace
