// HandArchive: writes an archive file straight from the format, without the
// builder, so that the reader is checked against the format itself and
// broken archives can be made field by field.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct HandEntry {
  std::string strName;
  std::string strStream;  // the zlib stream as it will be stored
  uint32_t nSize = 0;
  uint32_t nCompressedSize = 0;
  uint32_t nOffset = 0;
  uint32_t nNameLength = 0;  // the length field; normally strName.size()
};

class HandArchive {
 public:
  explicit HandArchive(std::string strStub) : m_strStub(std::move(strStub)) {}

  // Adds an entry holding `content` compressed at level 6, and lays out all
  // offsets anew (stub first, streams back to back). Returns the entry, whose
  // fields a test may then change.
  HandEntry& Add(const std::string& name, const std::string& content);
  // Offsets as the format lays them out for the current streams.
  void Layout();

  // The whole file: stub, streams, directory records as the entries' fields
  // say, the count field, the version text, the magic and `strAfterMagic`.
  std::string Bytes() const;

  std::vector<HandEntry> m_entries;
  std::string m_strStub;
  int64_t m_nCountField = -1;  // -1: the real number of entries
  std::string m_strVersion = "1.10";
  std::string m_strAfterMagic;
};

// `content` as one zlib stream at level 6.
std::string ZlibStream(const std::string& content);
void AppendUint32(std::string* bytes, uint32_t value);
