// GetSpecialFolderPath against the real shell.
#include "shell/special_folder.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

namespace {

class SpecialFolderTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override { CoUninitialize(); }
};

TEST_P(SpecialFolderTest, ResolvesToAnExistingFolder) {
  CString strPath = GetSpecialFolderPath(GetParam());
  ASSERT_FALSE(strPath.IsEmpty());
  DWORD nAttributes = GetFileAttributesA(strPath);
  ASSERT_NE(nAttributes, INVALID_FILE_ATTRIBUTES) << strPath.GetString();
  EXPECT_TRUE(nAttributes & FILE_ATTRIBUTE_DIRECTORY) << strPath.GetString();
  // A full path with a drive, as the shell gives it, and no trailing backslash.
  EXPECT_EQ(strPath.GetAt(1), ':') << strPath.GetString();
  EXPECT_NE(strPath.GetAt(strPath.GetLength() - 1), '\\') << strPath.GetString();
}

INSTANTIATE_TEST_SUITE_P(FoldersTheInstallerUses, SpecialFolderTest,
                         ::testing::Values(CSIDL_DESKTOP, CSIDL_PROGRAMS, CSIDL_PROGRAM_FILES));

TEST(SpecialFolder, ProgramFilesIsTheSystemsProgramFilesFolder) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  char szExpected[MAX_PATH];
  DWORD nLength = GetEnvironmentVariableA("ProgramFiles", szExpected, MAX_PATH);
  ASSERT_GT(nLength, 0u);
  EXPECT_STREQ(GetSpecialFolderPath(CSIDL_PROGRAM_FILES).GetString(), szExpected);
  CoUninitialize();
}

class UnresolvableFolderTest : public ::testing::TestWithParam<int> {};

TEST_P(UnresolvableFolderTest, GivesAnEmptyString) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  EXPECT_TRUE(GetSpecialFolderPath(GetParam()).IsEmpty());
  CoUninitialize();
}

// 0x00FF is no CSIDL at all; "My Computer" and the control panel are virtual
// folders without a file-system path.
INSTANTIATE_TEST_SUITE_P(NoPath, UnresolvableFolderTest,
                         ::testing::Values(0x00FF, CSIDL_DRIVES, CSIDL_CONTROLS));

}  // namespace
