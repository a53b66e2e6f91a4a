// Extraction: order and callbacks, damaged entries, file errors, the index
// check and the guard against a second operation from a callback.
#include <gtest/gtest.h>

#include <stdexcept>

#include "sfx/sfx_archive.h"
#include "tests/sfx/hand_archive.h"
#include "tests/sfx/sfx_test_support.h"
#include "tests/support/faulty_env.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

void MakeFolder(const std::string& path) {
#if defined(_WIN32)
  CreateDirectoryA(path.c_str(), nullptr);
#else
  mkdir(path.c_str(), 0777);
#endif
}

class ExtractTest : public ::testing::Test {
 protected:
  // Five entries a..e of different sizes, written by hand.
  void SetUp() override {
    const char* names[] = {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"};
    for (int i = 0; i < 5; ++i) m_hand.Add(names[i], MixedContent(static_cast<size_t>(i) * 3000, i + 1));
  }

  void UseArchive(CSfxArchive* archive) {
    m_strArchive = PutFile(m_archiveDir, "setup.exe", m_hand.Bytes());
    archive->SetArchivePath(m_strArchive.c_str());
  }

  std::string Content(int i) const { return MixedContent(static_cast<size_t>(i) * 3000, i + 1); }

  HandArchive m_hand{"MZ-hand-stub"};
  TempDir m_archiveDir, m_out;
  std::string m_strArchive;
  CSfxArchive m_archive;
  ProgressRecorder m_recorder;
};

TEST_F(ExtractTest, ExtractsLastEntryFirstWithBeginAndDoneForEach) {
  UseArchive(&m_archive);
  ASSERT_EQ(m_archive.ExtractAll(m_out.Path().c_str(), RecordProgress, &m_recorder), SFX_OK);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(ReadWholeFile(m_out.File(m_hand.m_entries[i].strName)), Content(i));
  std::vector<std::string> order;
  for (const std::string& step : m_recorder.Trace()) {
    if (step != "P") order.push_back(step);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"B:e.txt", "D:e.txt", "B:d.txt", "D:d.txt", "B:c.txt", "D:c.txt",
                                             "B:b.txt", "D:b.txt", "B:a.txt", "D:a.txt"}));
  EXPECT_EQ(m_archive.GetEntryCount(), 5);
}

TEST_F(ExtractTest, AOneStepEntryGetsNoProgressAndTheLastStepIsFollowedByDone) {
  m_hand = HandArchive("MZ");
  m_hand.Add("small.txt", std::string(4096, 's'));
  m_hand.Add("large.bin", MixedContent(300000, 9));
  UseArchive(&m_archive);
  ASSERT_EQ(m_archive.ExtractAll(m_out.Path().c_str(), RecordProgress, &m_recorder), SFX_OK);
  std::vector<std::string> trace = m_recorder.Trace();
  ASSERT_GE(trace.size(), 5u);
  EXPECT_EQ(trace.front(), "B:large.bin");
  EXPECT_EQ(trace[1], "P");
  EXPECT_EQ(std::vector<std::string>(trace.end() - 2, trace.end()),
            (std::vector<std::string>{"B:small.txt", "D:small.txt"}));
  int nLast = -1;
  for (const ProgressEvent& event : m_recorder.m_events) {
    if (event.nCode != SFX_CB_PROGRESS) continue;
    EXPECT_GE(event.nPercent, nLast);
    EXPECT_LE(event.nPercent, 100);
    nLast = event.nPercent;
  }
}

TEST_F(ExtractTest, WithOrWithoutTrailingBackslashGivesTheSameFiles) {
  UseArchive(&m_archive);
  std::string folder = m_out.Path() + "\\";
  ASSERT_EQ(m_archive.ExtractAll(folder.c_str(), nullptr, nullptr), SFX_OK);
  EXPECT_EQ(ReadWholeFile(m_out.File("c.txt")), Content(2));
  EXPECT_EQ(CSfxArchive::AddTrailingBackslash("C:\\x"), "C:\\x\\");
  EXPECT_EQ(CSfxArchive::AddTrailingBackslash("C:\\x\\"), "C:\\x\\");
}

TEST_F(ExtractTest, AnEmptyFolderIsAnInvalidArgument) {
  UseArchive(&m_archive);
  EXPECT_THROW(m_archive.ExtractAll("", nullptr, nullptr), std::invalid_argument);
  EXPECT_THROW(m_archive.ExtractEntry(0, ""), std::invalid_argument);
}

TEST_F(ExtractTest, AnExistingLongerFileIsReplaced) {
  UseArchive(&m_archive);
  WriteWholeFile(m_out.File("b.txt"), std::string(20000, 'x'));
  ASSERT_EQ(m_archive.ExtractAll(m_out.Path().c_str(), nullptr, nullptr), SFX_OK);
  EXPECT_EQ(ReadWholeFile(m_out.File("b.txt")), Content(1));
}

TEST_F(ExtractTest, AMissingFolderFailsEveryEntry) {
  UseArchive(&m_archive);
  ASSERT_EQ(m_archive.ExtractAll(m_out.File("missing").c_str(), RecordProgress, &m_recorder), SFX_ERR_WRITE_OUTPUT);
  EXPECT_EQ(m_recorder.Count(SFX_CB_FILE_BEGIN), 5);
  EXPECT_EQ(m_recorder.Count(SFX_CB_FILE_DONE), 0);
}

TEST_F(ExtractTest, AnOutputThatCannotBeCreatedFailsOnlyThatEntry) {
  UseArchive(&m_archive);
  MakeFolder(m_out.File("c.txt"));  // a folder where the third file should go
  ASSERT_EQ(m_archive.ExtractAll(m_out.Path().c_str(), RecordProgress, &m_recorder), SFX_ERR_WRITE_OUTPUT);
  EXPECT_EQ(m_recorder.Count(SFX_CB_FILE_BEGIN), 5);
  EXPECT_EQ(m_recorder.Count(SFX_CB_FILE_DONE), 4);
  EXPECT_EQ(ReadWholeFile(m_out.File("a.txt")), Content(0));
  EXPECT_EQ(ReadWholeFile(m_out.File("e.txt")), Content(4));
}

TEST_F(ExtractTest, TheArchiveCannotBeReopened) {
  UseArchive(&m_archive);
  // The directory read opens the file once; the data open comes second.
  struct FailSecondOpen : FaultyEnv {
    int m_nOpens = 0;
    OsError OpenFile(const char* path, unsigned flags, std::unique_ptr<EnvFile>* pFile) override {
      if (++m_nOpens == 2) return kInjectedError;
      return FaultyEnv::OpenFile(path, flags, pFile);
    }
  } failing;
  CSfxArchive reopening(&failing);
  reopening.SetArchivePath(m_strArchive.c_str());
  EXPECT_EQ(reopening.ExtractAll(m_out.Path().c_str(), RecordProgress, &m_recorder), SFX_ERR_OPEN_INPUT);
  EXPECT_TRUE(m_recorder.m_events.empty());
  EXPECT_FALSE(FileExists(m_out.File("a.txt")));
}

// Damage done to entry c.txt (index 2) of the five.
struct DamageCase {
  const char* label;
  void (*damage)(HandEntry* entry);
};

class DamagedEntryTest : public ExtractTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedEntryTest, IsNoSuccessAndLeavesNoFileWhileTheOthersAreExtracted) {
  GetParam().damage(&m_hand.m_entries[2]);
  m_hand.Layout();
  UseArchive(&m_archive);
  EXPECT_EQ(m_archive.ExtractAll(m_out.Path().c_str(), RecordProgress, &m_recorder), SFX_ERR_DAMAGED);
  EXPECT_EQ(m_recorder.Count(SFX_CB_FILE_BEGIN), 5);
  EXPECT_EQ(m_recorder.Count(SFX_CB_FILE_DONE), 4);
  for (const ProgressEvent& event : m_recorder.m_events) {
    EXPECT_FALSE(event.nCode == SFX_CB_FILE_DONE && event.strName == "c.txt");
  }
  EXPECT_FALSE(FileExists(m_out.File("c.txt")));
  for (int i : {0, 1, 3, 4}) EXPECT_EQ(ReadWholeFile(m_out.File(m_hand.m_entries[i].strName)), Content(i));
  EXPECT_EQ(m_archive.ExtractEntry(2, m_out.Path().c_str()), SFX_ERR_DAMAGED);
  EXPECT_FALSE(FileExists(m_out.File("c.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedEntryTest,
    ::testing::Values(
        DamageCase{"BrokenDeflateData", [](HandEntry* e) { e->strStream[e->strStream.size() / 2] ^= 0x55; }},
        DamageCase{"WrongAdler32", [](HandEntry* e) { e->strStream[e->strStream.size() - 1] ^= 0x01; }},
        DamageCase{"StreamCutShort",
                   [](HandEntry* e) {
                     e->strStream.resize(e->strStream.size() / 2);
                     e->nCompressedSize = static_cast<uint32_t>(e->strStream.size());
                   }},
        DamageCase{"SizeLargerThanTheData", [](HandEntry* e) { e->nSize += 1; }},
        DamageCase{"SizeSmallerThanTheData", [](HandEntry* e) { e->nSize -= 1; }},
        DamageCase{"NotAZlibStream", [](HandEntry* e) { e->strStream[0] = 0x12; }}),
    [](const ::testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.label); });

TEST_F(ExtractTest, TheArchiveEndingInsideAStreamIsDamage) {
  // A stored block that claims 65535 bytes: inflate copies the directory and
  // the trailer as data and then meets the end of the file.
  m_hand = HandArchive("MZ");
  HandEntry& entry = m_hand.Add("cut.bin", "");
  entry.strStream = std::string("\x78\x01\x01\xff\xff\x00\x00", 7);
  entry.nCompressedSize = 7;
  entry.nSize = 65535;
  UseArchive(&m_archive);
  EXPECT_EQ(m_archive.ExtractAll(m_out.Path().c_str(), RecordProgress, &m_recorder), SFX_ERR_DAMAGED);
  EXPECT_EQ(m_recorder.Count(SFX_CB_FILE_DONE), 0);
  EXPECT_FALSE(FileExists(m_out.File("cut.bin")));
}

TEST_F(ExtractTest, AWriteFailureWinsOverDamage) {
  m_hand.m_entries[1].strStream[10] ^= 0x5A;
  UseArchive(&m_archive);
  MakeFolder(m_out.File("d.txt"));
  EXPECT_EQ(m_archive.ExtractAll(m_out.Path().c_str(), nullptr, nullptr), SFX_ERR_WRITE_OUTPUT);
}

TEST_F(ExtractTest, AFullDiskFailsThatEntryAndRemovesItsPartialFile) {
  m_hand = HandArchive("MZ");
  m_hand.Add("first.bin", MixedContent(50000, 1));
  m_hand.Add("second.bin", MixedContent(50000, 2));
  m_hand.Add("third.bin", MixedContent(50000, 3));
  FaultyEnv env;
  CSfxArchive archive(&env);
  UseArchive(&archive);
  // third.bin goes first; its output takes several 4096-byte writes. Fail
  // one in the middle of second.bin.
  ASSERT_EQ(archive.ExtractAll(m_out.Path().c_str(), nullptr, nullptr), SFX_OK);
  int nWritesPerEntry = env.GetWriteCount() / 3;
  ASSERT_GT(nWritesPerEntry, 4);
  env.FailNthWrite(nWritesPerEntry + 3);
  EXPECT_EQ(archive.ExtractAll(m_out.Path().c_str(), RecordProgress, &m_recorder), SFX_ERR_WRITE_OUTPUT);
  EXPECT_EQ(m_recorder.Trace().front(), "B:third.bin");
  EXPECT_EQ(m_recorder.Count(SFX_CB_FILE_DONE), 2);
  EXPECT_FALSE(FileExists(m_out.File("second.bin")));
  EXPECT_EQ(ReadWholeFile(m_out.File("first.bin")), MixedContent(50000, 1));
  EXPECT_EQ(ReadWholeFile(m_out.File("third.bin")), MixedContent(50000, 3));
}

TEST_F(ExtractTest, AFailingArchiveReadFailsThatEntryWithoutAnException) {
  FaultyEnv env;
  CSfxArchive archive(&env);
  UseArchive(&archive);
  env.FailNthRead(5 * 5 + 3 + 1);  // past the directory walk (3 + 5 x 5 reads), the first data read
  int result = SFX_OK;
  EXPECT_NO_THROW(result = archive.ExtractAll(m_out.Path().c_str(), RecordProgress, &m_recorder));
  EXPECT_EQ(result, SFX_ERR_WRITE_OUTPUT);
  EXPECT_EQ(m_recorder.Count(SFX_CB_FILE_DONE), 4);
  EXPECT_FALSE(FileExists(m_out.File("e.txt")));
}

TEST_F(ExtractTest, ExtractEntryTransfersOneEntryAndRefusesAnIndexOutside) {
  UseArchive(&m_archive);
  EXPECT_EQ(m_archive.ExtractEntry(3, m_out.Path().c_str()), SFX_OK);
  EXPECT_EQ(ReadWholeFile(m_out.File("d.txt")), Content(3));
  EXPECT_FALSE(FileExists(m_out.File("c.txt")));
  TempDir untouched;
  for (int index : {-1, 5, 256, 100000}) {
    EXPECT_EQ(m_archive.ExtractEntry(index, untouched.Path().c_str()), SFX_ERR_BAD_INDEX) << index;
  }
  for (const HandEntry& entry : m_hand.m_entries) EXPECT_FALSE(FileExists(untouched.File(entry.strName)));
}

TEST_F(ExtractTest, ExtractEntryReportsToTheCallbackRegisteredLast) {
  UseArchive(&m_archive);
  ASSERT_EQ(m_archive.ExtractAll(m_out.Path().c_str(), RecordProgress, &m_recorder), SFX_OK);
  m_recorder.m_events.clear();
  ASSERT_EQ(m_archive.ExtractEntry(1, m_out.Path().c_str()), SFX_OK);
  EXPECT_EQ(m_recorder.Trace(), (std::vector<std::string>{"B:b.txt", "D:b.txt"}));
}

// A callback that tries every operation on the archive it is called from.
struct Reentry {
  CSfxArchive* m_pArchive;
  std::string m_strFolder, m_strSource;
  std::vector<int> m_results;
  bool m_bAddFileRefused = true;
  int m_nCountSeen = -1;
};

void TryReentering(int code, void*, void* user) {
  Reentry* reentry = static_cast<Reentry*>(user);
  if (code != SFX_CB_FILE_BEGIN || !reentry->m_results.empty()) return;
  CSfxArchive& archive = *reentry->m_pArchive;
  const char* folder = reentry->m_strFolder.c_str();
  reentry->m_results.push_back(archive.ExtractAll(folder, nullptr, nullptr));
  reentry->m_results.push_back(archive.ExtractEntry(0, folder));
  reentry->m_results.push_back(archive.ReadDirectory(archive.GetArchivePath()));
  std::string output = reentry->m_strFolder + PathSeparator() + "x.exe";
  reentry->m_results.push_back(archive.BuildFromStubFile(reentry->m_strSource.c_str(), output.c_str(), nullptr, nullptr));
  reentry->m_results.push_back(archive.BuildFromResource(kTestStubId, output.c_str(), nullptr, nullptr));
  reentry->m_bAddFileRefused = !archive.AddFile(reentry->m_strSource.c_str());
  archive.ResetEntries();
  reentry->m_nCountSeen = archive.GetEntryCount();
}

TEST_F(ExtractTest, ASecondOperationFromACallbackIsRefusedAndTouchesNothing) {
  UseArchive(&m_archive);
  TempDir other;
  Reentry reentry{&m_archive, other.Path(), PutFile(other, "source.txt", "src"), {}, false, -1};
  ASSERT_EQ(m_archive.ExtractAll(m_out.Path().c_str(), TryReentering, &reentry), SFX_OK);
  EXPECT_EQ(reentry.m_results, std::vector<int>(5, SFX_ERR_BUSY));
  EXPECT_TRUE(reentry.m_bAddFileRefused);
  EXPECT_EQ(reentry.m_nCountSeen, 5) << "ResetEntries did nothing while busy";
  for (const HandEntry& entry : m_hand.m_entries) EXPECT_FALSE(FileExists(other.File(entry.strName)));
  EXPECT_FALSE(FileExists(other.File("x.exe")));
  // The guard ends with the operation.
  EXPECT_EQ(m_archive.ExtractEntry(0, m_out.Path().c_str()), SFX_OK);
}

}  // namespace
