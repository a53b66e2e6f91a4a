#include "tests/shell/scratch_folder.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

namespace {

void RemoveTree(const CString& path) {
  WIN32_FIND_DATAA findData;
  HANDLE hFind = FindFirstFileA(path + "\\*", &findData);
  if (hFind != INVALID_HANDLE_VALUE) {
    do {
      if (std::strcmp(findData.cFileName, ".") == 0 || std::strcmp(findData.cFileName, "..") == 0)
        continue;
      CString strEntry = path + "\\" + findData.cFileName;
      SetFileAttributesA(strEntry, FILE_ATTRIBUTE_NORMAL);
      if (findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(strEntry);
      else
        DeleteFileA(strEntry);
    } while (FindNextFileA(hFind, &findData));
    FindClose(hFind);
  }
  RemoveDirectoryA(path);
}

}  // namespace

CScratchFolder::CScratchFolder() {
  char szTemp[MAX_PATH];
  DWORD nLength = GetTempPathA(MAX_PATH, szTemp);
  if (nLength == 0 || nLength >= MAX_PATH) throw std::runtime_error("no temporary folder");
  for (unsigned nTry = 0; nTry < 1000; ++nTry) {
    CString strCandidate;
    strCandidate.Format("%sbx_shell_%lu_%u", szTemp, GetCurrentProcessId(), nTry);
    if (CreateDirectoryA(strCandidate, nullptr)) {
      m_strPath = strCandidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a scratch folder");
}

CScratchFolder::~CScratchFolder() { RemoveTree(m_strPath); }

CString CScratchFolder::PathOf(const char* name) const { return m_strPath + "\\" + name; }

bool WriteTextFile(const CString& path, const char* text) {
  HANDLE hFile = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
  if (hFile == INVALID_HANDLE_VALUE) return false;
  DWORD nWritten = 0;
  DWORD nLength = static_cast<DWORD>(std::strlen(text));
  BOOL bWritten = WriteFile(hFile, text, nLength, &nWritten, nullptr);
  CloseHandle(hFile);
  return bWritten && nWritten == nLength;
}

bool PathExists(const CString& path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }
