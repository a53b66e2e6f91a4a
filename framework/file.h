// CFile: one file of the file system, opened through an Env. Opening reports
// failure as false; a failing read, write, seek or close throws
// CFileException. The file is closed when the object goes.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/env.h"
#include "framework/file_exception.h"
#include "framework/string.h"

class CFile {
 public:
  enum OpenFlags : unsigned {
    modeRead = Env::kRead,
    modeWrite = Env::kWrite,
    shareExclusive = Env::kShareExclusive,
    shareDenyNone = Env::kShareDenyNone,
    modeCreate = Env::kCreate,
    modeNoTruncate = Env::kNoTruncate,
  };
  enum SeekPosition { begin = EnvFile::kFromBegin, current = EnvFile::kFromCurrent, end = EnvFile::kFromEnd };

  // `env` must outlive the object.
  explicit CFile(Env* env = Env::Default());
  ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // Opens `path` (see Env::OpenFile for the flags), closing any file open
  // before. Returns true on success; on failure returns false and, when
  // `error` is given, describes the failure there.
  bool Open(const char* path, unsigned flags, CFileException* error = nullptr);
  bool IsOpen() const { return m_pFile != nullptr; }
  const CString& GetFilePath() const { return m_strPath; }

  // Reads up to `count` bytes; returns how many were read, 0 at the end.
  unsigned Read(void* buffer, unsigned count);
  // Writes all `count` bytes.
  void Write(const void* data, unsigned count);
  // Returns the new position.
  uint64_t Seek(int64_t offset, SeekPosition from);
  void SeekToEnd() { Seek(0, end); }
  uint64_t GetLength() const;
  uint64_t GetPosition() const;
  // Closes the file; does nothing when none is open. Throws when the system
  // reports that closing failed (data may not have reached the disk).
  void Close();

 private:
  // Throws CFileException for `error` of `operation` unless error is 0.
  void ThrowIfFailed(OsError error, const char* operation) const;
  EnvFile* OpenFileOrThrow(const char* operation) const;

  Env* m_pEnv;
  std::unique_ptr<EnvFile> m_pFile;
  CString m_strPath;
};
