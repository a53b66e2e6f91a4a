// CSfxArchive: building an installer from a stub and the entry table.
#include "sfx/entry_name.h"
#include "sfx/sfx_archive.h"

namespace {

void PutLittleEndian32(unsigned char* bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

void WriteUint32(CFile& output, uint32_t value) {
  unsigned char bytes[4];
  PutLittleEndian32(bytes, value);
  output.Write(bytes, 4);
}

}  // namespace

bool CSfxArchive::AddFile(CString path, CString* pstrReason) {
  CString reason;
  SfxEntry candidate;
  if (m_bBusy) {
    reason = "the archive is busy with another operation";
  } else if (m_nEntries >= SFX_MAX_ENTRIES) {
    reason = "an archive holds at most 256 files";
  } else if (candidate.SetSource(path, m_pEnv, &reason)) {
    if (const char* fault = GetEntryNameFault(candidate.m_strName)) {
      reason = CString("its name ") + fault;
    } else {
      for (int i = 0; i < m_nEntries && reason.IsEmpty(); ++i) {
        if (IsSameEntryName(m_entries[i].m_strName, candidate.m_strName)) {
          reason = "its name is already taken by " + m_entries[i].m_strSourcePath;
        }
      }
    }
    if (reason.IsEmpty()) {
      m_entries[m_nEntries++] = candidate;
      return true;
    }
  }
  if (pstrReason != nullptr) *pstrReason = reason;
  return false;
}

int CSfxArchive::BuildFromStubFile(CString stub, CString output, SfxProgressFn callback, void* user) {
  if (m_bBusy) return SFX_ERR_BUSY;
  if (m_nEntries < 1) return SFX_ERR_EMPTY;
  BusyScope busy(&m_bBusy);
  if (!m_pEnv->DuplicateFile(stub, output)) return SFX_ERR_COPY_STUB;
  CFile file(m_pEnv);
  if (!file.Open(output, CFile::modeWrite | CFile::shareDenyNone)) return SFX_ERR_WRITE_OUTPUT;
  int result = SFX_ERR_WRITE_OUTPUT;
  try {
    file.SeekToEnd();
    result = WriteArchiveNow(file, callback, user);
    file.Close();
  } catch (const CFileException&) {
    result = SFX_ERR_WRITE_OUTPUT;
  }
  return result == SFX_BUILD_COMPLETE ? SFX_OK : result;
}

int CSfxArchive::BuildFromResource(unsigned short id, CString output, SfxProgressFn callback, void* user) {
  if (m_bBusy) return SFX_ERR_BUSY;
  if (m_nEntries < 1) return SFX_ERR_EMPTY;
  BusyScope busy(&m_bBusy);
  const void* stub = nullptr;
  size_t nStubSize = 0;
  if (!m_pEnv->FindLinkedResource(SFX_STUB_RESOURCE_TYPE, id, &stub, &nStubSize)) return SFX_ERR_NO_STUB;
  CFile file(m_pEnv);
  if (!file.Open(output, CFile::modeWrite | CFile::modeCreate | CFile::shareDenyNone)) return SFX_ERR_WRITE_OUTPUT;
  int result = SFX_ERR_WRITE_OUTPUT;
  try {
    if (nStubSize <= SFX_MAX_OFFSET) {
      file.Write(stub, static_cast<unsigned>(nStubSize));
      result = WriteArchiveNow(file, callback, user);
    }
    file.Close();
  } catch (const CFileException&) {
    result = SFX_ERR_WRITE_OUTPUT;
  }
  return result == SFX_BUILD_COMPLETE ? SFX_OK : result;
}

int CSfxArchive::WriteArchive(CFile& output, SfxProgressFn callback, void* user) {
  if (m_bBusy) return SFX_ERR_BUSY;
  BusyScope busy(&m_bBusy);
  return WriteArchiveNow(output, callback, user);
}

int CSfxArchive::WriteArchiveNow(CFile& output, SfxProgressFn callback, void* user) {
  try {
    for (int i = 0; i < m_nEntries; ++i) {
      int result = DeflateEntry(output, i, callback, user);
      if (result != SFX_OK) return result;
    }
    for (int i = 0; i < m_nEntries; ++i) {
      const SfxEntry& entry = m_entries[i];
      WriteUint32(output, entry.m_nOffset);
      WriteUint32(output, entry.m_nSize);
      WriteUint32(output, entry.m_nCompressedSize);
      output.Write(entry.m_strName.GetString(), static_cast<unsigned>(entry.m_strName.GetLength()));
      WriteUint32(output, static_cast<uint32_t>(entry.m_strName.GetLength()));
    }
    WriteUint32(output, static_cast<uint32_t>(m_nEntries));
    output.Write(SFX_VERSION, SFX_VERSION_LENGTH);
    output.Write(SFX_MAGIC, SFX_MAGIC_LENGTH);
  } catch (const CFileException&) {
    return SFX_ERR_WRITE_OUTPUT;
  }
  return SFX_BUILD_COMPLETE;
}
