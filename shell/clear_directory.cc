#include "shell/clear_directory.h"

#include <windows.h>

#include <cstring>

void ClearDirectory(CString folder) {
  // The backslash is always inserted; a trailing one in `folder` gives two in
  // a row, which the file system takes as one.
  CString strPattern = folder + "\\*.*";
  WIN32_FIND_DATAA findData;
  HANDLE hFind = FindFirstFileA(strPattern, &findData);
  if (hFind == INVALID_HANDLE_VALUE) return;
  do {
    if (std::strcmp(findData.cFileName, ".") == 0 || std::strcmp(findData.cFileName, "..") == 0)
      continue;
    CString strEntry = folder + "\\" + findData.cFileName;
    DeleteFileA(strEntry);  // a refusal leaves the entry where it is
  } while (FindNextFileA(hFind, &findData));
  FindClose(hFind);
}
