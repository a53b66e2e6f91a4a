// CSfxArchive: construction, the directory reader and the extractor.
#include "sfx/sfx_archive.h"

#include <cstring>
#include <stdexcept>

#include "sfx/entry_name.h"

namespace {

uint32_t LittleEndian32(const unsigned char* bytes) {
  return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
         static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// Reads `count` bytes that end `fromEnd` bytes before the end of `file`.
// False when the file is too short for them or delivers fewer.
bool ReadBeforeEnd(CFile& file, uint64_t length, uint64_t fromEnd, void* buffer, unsigned count) {
  if (fromEnd > length) return false;
  file.Seek(static_cast<int64_t>(length - fromEnd), CFile::begin);
  return file.Read(buffer, count) == count;
}

bool ReadUint32BeforeEnd(CFile& file, uint64_t length, uint64_t fromEnd, uint32_t* pnValue) {
  unsigned char bytes[4];
  if (!ReadBeforeEnd(file, length, fromEnd, bytes, 4)) return false;
  *pnValue = LittleEndian32(bytes);
  return true;
}

}  // namespace

CSfxArchive::CSfxArchive(Env* env) : m_pEnv(env) {
  std::memset(&m_stream, 0, sizeof m_stream);
  m_stream.zalloc = Z_NULL;
  m_stream.zfree = Z_NULL;
  m_stream.opaque = Z_NULL;
  m_strModulePath = m_pEnv->GetModulePath();
  m_strArchivePath = m_strModulePath;
}

CSfxArchive::~CSfxArchive() = default;

void CSfxArchive::ResetEntries() {
  if (m_bBusy) return;
  for (SfxEntry& entry : m_entries) entry.Reset();
  m_nEntries = 0;
}

CString CSfxArchive::AddTrailingBackslash(CString folder) {
  if (folder.IsEmpty()) throw std::invalid_argument("CSfxArchive: the destination folder is empty");
  if (folder.GetAt(folder.GetLength() - 1) != '\\') folder += '\\';
  return folder;
}

void CSfxArchive::SetProgressCallback(SfxProgressFn callback, void* user) {
  m_pfnProgress = callback;
  m_pUser = user;
}

int CSfxArchive::ReadDirectory(CString path) {
  if (m_bBusy) return SFX_ERR_BUSY;
  BusyScope busy(&m_bBusy);
  return ReadDirectoryNow(path);
}

int CSfxArchive::ReadDirectoryNow(const CString& path) {
  for (SfxEntry& entry : m_entries) entry.Reset();
  m_nEntries = 0;
  CFile file(m_pEnv);
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone)) return SFX_ERR_OPEN_ARCHIVE;

  int result = SFX_OK;
  int nEntries = 0;
  try {
    uint64_t nLength = file.GetLength();
    char magic[SFX_MAGIC_LENGTH], version[SFX_VERSION_LENGTH];
    uint32_t nCount = 0;
    if (!ReadBeforeEnd(file, nLength, SFX_MAGIC_LENGTH, magic, SFX_MAGIC_LENGTH) ||
        std::memcmp(magic, SFX_MAGIC, SFX_MAGIC_LENGTH) != 0 ||
        !ReadBeforeEnd(file, nLength, SFX_MAGIC_LENGTH + SFX_VERSION_LENGTH, version, SFX_VERSION_LENGTH) ||
        std::memcmp(version, SFX_VERSION, SFX_VERSION_LENGTH) != 0 ||
        !ReadUint32BeforeEnd(file, nLength, SFX_TRAILER_SIZE, &nCount)) {
      return SFX_ERR_NOT_ARCHIVE;
    }
    if (nCount == 0) return SFX_ERR_EMPTY;
    if (nCount > SFX_MAX_ENTRIES) return SFX_ERR_NOT_ARCHIVE;

    // Walk the records backward from the trailer, each from its end.
    uint64_t nFromEnd = SFX_TRAILER_SIZE;
    char name[SFX_MAX_NAME_LENGTH];
    for (int i = static_cast<int>(nCount) - 1; i >= 0 && result == SFX_OK; --i) {
      SfxEntry& entry = m_entries[i];
      uint32_t nNameLength = 0;
      nFromEnd += 4;
      if (!ReadUint32BeforeEnd(file, nLength, nFromEnd, &nNameLength) || nNameLength > SFX_MAX_NAME_LENGTH) {
        result = SFX_ERR_NOT_ARCHIVE;
        break;
      }
      nFromEnd += nNameLength;
      if (!ReadBeforeEnd(file, nLength, nFromEnd, name, nNameLength) ||
          !ReadUint32BeforeEnd(file, nLength, nFromEnd + 4, &entry.m_nCompressedSize) ||
          !ReadUint32BeforeEnd(file, nLength, nFromEnd + 8, &entry.m_nSize) ||
          !ReadUint32BeforeEnd(file, nLength, nFromEnd + 12, &entry.m_nOffset)) {
        result = SFX_ERR_NOT_ARCHIVE;
        break;
      }
      nFromEnd += 12;
      entry.m_strName = CString(name, static_cast<int>(nNameLength));
      if (!IsValidEntryName(entry.m_strName)) result = SFX_ERR_NOT_ARCHIVE;
    }
    // Every stream must lie between the start of the file and the directory.
    uint64_t nDirectoryStart = nLength - nFromEnd;
    for (uint32_t i = 0; i < nCount && result == SFX_OK; ++i) {
      const SfxEntry& entry = m_entries[i];
      if (static_cast<uint64_t>(entry.m_nOffset) + entry.m_nCompressedSize > nDirectoryStart) {
        result = SFX_ERR_NOT_ARCHIVE;
      }
    }
    nEntries = static_cast<int>(nCount);
    file.Close();
  } catch (const CFileException&) {
    result = SFX_ERR_OPEN_ARCHIVE;
  }
  if (result != SFX_OK) {
    for (SfxEntry& entry : m_entries) entry.Reset();
    return result;
  }
  m_nEntries = nEntries;
  return SFX_OK;
}

int CSfxArchive::ExtractAll(CString folder, SfxProgressFn callback, void* user) {
  if (m_bBusy) return SFX_ERR_BUSY;
  folder = AddTrailingBackslash(folder);
  BusyScope busy(&m_bBusy);
  int result = ReadDirectoryNow(m_strArchivePath);
  if (result != SFX_OK) return result;
  SetProgressCallback(callback, user);
  return ExtractNow(m_nEntries - 1, 0, folder);
}

int CSfxArchive::ExtractEntry(int index, CString folder) {
  if (m_bBusy) return SFX_ERR_BUSY;
  folder = AddTrailingBackslash(folder);
  BusyScope busy(&m_bBusy);
  int result = ReadDirectoryNow(m_strArchivePath);
  if (result != SFX_OK) return result;
  if (index < 0 || index >= m_nEntries) return SFX_ERR_BAD_INDEX;
  return ExtractNow(index, index, folder);
}

// Extracts entries `first` down to `last` from the archive file, opened once
// for all of them.
int CSfxArchive::ExtractNow(int first, int last, const CString& folder) {
  CFile archive(m_pEnv);
  if (!archive.Open(m_strArchivePath, CFile::modeRead | CFile::shareDenyNone)) return SFX_ERR_OPEN_INPUT;
  int nWriteFailures = 0, nDamaged = 0;
  for (int i = first; i >= last; --i) {
    if (m_pfnProgress != nullptr) m_pfnProgress(SFX_CB_FILE_BEGIN, &m_entries[i], m_pUser);
    int result = InflateEntry(archive, i, folder);
    if (result == SFX_OK) {
      if (m_pfnProgress != nullptr) m_pfnProgress(SFX_CB_FILE_DONE, &m_entries[i], m_pUser);
    } else if (result == SFX_ERR_DAMAGED) {
      ++nDamaged;
    } else {
      ++nWriteFailures;
    }
  }
  if (nWriteFailures != 0) return SFX_ERR_WRITE_OUTPUT;
  return nDamaged != 0 ? SFX_ERR_DAMAGED : SFX_OK;
}
