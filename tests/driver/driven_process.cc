#include "tests/driver/driven_process.h"

CDrivenProcess::~CDrivenProcess() {
  if (m_hProcess == NULL) return;
  if (IsRunning()) {
    TerminateProcess(m_hProcess, 1);
    WaitForSingleObject(m_hProcess, kDriverTimeoutMs);
  }
  CloseHandle(m_hProcess);
}

bool CDrivenProcess::Start(const std::string& commandLine, const std::string& currentFolder) {
  if (m_hProcess != NULL) return false;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::string writable = commandLine;
  if (!CreateProcessA(NULL, &writable[0], NULL, NULL, FALSE, 0, NULL,
                      currentFolder.empty() ? NULL : currentFolder.c_str(), &si, &pi)) {
    return false;
  }
  CloseHandle(pi.hThread);
  m_hProcess = pi.hProcess;
  m_nProcessId = pi.dwProcessId;
  return true;
}

bool CDrivenProcess::Attach(DWORD nProcessId) {
  if (m_hProcess != NULL) return false;
  m_hProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE,
                           nProcessId);
  if (m_hProcess == NULL) return false;
  m_nProcessId = nProcessId;
  return true;
}

bool CDrivenProcess::WaitForExit(DWORD nTimeoutMs) {
  return m_hProcess != NULL && WaitForSingleObject(m_hProcess, nTimeoutMs) == WAIT_OBJECT_0;
}

bool CDrivenProcess::IsRunning() const {
  return m_hProcess != NULL && WaitForSingleObject(m_hProcess, 0) == WAIT_TIMEOUT;
}

DWORD CDrivenProcess::GetExitCode() const {
  DWORD nCode = (DWORD)-1;
  if (m_hProcess == NULL || !GetExitCodeProcess(m_hProcess, &nCode)) return (DWORD)-1;
  return nCode;
}

std::string CDrivenProcess::GetImagePath() const {
  if (m_hProcess == NULL) return std::string();
  char buffer[MAX_PATH];
  DWORD nSize = sizeof buffer;
  if (!QueryFullProcessImageNameA(m_hProcess, 0, buffer, &nSize)) return std::string();
  return std::string(buffer, nSize);
}
