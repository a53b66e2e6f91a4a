#include "tests/support/installed_items.h"

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <iterator>

std::string GetShellFolder(int nFolder) {
  char buffer[MAX_PATH];
  if (!SHGetSpecialFolderPathA(NULL, buffer, nFolder, FALSE)) return std::string();
  return buffer;
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsFolder(const std::string& path) {
  DWORD nAttributes = GetFileAttributesA(path.c_str());
  return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ReadWholeFile(const std::string& path, std::string* pContent) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  pContent->assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
}

bool WriteWholeFile(const std::string& path, const std::string& content) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(content.data(), static_cast<std::streamsize>(content.size()));
  return static_cast<bool>(file);
}

std::vector<std::string> ListFolder(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE hFind = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (hFind == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = data.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(hFind, &data));
  FindClose(hFind);
  std::sort(names.begin(), names.end());
  return names;
}

void RemoveTree(const std::string& path) {
  DWORD nAttributes = GetFileAttributesA(path.c_str());
  if (nAttributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(nAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileA(path.c_str());
    return;
  }
  for (const std::string& name : ListFolder(path)) RemoveTree(path + "\\" + name);
  RemoveDirectoryA(path.c_str());
}

ShortcutRead ReadShortcut(const std::string& linkPath) {
  ShortcutRead read;
  IShellLinkA* pLink = NULL;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&pLink)))) {
    return read;
  }
  IPersistFile* pFile = NULL;
  if (SUCCEEDED(pLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pFile)))) {
    WCHAR widePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH);
    if (SUCCEEDED(pFile->Load(widePath, STGM_READ))) {
      char buffer[MAX_PATH] = "";
      read.bLoaded = true;
      if (SUCCEEDED(pLink->GetPath(buffer, MAX_PATH, NULL, SLGP_RAWPATH))) read.strTarget = buffer;
      buffer[0] = '\0';
      if (SUCCEEDED(pLink->GetDescription(buffer, MAX_PATH))) read.strDescription = buffer;
    }
    pFile->Release();
  }
  pLink->Release();
  return read;
}

RegistryValue ReadRegistryValue(HKEY hRoot, const std::string& keyPath, const char* name) {
  RegistryValue value;
  HKEY hKey = NULL;
  if (RegOpenKeyExA(hRoot, keyPath.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return value;
  DWORD nSize = 0;
  if (RegQueryValueExA(hKey, name, NULL, &value.nType, NULL, &nSize) == ERROR_SUCCESS) {
    value.data.resize(nSize);
    if (RegQueryValueExA(hKey, name, NULL, &value.nType,
                         reinterpret_cast<BYTE*>(&value.data[0]), &nSize) == ERROR_SUCCESS) {
      value.data.resize(nSize);
      value.bExists = true;
    }
  }
  RegCloseKey(hKey);
  return value;
}

bool RegistryKeyExists(HKEY hRoot, const std::string& keyPath) {
  HKEY hKey = NULL;
  if (RegOpenKeyExA(hRoot, keyPath.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return false;
  RegCloseKey(hKey);
  return true;
}

bool WriteRegistryString(HKEY hRoot, const std::string& keyPath, const char* name, const std::string& data) {
  HKEY hKey = NULL;
  if (RegCreateKeyExA(hRoot, keyPath.c_str(), 0, NULL, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, NULL, &hKey,
                      NULL) != ERROR_SUCCESS) {
    return false;
  }
  LONG nResult = RegSetValueExA(hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                                static_cast<DWORD>(data.size()));
  RegCloseKey(hKey);
  return nResult == ERROR_SUCCESS;
}

namespace {

struct CCaptionQuery {
  const std::string* m_pCaption;
  std::vector<HWND> m_found;
};

BOOL CALLBACK CollectCaptioned(HWND hWnd, LPARAM lParam) {
  CCaptionQuery* pQuery = reinterpret_cast<CCaptionQuery*>(lParam);
  char caption[512];
  if (IsWindowVisible(hWnd) && GetWindowTextA(hWnd, caption, sizeof caption) > 0 &&
      *pQuery->m_pCaption == caption) {
    pQuery->m_found.push_back(hWnd);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> FindWindowsCaptioned(const std::string& caption) {
  CCaptionQuery query = {&caption, {}};
  EnumWindows(CollectCaptioned, reinterpret_cast<LPARAM>(&query));
  return query.m_found;
}
