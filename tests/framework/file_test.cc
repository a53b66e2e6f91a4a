#include "framework/file.h"

#include <gtest/gtest.h>

#include "tests/support/faulty_env.h"
#include "tests/support/temp_dir.h"

namespace {

class CFileTest : public ::testing::Test {
 protected:
  TempDir m_dir;
  std::string m_strPath = m_dir.File("data.bin");
};

TEST_F(CFileTest, WritesThenReadsBackWithSeeksFromEachOrigin) {
  CFile file;
  ASSERT_TRUE(file.Open(m_strPath.c_str(), CFile::modeWrite | CFile::modeCreate | CFile::shareDenyNone));
  file.Write("0123456789", 10);
  EXPECT_EQ(file.GetPosition(), 10u);
  EXPECT_EQ(file.GetLength(), 10u);
  file.Close();
  EXPECT_FALSE(file.IsOpen());

  ASSERT_TRUE(file.Open(m_strPath.c_str(), CFile::modeRead | CFile::shareDenyNone));
  char buffer[16] = {};
  EXPECT_EQ(file.Seek(-4, CFile::end), 6u);
  EXPECT_EQ(file.Read(buffer, 2), 2u);
  EXPECT_EQ(std::string(buffer, 2), "67");
  EXPECT_EQ(file.Seek(-5, CFile::current), 3u);
  EXPECT_EQ(file.Read(buffer, 1), 1u);
  EXPECT_EQ(buffer[0], '3');
  EXPECT_EQ(file.Seek(8, CFile::begin), 8u);
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 2u) << "a read at the end delivers what is left";
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
}

struct OpenModeCase {
  const char* label;
  unsigned flags;
  bool existsBefore;
  bool opens;
  const char* contentAfter;  // after writing "ab" at the start
};

class CFileOpenModeTest : public ::testing::TestWithParam<OpenModeCase> {};

TEST_P(CFileOpenModeTest, CreatesTruncatesOrKeepsAsTheFlagsSay) {
  const OpenModeCase& c = GetParam();
  TempDir dir;
  std::string path = dir.File("mode.txt");
  if (c.existsBefore) WriteWholeFile(path, "123456");
  CFile file;
  ASSERT_EQ(file.Open(path.c_str(), c.flags), c.opens);
  if (!c.opens) return;
  file.Write("ab", 2);
  file.Close();
  EXPECT_EQ(ReadWholeFile(path), c.contentAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CFileOpenModeTest,
    ::testing::Values(
        OpenModeCase{"CreateMakesANewFile", CFile::modeWrite | CFile::modeCreate, false, true, "ab"},
        OpenModeCase{"CreateTruncates", CFile::modeWrite | CFile::modeCreate, true, true, "ab"},
        OpenModeCase{"NoTruncateKeepsTheRest", CFile::modeWrite | CFile::modeCreate | CFile::modeNoTruncate, true,
                     true, "ab3456"},
        OpenModeCase{"NoTruncateCreatesWhenMissing", CFile::modeWrite | CFile::modeCreate | CFile::modeNoTruncate,
                     false, true, "ab"},
        OpenModeCase{"WriteWithoutCreateKeepsTheRest", CFile::modeWrite | CFile::shareDenyNone, true, true, "ab3456"},
        OpenModeCase{"WriteWithoutCreateNeedsTheFile", CFile::modeWrite, false, false, ""}),
    [](const ::testing::TestParamInfo<OpenModeCase>& info) { return std::string(info.param.label); });

TEST_F(CFileTest, OpeningAMissingFileFailsAndDescribesWhy) {
  CFile file;
  CFileException error;
  EXPECT_FALSE(file.Open(m_dir.File("missing.bin").c_str(), CFile::modeRead, &error));
  EXPECT_FALSE(file.IsOpen());
  EXPECT_NE(error.m_lOsError, 0);
  EXPECT_EQ(error.m_strFileName, m_dir.File("missing.bin").c_str());
  EXPECT_NE(std::string(error.GetErrorMessage()).find("missing.bin: cannot be opened"), std::string::npos);
}

TEST_F(CFileTest, AFolderIsNotAFile) {
  CFile file;
  EXPECT_FALSE(file.Open(m_dir.Path().c_str(), CFile::modeRead | CFile::shareDenyNone));
}

TEST_F(CFileTest, SeekingBeforeTheStartThrows) {
  WriteWholeFile(m_strPath, "abc");
  CFile file;
  ASSERT_TRUE(file.Open(m_strPath.c_str(), CFile::modeRead));
  EXPECT_THROW(file.Seek(-4, CFile::end), CFileException);
}

TEST_F(CFileTest, UsingAClosedFileThrows) {
  CFile file;
  char byte;
  EXPECT_THROW(file.Read(&byte, 1), CFileException);
  EXPECT_THROW(file.Write("x", 1), CFileException);
  EXPECT_THROW(file.GetLength(), CFileException);
  EXPECT_NO_THROW(file.Close());
}

#if defined(_WIN32)
TEST_F(CFileTest, ExclusiveOpenKeepsOthersOut) {
  WriteWholeFile(m_strPath, "abc");
  CFile first, second;
  ASSERT_TRUE(first.Open(m_strPath.c_str(), CFile::modeRead | CFile::shareExclusive));
  EXPECT_FALSE(second.Open(m_strPath.c_str(), CFile::modeRead | CFile::shareDenyNone));
  first.Close();
  EXPECT_TRUE(second.Open(m_strPath.c_str(), CFile::modeRead | CFile::shareDenyNone));
}
#endif

TEST_F(CFileTest, TheFaultDoubleFailsTheNthWriteWithAFileException) {
  FaultyEnv env;
  env.FailNthWrite(3);
  CFile file(&env);
  ASSERT_TRUE(file.Open(m_strPath.c_str(), CFile::modeWrite | CFile::modeCreate));
  file.Write("a", 1);
  file.Write("b", 1);
  try {
    file.Write("c", 1);
    FAIL() << "the third write should fail";
  } catch (const CFileException& error) {
    EXPECT_EQ(error.m_lOsError, FaultyEnv::kInjectedError);
    EXPECT_EQ(error.m_strFileName, m_strPath.c_str());
  }
  file.Write("d", 1);  // only the n-th fails
  file.Close();
  EXPECT_EQ(ReadWholeFile(m_strPath), "abd");
}

TEST_F(CFileTest, TheFaultDoubleFailsTheNthReadAndSeekAndChosenOpens) {
  WriteWholeFile(m_strPath, "abc");
  FaultyEnv env;
  CFile file(&env);
  ASSERT_TRUE(file.Open(m_strPath.c_str(), CFile::modeRead));
  char byte;
  env.FailNthRead(2);
  EXPECT_EQ(file.Read(&byte, 1), 1u);
  EXPECT_THROW(file.Read(&byte, 1), CFileException);
  env.FailNthSeek(1);
  EXPECT_THROW(file.Seek(0, CFile::begin), CFileException);
  EXPECT_EQ(file.Seek(0, CFile::begin), 0u);

  env.FailOpen(m_strPath);
  CFile other(&env);
  EXPECT_FALSE(other.Open(m_strPath.c_str(), CFile::modeRead));
}

}  // namespace
