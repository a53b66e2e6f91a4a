#include "shell/special_folder.h"

#include <windows.h>
#include <shlobj.h>

CString GetSpecialFolderPath(int csidl) {
  CString strPath;
  LPITEMIDLIST pidlFolder = nullptr;
  if (SHGetSpecialFolderLocation(nullptr, csidl, &pidlFolder) == S_OK) {
    char szPath[MAX_PATH] = "";
    if (SHGetPathFromIDListA(pidlFolder, szPath)) strPath = szPath;
  }
  if (pidlFolder != nullptr) {
    IMalloc* pMalloc = nullptr;
    if (SUCCEEDED(SHGetMalloc(&pMalloc))) {
      pMalloc->Free(pidlFolder);
      pMalloc->Release();
    }
  }
  return strPath;
}
