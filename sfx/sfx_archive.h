// CSfxArchive: the archive appended to a self-extracting installer. It
// reads the archive's directory into a fixed table of SFX_MAX_ENTRIES
// entries, extracts the entries into a folder (last entry first), and builds
// new installers from a stub and a list of files. Every operation that
// reports an outcome returns one of the SFX_ result codes of sfx_format.h.
//
// The object is not reentrant: an operation started while another one runs
// (from a progress callback) is refused with SFX_ERR_BUSY (AddFile: false;
// ResetEntries: does nothing) and touches nothing.
#pragma once

#include <zlib.h>

#include <cstdint>

#include "framework/env.h"
#include "framework/file.h"
#include "framework/string.h"
#include "sfx/sfx_entry.h"
#include "sfx/sfx_format.h"

class CSfxArchive {
 public:
  // Records the path of the running executable, which is also the archive
  // that ExtractAll and ExtractEntry read until SetArchivePath names another.
  // `env` serves every file operation and must outlive the object.
  explicit CSfxArchive(Env* env = Env::Default());
  virtual ~CSfxArchive();
  CSfxArchive(const CSfxArchive&) = delete;
  CSfxArchive& operator=(const CSfxArchive&) = delete;

  CString GetModulePath() const { return m_strModulePath; }
  // The file that ExtractAll and ExtractEntry read (the module path unless
  // changed); the module path itself stays as it is.
  void SetArchivePath(const CString& path) { m_strArchivePath = path; }
  const CString& GetArchivePath() const { return m_strArchivePath; }

  int GetEntryCount() const { return m_nEntries; }
  // Slot `index` of the table; the caller must ensure 0 <= index < count.
  const SfxEntry& GetEntry(int index) const { return m_entries[index]; }

  // Reads the directory of the archive at `path` into the table. Returns
  // SFX_OK with the table filled; SFX_ERR_OPEN_ARCHIVE when the file cannot
  // be opened or read; SFX_ERR_NOT_ARCHIVE when its trailer does not match
  // or its directory breaks the format's limits (too many entries, a bad
  // name, a field before the start of the file, a stream reaching into the
  // directory); SFX_ERR_EMPTY for an archive without entries. After any
  // result but SFX_OK the table is empty.
  int ReadDirectory(CString path);

  // Extracts every entry, last first, into `folder` (which must exist) and
  // registers `callback` and `user` for this and later extractions. Returns
  // SFX_OK; a ReadDirectory failure; SFX_ERR_OPEN_INPUT when the archive
  // cannot be reopened; otherwise, after trying every entry,
  // SFX_ERR_WRITE_OUTPUT if an output file could not be created or written,
  // else SFX_ERR_DAMAGED if an entry's stream was damaged. A failed entry
  // gets no SFX_CB_FILE_DONE and leaves no output file. An empty `folder`
  // throws std::invalid_argument before anything is read.
  int ExtractAll(CString folder, SfxProgressFn callback, void* user);

  // Extracts entry `index` alone, with the callback registered last. Returns
  // as ExtractAll does, or SFX_ERR_BAD_INDEX (nothing written) when `index`
  // lies outside the directory.
  int ExtractEntry(int index, CString folder);

  // Registers the callback that extractions report to, as ExtractAll does.
  void SetProgressCallback(SfxProgressFn callback, void* user);

  // `folder` with exactly one backslash added unless it ends with one.
  // Throws std::invalid_argument for an empty folder.
  static CString AddTrailingBackslash(CString folder);

  // Empties the table.
  void ResetEntries();

  // The percent of a transfer's input consumed: 100 for a total of 0; for a
  // total above 10,000,000, done / (total / 100); else done * 100 / total;
  // integer divisions, capped at 100.
  static int ComputePercent(uint32_t nTotal, uint32_t nDone);

  // Adds the file at `path` as the next entry. Returns false, leaving the
  // table unchanged, when the table is full, the file cannot be opened or is
  // 4 GiB or longer, its bare name is not a valid entry name, or another
  // entry has the same name (case-insensitively); *pstrReason, when given,
  // then says why.
  bool AddFile(CString path, CString* pstrReason = nullptr);

  // Builds an installer at `output`: a copy of the stub file, then the
  // archive of the table's entries. Returns SFX_OK; SFX_ERR_EMPTY (nothing
  // written) without entries; SFX_ERR_COPY_STUB; SFX_ERR_WRITE_OUTPUT when
  // the output cannot be opened or written; or WriteArchive's failure.
  int BuildFromStubFile(CString stub, CString output, SfxProgressFn callback, void* user);

  // As BuildFromStubFile, with the stub taken from the program's resource of
  // type SFX_STUB_RESOURCE_TYPE and id `id` (SFX_ERR_NO_STUB when missing).
  int BuildFromResource(unsigned short id, CString output, SfxProgressFn callback, void* user);

  // Appends the entries' streams, the directory and the trailer to `output`,
  // which is open for writing and positioned at its end. Records each
  // entry's offset, compressed size and the number of bytes actually
  // compressed as its size. Returns SFX_BUILD_COMPLETE; SFX_ERR_OPEN_INPUT
  // when a source file cannot be opened; SFX_ERR_WRITE_OUTPUT when a file
  // operation fails, the compressor fails, or a stream would start at or
  // beyond 2^31. Output written before a failure stays.
  int WriteArchive(CFile& output, SfxProgressFn callback, void* user);

 private:
  // Marks the object busy for the life of one public operation.
  class BusyScope {
   public:
    explicit BusyScope(bool* pbBusy) : m_pbBusy(pbBusy) { *m_pbBusy = true; }
    ~BusyScope() { *m_pbBusy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    bool* m_pbBusy;
  };

  int ReadDirectoryNow(const CString& path);
  int ExtractNow(int first, int last, const CString& folder);
  int WriteArchiveNow(CFile& output, SfxProgressFn callback, void* user);

  // Stream transfer (sfx_transfer.cc).
  unsigned FillInput(CFile& input);
  unsigned FlushOutput(CFile& output);
  int GetPercent() const;
  void ReportProgress(SfxProgressFn callback, void* user);
  // Inflates entry `index` from `archive` into folder + its name. Returns
  // SFX_OK, SFX_ERR_WRITE_OUTPUT or SFX_ERR_DAMAGED; a failed entry's output
  // file is removed.
  int InflateEntry(CFile& archive, int index, const CString& folder);
  // Deflates entry `index`'s source into `output` at its position. Returns
  // SFX_OK, SFX_ERR_OPEN_INPUT or SFX_ERR_WRITE_OUTPUT; file errors throw.
  int DeflateEntry(CFile& output, int index, SfxProgressFn callback, void* user);

  Env* m_pEnv;
  z_stream m_stream;
  CString m_strModulePath;
  CString m_strArchivePath;
  SfxEntry m_entries[SFX_MAX_ENTRIES];
  int m_nEntries = 0;
  SfxProgressFn m_pfnProgress = nullptr;
  void* m_pUser = nullptr;
  unsigned char m_inBuf[SFX_BUFFER_SIZE];
  unsigned char m_outBuf[SFX_BUFFER_SIZE];
  uint32_t m_nProgressTotal = 0;
  bool m_bBusy = false;
};
