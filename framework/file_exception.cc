#include "framework/file_exception.h"

CFileException::CFileException(const CString& strFileName, OsError lOsError, const CString& strReason)
    : m_strFileName(strFileName), m_lOsError(lOsError), m_strReason(strReason) {}

CString CFileException::GetErrorMessage() const { return m_strFileName + ": " + m_strReason; }
