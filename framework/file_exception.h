// CFileException: what the file layer throws when a read, write, seek or
// close fails, and what CFile::Open fills in when opening fails.
#pragma once

#include "framework/env.h"
#include "framework/string.h"

class CFileException {
 public:
  CFileException() = default;
  CFileException(const CString& strFileName, OsError lOsError, const CString& strReason);

  // "<file name>: <reason>", for a message to the user.
  CString GetErrorMessage() const;

  CString m_strFileName;  // the file the failing operation worked on
  OsError m_lOsError = 0;  // the system's error number; 0 when the layer itself refused
  CString m_strReason;    // what went wrong, in words
};
