#include "tests/payload/test_installation.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>

#include "payload_files.h"
#include "tests/driver/host_path.h"
#include "tests/support/installed_items.h"

namespace {

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brindlewax";

bool WriteStringValue(HKEY hKey, const char* name, const std::string& data) {
  return RegSetValueExA(hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace

std::string GetBuiltPayloadFile(const std::string& name) {
  return HostPathToWindows(BX_PAYLOAD_BUILD_DIR) + "\\" + name;
}

bool WriteShortcut(const std::string& target, const std::string& linkPath, const std::string& description) {
  IShellLinkA* pLink = NULL;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&pLink)))) {
    return false;
  }
  pLink->SetPath(target.c_str());
  pLink->SetDescription(description.c_str());
  IPersistFile* pFile = NULL;
  HRESULT hr = pLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pFile));
  if (SUCCEEDED(hr)) {
    WCHAR widePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH);
    hr = pFile->Save(widePath, TRUE);
    pFile->Release();
  }
  pLink->Release();
  return SUCCEEDED(hr);
}

CTestInstallation::CTestInstallation() {
  static int s_nInstallations = 0;
  char root[MAX_PATH];
  snprintf(root, sizeof root, "C:\\bx-payload-test-%lu-%d", (unsigned long)GetCurrentProcessId(),
           ++s_nInstallations);
  m_strRootFolder = root;
  m_strInstallFolder = m_strRootFolder + "\\Brindlewax";
}

CTestInstallation::~CTestInstallation() {
  RemoveTree(m_strRootFolder);
  DeleteFileA(GetDesktopShortcut().c_str());
  RemoveTree(GetGroupFolder());
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey);
}

std::string CTestInstallation::GetInstalledFile(const std::string& name) const {
  return m_strInstallFolder + "\\" + name;
}

std::string CTestInstallation::GetDesktopShortcut() { return GetShellFolder(CSIDL_DESKTOP) + "\\Brindlewax.lnk"; }

std::string CTestInstallation::GetGroupFolder() { return GetShellFolder(CSIDL_PROGRAMS) + "\\Brindlewax"; }

std::string CTestInstallation::GetGroupShortcut() { return GetGroupFolder() + "\\Brindlewax.lnk"; }

bool CTestInstallation::Fail(const std::string& reason) {
  m_strError = reason;
  return false;
}

bool CTestInstallation::Create() {
  if (PathExists(m_strRootFolder)) return Fail(m_strRootFolder + " exists already");
  if (GetShellFolder(CSIDL_DESKTOP).empty() || GetShellFolder(CSIDL_PROGRAMS).empty()) {
    return Fail("the desktop or the programs folder cannot be resolved");
  }
  if (!CreateDirectoryA(m_strRootFolder.c_str(), NULL) || !CreateDirectoryA(m_strInstallFolder.c_str(), NULL)) {
    return Fail("cannot create " + m_strInstallFolder);
  }
  for (size_t i = 0; i < kPayloadFileCount; ++i) {
    std::string source = GetBuiltPayloadFile(kPayloadFileNames[i]);
    if (!CopyFileA(source.c_str(), GetInstalledFile(kPayloadFileNames[i]).c_str(), TRUE)) {
      return Fail("cannot copy " + source);
    }
  }

  std::string target = GetInstalledFile("Brindlewax.exe");
  CoInitialize(NULL);
  bool bLinks = WriteShortcut(target, GetDesktopShortcut(), "Bx") &&
                (PathExists(GetGroupFolder()) || CreateDirectoryA(GetGroupFolder().c_str(), NULL)) &&
                WriteShortcut(target, GetGroupShortcut(), "Bx");
  CoUninitialize();
  if (!bLinks) return Fail("cannot write the shortcuts");

  HKEY hKey = NULL;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, NULL,
                      &hKey, NULL) != ERROR_SUCCESS) {
    return Fail("cannot create the uninstall key");
  }
  bool bValues = WriteStringValue(hKey, "DisplayName", "Brindlewax") &&
                 WriteStringValue(hKey, "UninstallString", GetUninstaller());
  RegCloseKey(hKey);
  if (!bValues) return Fail("cannot write the uninstall values");
  return true;
}
