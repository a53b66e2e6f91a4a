// Building installers: round trips, the layout the builder writes, the
// compression callbacks, AddFile's refusals and every build result.
#include <gtest/gtest.h>

#include <cstdio>

#include "sfx/entry_name.h"
#include "sfx/sfx_archive.h"
#include "tests/sfx/hand_archive.h"
#include "tests/sfx/sfx_test_support.h"
#include "tests/support/faulty_env.h"

namespace {

uint32_t Uint32At(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

class BuilderTest : public ::testing::Test {
 protected:
  std::string Source(const std::string& name, const std::string& bytes) { return PutFile(m_sources, name, bytes); }
  std::string StubFile() { return PutFile(m_sources, "stub.exe", TestStubBytes()); }

  TempDir m_sources, m_out, m_extracted;
  std::string m_strOutput = m_out.File("setup.exe");
  CSfxArchive m_archive;
  ProgressRecorder m_recorder;
};

TEST_F(BuilderTest, TheTestStubIsLinkedIn) { ASSERT_GT(TestStubBytes().size(), 100u); }

TEST_F(BuilderTest, RoundTripsEverySizeByteForByte) {
  const size_t sizes[] = {0, 1, 4095, 4096, 4097, 100 * 1024, 5 * 1024 * 1024 + 123};
  for (size_t size : sizes) {
    ASSERT_TRUE(m_archive.AddFile(Source("file" + std::to_string(size) + ".bin", MixedContent(size, 77)).c_str()));
  }
  ASSERT_EQ(m_archive.BuildFromStubFile(StubFile().c_str(), m_strOutput.c_str(), nullptr, nullptr), SFX_OK);
  CSfxArchive reader;
  reader.SetArchivePath(m_strOutput.c_str());
  ASSERT_EQ(reader.ExtractAll(m_extracted.Path().c_str(), nullptr, nullptr), SFX_OK);
  for (size_t size : sizes) {
    std::string name = "file" + std::to_string(size) + ".bin";
    EXPECT_EQ(ReadWholeFile(m_extracted.File(name)), MixedContent(size, 77)) << name;
  }
}

TEST_F(BuilderTest, WritesTheFormatLayout) {
  m_archive.AddFile(Source("zero.dat", "").c_str());
  m_archive.AddFile(Source("hundred.dat", std::string(100, 'h')).c_str());
  m_archive.AddFile(Source("five.dat", MixedContent(5000, 5)).c_str());
  ASSERT_EQ(m_archive.BuildFromStubFile(StubFile().c_str(), m_strOutput.c_str(), nullptr, nullptr), SFX_OK);
  std::string bytes = ReadWholeFile(m_strOutput);
  const std::string& stub = TestStubBytes();
  ASSERT_EQ(bytes.compare(0, stub.size(), stub), 0) << "the stub comes first, byte for byte";
  EXPECT_EQ(bytes.substr(stub.size(), 8), std::string("\x78\x9C\x03\x00\x00\x00\x00\x01", 8));
  EXPECT_EQ(bytes.substr(bytes.size() - 14), "1.10!QORT_SFX!");
  EXPECT_EQ(Uint32At(bytes, bytes.size() - 18), 3u);

  // Records 0..2 front to back right after the last stream.
  size_t at = stub.size() + m_archive.GetEntry(0).m_nCompressedSize + m_archive.GetEntry(1).m_nCompressedSize +
              m_archive.GetEntry(2).m_nCompressedSize;
  uint32_t nExpectedOffset = static_cast<uint32_t>(stub.size());
  for (int i = 0; i < 3; ++i) {
    const SfxEntry& entry = m_archive.GetEntry(i);
    EXPECT_EQ(Uint32At(bytes, at), nExpectedOffset);
    EXPECT_EQ(Uint32At(bytes, at + 4), entry.m_nSize);
    EXPECT_EQ(Uint32At(bytes, at + 8), entry.m_nCompressedSize);
    EXPECT_EQ(bytes.substr(at + 12, entry.m_strName.GetLength()), entry.m_strName.GetString());
    EXPECT_EQ(Uint32At(bytes, at + 12 + entry.m_strName.GetLength()), static_cast<uint32_t>(entry.m_strName.GetLength()));
    at += 16 + entry.m_strName.GetLength();
    nExpectedOffset += entry.m_nCompressedSize;
  }
  EXPECT_EQ(at + 18, bytes.size());
  EXPECT_EQ(m_archive.GetEntry(0).m_nCompressedSize, 8u);

  CSfxArchive reader;
  ASSERT_EQ(reader.ReadDirectory(m_strOutput.c_str()), SFX_OK);
  ASSERT_EQ(reader.GetEntryCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(reader.GetEntry(i).m_strName, m_archive.GetEntry(i).m_strName);
    EXPECT_EQ(reader.GetEntry(i).m_nSize, m_archive.GetEntry(i).m_nSize);
    EXPECT_EQ(reader.GetEntry(i).m_nOffset, m_archive.GetEntry(i).m_nOffset);
    EXPECT_EQ(reader.GetEntry(i).m_nCompressedSize, m_archive.GetEntry(i).m_nCompressedSize);
  }
  EXPECT_EQ(reader.GetEntry(2).m_nSize, 5000u);
}

TEST_F(BuilderTest, ItsStreamsAreZlibLevelSixAsTheFormatSays) {
  std::string content = MixedContent(70000, 3);
  m_archive.AddFile(Source("a.bin", content).c_str());
  ASSERT_EQ(m_archive.BuildFromStubFile(StubFile().c_str(), m_strOutput.c_str(), nullptr, nullptr), SFX_OK);
  std::string bytes = ReadWholeFile(m_strOutput);
  EXPECT_EQ(bytes.substr(TestStubBytes().size(), m_archive.GetEntry(0).m_nCompressedSize), ZlibStream(content));
}

TEST_F(BuilderTest, TheSameInputsGiveTheSameBytes) {
  m_archive.AddFile(Source("a.bin", MixedContent(90000, 1)).c_str());
  m_archive.AddFile(Source("b.bin", MixedContent(10, 2)).c_str());
  ASSERT_EQ(m_archive.BuildFromStubFile(StubFile().c_str(), m_strOutput.c_str(), nullptr, nullptr), SFX_OK);
  std::string first = ReadWholeFile(m_strOutput);
  ASSERT_EQ(m_archive.BuildFromResource(kTestStubId, m_out.File("again.exe").c_str(), nullptr, nullptr), SFX_OK);
  EXPECT_EQ(ReadWholeFile(m_out.File("again.exe")), first);
}

TEST_F(BuilderTest, CompressionCallbacksEndAt100AndSkipProgressForAnEmptyFile) {
  m_archive.AddFile(Source("empty.txt", "").c_str());
  m_archive.AddFile(Source("big.bin", MixedContent(60000, 8)).c_str());
  ASSERT_EQ(m_archive.BuildFromStubFile(StubFile().c_str(), m_strOutput.c_str(), RecordProgress, &m_recorder), SFX_OK);
  std::vector<std::string> trace = m_recorder.Trace();
  ASSERT_GE(trace.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(trace.begin(), trace.begin() + 3),
            (std::vector<std::string>{"B:empty.txt", "D:empty.txt", "B:big.bin"}));
  EXPECT_EQ(trace.back(), "D:big.bin");
  EXPECT_EQ(m_recorder.m_events[m_recorder.m_events.size() - 2].nPercent, 100);
  EXPECT_GE(m_recorder.Count(SFX_CB_PROGRESS), 15) << "at least one step per 4096 bytes read";
}

TEST_F(BuilderTest, TheBareNameFollowsTheLastSeparator) {
  std::string path = Source("plain.txt", "p");
  ASSERT_TRUE(m_archive.AddFile(path.c_str()));
  EXPECT_EQ(m_archive.GetEntry(0).m_strName, "plain.txt");
  EXPECT_EQ(m_archive.GetEntry(0).m_strSourcePath, path.c_str());
  // A backslash ends the folder part on every platform.
  SfxEntry entry;
  ASSERT_TRUE(entry.SetSource((m_sources.Path() + "\\plain.txt").c_str()));
  EXPECT_EQ(entry.m_strName, "plain.txt");
  EXPECT_EQ(entry.m_nSize, 1u);
  SfxEntry bare;
  EXPECT_FALSE(bare.SetSource("no-such-file-here.txt"));
  EXPECT_TRUE(bare.m_strName.IsEmpty()) << "a failed SetSource leaves the entry unchanged";
}

TEST_F(BuilderTest, AddFileRefusesAndLeavesTheTableUnchanged) {
  ASSERT_TRUE(m_archive.AddFile(Source("Data.BIN", "one").c_str()));
  TempDir other;
  CString reason;
  EXPECT_FALSE(m_archive.AddFile(PutFile(other, "data.bin", "two").c_str(), &reason));
  EXPECT_NE(std::string(reason).find("already taken"), std::string::npos) << reason.GetString();
  EXPECT_FALSE(m_archive.AddFile(m_sources.File("missing.txt").c_str(), &reason));
  EXPECT_NE(std::string(reason).find("cannot be opened"), std::string::npos) << reason.GetString();
  EXPECT_FALSE(m_archive.AddFile(m_sources.Path().c_str())) << "a folder is not a file";
#if !defined(_WIN32)
  EXPECT_FALSE(m_archive.AddFile(Source("a<b.txt", "x").c_str(), &reason));
  EXPECT_NE(std::string(reason).find("does not allow"), std::string::npos);
  EXPECT_FALSE(m_archive.AddFile(Source("trailing.", "x").c_str()));
#endif
  EXPECT_EQ(m_archive.GetEntryCount(), 1);
  EXPECT_EQ(m_archive.GetEntry(0).m_strName, "Data.BIN");
  EXPECT_TRUE(m_archive.GetEntry(1).m_strName.IsEmpty());
}

TEST_F(BuilderTest, AddFileRefusesAFileOf4GiBOrMore) {
  FaultyEnv env;
  CSfxArchive archive(&env);
  std::string big = Source("big.bin", "0123456789");
  std::string almost = Source("almost.bin", "0123456789");
  env.PretendLarger(big, (uint64_t{1} << 32) - 10);
  env.PretendLarger(almost, (uint64_t{1} << 32) - 11);
  CString reason;
  EXPECT_FALSE(archive.AddFile(big.c_str(), &reason));
  EXPECT_EQ(reason, "is 4 GiB or longer");
  ASSERT_TRUE(archive.AddFile(almost.c_str()));
  EXPECT_EQ(archive.GetEntry(0).m_nSize, 0xFFFFFFFFu);
  EXPECT_EQ(archive.GetEntryCount(), 1);
}

TEST_F(BuilderTest, AFullTableRefusesThe257thFile) {
  for (int i = 0; i < SFX_MAX_ENTRIES; ++i) {
    ASSERT_TRUE(m_archive.AddFile(Source("f" + std::to_string(i), "").c_str())) << i;
  }
  EXPECT_FALSE(m_archive.AddFile(Source("one-too-many", "").c_str()));
  EXPECT_EQ(m_archive.GetEntryCount(), 256);
}

TEST_F(BuilderTest, ANameOver1000BytesIsRefusedBeforeItIsRead) {
  // Such a file cannot exist on disk; its name alone decides.
  std::string name(1001, 'n');
  EXPECT_STREQ(GetEntryNameFault(CString(name)), "is longer than 1000 bytes");
}

TEST_F(BuilderTest, AnEmptyTableBuildsNothing) {
  EXPECT_EQ(m_archive.BuildFromStubFile(StubFile().c_str(), m_strOutput.c_str(), nullptr, nullptr), SFX_ERR_EMPTY);
  EXPECT_EQ(m_archive.BuildFromResource(kTestStubId, m_strOutput.c_str(), nullptr, nullptr), SFX_ERR_EMPTY);
  EXPECT_FALSE(FileExists(m_strOutput));
}

TEST_F(BuilderTest, BuildResultsForAMissingStubAndAnUnwritableOutput) {
  m_archive.AddFile(Source("a.txt", "a").c_str());
  EXPECT_EQ(m_archive.BuildFromStubFile(m_sources.File("no-stub.exe").c_str(), m_strOutput.c_str(), nullptr, nullptr),
            SFX_ERR_COPY_STUB);
  EXPECT_EQ(m_archive.BuildFromResource(kTestStubId + 1, m_strOutput.c_str(), nullptr, nullptr), SFX_ERR_NO_STUB);
  EXPECT_FALSE(FileExists(m_strOutput));
  EXPECT_EQ(m_archive.BuildFromResource(kTestStubId, m_out.File("missing\\setup.exe").c_str(), nullptr, nullptr),
            SFX_ERR_WRITE_OUTPUT);

  FaultyEnv env;
  CSfxArchive archive(&env);
  archive.AddFile(Source("a.txt", "a").c_str());
  env.FailOpen(m_strOutput);
  EXPECT_EQ(archive.BuildFromStubFile(StubFile().c_str(), m_strOutput.c_str(), nullptr, nullptr), SFX_ERR_WRITE_OUTPUT);
  EXPECT_EQ(ReadWholeFile(m_strOutput), TestStubBytes()) << "the copied stub stays";
}

TEST_F(BuilderTest, AMissingSourceStopsTheBuildWithOpenInput) {
  std::vector<std::string> paths;
  for (int i = 0; i < 5; ++i) {
    paths.push_back(Source("s" + std::to_string(i), MixedContent(3000, i)));
    ASSERT_TRUE(m_archive.AddFile(paths.back().c_str()));
  }
  std::remove(paths[2].c_str());
  EXPECT_EQ(m_archive.BuildFromStubFile(StubFile().c_str(), m_strOutput.c_str(), RecordProgress, &m_recorder),
            SFX_ERR_OPEN_INPUT);
  EXPECT_EQ(m_recorder.Count(SFX_CB_FILE_DONE), 2);
  std::string bytes = ReadWholeFile(m_strOutput);
  EXPECT_EQ(bytes.size(), TestStubBytes().size() + m_archive.GetEntry(0).m_nCompressedSize +
                              m_archive.GetEntry(1).m_nCompressedSize);
  CSfxArchive reader;
  EXPECT_EQ(reader.ReadDirectory(m_strOutput.c_str()), SFX_ERR_NOT_ARCHIVE);
}

TEST_F(BuilderTest, AFailingWriteStopsTheBuildWithWriteOutput) {
  FaultyEnv env;
  CSfxArchive archive(&env);
  archive.AddFile(Source("a.bin", MixedContent(40000, 1)).c_str());
  archive.AddFile(Source("b.bin", MixedContent(40000, 2)).c_str());
  for (int n : {1, 5, 25}) {
    env.FailNthWrite(n);
    EXPECT_EQ(archive.BuildFromResource(kTestStubId, m_strOutput.c_str(), nullptr, nullptr), SFX_ERR_WRITE_OUTPUT) << n;
  }
  env.FailNthRead(3);
  EXPECT_EQ(archive.BuildFromStubFile(StubFile().c_str(), m_strOutput.c_str(), nullptr, nullptr), SFX_ERR_WRITE_OUTPUT);
  EXPECT_EQ(archive.BuildFromStubFile(StubFile().c_str(), m_strOutput.c_str(), nullptr, nullptr), SFX_OK);
}

TEST_F(BuilderTest, AStreamOffsetAt2GiBStopsTheBuild) {
  FaultyEnv env;
  CSfxArchive archive(&env);
  archive.AddFile(Source("first.bin", MixedContent(200, 1)).c_str());  // incompressible: > 200 bytes of stream
  archive.AddFile(Source("second.bin", "x").c_str());
  uint64_t nLimit = uint64_t{1} << 31;
  uint64_t nStub = TestStubBytes().size();
  env.PretendLarger(m_strOutput, nLimit - nStub - 100);  // the first stream starts 100 bytes below the limit
  EXPECT_EQ(archive.BuildFromStubFile(StubFile().c_str(), m_strOutput.c_str(), RecordProgress, &m_recorder),
            SFX_ERR_WRITE_OUTPUT);
  EXPECT_EQ(m_recorder.Trace().back(), "D:first.bin") << "the second stream would start beyond 2^31";

  std::string fits = m_out.File("fits.exe");
  env.PretendLarger(fits, nLimit - nStub - 1000);
  EXPECT_EQ(archive.BuildFromStubFile(StubFile().c_str(), fits.c_str(), nullptr, nullptr), SFX_OK);
  EXPECT_LT(archive.GetEntry(1).m_nOffset, nLimit);
}

TEST_F(BuilderTest, AFileThatChangedAfterAddFileIsRecordedAsCompressed) {
  std::string path = Source("grows.log", "short");
  ASSERT_TRUE(m_archive.AddFile(path.c_str()));
  WriteWholeFile(path, MixedContent(9000, 4));
  ASSERT_EQ(m_archive.BuildFromStubFile(StubFile().c_str(), m_strOutput.c_str(), nullptr, nullptr), SFX_OK);
  CSfxArchive reader;
  reader.SetArchivePath(m_strOutput.c_str());
  ASSERT_EQ(reader.ExtractAll(m_extracted.Path().c_str(), nullptr, nullptr), SFX_OK);
  EXPECT_EQ(reader.GetEntry(0).m_nSize, 9000u);
  EXPECT_EQ(ReadWholeFile(m_extracted.File("grows.log")), MixedContent(9000, 4));
}

TEST_F(BuilderTest, ASecondBuildWithTheSameTableWritesTheSameFilesAgain) {
  m_archive.AddFile(Source("a.txt", "again").c_str());
  ASSERT_EQ(m_archive.BuildFromResource(kTestStubId, m_strOutput.c_str(), nullptr, nullptr), SFX_OK);
  std::string first = ReadWholeFile(m_strOutput);
  ASSERT_EQ(m_archive.BuildFromResource(kTestStubId, m_strOutput.c_str(), nullptr, nullptr), SFX_OK);
  EXPECT_EQ(ReadWholeFile(m_strOutput), first);
  EXPECT_EQ(first.compare(0, TestStubBytes().size(), TestStubBytes()), 0);
}

}  // namespace
