// Bxuninstall.exe under Wine, on installations that the test makes for real
// (files, shell link files, registry key): Yes removes every item the
// installer made and the uninstaller itself, and nothing else; No changes
// nothing; what cannot be removed is reported, folders that hold other files
// are kept and named.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <set>
#include <string>
#include <vector>

#include "payload/uninstall_codes.h"
#include "payload_files.h"
#include "tests/driver/driven_process.h"
#include "tests/driver/message_box.h"
#include "tests/driver/window_search.h"
#include "tests/payload/test_installation.h"
#include "tests/support/installed_items.h"

namespace {

const char kUninstallParent[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char kConfirmText[] = "Do you want to remove Brindlewax and all of its components from this computer?";
const char kRemovedText[] = "Brindlewax was removed from this computer.";
const char kIncompleteText[] = "Brindlewax could not be removed completely. These items could not be removed:";
const char kKeptText[] = "These folders were kept because they hold other files:";

std::string GetTempFolder() {
  char buffer[MAX_PATH];
  GetTempPathA(sizeof buffer, buffer);
  char longPath[MAX_PATH];
  if (GetLongPathNameA(buffer, longPath, sizeof longPath) == 0) return buffer;
  return longPath;
}

// The uninstaller's copies in the temporary folder, by name.
std::set<std::string> ListTempCopies() {
  std::set<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE hFind = FindFirstFileA((GetTempFolder() + "Bxuninstall-*.exe").c_str(), &data);
  if (hFind == INVALID_HANDLE_VALUE) return names;
  do {
    names.insert(data.cFileName);
  } while (FindNextFileA(hFind, &data));
  FindClose(hFind);
  return names;
}

bool KeyExists(const std::string& path) {
  HKEY hKey = NULL;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return false;
  RegCloseKey(hKey);
  return true;
}

std::string ReadStringValue(const std::string& keyPath, const char* name) {
  char buffer[1024] = {};
  DWORD nSize = sizeof buffer - 1;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, keyPath.c_str(), name, RRF_RT_REG_SZ, NULL, buffer, &nSize) !=
      ERROR_SUCCESS) {
    return "<missing>";
  }
  return buffer;
}

// True when Windows is asked to delete `path` at the next restart.
bool IsScheduledForRemovalAtRestart(const std::string& path) {
  DWORD nSize = 0;
  const char* key = "System\\CurrentControlSet\\Control\\Session Manager";
  if (RegGetValueA(HKEY_LOCAL_MACHINE, key, "PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ, NULL, NULL,
                   &nSize) != ERROR_SUCCESS) {
    return false;
  }
  std::vector<char> buffer(nSize + 2, '\0');
  if (RegGetValueA(HKEY_LOCAL_MACHINE, key, "PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ, NULL,
                   buffer.data(), &nSize) != ERROR_SUCCESS) {
    return false;
  }
  // Pairs of (source, destination); an empty destination means "delete".
  const char* p = buffer.data();
  const char* pEnd = buffer.data() + nSize;
  while (p < pEnd && *p != '\0') {
    std::string source = p;
    p += source.size() + 1;
    std::string destination = p < pEnd ? p : "";
    p += destination.size() + 1;
    if (source.compare(0, 4, "\\??\\") == 0) source.erase(0, 4);
    if (destination.empty() && lstrcmpiA(source.c_str(), path.c_str()) == 0) return true;
  }
  return false;
}

// Deletes the uninstaller copies that appear in the temporary folder while
// it lives, once their processes have ended (declare it before them).
class CTempCopySweeper {
 public:
  CTempCopySweeper() : m_before(ListTempCopies()) {}
  ~CTempCopySweeper() {
    for (const std::string& name : GetNewCopies()) DeleteFileA((GetTempFolder() + name).c_str());
  }
  std::set<std::string> GetNewCopies() const {
    std::set<std::string> added;
    for (const std::string& name : ListTempCopies()) {
      if (!m_before.count(name)) added.insert(name);
    }
    return added;
  }

 private:
  std::set<std::string> m_before;
};

class UninstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(NULL);
    ASSERT_FALSE(KeyExists(std::string(kUninstallParent) + "\\Brindlewax")) << "left over from another run";
    ASSERT_TRUE(m_installation.Create()) << m_installation.GetError();
  }

  void TearDown() override {
    for (const std::string& path : m_unrelatedPaths) RemoveTree(path);
    for (const std::string& key : m_unrelatedKeys) RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
    CoUninitialize();
  }

  // Runs the uninstaller from its folder, as the user would, checks its
  // confirmation and answers it; returns once that first process has ended.
  void RunAndAnswer(int nAnswer) {
    ASSERT_TRUE(m_uninstaller.Start("\"" + m_installation.GetUninstaller() + "\"",
                                    m_installation.GetInstallFolder()));
    HWND hBox = FindMessageBox(m_uninstaller.GetId(), BX_UNINSTALL_CAPTION);
    ASSERT_NE(hBox, (HWND)NULL) << "no confirmation";
    EXPECT_EQ(ReadMessageBoxText(hBox), kConfirmText);
    EXPECT_TRUE(HasMessageBoxButton(hBox, IDYES));
    ASSERT_TRUE(AnswerMessageBox(hBox, nAnswer));
    ASSERT_TRUE(m_uninstaller.WaitForExit());
  }

  // Reads the closing report of the clean-up copy, answers OK and waits for
  // the copy to end. Returns the report's text.
  std::string FinishReport() {
    HWND hBox = FindMessageBox(0, BX_UNINSTALL_CAPTION);
    if (hBox == NULL) {
      ADD_FAILURE() << "no closing report";
      return std::string();
    }
    EXPECT_NE(GetWindowProcess(hBox), m_uninstaller.GetId()) << "the report comes from the original";
    EXPECT_TRUE(m_cleanupCopy.Attach(GetWindowProcess(hBox)));
    m_strCopyPath = m_cleanupCopy.GetImagePath();
    std::string text = ReadMessageBoxText(hBox);
    EXPECT_TRUE(HasMessageBoxButton(hBox, IDOK));
    EXPECT_TRUE(AnswerMessageBox(hBox, IDOK));
    EXPECT_TRUE(m_cleanupCopy.WaitForExit());
    return text;
  }

  void AddUnrelatedFile(const std::string& path) {
    HANDLE hFile = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE) << path;
    DWORD nWritten = 0;
    WriteFile(hFile, "keep me", 7, &nWritten, NULL);
    CloseHandle(hFile);
    m_unrelatedPaths.push_back(path);
  }

  void ExpectPayloadFilesGone() {
    for (size_t i = 0; i < kPayloadFileCount; ++i) {
      EXPECT_FALSE(PathExists(m_installation.GetInstalledFile(kPayloadFileNames[i]))) << kPayloadFileNames[i];
    }
  }

  void ExpectShellItemsAndKeyGone() {
    EXPECT_FALSE(PathExists(CTestInstallation::GetDesktopShortcut()));
    EXPECT_FALSE(PathExists(CTestInstallation::GetGroupShortcut()));
    EXPECT_FALSE(KeyExists(std::string(kUninstallParent) + "\\Brindlewax"));
  }

  // Declared in this order so that the processes end first, then their
  // copies are deleted, then the installation is cleared away.
  CTestInstallation m_installation;
  CTempCopySweeper m_sweeper;
  CDrivenProcess m_uninstaller;
  CDrivenProcess m_cleanupCopy;
  std::string m_strCopyPath;
  std::vector<std::string> m_unrelatedPaths;
  std::vector<std::string> m_unrelatedKeys;
};

TEST_F(UninstallTest, YesRemovesEveryItemAndItselfAndNothingElse) {
  // Things a user or another program keeps next to the installation.
  AddUnrelatedFile(m_installation.GetRootFolder() + "\\Unrelated.txt");
  std::string otherLink = GetShellFolder(CSIDL_DESKTOP) + "\\Brindlewax Notes.lnk";
  ASSERT_TRUE(WriteShortcut("C:\\windows\\notepad.exe", otherLink, "Notes"));
  m_unrelatedPaths.push_back(otherLink);
  std::string otherGroup = GetShellFolder(CSIDL_PROGRAMS) + "\\Brindlewax Extras";
  ASSERT_TRUE(CreateDirectoryA(otherGroup.c_str(), NULL));
  m_unrelatedPaths.push_back(otherGroup);
  AddUnrelatedFile(otherGroup + "\\Brindlewax.lnk");
  std::string otherKey = std::string(kUninstallParent) + "\\BrindlewaxTools";
  HKEY hKey = NULL;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, otherKey.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey, NULL),
            ERROR_SUCCESS);
  RegSetValueExA(hKey, "DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>("Tools"), 6);
  RegCloseKey(hKey);
  m_unrelatedKeys.push_back(otherKey);
  // An installed file that became read-only is still the installer's.
  ASSERT_TRUE(SetFileAttributesA(m_installation.GetInstalledFile("Library.dat").c_str(), FILE_ATTRIBUTE_READONLY));

  RunAndAnswer(IDYES);
  EXPECT_EQ(m_uninstaller.GetExitCode(), (DWORD)kUninstallDone);
  EXPECT_EQ(FinishReport(), kRemovedText);
  EXPECT_EQ(m_cleanupCopy.GetExitCode(), (DWORD)kUninstallDone);

  ExpectPayloadFilesGone();
  EXPECT_FALSE(PathExists(m_installation.GetInstallFolder()));
  ExpectShellItemsAndKeyGone();
  EXPECT_FALSE(PathExists(CTestInstallation::GetGroupFolder()));

  EXPECT_TRUE(PathExists(m_installation.GetRootFolder() + "\\Unrelated.txt"));
  EXPECT_TRUE(PathExists(otherLink));
  EXPECT_TRUE(PathExists(otherGroup + "\\Brindlewax.lnk"));
  EXPECT_EQ(ReadStringValue(otherKey, "DisplayName"), "Tools");

  // The copy that did the work ran from the temporary folder and is to be
  // deleted at the next restart.
  std::string tempFolder = GetTempFolder();
  EXPECT_EQ(lstrcmpiA(m_strCopyPath.substr(0, tempFolder.size()).c_str(), tempFolder.c_str()), 0)
      << m_strCopyPath << " is not in " << tempFolder;
  EXPECT_TRUE(IsScheduledForRemovalAtRestart(m_strCopyPath)) << m_strCopyPath;
}

TEST_F(UninstallTest, NoChangesNothing) {
  RunAndAnswer(IDNO);
  EXPECT_EQ(m_uninstaller.GetExitCode(), (DWORD)kUninstallDeclined);

  for (size_t i = 0; i < kPayloadFileCount; ++i) {
    EXPECT_TRUE(PathExists(m_installation.GetInstalledFile(kPayloadFileNames[i]))) << kPayloadFileNames[i];
  }
  EXPECT_TRUE(PathExists(CTestInstallation::GetDesktopShortcut()));
  EXPECT_TRUE(PathExists(CTestInstallation::GetGroupShortcut()));
  std::string key = std::string(kUninstallParent) + "\\Brindlewax";
  EXPECT_EQ(ReadStringValue(key, "DisplayName"), "Brindlewax");
  EXPECT_EQ(ReadStringValue(key, "UninstallString"), m_installation.GetUninstaller());
  EXPECT_TRUE(m_sweeper.GetNewCopies().empty()) << "a clean-up copy was made";
}

TEST_F(UninstallTest, FoldersThatHoldOtherFilesAreKeptAndNamed) {
  AddUnrelatedFile(m_installation.GetInstallFolder() + "\\My recipes.txt");
  AddUnrelatedFile(CTestInstallation::GetGroupFolder() + "\\Recipes.url");

  RunAndAnswer(IDYES);
  std::string expected = std::string(kRemovedText) + "\n\n" + kKeptText + "\n" +
                         CTestInstallation::GetGroupFolder() + "\n" + m_installation.GetInstallFolder();
  EXPECT_EQ(FinishReport(), expected);
  EXPECT_EQ(m_cleanupCopy.GetExitCode(), (DWORD)kUninstallDone);

  ExpectPayloadFilesGone();
  ExpectShellItemsAndKeyGone();
  EXPECT_TRUE(PathExists(m_installation.GetInstallFolder() + "\\My recipes.txt"));
  EXPECT_TRUE(PathExists(CTestInstallation::GetGroupFolder() + "\\Recipes.url"));
}

TEST_F(UninstallTest, AFileInUseIsReportedAndTheRestRemoved) {
  std::string busy = m_installation.GetInstalledFile("Samples.dat");
  HANDLE hBusy = CreateFileA(busy.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
  ASSERT_NE(hBusy, INVALID_HANDLE_VALUE);

  RunAndAnswer(IDYES);
  std::string expected = std::string(kIncompleteText) + "\n" + busy + "\n\n" + kKeptText + "\n" +
                         m_installation.GetInstallFolder();
  EXPECT_EQ(FinishReport(), expected);
  EXPECT_EQ(m_cleanupCopy.GetExitCode(), (DWORD)kUninstallIncomplete);
  CloseHandle(hBusy);

  EXPECT_TRUE(PathExists(busy));
  for (size_t i = 0; i < kPayloadFileCount; ++i) {
    if (std::string(kPayloadFileNames[i]) == "Samples.dat") continue;
    EXPECT_FALSE(PathExists(m_installation.GetInstalledFile(kPayloadFileNames[i]))) << kPayloadFileNames[i];
  }
  ExpectShellItemsAndKeyGone();
  EXPECT_FALSE(PathExists(CTestInstallation::GetGroupFolder()));
}

}  // namespace
