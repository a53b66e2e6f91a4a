// How the uninstaller removes its own file: a running program cannot delete
// itself, so it copies itself to the temporary folder and lets that copy do
// the removal once the original has ended. The copy cannot delete itself
// either, so it asks Windows to delete it at the next restart.
#pragma once

#include <windows.h>

#include <string>

// This program's own file; empty when it cannot be found.
std::string GetOwnPath();

// Copies this program to the temporary folder as "Bxuninstall-<pid>.exe" and
// starts the copy with BX_UNINSTALL_CLEANUP_SWITCH, an inherited handle to
// this process and `installFolder`, in the temporary folder as its current
// folder (so that it keeps no installed folder busy). Returns true when the
// copy runs; false, with no copy left behind, when it cannot be made or
// started.
bool StartCleanupCopy(const std::string& installFolder);

// Waits (for at most a minute) until the process of `hProcess` has ended,
// then closes the handle. A null handle returns at once.
void WaitForOriginalToEnd(HANDLE hProcess);

// Asks Windows to delete `path` at the next restart. Returns false when the
// request could not be recorded.
bool ScheduleRemovalAtRestart(const std::string& path);
