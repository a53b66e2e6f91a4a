#include "uninstall_steps.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "payload_files.h"

const char kUninstallKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brindlewax";

namespace {

const char kShortcutName[] = "Brindlewax.lnk";
const char kGroupName[] = "Brindlewax";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Deletes one file; a missing file is fine, one that stays is reported.
void RemoveFile(const std::string& path, CUninstallReport* pReport) {
  DWORD nAttributes = GetFileAttributesA(path.c_str());
  if (nAttributes == INVALID_FILE_ATTRIBUTES) return;
  if (nAttributes & FILE_ATTRIBUTE_READONLY) {
    SetFileAttributesA(path.c_str(), nAttributes & ~FILE_ATTRIBUTE_READONLY);
  }
  if (!DeleteFileA(path.c_str()) && Exists(path)) pReport->AddFailure(path);
}

bool IsFolderEmpty(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE hFind = FindFirstFileA(JoinPath(folder, "*").c_str(), &data);
  if (hFind == INVALID_HANDLE_VALUE) return true;
  bool bEmpty = true;
  do {
    if (strcmp(data.cFileName, ".") != 0 && strcmp(data.cFileName, "..") != 0) bEmpty = false;
  } while (bEmpty && FindNextFileA(hFind, &data));
  FindClose(hFind);
  return bEmpty;
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '\\') return folder + name;
  return folder + "\\" + name;
}

std::string GetShellFolderPath(int nFolder) {
  std::string path;
  LPITEMIDLIST pidl = NULL;
  if (SHGetSpecialFolderLocation(NULL, nFolder, &pidl) == S_OK) {
    char buffer[MAX_PATH];
    if (SHGetPathFromIDListA(pidl, buffer)) path = buffer;
  }
  if (pidl != NULL) ILFree(pidl);
  return path;
}

void RemovePayloadFiles(const std::string& installFolder, CUninstallReport* pReport) {
  for (size_t i = 0; i < kPayloadFileCount; ++i) {
    RemoveFile(JoinPath(installFolder, kPayloadFileNames[i]), pReport);
  }
}

void RemoveShortcuts(CUninstallReport* pReport) {
  std::string desktop = GetShellFolderPath(CSIDL_DESKTOP);
  if (!desktop.empty()) RemoveFile(JoinPath(desktop, kShortcutName), pReport);

  std::string programs = GetShellFolderPath(CSIDL_PROGRAMS);
  if (programs.empty()) return;
  std::string group = JoinPath(programs, kGroupName);
  if (!Exists(group)) return;
  RemoveFile(JoinPath(group, kShortcutName), pReport);
  RemoveFolderIfEmpty(group, pReport);
}

void RemoveUninstallKey(CUninstallReport* pReport) {
  LONG nResult = RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKeyPath);
  if (nResult != ERROR_SUCCESS && nResult != ERROR_FILE_NOT_FOUND) {
    pReport->AddFailure(std::string("HKEY_LOCAL_MACHINE\\") + kUninstallKeyPath);
  }
}

void RemoveFolderIfEmpty(const std::string& folder, CUninstallReport* pReport) {
  if (!Exists(folder)) return;
  if (!IsFolderEmpty(folder)) {
    pReport->AddKeptFolder(folder);
    return;
  }
  if (!RemoveDirectoryA(folder.c_str()) && Exists(folder)) pReport->AddFailure(folder);
}
