#include "tests/installer/folder_browser.h"

#include <shlobj.h>

namespace {

const UINT kAnswerTimeoutMs = 5000;

}  // namespace

bool SelectFolderInBrowser(DWORD nProcessId, HWND hBrowser, const std::string& folder) {
  HANDLE hProcess = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, nProcessId);
  if (hProcess == NULL) return false;
  bool bSent = false;
  void* pRemote = VirtualAllocEx(hProcess, NULL, folder.size() + 1, MEM_COMMIT, PAGE_READWRITE);
  if (pRemote != NULL) {
    DWORD_PTR nResult = 0;
    bSent = WriteProcessMemory(hProcess, pRemote, folder.c_str(), folder.size() + 1, NULL) &&
            SendMessageTimeoutA(hBrowser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(pRemote),
                                SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &nResult) != 0;
    VirtualFreeEx(hProcess, pRemote, 0, MEM_RELEASE);
  }
  CloseHandle(hProcess);
  return bSent;
}
