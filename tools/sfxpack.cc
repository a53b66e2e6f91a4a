// sfxpack: the command-line tool around the installer archive.
//   sfxpack build -o OUTPUT [--stub STUB | --arch x86|x64] FILE...
//   sfxpack list ARCHIVE
//   sfxpack extract ARCHIVE DIR
//   sfxpack verify ARCHIVE
// Exit status: 0 on success, 1 when the work failed, 2 for a wrong command
// line. Every failure prints one line on stderr naming the file and the
// reason; results go to stdout.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "framework/env.h"
#include "framework/file.h"
#include "sfx/sfx_archive.h"
#include "tools/discard_env.h"
#include "tools/embedded_stubs.h"
#include "tools/progress_bar.h"

namespace {

enum ExitCode { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

const char kUsage[] =
    "usage: sfxpack build -o OUTPUT [--stub STUB | --arch x86|x64] FILE...\n"
    "       sfxpack list ARCHIVE\n"
    "       sfxpack extract ARCHIVE DIR\n"
    "       sfxpack verify ARCHIVE\n"
    "       sfxpack --help | --version\n"
    "\n"
    "build    writes the installer OUTPUT: the stub program STUB followed by an\n"
    "         archive of the FILEs (at most 256, each stored under its bare name);\n"
    "         without --stub, the installer stub built into sfxpack for --arch\n"
    "         (x86, the default, or x64)\n"
    "list     prints one line per entry: index, name, size, compressed size and\n"
    "         stream offset, separated by tabs\n"
    "extract  writes every entry of ARCHIVE into the existing folder DIR\n"
    "verify   decompresses every entry of ARCHIVE without writing and reports\n"
    "         whether the archive is intact\n"
    "\n"
    "Exit status: 0 on success, 1 on failure, 2 for a wrong command line.\n";

void Report(const CString& subject, const CString& reason) {
  std::fprintf(stderr, "sfxpack: %s: %s\n", subject.GetString(), reason.GetString());
}

int UsageError(const char* problem) {
  std::fprintf(stderr, "sfxpack: %s (see sfxpack --help)\n", problem);
  return kExitUsage;
}

// Why ReadDirectory refused an archive.
const char* DescribeReadFailure(int result) {
  switch (result) {
    case SFX_ERR_OPEN_ARCHIVE:
      return "cannot be opened or read";
    case SFX_ERR_NOT_ARCHIVE:
      return "is not an installer archive, or its directory is damaged";
    default:
      return "cannot be read as an archive";
  }
}

// Why one entry could not be extracted or verified.
const char* DescribeEntryFailure(int result) {
  switch (result) {
    case SFX_ERR_WRITE_OUTPUT:
      return "cannot be written";
    case SFX_ERR_DAMAGED:
      return "is damaged: its data does not decompress to the recorded size and checksum";
    case SFX_ERR_OPEN_INPUT:
      return "cannot be read: the archive cannot be opened again";
    default:
      return "cannot be extracted";
  }
}

// Follows the callbacks of one operation: drives the bar and remembers how
// far the work came.
struct ProgressState {
  CProgressBar m_bar;
  int m_nCount = 0;
  int m_nBegun = 0;
  int m_nDone = 0;
};

void OnProgress(int code, void* data, void* user) {
  ProgressState* state = static_cast<ProgressState*>(user);
  if (code == SFX_CB_FILE_BEGIN) {
    ++state->m_nBegun;
    state->m_bar.BeginEntry(state->m_nBegun, state->m_nCount, static_cast<SfxEntry*>(data)->m_strName);
  } else if (code == SFX_CB_PROGRESS) {
    state->m_bar.SetPercent(*static_cast<int32_t*>(data));
  } else if (code == SFX_CB_FILE_DONE) {
    ++state->m_nDone;
    state->m_bar.SetPercent(100);
  }
}

int RunBuild(const std::vector<CString>& args) {
  CString output, stub, arch;
  std::vector<CString> files;
  bool bOptionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const CString& arg = args[i];
    if (!bOptionsEnded && (arg == "-o" || arg == "--output" || arg == "--stub" || arg == "--arch")) {
      if (i + 1 >= args.size()) return UsageError("build: an option lacks its value");
      (arg == "--stub" ? stub : arg == "--arch" ? arch : output) = args[++i];
    } else if (!bOptionsEnded && arg == "--") {
      bOptionsEnded = true;
    } else if (!bOptionsEnded && arg.GetLength() > 1 && arg[0] == '-') {
      return UsageError("build: unknown option");
    } else {
      files.push_back(arg);
    }
  }
  if (output.IsEmpty()) return UsageError("build needs -o OUTPUT");
  if (!stub.IsEmpty() && !arch.IsEmpty()) return UsageError("build takes --stub or --arch, not both");
  if (arch.IsEmpty()) arch = "x86";
  if (arch != "x86" && arch != "x64") return UsageError("build: --arch is x86 or x64");
  if (files.empty()) return UsageError("build needs at least one FILE");

  Env* env = Env::Default();
  int folderEnd = std::max(output.ReverseFind('\\'), output.ReverseFind('/'));
  if (folderEnd > 0 && !env->FolderExists(output.Left(folderEnd))) {
    Report(output, "cannot be written: its folder does not exist");
    return kExitFailure;
  }
  CSfxArchive archive(env);
  for (const CString& file : files) {
    CString reason;
    if (!archive.AddFile(file, &reason)) {
      Report(file, reason);
      return kExitFailure;
    }
  }
  if (!stub.IsEmpty()) {
    CFile stubFile(env);
    CFileException stubError;
    if (!stubFile.Open(stub, CFile::modeRead | CFile::shareDenyNone, &stubError)) {
      Report(stub, stubError.m_strReason);
      return kExitFailure;
    }
    stubFile.Close();
  }

  // Build beside OUTPUT and put the result in place only when it is whole.
  CString partial = output + ".partial";
  ProgressState state;
  state.m_nCount = archive.GetEntryCount();
  int result = stub.IsEmpty()
                   ? archive.BuildFromResource(arch == "x64" ? kStubIdX64 : kStubIdX86, partial, OnProgress, &state)
                   : archive.BuildFromStubFile(stub, partial, OnProgress, &state);
  state.m_bar.Finish();
  if (result != SFX_OK) {
    env->RemoveFile(partial);
    if (result == SFX_ERR_NO_STUB) {
      Report(output, "this sfxpack has no built-in " + arch + " stub; name one with --stub STUB");
    } else if (result == SFX_ERR_COPY_STUB) {
      Report(output, "the stub cannot be copied to " + partial);
    } else if (result == SFX_ERR_OPEN_INPUT) {
      Report(archive.GetEntry(state.m_nDone).m_strSourcePath, "cannot be opened during the build");
    } else if (state.m_nBegun > state.m_nDone) {
      Report(output, "writing failed while adding " + archive.GetEntry(state.m_nDone).m_strSourcePath +
                         " (a file error, or the installer would exceed 2 GiB)");
    } else {
      Report(output, "writing failed");
    }
    return kExitFailure;
  }
  if (OsError error = env->RenameFile(partial, output)) {
    env->RemoveFile(partial);
    Report(output, "cannot be replaced (" + env->DescribeError(error) + ")");
    return kExitFailure;
  }
  std::printf("%s: %d files\n", output.GetString(), archive.GetEntryCount());
  return kExitOk;
}

// Reads the directory of `path` into `archive`; an archive without entries
// counts as read. Reports and returns false on failure.
bool ReadArchive(CSfxArchive* archive, const CString& path) {
  int result = archive->ReadDirectory(path);
  if (result == SFX_OK || result == SFX_ERR_EMPTY) return true;
  Report(path, DescribeReadFailure(result));
  return false;
}

int RunList(const std::vector<CString>& args) {
  if (args.size() != 1) return UsageError("list needs exactly one ARCHIVE");
  CSfxArchive archive;
  if (!ReadArchive(&archive, args[0])) return kExitFailure;
  for (int i = 0; i < archive.GetEntryCount(); ++i) {
    const SfxEntry& entry = archive.GetEntry(i);
    std::printf("%d\t%s\t%u\t%u\t%u\n", i, entry.m_strName.GetString(), static_cast<unsigned>(entry.m_nSize),
                static_cast<unsigned>(entry.m_nCompressedSize), static_cast<unsigned>(entry.m_nOffset));
  }
  return kExitOk;
}

// Extracts every entry of `path` into `folder` through `env`, one entry at a
// time so that each failure names its entry. Returns the number of failures.
int ExtractEach(Env* env, const CString& path, const CString& folder, int* pnEntries) {
  CSfxArchive archive(env);
  archive.SetArchivePath(path);
  if (!ReadArchive(&archive, path)) return -1;
  ProgressState state;
  state.m_nCount = *pnEntries = archive.GetEntryCount();
  archive.SetProgressCallback(OnProgress, &state);
  int nFailures = 0;
  for (int i = 0; i < *pnEntries; ++i) {
    CString name = archive.GetEntry(i).m_strName;
    int result = archive.ExtractEntry(i, folder);
    if (result != SFX_OK) {
      state.m_bar.Finish();
      Report(path + ": " + name, DescribeEntryFailure(result));
      ++nFailures;
    }
  }
  return nFailures;
}

int RunExtract(const std::vector<CString>& args) {
  if (args.size() != 2) return UsageError("extract needs ARCHIVE and DIR");
  if (!Env::Default()->FolderExists(args[1])) {
    Report(args[1], "is not an existing folder");
    return kExitFailure;
  }
  int nEntries = 0;
  int nFailures = ExtractEach(Env::Default(), args[0], args[1], &nEntries);
  if (nFailures != 0) return kExitFailure;
  std::printf("%s: %d files extracted to %s\n", args[0].GetString(), nEntries, args[1].GetString());
  return kExitOk;
}

int RunVerify(const std::vector<CString>& args) {
  if (args.size() != 1) return UsageError("verify needs exactly one ARCHIVE");
  DiscardEnv discard;
  int nEntries = 0;
  int nFailures = ExtractEach(&discard, args[0], "verify", &nEntries);
  if (nFailures != 0) {
    if (nFailures > 0) Report(args[0], "is not intact");
    return kExitFailure;
  }
  std::printf("%s: intact, %d entries\n", args[0].GetString(), nEntries);
  return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return UsageError("no command given");
  CString command = argv[1];
  std::vector<CString> args(argv + 2, argv + argc);
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(kUsage, stdout);
    return kExitOk;
  }
  if (command == "--version") {
    std::printf("sfxpack %s\n", BX_VERSION);
    return kExitOk;
  }
  if (command == "build") {
    RegisterEmbeddedStubs();
    return RunBuild(args);
  }
  if (command == "list") return RunList(args);
  if (command == "extract") return RunExtract(args);
  if (command == "verify") return RunVerify(args);
  return UsageError("unknown command");
}
