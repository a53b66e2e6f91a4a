// CDrivenProcess: a program that a test starts (or finds) and drives from
// outside. It owns the process handle; whatever is still running when the
// object goes is ended, so a failing test leaves no program behind.
#pragma once

#include <windows.h>

#include <string>

#include "tests/driver/poll.h"

class CDrivenProcess {
 public:
  CDrivenProcess() = default;
  // Ends the process if it still runs (TerminateProcess, then waits for it).
  ~CDrivenProcess();
  CDrivenProcess(const CDrivenProcess&) = delete;
  CDrivenProcess& operator=(const CDrivenProcess&) = delete;

  // Starts `commandLine` (program path first, quoted when it holds blanks)
  // with CreateProcessA, in `currentFolder` when that is not empty. Returns
  // false when the object already holds a process or the start fails
  // (GetLastError tells why).
  bool Start(const std::string& commandLine, const std::string& currentFolder = std::string());

  // Takes hold of the running process `nProcessId` (for instance the one that
  // owns a window). Returns false when the object already holds a process or
  // the process cannot be opened.
  bool Attach(DWORD nProcessId);

  // True when the process has ended within `nTimeoutMs`; false on timeout or
  // when the object holds no process.
  bool WaitForExit(DWORD nTimeoutMs = kDriverTimeoutMs);

  bool IsRunning() const;
  // The exit code once the process has ended; STILL_ACTIVE while it runs;
  // (DWORD)-1 when the object holds no process.
  DWORD GetExitCode() const;
  // 0 when the object holds no process.
  DWORD GetId() const { return m_nProcessId; }
  // The full path of the program file; empty when it cannot be read.
  std::string GetImagePath() const;

 private:
  HANDLE m_hProcess = NULL;
  DWORD m_nProcessId = 0;
};
