// CreateShortcut: link files written, then read back through the shell link
// object itself.
#include "shell/shortcut.h"

#include <gtest/gtest.h>
#include <objidl.h>
#include <shlobj.h>
#include <windows.h>

#include <string>

#include "tests/shell/scratch_folder.h"

namespace {

struct LinkContents {
  HRESULT hLoad = E_FAIL;
  std::string strTarget;
  std::string strDescription;
};

// Loads the link file at `linkPath` into a fresh shell link object and reads
// its target and description.
LinkContents ReadShortcut(const CString& linkPath) {
  LinkContents contents;
  IShellLinkA* pShellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&pShellLink))))
    return contents;
  IPersistFile* pPersistFile = nullptr;
  if (SUCCEEDED(pShellLink->QueryInterface(IID_IPersistFile,
                                           reinterpret_cast<void**>(&pPersistFile)))) {
    WCHAR wszPath[MAX_PATH * 2];
    MultiByteToWideChar(CP_ACP, 0, linkPath, -1, wszPath, MAX_PATH * 2);
    contents.hLoad = pPersistFile->Load(wszPath, STGM_READ);
    if (SUCCEEDED(contents.hLoad)) {
      char szText[MAX_PATH * 2] = "";
      if (SUCCEEDED(pShellLink->GetPath(szText, sizeof(szText), nullptr, SLGP_RAWPATH)))
        contents.strTarget = szText;
      szText[0] = '\0';
      if (SUCCEEDED(pShellLink->GetDescription(szText, sizeof(szText))))
        contents.strDescription = szText;
    }
    pPersistFile->Release();
  }
  pShellLink->Release();
  return contents;
}

class ShortcutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    // A real program to point at: this test itself.
    char szModule[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, szModule, MAX_PATH), 0u);
    m_strProgram = szModule;
  }
  void TearDown() override { CoUninitialize(); }

  // A link path in the scratch folder of exactly `length` characters.
  CString LinkPathOfLength(int length) const {
    CString strPath = m_scratch.GetPath() + "\\";
    while (strPath.GetLength() < length - 4) strPath += 'n';
    return strPath + ".lnk";
  }

  CScratchFolder m_scratch;
  CString m_strProgram;
};

TEST_F(ShortcutTest, WritesTargetAndDescription) {
  CString strLink = m_scratch.PathOf("Brindlewax.lnk");
  ASSERT_EQ(CreateShortcut(m_strProgram, strLink, "Bx"), S_OK);
  LinkContents contents = ReadShortcut(strLink);
  ASSERT_EQ(contents.hLoad, S_OK);
  EXPECT_STRCASEEQ(contents.strTarget.c_str(), m_strProgram.GetString());
  EXPECT_EQ(contents.strDescription, "Bx");
}

TEST_F(ShortcutTest, ReplacesAnExistingLink) {
  CString strLink = m_scratch.PathOf("Brindlewax.lnk");
  CString strOtherTarget = m_scratch.PathOf("other.exe");
  ASSERT_TRUE(WriteTextFile(strOtherTarget, "MZ"));
  ASSERT_EQ(CreateShortcut(strOtherTarget, strLink, "first"), S_OK);
  ASSERT_EQ(CreateShortcut(m_strProgram, strLink, "second"), S_OK);
  LinkContents contents = ReadShortcut(strLink);
  ASSERT_EQ(contents.hLoad, S_OK);
  EXPECT_STRCASEEQ(contents.strTarget.c_str(), m_strProgram.GetString());
  EXPECT_EQ(contents.strDescription, "second");
}

TEST_F(ShortcutTest, ReplacesAFileThatIsNoLink) {
  CString strLink = m_scratch.PathOf("Brindlewax.lnk");
  ASSERT_TRUE(WriteTextFile(strLink, "not a shell link"));
  ASSERT_EQ(CreateShortcut(m_strProgram, strLink, "Bx"), S_OK);
  EXPECT_EQ(ReadShortcut(strLink).hLoad, S_OK);
}

TEST_F(ShortcutTest, SavesATargetThatDoesNotExist) {
  CString strLink = m_scratch.PathOf("Missing.lnk");
  CString strMissing = m_scratch.PathOf("no such program.exe");
  ASSERT_EQ(CreateShortcut(strMissing, strLink, "Bx"), S_OK);
  LinkContents contents = ReadShortcut(strLink);
  ASSERT_EQ(contents.hLoad, S_OK);
  EXPECT_EQ(contents.strDescription, "Bx");
}

TEST_F(ShortcutTest, LinkPathOfMaximumLengthIsSaved) {
  CString strLink = LinkPathOfLength(MAX_PATH - 1);
  ASSERT_EQ(strLink.GetLength(), MAX_PATH - 1);
  ASSERT_EQ(CreateShortcut(m_strProgram, strLink, "Bx"), S_OK);
  EXPECT_EQ(ReadShortcut(strLink).hLoad, S_OK);
}

class TooLongLinkPathTest : public ShortcutTest, public ::testing::WithParamInterface<int> {};

TEST_P(TooLongLinkPathTest, IsRefusedAndNothingIsSaved) {
  CString strLink = LinkPathOfLength(GetParam());
  ASSERT_EQ(strLink.GetLength(), GetParam());
  EXPECT_EQ(CreateShortcut(m_strProgram, strLink, "Bx"),
            HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
  EXPECT_FALSE(PathExists(strLink));
  // No shortened name either: the scratch folder stays empty.
  WIN32_FIND_DATAA findData;
  HANDLE hFind = FindFirstFileA(m_scratch.PathOf("*.lnk"), &findData);
  EXPECT_EQ(hFind, INVALID_HANDLE_VALUE) << findData.cFileName;
  if (hFind != INVALID_HANDLE_VALUE) FindClose(hFind);
}

// MAX_PATH characters leave no room for the terminator.
INSTANTIATE_TEST_SUITE_P(Lengths, TooLongLinkPathTest, ::testing::Values(MAX_PATH, MAX_PATH + 40));

}  // namespace
