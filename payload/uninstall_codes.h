// Exit codes and texts of Bxuninstall.exe, shared with its tests.
#pragma once

// Caption of every message box the uninstaller shows.
#define BX_UNINSTALL_CAPTION "Brindlewax Uninstall"

// The argument by which the uninstaller starts its own copy in the temporary
// folder: <copy> /cleanup <process handle of the original> "<install folder>".
#define BX_UNINSTALL_CLEANUP_SWITCH "/cleanup"

enum UninstallExitCode {
  // The copy: everything was removed. The original: the copy was started.
  kUninstallDone = 0,
  // The user answered No; nothing was touched.
  kUninstallDeclined = 1,
  // The copy: some items exist still and were reported.
  kUninstallIncomplete = 2,
  // The original could not start its copy; nothing was touched.
  kUninstallNoCleanupCopy = 3,
  // The command line was not one the uninstaller knows.
  kUninstallBadArguments = 4,
};
