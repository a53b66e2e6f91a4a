#include "tests/installer/installer_fixture.h"

#include <objbase.h>

#include "tests/driver/poll.h"
#include "tests/driver/window_search.h"
#include "tests/support/installed_items.h"
#include "tests/installer/installer_paths.h"

std::string FolderWindowCaption(const std::string& folder) { return BareName(folder); }

void InstallerTest::SetUp() {
  CoInitialize(NULL);
  ASSERT_FALSE(GetShellFolder(0x0026 /* CSIDL_PROGRAM_FILES */).empty());
  CleanUp();
}

void InstallerTest::TearDown() {
  CleanUp();
  CoUninitialize();
}

void InstallerTest::AddScratchPath(const std::string& path) {
  m_scratchPaths.push_back(path);
  RemoveTree(path);
}

HWND InstallerTest::WaitForGroupWindow() {
  HWND hFound = NULL;
  PollUntil([&hFound] {
    std::vector<HWND> windows = FindWindowsCaptioned(FolderWindowCaption(GetGroupFolder()));
    if (!windows.empty()) hFound = windows.front();
    return hFound != NULL;
  });
  return hFound;
}

void InstallerTest::CleanUp() {
  for (HWND hWnd : FindWindowsCaptioned(FolderWindowCaption(GetGroupFolder()))) {
    PostMessageA(hWnd, WM_CLOSE, 0, 0);
    WaitForWindowGone(hWnd);
  }
  // The folder window's process started in the destination (the installer's
  // current folder then) and holds it until it has ended.
  std::vector<std::string> folders = m_scratchPaths;
  folders.push_back(GetDefaultFolder());
  for (const std::string& folder : folders) {
    PollUntil([&folder] {
      RemoveTree(folder);
      return !PathExists(folder);
    });
  }
  DeleteFileA(GetDesktopShortcut().c_str());
  RemoveTree(GetGroupFolder());
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey);
}

void InstallerTest::ExpectNoIntegration() {
  EXPECT_FALSE(PathExists(GetDesktopShortcut()));
  EXPECT_FALSE(PathExists(GetGroupFolder()));
  EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
}

void InstallerTest::ExpectPayloadInstalledIn(const std::string& folder) {
  for (const std::string& source : GetPayloadFiles()) {
    std::string built;
    std::string installed;
    ASSERT_TRUE(ReadWholeFile(source, &built)) << source;
    EXPECT_TRUE(ReadWholeFile(folder + "\\" + BareName(source), &installed)) << BareName(source);
    EXPECT_TRUE(installed == built) << BareName(source) << " differs from the built file";
  }
}
