// SfxEntry: one slot of the archive's entry table.
#pragma once

#include <cstdint>

#include "framework/env.h"
#include "framework/string.h"

class SfxEntry {
 public:
  // Empties both texts and sets the size to 0.
  void Reset();

  // Takes the file at `path` as this entry's source: opens it for reading,
  // not shared, and records its length, the path and the bare name (the
  // part after the last '\\' or '/', multibyte-aware; the whole path when it
  // holds neither). Returns false, leaving the entry unchanged, when the file
  // cannot be opened or is 4 GiB or longer (its size would not fit); then
  // *pstrReason, when given, says why.
  bool SetSource(const CString& path, Env* env = Env::Default(), CString* pstrReason = nullptr);

  CString m_strName;        // bare file name; the output file's name
  CString m_strSourcePath;  // full source path; set only when building
  uint32_t m_nSize = 0;            // uncompressed size
  uint32_t m_nCompressedSize = 0;  // length of the entry's zlib stream
  uint32_t m_nOffset = 0;          // absolute position of the stream in the archive file
};
