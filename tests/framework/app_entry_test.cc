// The window layer's entry point, seen from outside: runs the probe program
// (app_probe.cc) and reads its exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/string.h"

namespace {

DWORD RunProbe(const char* pszMode) {
  char szSelf[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, szSelf, MAX_PATH);
  CString strProbe(szSelf);
  strProbe = strProbe.Left(strProbe.ReverseFind('\\') + 1) + "framework_app_probe.exe";
  CString strCommand = "\"" + strProbe + "\" " + pszMode;
  STARTUPINFOA si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  if (!::CreateProcessA(strProbe, strCommand.GetBuffer(0), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    ADD_FAILURE() << "cannot start " << strProbe.GetString();
    return 0xFFFFFFFF;
  }
  ::WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD dwExitCode = 0xFFFFFFFF;
  ::GetExitCodeProcess(pi.hProcess, &dwExitCode);
  ::CloseHandle(pi.hThread);
  ::CloseHandle(pi.hProcess);
  return dwExitCode;
}

TEST(AppEntryTest, InitInstanceFalseEndsWithoutAMessageLoop) { EXPECT_EQ(RunProbe("init-false"), 0u); }

TEST(AppEntryTest, InitInstanceTrueRunsTheMessageLoopToItsQuitCode) { EXPECT_EQ(RunProbe("init-true"), 7u); }

}  // namespace
