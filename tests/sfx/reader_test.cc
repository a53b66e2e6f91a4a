// Reading the directory: the trailer, the backward walk, and the refusal of
// directories that break the format's limits.
#include <gtest/gtest.h>

#include <functional>

#include "sfx/sfx_archive.h"
#include "tests/sfx/hand_archive.h"
#include "tests/sfx/sfx_test_support.h"
#include "tests/support/faulty_env.h"

namespace {

class ReaderTest : public ::testing::Test {
 protected:
  int Read(const std::string& bytes) {
    m_strPath = PutFile(m_dir, "setup.exe", bytes);
    return m_archive.ReadDirectory(m_strPath.c_str());
  }

  TempDir m_dir;
  std::string m_strPath;
  CSfxArchive m_archive;
};

TEST_F(ReaderTest, ReadsAHandWrittenArchive) {
  HandArchive hand("STUB-BYTES");
  hand.Add("alpha.txt", "first file");
  hand.Add("beta.bin", std::string(5000, 'b'));
  hand.Add("empty", "");
  ASSERT_EQ(Read(hand.Bytes()), SFX_OK);
  ASSERT_EQ(m_archive.GetEntryCount(), 3);
  for (int i = 0; i < 3; ++i) {
    const SfxEntry& entry = m_archive.GetEntry(i);
    EXPECT_EQ(entry.m_strName, hand.m_entries[i].strName.c_str());
    EXPECT_EQ(entry.m_nSize, hand.m_entries[i].nSize);
    EXPECT_EQ(entry.m_nCompressedSize, hand.m_entries[i].nCompressedSize);
    EXPECT_EQ(entry.m_nOffset, hand.m_entries[i].nOffset);
    EXPECT_TRUE(entry.m_strSourcePath.IsEmpty());
  }
  EXPECT_EQ(m_archive.GetEntry(0).m_nOffset, 10u) << "the first stream follows the stub";
}

TEST_F(ReaderTest, FiveEntriesTake159BytesOfDirectoryAndTrailer) {
  HandArchive hand("");
  for (const char* name : {"abcdef", "abcdefghijklmn", "bbcdefghijklmn", "abcdefghijkl", "abcdefghijklmno"}) {
    hand.Add(name, name);
  }
  std::string bytes = hand.Bytes();
  size_t nStreams = 0;
  for (const HandEntry& entry : hand.m_entries) nStreams += entry.strStream.size();
  EXPECT_EQ(bytes.size() - nStreams, 159u);
  EXPECT_EQ(Read(bytes), SFX_OK);
  EXPECT_EQ(m_archive.GetEntryCount(), 5);
}

struct TrailerCase {
  const char* label;
  std::function<void(HandArchive*)> change;
  int nExpected;
};

class ReaderTrailerTest : public ReaderTest, public ::testing::WithParamInterface<TrailerCase> {};

TEST_P(ReaderTrailerTest, RefusesWhatIsNoArchive) {
  HandArchive hand("MZ-stub");
  hand.Add("a.txt", "aaa");
  GetParam().change(&hand);
  EXPECT_EQ(Read(hand.Bytes()), GetParam().nExpected);
  EXPECT_EQ(m_archive.GetEntryCount(), 0);
}

// Each case breaks one rule of the format (or the limits) in an otherwise
// good one-entry archive.
INSTANTIATE_TEST_SUITE_P(
    Cases, ReaderTrailerTest,
    ::testing::Values(
        TrailerCase{"OtherVersion", [](HandArchive* h) { h->m_strVersion = "1.11"; }, SFX_ERR_NOT_ARCHIVE},
        TrailerCase{"ByteAfterMagic", [](HandArchive* h) { h->m_strAfterMagic = "x"; }, SFX_ERR_NOT_ARCHIVE},
        TrailerCase{"ZeroEntries", [](HandArchive* h) { h->m_nCountField = 0; }, SFX_ERR_EMPTY},
        TrailerCase{"MoreThan256Entries", [](HandArchive* h) { h->m_nCountField = 257; }, SFX_ERR_NOT_ARCHIVE},
        TrailerCase{"CountLargerThanTheDirectory", [](HandArchive* h) { h->m_nCountField = 40; },
                    SFX_ERR_NOT_ARCHIVE},
        TrailerCase{"NameLengthBeyondTheFile", [](HandArchive* h) { h->m_entries[0].nNameLength = 0xFFFFFFF0u; },
                    SFX_ERR_NOT_ARCHIVE},
        TrailerCase{"NameLongerThan1000",
                    [](HandArchive* h) {
                      h->m_entries[0].strName = std::string(1001, 'n');
                      h->m_entries[0].nNameLength = 1001;
                    },
                    SFX_ERR_NOT_ARCHIVE},
        TrailerCase{"EmptyName",
                    [](HandArchive* h) {
                      h->m_entries[0].strName.clear();
                      h->m_entries[0].nNameLength = 0;
                    },
                    SFX_ERR_NOT_ARCHIVE},
        TrailerCase{"StreamReachingIntoTheDirectory", [](HandArchive* h) { h->m_entries[0].nCompressedSize += 1; },
                    SFX_ERR_NOT_ARCHIVE},
        TrailerCase{"OffsetPastTheEnd", [](HandArchive* h) { h->m_entries[0].nOffset = 0x7FFFFFF0u; },
                    SFX_ERR_NOT_ARCHIVE},
        TrailerCase{"OffsetAndSizeWrappingAround",
                    [](HandArchive* h) {
                      h->m_entries[0].nOffset = 0xFFFFFFF0u;
                      h->m_entries[0].nCompressedSize = 0x20u;
                    },
                    SFX_ERR_NOT_ARCHIVE}),
    [](const ::testing::TestParamInfo<TrailerCase>& info) { return std::string(info.param.label); });

class ReaderNameTest : public ReaderTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ReaderNameTest, RefusesANameThatCouldLeaveTheFolderOrThatWindowsCannotCreate) {
  HandArchive hand("MZ");
  hand.Add("good.txt", "good");
  hand.Add(GetParam(), "bad");
  EXPECT_EQ(Read(hand.Bytes()), SFX_ERR_NOT_ARCHIVE);
  EXPECT_EQ(m_archive.GetEntryCount(), 0);
  // Nothing is acted on: no file of the archive appears.
  TempDir out;
  m_archive.SetArchivePath(m_strPath.c_str());
  EXPECT_EQ(m_archive.ExtractAll(out.Path().c_str(), nullptr, nullptr), SFX_ERR_NOT_ARCHIVE);
  EXPECT_FALSE(FileExists(out.File("good.txt")));
}

INSTANTIATE_TEST_SUITE_P(Names, ReaderNameTest,
                         ::testing::Values("..\\up.txt", "sub/x.txt", "C:x.txt", ".", "..", "a\x01", "a<b", "a>b",
                                           "a\"b", "a|b", "a?b", "a*b"));

TEST_F(ReaderTest, TheStubAloneIsNoArchive) {
  EXPECT_EQ(Read("MZ just a program, nothing appended"), SFX_ERR_NOT_ARCHIVE);
  EXPECT_EQ(Read("!QORT_SFX!"), SFX_ERR_NOT_ARCHIVE) << "a magic without room for the rest of the trailer";
  EXPECT_EQ(Read(""), SFX_ERR_NOT_ARCHIVE);
}

TEST_F(ReaderTest, ZeroEntriesIsEmptyWhateverStandsBefore) {
  std::string bytes = "anything at all";
  AppendUint32(&bytes, 0);
  bytes += "1.10!QORT_SFX!";
  EXPECT_EQ(Read(bytes), SFX_ERR_EMPTY);
}

TEST_F(ReaderTest, AMissingFileCannotBeOpened) {
  EXPECT_EQ(m_archive.ReadDirectory(m_dir.File("nowhere.exe").c_str()), SFX_ERR_OPEN_ARCHIVE);
}

TEST_F(ReaderTest, ARefusedDirectoryEmptiesTheTableLeftByAnEarlierRead) {
  HandArchive good("MZ");
  good.Add("a.txt", "a");
  good.Add("b.txt", "b");
  ASSERT_EQ(Read(good.Bytes()), SFX_OK);
  ASSERT_EQ(m_archive.GetEntryCount(), 2);
  good.m_entries[0].strName = "..";
  good.m_entries[0].nNameLength = 2;
  EXPECT_EQ(Read(good.Bytes()), SFX_ERR_NOT_ARCHIVE);
  EXPECT_EQ(m_archive.GetEntryCount(), 0);
}

TEST_F(ReaderTest, AFailingReadIsRefusedNotThrown) {
  HandArchive hand("MZ");
  hand.Add("a.txt", "a");
  m_strPath = PutFile(m_dir, "setup.exe", hand.Bytes());
  for (int n = 1; n <= 8; ++n) {
    FaultyEnv env;
    CSfxArchive archive(&env);
    env.FailNthRead(n);
    EXPECT_EQ(archive.ReadDirectory(m_strPath.c_str()), SFX_ERR_OPEN_ARCHIVE) << "read " << n;
    EXPECT_EQ(archive.GetEntryCount(), 0);
  }
}

TEST_F(ReaderTest, TheModulePathIsTheRunningProgram) {
  CString module = m_archive.GetModulePath();
  EXPECT_FALSE(module.IsEmpty());
  EXPECT_EQ(m_archive.GetArchivePath(), module);
  EXPECT_NE(std::string(module).find("sfx_archive_test"), std::string::npos) << module.GetString();
  EXPECT_EQ(m_archive.ReadDirectory(module), SFX_ERR_NOT_ARCHIVE) << "the test program carries no archive";
}

}  // namespace
