// A fresh, empty folder under the temporary folder for one test, removed
// with everything in it (read-only and hidden entries included) when the
// object goes.
#pragma once

#include "framework/string.h"

class CScratchFolder {
 public:
  CScratchFolder();
  ~CScratchFolder();
  CScratchFolder(const CScratchFolder&) = delete;
  CScratchFolder& operator=(const CScratchFolder&) = delete;

  // The folder's path, without a trailing backslash.
  const CString& GetPath() const { return m_strPath; }
  // GetPath() + "\" + `name`.
  CString PathOf(const char* name) const;

 private:
  CString m_strPath;
};

// Writes `text` into a new file at `path`. Returns true on success.
bool WriteTextFile(const CString& path, const char* text);
// True when `path` names an existing file or folder.
bool PathExists(const CString& path);
