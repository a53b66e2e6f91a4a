// Env: the platform's file services behind one small interface, so that the
// file layer and the archive run alike on Windows and on Linux, and tests can
// put a fault-injecting double in front of the real thing.
//
// Paths are the system's path texts. The POSIX implementation also takes '\\'
// as a folder separator (it turns every '\\' into '/'), so paths joined with
// a backslash, as the archive joins a folder and an entry name, work there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "framework/string.h"

// The outcome of one platform call: 0 for success, else the system's own
// error number (errno on POSIX, GetLastError() on Windows).
using OsError = long;

// One open file. Destroying the object closes the file.
class EnvFile {
 public:
  enum SeekOrigin { kFromBegin, kFromCurrent, kFromEnd };

  virtual ~EnvFile() = default;

  // Reads up to `count` bytes into `buffer`; *pnRead receives how many were
  // read (0 at the end of the file).
  virtual OsError Read(void* buffer, size_t count, size_t* pnRead) = 0;
  // Writes all `count` bytes; anything less is an error.
  virtual OsError Write(const void* data, size_t count) = 0;
  // Moves the file position; *pnPosition receives the new position. A
  // position before the start of the file is an error.
  virtual OsError Seek(int64_t offset, SeekOrigin origin, uint64_t* pnPosition) = 0;
  virtual OsError GetLength(uint64_t* pnLength) = 0;
  virtual OsError GetPosition(uint64_t* pnPosition) = 0;
  // Closes the file and reports what closing it reported. The object must
  // not be used afterwards except to be destroyed.
  virtual OsError Close() = 0;
};

class Env {
 public:
  // Open modes; combine one access mode with the others.
  enum OpenFlags : unsigned {
    kRead = 0x0000,            // read only
    kWrite = 0x0001,           // write only
    kShareExclusive = 0x0010,  // deny others reading and writing (Windows)
    kShareDenyNone = 0x0040,   // others may read and write (the default)
    kCreate = 0x1000,          // create the file; an existing one is truncated...
    kNoTruncate = 0x2000,      // ...unless this is given too
  };

  virtual ~Env() = default;

  // The process-wide implementation for this platform; never null.
  static Env* Default();

  // Opens `path` with `flags`. Without kCreate the file must exist and is
  // not truncated. Folders are not files: opening one fails. On success
  // *pFile holds the open file; on failure it is left empty.
  virtual OsError OpenFile(const char* path, unsigned flags, std::unique_ptr<EnvFile>* pFile) = 0;

  // The full path of the running program's executable, or an empty string
  // when the system cannot tell.
  virtual CString GetModulePath() = 0;

  // Copies the file `from` to `to`, replacing `to` if it exists, without
  // asking or showing anything (Windows: the shell's file operation). Copying
  // a file onto itself fails. Returns true on success.
  virtual bool DuplicateFile(const char* from, const char* to) = 0;

  // True when `path` names an existing folder.
  virtual bool FolderExists(const char* path) = 0;

  virtual OsError RemoveFile(const char* path) = 0;
  // Renames `from` to `to`, replacing an existing file `to`.
  virtual OsError RenameFile(const char* from, const char* to) = 0;

  // Finds the resource of type `type` with the numeric id `id` linked into
  // the running program. On success *pData and *pnSize describe its bytes,
  // which stay valid for the life of the process.
  virtual bool FindLinkedResource(const char* type, unsigned short id, const void** pData, size_t* pnSize) = 0;

  // The system's own description of `error`, in one line.
  virtual CString DescribeError(OsError error) = 0;
};

#if !defined(_WIN32)
// Stand-in for the resources of a Windows executable: a program built for
// another system registers, at start-up, byte arrays that the default Env's
// FindLinkedResource then finds by type and id. `data` must stay valid for
// the life of the process; a later registration of the same type and id
// replaces the earlier one.
void RegisterLinkedResource(const char* type, unsigned short id, const void* data, size_t size);
#endif
