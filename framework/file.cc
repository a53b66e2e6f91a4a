#include "framework/file.h"

CFile::CFile(Env* env) : m_pEnv(env) {}

CFile::~CFile() = default;

bool CFile::Open(const char* path, unsigned flags, CFileException* error) {
  m_pFile.reset();
  m_strPath = path;
  OsError openError = m_pEnv->OpenFile(path, flags, &m_pFile);
  if (openError == 0) return true;
  m_pFile.reset();
  if (error != nullptr) *error = CFileException(m_strPath, openError, "cannot be opened (" + m_pEnv->DescribeError(openError) + ")");
  return false;
}

void CFile::ThrowIfFailed(OsError error, const char* operation) const {
  if (error == 0) return;
  throw CFileException(m_strPath, error, CString(operation) + " failed (" + m_pEnv->DescribeError(error) + ")");
}

EnvFile* CFile::OpenFileOrThrow(const char* operation) const {
  if (!m_pFile) throw CFileException(m_strPath, 0, CString(operation) + " failed (the file is not open)");
  return m_pFile.get();
}

unsigned CFile::Read(void* buffer, unsigned count) {
  size_t nRead = 0;
  ThrowIfFailed(OpenFileOrThrow("reading")->Read(buffer, count, &nRead), "reading");
  return static_cast<unsigned>(nRead);
}

void CFile::Write(const void* data, unsigned count) {
  ThrowIfFailed(OpenFileOrThrow("writing")->Write(data, count), "writing");
}

uint64_t CFile::Seek(int64_t offset, SeekPosition from) {
  uint64_t nPosition = 0;
  ThrowIfFailed(OpenFileOrThrow("seeking")->Seek(offset, static_cast<EnvFile::SeekOrigin>(from), &nPosition), "seeking");
  return nPosition;
}

uint64_t CFile::GetLength() const {
  uint64_t nLength = 0;
  ThrowIfFailed(OpenFileOrThrow("reading the length")->GetLength(&nLength), "reading the length");
  return nLength;
}

uint64_t CFile::GetPosition() const {
  uint64_t nPosition = 0;
  ThrowIfFailed(OpenFileOrThrow("reading the position")->GetPosition(&nPosition), "reading the position");
  return nPosition;
}

void CFile::Close() {
  if (!m_pFile) return;
  OsError closeError = m_pFile->Close();
  m_pFile.reset();
  ThrowIfFailed(closeError, "closing");
}
