#include "sfx/sfx_entry.h"

#include <algorithm>

#include "framework/file.h"

void SfxEntry::Reset() {
  m_strName.Empty();
  m_strSourcePath.Empty();
  m_nSize = 0;
}

bool SfxEntry::SetSource(const CString& path, Env* env, CString* pstrReason) {
  CFile source(env);
  CFileException error;
  if (!source.Open(path, CFile::modeRead | CFile::shareExclusive, &error)) {
    if (pstrReason != nullptr) *pstrReason = error.m_strReason;
    return false;
  }
  uint64_t nLength = 0;
  try {
    nLength = source.GetLength();
    source.Close();
  } catch (const CFileException& failure) {
    if (pstrReason != nullptr) *pstrReason = failure.m_strReason;
    return false;
  }
  if (nLength > UINT32_MAX) {
    if (pstrReason != nullptr) *pstrReason = "is 4 GiB or longer";
    return false;
  }
  m_nSize = static_cast<uint32_t>(nLength);
  m_strSourcePath = path;
  int nameStart = std::max(path.ReverseFind('\\'), path.ReverseFind('/')) + 1;
  m_strName = path.Mid(nameStart);
  return true;
}
