// The Env of Windows: KERNEL32 files, GetModuleFileNameA, the shell's file
// operation for copies, and the executable's own resources.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <string>

#include "framework/env.h"

namespace {

class WindowsFile : public EnvFile {
 public:
  explicit WindowsFile(HANDLE hFile) : m_hFile(hFile) {}
  ~WindowsFile() override {
    if (m_hFile != INVALID_HANDLE_VALUE) CloseHandle(m_hFile);
  }

  OsError Read(void* buffer, size_t count, size_t* pnRead) override {
    *pnRead = 0;
    while (*pnRead < count) {
      DWORD nChunk = static_cast<DWORD>(std::min<size_t>(count - *pnRead, 1u << 30));
      DWORD nDone = 0;
      if (!ReadFile(m_hFile, static_cast<char*>(buffer) + *pnRead, nChunk, &nDone, nullptr)) return GetLastError();
      if (nDone == 0) break;
      *pnRead += nDone;
    }
    return 0;
  }

  OsError Write(const void* data, size_t count) override {
    size_t nWritten = 0;
    while (nWritten < count) {
      DWORD nChunk = static_cast<DWORD>(std::min<size_t>(count - nWritten, 1u << 30));
      DWORD nDone = 0;
      if (!WriteFile(m_hFile, static_cast<const char*>(data) + nWritten, nChunk, &nDone, nullptr)) return GetLastError();
      if (nDone == 0) return ERROR_DISK_FULL;
      nWritten += nDone;
    }
    return 0;
  }

  OsError Seek(int64_t offset, SeekOrigin origin, uint64_t* pnPosition) override {
    static const DWORD kMethod[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    LARGE_INTEGER distance, position;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(m_hFile, distance, &position, kMethod[origin])) return GetLastError();
    *pnPosition = static_cast<uint64_t>(position.QuadPart);
    return 0;
  }

  OsError GetLength(uint64_t* pnLength) override {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size)) return GetLastError();
    *pnLength = static_cast<uint64_t>(size.QuadPart);
    return 0;
  }

  OsError GetPosition(uint64_t* pnPosition) override { return Seek(0, kFromCurrent, pnPosition); }

  OsError Close() override {
    HANDLE hFile = m_hFile;
    m_hFile = INVALID_HANDLE_VALUE;
    return CloseHandle(hFile) ? 0 : static_cast<OsError>(GetLastError());
  }

 private:
  HANDLE m_hFile;
};

// `path` as the double-zero-terminated list that SHFileOperationA expects.
std::string AsPathList(const char* path) { return std::string(path) + '\0'; }

class WindowsEnv : public Env {
 public:
  OsError OpenFile(const char* path, unsigned flags, std::unique_ptr<EnvFile>* pFile) override {
    DWORD access = (flags & kWrite) ? GENERIC_WRITE : GENERIC_READ;
    DWORD share = (flags & kShareExclusive) ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
    DWORD disposition = OPEN_EXISTING;
    if (flags & kCreate) disposition = (flags & kNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    HANDLE hFile = CreateFileA(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return GetLastError();
    *pFile = std::make_unique<WindowsFile>(hFile);
    return 0;
  }

  CString GetModulePath() override {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return CString();
    return CString(path, static_cast<int>(n));
  }

  bool DuplicateFile(const char* from, const char* to) override {
    std::string source = AsPathList(from), target = AsPathList(to);
    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = nullptr;
    operation.wFunc = FO_COPY;
    operation.pFrom = source.c_str();
    operation.pTo = target.c_str();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_FILESONLY;
    return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
  }

  bool FolderExists(const char* path) override {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  OsError RemoveFile(const char* path) override { return DeleteFileA(path) ? 0 : static_cast<OsError>(GetLastError()); }

  OsError RenameFile(const char* from, const char* to) override {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) ? 0 : static_cast<OsError>(GetLastError());
  }

  bool FindLinkedResource(const char* type, unsigned short id, const void** pData, size_t* pnSize) override {
    HMODULE hModule = GetModuleHandleA(nullptr);
    HRSRC hInfo = FindResourceA(hModule, MAKEINTRESOURCEA(id), type);
    if (hInfo == nullptr) return false;
    HGLOBAL hResource = LoadResource(hModule, hInfo);
    if (hResource == nullptr) return false;
    const void* data = LockResource(hResource);
    if (data == nullptr) return false;
    *pData = data;
    *pnSize = SizeofResource(hModule, hInfo);
    return true;
  }

  CString DescribeError(OsError error) override {
    char text[512];
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             static_cast<DWORD>(error), 0, text, sizeof text, nullptr);
    CString description(text, static_cast<int>(n));
    description.TrimRight();
    if (description.IsEmpty()) description.Format("system error %ld", error);
    return description;
  }
};

}  // namespace

Env* Env::Default() {
  static WindowsEnv env;
  return &env;
}
