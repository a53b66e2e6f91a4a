#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/sfx/hand_archive.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/run_tool.h"

namespace {

class SfxpackTest : public ::testing::Test {
 protected:
  ToolRun Run(const std::vector<std::string>& args) { return RunTool(BuiltProgramPath(SFXPACK_PATH), args); }

  // A stub and three inputs; returns the build's arguments for `output`.
  std::vector<std::string> BuildArgs(const std::string& output) {
    return {"build", "-o", output, "--stub", m_strStub, m_strA, m_strB, m_strEmpty};
  }

  TempDir m_dir;
  std::string m_strStub = Put("stub.exe", "MZ stub of the tool tests " + std::string(300, 's'));
  std::string m_strA = Put("alpha.txt", "alpha\n");
  std::string m_strB = Put("beta.bin", MixedContent(200000, 11));
  std::string m_strEmpty = Put("empty.dat", "");
  std::string m_strOutput = m_dir.File("setup.exe");

 private:
  std::string Put(const std::string& name, const std::string& bytes) {
    WriteWholeFile(m_dir.File(name), bytes);
    return m_dir.File(name);
  }
};

TEST_F(SfxpackTest, HelpAndVersionSucceed) {
  ToolRun help = Run({"--help"});
  EXPECT_EQ(help.nExitCode, 0);
  EXPECT_NE(help.strOut.find("sfxpack build -o OUTPUT [--stub STUB | --arch x86|x64] FILE..."), std::string::npos);
  EXPECT_TRUE(help.strErr.empty());
  ToolRun version = Run({"--version"});
  EXPECT_EQ(version.nExitCode, 0);
  EXPECT_EQ(version.strOut, "sfxpack 1.0.0.1\n");
}

struct UsageCase {
  std::vector<std::string> args;
  const char* message;
};

class SfxpackUsageTest : public SfxpackTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(SfxpackUsageTest, AWrongCommandLineExitsWith2AndOneLine) {
  ToolRun run = Run(GetParam().args);
  EXPECT_EQ(run.nExitCode, 2);
  EXPECT_EQ(run.strErr, "sfxpack: " + std::string(GetParam().message) + " (see sfxpack --help)\n");
  EXPECT_TRUE(run.strOut.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SfxpackUsageTest,
    ::testing::Values(UsageCase{{}, "no command given"}, UsageCase{{"pack"}, "unknown command"},
                      UsageCase{{"build", "--stub", "s", "f"}, "build needs -o OUTPUT"},
                      UsageCase{{"build", "-o", "x", "--stub", "s", "--arch", "x64", "f"},
                                "build takes --stub or --arch, not both"},
                      UsageCase{{"build", "-o", "x", "--arch", "arm", "f"}, "build: --arch is x86 or x64"},
                      UsageCase{{"build", "-o", "x", "--stub", "s"}, "build needs at least one FILE"},
                      UsageCase{{"build", "-o"}, "build: an option lacks its value"},
                      UsageCase{{"list"}, "list needs exactly one ARCHIVE"},
                      UsageCase{{"extract", "a"}, "extract needs ARCHIVE and DIR"},
                      UsageCase{{"verify", "a", "b"}, "verify needs exactly one ARCHIVE"}));

TEST_F(SfxpackTest, BuildsAnInstallerThatListsVerifiesAndExtracts) {
  ToolRun build = Run(BuildArgs(m_strOutput));
  ASSERT_EQ(build.nExitCode, 0) << build.strErr;
  EXPECT_TRUE(build.strErr.empty()) << "no progress bar when stderr is no terminal";
  EXPECT_FALSE(FileExists(m_strOutput + ".partial"));

  ToolRun list = Run({"list", m_strOutput});
  ASSERT_EQ(list.nExitCode, 0) << list.strErr;
  std::string installer = ReadWholeFile(m_strOutput);
  const std::string stub = ReadWholeFile(m_strStub);
  EXPECT_EQ(installer.compare(0, stub.size(), stub), 0);
  uint32_t nAlphaStream = static_cast<uint32_t>(ZlibStream("alpha\n").size());
  uint32_t nBetaStream = static_cast<uint32_t>(ZlibStream(MixedContent(200000, 11)).size());
  std::string expected = "0\talpha.txt\t6\t" + std::to_string(nAlphaStream) + "\t" + std::to_string(stub.size()) +
                         "\n1\tbeta.bin\t200000\t" + std::to_string(nBetaStream) + "\t" +
                         std::to_string(stub.size() + nAlphaStream) + "\n2\tempty.dat\t0\t8\t" +
                         std::to_string(stub.size() + nAlphaStream + nBetaStream) + "\n";
  EXPECT_EQ(list.strOut, expected);

  ToolRun verify = Run({"verify", m_strOutput});
  EXPECT_EQ(verify.nExitCode, 0) << verify.strErr;
  EXPECT_EQ(verify.strOut, m_strOutput + ": intact, 3 entries\n");

  TempDir out;
  ToolRun extract = Run({"extract", m_strOutput, out.Path()});
  ASSERT_EQ(extract.nExitCode, 0) << extract.strErr;
  EXPECT_EQ(ReadWholeFile(out.File("alpha.txt")), "alpha\n");
  EXPECT_EQ(ReadWholeFile(out.File("beta.bin")), MixedContent(200000, 11));
  EXPECT_TRUE(FileExists(out.File("empty.dat")));
  EXPECT_EQ(ReadWholeFile(out.File("empty.dat")), "");
}

TEST_F(SfxpackTest, TheSameInputsGiveByteIdenticalInstallers) {
  ASSERT_EQ(Run(BuildArgs(m_strOutput)).nExitCode, 0);
  std::string second = m_dir.File("again.exe");
  ASSERT_EQ(Run(BuildArgs(second)).nExitCode, 0);
  EXPECT_EQ(ReadWholeFile(second), ReadWholeFile(m_strOutput));
  ASSERT_EQ(Run(BuildArgs(m_strOutput)).nExitCode, 0) << "rebuilding over an existing installer";
  EXPECT_EQ(ReadWholeFile(second), ReadWholeFile(m_strOutput));
}

TEST_F(SfxpackTest, AFailedBuildLeavesTheExistingInstallerUntouched) {
  ASSERT_EQ(Run(BuildArgs(m_strOutput)).nExitCode, 0);
  std::string good = ReadWholeFile(m_strOutput);

  std::string missing = m_dir.File("missing.txt");
  ToolRun run = Run({"build", "-o", m_strOutput, "--stub", m_strStub, m_strA, missing});
  EXPECT_EQ(run.nExitCode, 1);
  EXPECT_EQ(run.strErr.rfind("sfxpack: " + missing + ": cannot be opened (", 0), 0u) << run.strErr;
  EXPECT_EQ(std::count(run.strErr.begin(), run.strErr.end(), '\n'), 1);

  TempDir blocked;
  std::string output = blocked.File("setup.exe");
  WriteWholeFile(output, good);
  ToolRun noStub = Run({"build", "-o", output, "--stub", m_dir.File("nostub.exe"), m_strA});
  EXPECT_EQ(noStub.nExitCode, 1);
  EXPECT_EQ(noStub.strErr.rfind("sfxpack: " + m_dir.File("nostub.exe") + ": cannot be opened (", 0), 0u)
      << noStub.strErr;
  ToolRun noFolder = Run({"build", "-o", m_dir.File("no-such-folder") + PathSeparator() + "setup.exe", "--stub",
                          m_strStub, m_strA});
  EXPECT_EQ(noFolder.nExitCode, 1);
  EXPECT_NE(noFolder.strErr.find("setup.exe: cannot be written: its folder does not exist\n"), std::string::npos)
      << noFolder.strErr;
  EXPECT_FALSE(FileExists(m_dir.File("no-such-folder") + PathSeparator() + "setup.exe"));

  EXPECT_EQ(ReadWholeFile(m_strOutput), good);
  EXPECT_EQ(ReadWholeFile(output), good);
  EXPECT_FALSE(FileExists(m_strOutput + ".partial"));
}

#if !defined(_WIN32)
TEST_F(SfxpackTest, ABuildFailingMidwayLeavesTheExistingInstallerUntouched) {
  ASSERT_EQ(Run(BuildArgs(m_strOutput)).nExitCode, 0);
  std::string good = ReadWholeFile(m_strOutput);
  // /proc/self/mem opens and reports a length of 0, but reading it at
  // offset 0 fails: the build stops after the stub and the first stream.
  ToolRun run = Run({"build", "-o", m_strOutput, "--stub", m_strStub, m_strA, "/proc/self/mem"});
  EXPECT_EQ(run.nExitCode, 1);
  EXPECT_EQ(run.strErr, "sfxpack: " + m_strOutput + ": writing failed while adding /proc/self/mem" +
                            " (a file error, or the installer would exceed 2 GiB)\n");
  EXPECT_EQ(ReadWholeFile(m_strOutput), good);
  EXPECT_FALSE(FileExists(m_strOutput + ".partial"));
}
#endif

TEST_F(SfxpackTest, RefusesTwoInputsWithTheSameBareName) {
  TempDir other;
  std::string clash = other.File("ALPHA.TXT");
  WriteWholeFile(clash, "other alpha");
  ToolRun run = Run({"build", "-o", m_strOutput, "--stub", m_strStub, m_strA, clash});
  EXPECT_EQ(run.nExitCode, 1);
  EXPECT_EQ(run.strErr, "sfxpack: " + clash + ": its name is already taken by " + m_strA + "\n");
  EXPECT_FALSE(FileExists(m_strOutput));
}

TEST_F(SfxpackTest, ReportsWhatIsNoArchive) {
  for (const char* command : {"list", "verify"}) {
    ToolRun run = Run({command, m_strStub});
    EXPECT_EQ(run.nExitCode, 1);
    EXPECT_EQ(run.strErr, "sfxpack: " + m_strStub + ": is not an installer archive, or its directory is damaged\n");
  }
  ToolRun missing = Run({"list", m_dir.File("none.exe")});
  EXPECT_EQ(missing.nExitCode, 1);
  EXPECT_EQ(missing.strErr, "sfxpack: " + m_dir.File("none.exe") + ": cannot be opened or read\n");
  TempDir out;
  ToolRun extract = Run({"extract", m_strStub, out.Path()});
  EXPECT_EQ(extract.nExitCode, 1);
}

TEST_F(SfxpackTest, VerifyAndExtractFindADamagedEntry) {
  HandArchive hand("MZ");
  hand.Add("good.txt", "good");
  HandEntry& bad = hand.Add("bad.bin", MixedContent(30000, 5));
  bad.strStream[bad.strStream.size() / 2] ^= 0x20;
  std::string archive = m_dir.File("damaged.exe");
  WriteWholeFile(archive, hand.Bytes());

  ToolRun verify = Run({"verify", archive});
  EXPECT_EQ(verify.nExitCode, 1);
  EXPECT_NE(verify.strErr.find("sfxpack: " + archive + ": bad.bin: is damaged"), std::string::npos) << verify.strErr;
  EXPECT_TRUE(verify.strOut.empty());

  TempDir out;
  ToolRun extract = Run({"extract", archive, out.Path()});
  EXPECT_EQ(extract.nExitCode, 1);
  EXPECT_NE(extract.strErr.find("bad.bin: is damaged"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(out.File("good.txt")), "good");
  EXPECT_FALSE(FileExists(out.File("bad.bin")));
}

TEST_F(SfxpackTest, ExtractNeedsAnExistingFolder) {
  ASSERT_EQ(Run(BuildArgs(m_strOutput)).nExitCode, 0);
  std::string folder = m_dir.File("not-there");
  ToolRun run = Run({"extract", m_strOutput, folder});
  EXPECT_EQ(run.nExitCode, 1);
  EXPECT_EQ(run.strErr, "sfxpack: " + folder + ": is not an existing folder\n");
}

struct BuiltInStubCase {
  std::vector<std::string> archOption;  // empty: the default architecture
  const char* arch;
  const char* stubPath;  // the stub built into the tool, empty when it has none
};

class SfxpackBuiltInStubTest : public SfxpackTest, public ::testing::WithParamInterface<BuiltInStubCase> {};

// Without --stub the installer starts with the stub built into the tool for
// the chosen architecture; a tool built without that stub says so.
TEST_P(SfxpackBuiltInStubTest, BuildsFromTheStubBuiltIntoTheTool) {
  std::vector<std::string> args = {"build", "-o", m_strOutput};
  args.insert(args.end(), GetParam().archOption.begin(), GetParam().archOption.end());
  args.push_back(m_strA);
  ToolRun build = Run(args);
  const std::string stubPath = GetParam().stubPath;
  if (stubPath.empty()) {
    EXPECT_EQ(build.nExitCode, 1);
    EXPECT_EQ(build.strErr, "sfxpack: " + m_strOutput + ": this sfxpack has no built-in " + GetParam().arch +
                                " stub; name one with --stub STUB\n");
    EXPECT_FALSE(FileExists(m_strOutput));
    return;
  }
  ASSERT_EQ(build.nExitCode, 0) << build.strErr;
  const std::string stub = ReadWholeFile(BuiltProgramPath(stubPath));
  const std::string installer = ReadWholeFile(m_strOutput);
  ASSERT_GT(stub.size(), 0u);
  EXPECT_EQ(installer.compare(0, stub.size(), stub), 0) << "the installer starts with the " << GetParam().arch << " stub";
  ToolRun list = Run({"list", m_strOutput});
  ASSERT_EQ(list.nExitCode, 0) << list.strErr;
  EXPECT_EQ(list.strOut.rfind("0\talpha.txt\t6\t", 0), 0u) << list.strOut;
  EXPECT_NE(list.strOut.find("\t" + std::to_string(stub.size()) + "\n"), std::string::npos) << list.strOut;
}

INSTANTIATE_TEST_SUITE_P(Architectures, SfxpackBuiltInStubTest,
                         ::testing::Values(BuiltInStubCase{{}, "x86", BX_EMBEDDED_STUB_X86},
                                           BuiltInStubCase{{"--arch", "x86"}, "x86", BX_EMBEDDED_STUB_X86},
                                           BuiltInStubCase{{"--arch", "x64"}, "x64", BX_EMBEDDED_STUB_X64}));

}  // namespace
