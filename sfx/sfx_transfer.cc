// CSfxArchive: moving one entry between a file and a zlib stream through
// the two fixed buffers, with progress reports per step.
#include <cstring>

#include "sfx/sfx_archive.h"

unsigned CSfxArchive::FillInput(CFile& input) {
  if (m_stream.avail_in == 0) {
    m_stream.next_in = m_inBuf;
    m_stream.avail_in = input.Read(m_inBuf, SFX_BUFFER_SIZE);
  }
  return m_stream.avail_in;
}

unsigned CSfxArchive::FlushOutput(CFile& output) {
  unsigned nPending = SFX_BUFFER_SIZE - m_stream.avail_out;
  if (nPending != 0) {
    output.Write(m_outBuf, nPending);
    m_stream.next_out = m_outBuf;
    m_stream.avail_out = SFX_BUFFER_SIZE;
  }
  return nPending;
}

int CSfxArchive::GetPercent() const {
  return ComputePercent(m_nProgressTotal, static_cast<uint32_t>(m_stream.total_in));
}

int CSfxArchive::ComputePercent(uint32_t nTotal32, uint32_t nDone32) {
  uint64_t nTotal = nTotal32, nDone = nDone32;
  if (nTotal == 0) return 100;
  uint64_t nPercent = nTotal > 10000000 ? nDone / (nTotal / 100) : nDone * 100 / nTotal;
  return nPercent > 100 ? 100 : static_cast<int>(nPercent);
}

void CSfxArchive::ReportProgress(SfxProgressFn callback, void* user) {
  if (callback == nullptr) return;
  int32_t nPercent = GetPercent();
  callback(SFX_CB_PROGRESS, &nPercent, user);
}

int CSfxArchive::InflateEntry(CFile& archive, int index, const CString& folder) {
  SfxEntry& entry = m_entries[index];
  CString outputPath = folder + entry.m_strName;
  CFile output(m_pEnv);
  if (!output.Open(outputPath, CFile::modeWrite | CFile::modeCreate | CFile::shareDenyNone)) {
    return SFX_ERR_WRITE_OUTPUT;
  }

  m_stream.avail_in = 0;
  m_stream.next_out = m_outBuf;
  m_stream.avail_out = SFX_BUFFER_SIZE;
  m_nProgressTotal = entry.m_nCompressedSize;
  bool bInitialised = inflateInit(&m_stream) == Z_OK;
  int result = bInitialised ? SFX_OK : SFX_ERR_DAMAGED;
  try {
    archive.Seek(entry.m_nOffset, CFile::begin);
    uint64_t nWritten = 0;
    int status = Z_OK;
    // Data phase: one inflate step per piece of input or of output.
    while (bInitialised && FillInput(archive) != 0) {
      status = inflate(&m_stream, Z_NO_FLUSH);
      nWritten += FlushOutput(output);
      if (status != Z_OK || nWritten > entry.m_nSize) break;
      ReportProgress(m_pfnProgress, m_pUser);
    }
    // Finish phase: whatever the library still holds. After the stream's
    // end, inflate answers Z_STREAM_END again and delivers nothing.
    if (bInitialised && (status == Z_OK || status == Z_STREAM_END) && nWritten <= entry.m_nSize) {
      unsigned nFlushed = 0;
      do {
        status = inflate(&m_stream, Z_FINISH);
        nFlushed = FlushOutput(output);
        nWritten += nFlushed;
      } while (nFlushed != 0 && status == Z_OK && nWritten <= entry.m_nSize);
    }
    // Z_STREAM_END is the only good end: errors (Z_DATA_ERROR for damaged
    // data or a wrong Adler-32, Z_NEED_DICT, Z_MEM_ERROR, Z_STREAM_ERROR),
    // Z_BUF_ERROR (the archive ended inside the stream) and Z_OK with input
    // exhausted all mean the entry is not intact; so does a byte count other
    // than the recorded size.
    if (result == SFX_OK && (status != Z_STREAM_END || nWritten != entry.m_nSize)) result = SFX_ERR_DAMAGED;
    output.Close();
  } catch (const CFileException&) {
    result = SFX_ERR_WRITE_OUTPUT;
  }
  if (bInitialised) inflateEnd(&m_stream);
  if (result != SFX_OK) {
    if (output.IsOpen()) {
      try {
        output.Close();
      } catch (const CFileException&) {
        // The file is removed below either way.
      }
    }
    m_pEnv->RemoveFile(outputPath);
  }
  return result;
}

int CSfxArchive::DeflateEntry(CFile& output, int index, SfxProgressFn callback, void* user) {
  SfxEntry& entry = m_entries[index];
  uint64_t nOffset = output.GetPosition();
  if (nOffset > SFX_MAX_OFFSET) return SFX_ERR_WRITE_OUTPUT;
  CFile source(m_pEnv);
  if (!source.Open(entry.m_strSourcePath, CFile::modeRead | CFile::shareDenyNone)) return SFX_ERR_OPEN_INPUT;
  if (callback != nullptr) callback(SFX_CB_FILE_BEGIN, &entry, user);
  entry.m_nOffset = static_cast<uint32_t>(nOffset);

  m_stream.avail_in = 0;
  m_stream.next_out = m_outBuf;
  m_stream.avail_out = SFX_BUFFER_SIZE;
  uint64_t nSourceLength = source.GetLength();
  m_nProgressTotal = static_cast<uint32_t>(nSourceLength);
  if (deflateInit(&m_stream, SFX_ZLIB_LEVEL) != Z_OK) return SFX_ERR_WRITE_OUTPUT;

  uint64_t nConsumed = 0, nProduced = 0;
  int status = Z_OK;
  try {
    // Data phase; with free output space and input at hand deflate always
    // answers Z_OK, anything else is the library failing.
    while (FillInput(source) != 0) {
      unsigned nAvailable = m_stream.avail_in;
      status = deflate(&m_stream, Z_NO_FLUSH);
      nConsumed += nAvailable - m_stream.avail_in;
      nProduced += FlushOutput(output);
      if (status != Z_OK) break;
      ReportProgress(callback, user);
    }
    source.Close();
    // Finish phase, until the stream's end.
    if (status == Z_OK) {
      unsigned nFlushed = 0;
      do {
        status = deflate(&m_stream, Z_FINISH);
        nFlushed = FlushOutput(output);
        nProduced += nFlushed;
      } while (nFlushed != 0 && status == Z_OK);
    }
  } catch (const CFileException&) {
    deflateEnd(&m_stream);
    throw;
  }
  deflateEnd(&m_stream);
  if (status != Z_STREAM_END || nConsumed > UINT32_MAX || nProduced > UINT32_MAX) return SFX_ERR_WRITE_OUTPUT;
  entry.m_nSize = static_cast<uint32_t>(nConsumed);
  entry.m_nCompressedSize = static_cast<uint32_t>(nProduced);
  if (callback != nullptr) callback(SFX_CB_FILE_DONE, &entry, user);
  return SFX_OK;
}
