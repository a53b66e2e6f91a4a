// ClearDirectory on real folders: what goes and what stays.
#include "shell/clear_directory.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "tests/shell/scratch_folder.h"

namespace {

struct Entry {
  const char* szName;
  DWORD nAttributes;  // FILE_ATTRIBUTE_DIRECTORY makes a folder with one file in it
};

struct ClearCase {
  const char* szLabel;
  std::vector<Entry> entries;
  bool bTrailingBackslash;
  std::set<std::string> remaining;  // names expected directly in the folder afterwards
};

std::set<std::string> NamesIn(const CString& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA findData;
  HANDLE hFind = FindFirstFileA(folder + "\\*", &findData);
  if (hFind == INVALID_HANDLE_VALUE) return names;
  do {
    std::string strName = findData.cFileName;
    if (strName != "." && strName != "..") names.insert(strName);
  } while (FindNextFileA(hFind, &findData));
  FindClose(hFind);
  return names;
}

class ClearDirectoryTest : public ::testing::TestWithParam<ClearCase> {};

TEST_P(ClearDirectoryTest, DeletesOnlyTheFilesDirectlyInside) {
  const ClearCase& clearCase = GetParam();
  CScratchFolder scratch;
  for (const Entry& entry : clearCase.entries) {
    CString strPath = scratch.PathOf(entry.szName);
    if (entry.nAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ASSERT_TRUE(CreateDirectoryA(strPath, nullptr));
      ASSERT_TRUE(WriteTextFile(strPath + "\\inner.txt", "kept"));
    } else {
      ASSERT_TRUE(WriteTextFile(strPath, "some bytes"));
      if (entry.nAttributes != FILE_ATTRIBUTE_NORMAL) {
        ASSERT_TRUE(SetFileAttributesA(strPath, entry.nAttributes));
      }
    }
  }

  CString strFolder = scratch.GetPath();
  if (clearCase.bTrailingBackslash) strFolder += "\\";
  ClearDirectory(strFolder);

  EXPECT_EQ(NamesIn(scratch.GetPath()), clearCase.remaining);
  for (const Entry& entry : clearCase.entries) {
    if (entry.nAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      EXPECT_EQ(NamesIn(scratch.PathOf(entry.szName)), std::set<std::string>{"inner.txt"})
          << entry.szName;
    }
  }
}

const DWORD kFile = FILE_ATTRIBUTE_NORMAL;
const DWORD kFolder = FILE_ATTRIBUTE_DIRECTORY;

INSTANTIATE_TEST_SUITE_P(
    Cases, ClearDirectoryTest,
    ::testing::Values(
        ClearCase{"FilesAndSubfolder",
                  {{"a.txt", kFile}, {"Brindlewax.exe", kFile}, {"sub", kFolder}, {"z", kFile}},
                  false,
                  {"sub"}},
        ClearCase{"FilesAndSubfolderTrailingBackslash",
                  {{"a.txt", kFile}, {"Brindlewax.exe", kFile}, {"sub", kFolder}, {"z", kFile}},
                  true,
                  {"sub"}},
        ClearCase{"ReadOnlyFileStays",
                  {{"a.txt", kFile}, {"locked.dat", FILE_ATTRIBUTE_READONLY}, {"b.txt", kFile}},
                  false,
                  {"locked.dat"}},
        ClearCase{"ReadOnlyFileStaysTrailingBackslash",
                  {{"a.txt", kFile}, {"locked.dat", FILE_ATTRIBUTE_READONLY}, {"b.txt", kFile}},
                  true,
                  {"locked.dat"}},
        ClearCase{"HiddenAndSystemFilesGo",
                  {{"hidden.ini", FILE_ATTRIBUTE_HIDDEN},
                   {"system.sys", FILE_ATTRIBUTE_SYSTEM},
                   {"both.dat", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}},
                  false,
                  {}},
        ClearCase{"HiddenAndSystemFilesGoTrailingBackslash",
                  {{"hidden.ini", FILE_ATTRIBUTE_HIDDEN},
                   {"system.sys", FILE_ATTRIBUTE_SYSTEM},
                   {"both.dat", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}},
                  true,
                  {}},
        ClearCase{"EmptyFolder", {}, false, {}},
        ClearCase{"EmptyFolderTrailingBackslash", {}, true, {}},
        ClearCase{"NamesWithoutExtension", {{"README", kFile}, {"x", kFile}}, false, {}}),
    [](const ::testing::TestParamInfo<ClearCase>& info) { return std::string(info.param.szLabel); });

TEST(ClearDirectory, KeepsTheFolderItself) {
  CScratchFolder scratch;
  ASSERT_TRUE(WriteTextFile(scratch.PathOf("a.txt"), "x"));
  ClearDirectory(scratch.GetPath() + "\\");
  DWORD nAttributes = GetFileAttributesA(scratch.GetPath());
  ASSERT_NE(nAttributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(nAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(ClearDirectory, FolderThatDoesNotExistTouchesNothing) {
  CScratchFolder scratch;
  ASSERT_TRUE(WriteTextFile(scratch.PathOf("a.txt"), "x"));
  // A missing folder beside the file: the search cannot start.
  ClearDirectory(scratch.PathOf("missing"));
  EXPECT_EQ(NamesIn(scratch.GetPath()), std::set<std::string>{"a.txt"});
}

TEST(ClearDirectory, FileHeldOpenStaysAndTheRestGo) {
  CScratchFolder scratch;
  ASSERT_TRUE(WriteTextFile(scratch.PathOf("a.txt"), "x"));
  ASSERT_TRUE(WriteTextFile(scratch.PathOf("busy.dat"), "x"));
  ASSERT_TRUE(WriteTextFile(scratch.PathOf("c.txt"), "x"));
  HANDLE hBusy = CreateFileA(scratch.PathOf("busy.dat"), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(hBusy, INVALID_HANDLE_VALUE);
  ClearDirectory(scratch.GetPath());
  EXPECT_EQ(NamesIn(scratch.GetPath()), std::set<std::string>{"busy.dat"});
  CloseHandle(hBusy);
}

}  // namespace
