#include "tests/tools/run_tool.h"

#include "tests/support/temp_dir.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

#if defined(_WIN32)
// One argument quoted for the command line, as the C runtime splits it.
std::string Quote(const std::string& arg) {
  std::string quoted = "\"";
  int nBackslashes = 0;
  for (char ch : arg) {
    if (ch == '\\') {
      ++nBackslashes;
      continue;
    }
    quoted.append(static_cast<size_t>(ch == '"' ? nBackslashes * 2 + 1 : nBackslashes), '\\');
    nBackslashes = 0;
    quoted += ch;
  }
  quoted.append(static_cast<size_t>(nBackslashes * 2), '\\');
  return quoted + "\"";
}
#endif

}  // namespace

std::string BuiltProgramPath(const std::string& buildPath) {
#if defined(_WIN32)
  if (!buildPath.empty() && buildPath[0] == '/') {
    std::string path = "Z:" + buildPath;
    for (char& ch : path) {
      if (ch == '/') ch = '\\';
    }
    return path;
  }
#endif
  return buildPath;
}

ToolRun RunTool(const std::string& program, const std::vector<std::string>& args) {
  ToolRun run;
  TempDir capture;
  std::string outPath = capture.File("stdout.txt"), errPath = capture.File("stderr.txt");
#if defined(_WIN32)
  std::string commandLine = Quote(program);
  for (const std::string& arg : args) commandLine += " " + Quote(arg);
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE hOut = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  HANDLE hErr = CreateFileA(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = hOut;
  startup.hStdError = hErr;
  PROCESS_INFORMATION process = {};
  if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    run.nExitCode = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(hOut);
  CloseHandle(hErr);
#else
  pid_t child = fork();
  if (child == 0) {
    int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) run.nExitCode = WEXITSTATUS(status);
#endif
  run.strOut = ReadWholeFile(outPath);
  run.strErr = ReadWholeFile(errPath);
#if defined(_WIN32)
  for (std::string* text : {&run.strOut, &run.strErr}) {
    std::string lines;
    for (char ch : *text) {
      if (ch != '\r') lines += ch;
    }
    *text = lines;
  }
#endif
  return run;
}
