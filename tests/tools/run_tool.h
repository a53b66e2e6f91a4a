// RunTool: runs a program of the build as its own process and collects its
// exit status and everything it printed. Under Wine the program is a
// Windows program started with CreateProcessA.
#pragma once

#include <string>
#include <vector>

struct ToolRun {
  int nExitCode = -1;
  std::string strOut;
  std::string strErr;
};

// Runs `program` with `args` (each passed as one argument) and waits for it.
// Line ends in the output are "\n" on every system.
// A program that cannot be started gives an exit code of -1.
ToolRun RunTool(const std::string& program, const std::vector<std::string>& args);

// The path of a program built in this tree, as the running system names it
// (a Linux path of the build becomes a Z: path under Wine).
std::string BuiltProgramPath(const std::string& buildPath);
