// InstallerTest: the fixture of every installer scenario. Each scenario
// starts and ends on a clean machine: no destination folder, no desktop
// shortcut, no program group, no uninstall key, no folder window on the
// group, and none of the scratch paths the scenario registered. COM is
// initialised for reading shortcuts.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

class InstallerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // `path` (a file or a folder tree) is removed before the scenario goes on
  // and again at its end.
  void AddScratchPath(const std::string& path);

  // The folder window that the installation opened on the program group,
  // waited for (bounded); NULL when none came.
  HWND WaitForGroupWindow();

  // Nothing of the shell integration is there: neither shortcut, no group,
  // no uninstall key.
  void ExpectNoIntegration();

  // Every payload file is in `folder`, byte for byte the built one.
  void ExpectPayloadInstalledIn(const std::string& folder);

 private:
  void CleanUp();
  std::vector<std::string> m_scratchPaths;
};

// The caption Wine gives a folder window opened on `folder`: the folder's
// own name.
std::string FolderWindowCaption(const std::string& folder);
