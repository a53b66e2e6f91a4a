#include "self_removal.h"

#include <cstdio>

#include "uninstall_codes.h"

namespace {

const DWORD kOriginalEndTimeoutMs = 60 * 1000;

}  // namespace

std::string GetOwnPath() {
  char buffer[MAX_PATH];
  DWORD nLength = GetModuleFileNameA(NULL, buffer, sizeof buffer);
  if (nLength == 0 || nLength >= sizeof buffer) return std::string();
  return std::string(buffer, nLength);
}

bool StartCleanupCopy(const std::string& installFolder) {
  std::string ownPath = GetOwnPath();
  char tempFolder[MAX_PATH];
  DWORD nTempLength = GetTempPathA(sizeof tempFolder, tempFolder);
  if (ownPath.empty() || nTempLength == 0 || nTempLength >= sizeof tempFolder) return false;

  char copyName[64];
  snprintf(copyName, sizeof copyName, "Bxuninstall-%lu.exe", (unsigned long)GetCurrentProcessId());
  std::string copyPath = std::string(tempFolder) + copyName;
  if (!CopyFileA(ownPath.c_str(), copyPath.c_str(), FALSE)) return false;

  HANDLE hSelf = NULL;
  if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &hSelf, SYNCHRONIZE,
                       TRUE, 0)) {
    DeleteFileA(copyPath.c_str());
    return false;
  }
  char handleText[32];
  snprintf(handleText, sizeof handleText, "%llu", (unsigned long long)(UINT_PTR)hSelf);
  std::string commandLine = "\"" + copyPath + "\" " BX_UNINSTALL_CLEANUP_SWITCH " " + handleText + " \"" +
                            installFolder + "\"";

  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  BOOL bStarted = CreateProcessA(copyPath.c_str(), &commandLine[0], NULL, NULL, TRUE, 0, NULL, tempFolder,
                                 &si, &pi);
  CloseHandle(hSelf);
  if (!bStarted) {
    DeleteFileA(copyPath.c_str());
    return false;
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

void WaitForOriginalToEnd(HANDLE hProcess) {
  if (hProcess == NULL) return;
  WaitForSingleObject(hProcess, kOriginalEndTimeoutMs);
  CloseHandle(hProcess);
}

bool ScheduleRemovalAtRestart(const std::string& path) {
  return MoveFileExA(path.c_str(), NULL, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}
