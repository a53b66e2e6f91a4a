#include "tests/sfx/hand_archive.h"

#include <zlib.h>

void AppendUint32(std::string* bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) *bytes += static_cast<char>(value >> (8 * i));
}

std::string ZlibStream(const std::string& content) {
  uLongf nLength = compressBound(static_cast<uLong>(content.size()));
  std::string stream(nLength, '\0');
  compress2(reinterpret_cast<Bytef*>(&stream[0]), &nLength, reinterpret_cast<const Bytef*>(content.data()),
            static_cast<uLong>(content.size()), 6);
  stream.resize(nLength);
  return stream;
}

HandEntry& HandArchive::Add(const std::string& name, const std::string& content) {
  HandEntry entry;
  entry.strName = name;
  entry.strStream = ZlibStream(content);
  entry.nSize = static_cast<uint32_t>(content.size());
  entry.nCompressedSize = static_cast<uint32_t>(entry.strStream.size());
  entry.nNameLength = static_cast<uint32_t>(name.size());
  m_entries.push_back(entry);
  Layout();
  return m_entries.back();
}

void HandArchive::Layout() {
  uint32_t nOffset = static_cast<uint32_t>(m_strStub.size());
  for (HandEntry& entry : m_entries) {
    entry.nOffset = nOffset;
    nOffset += static_cast<uint32_t>(entry.strStream.size());
  }
}

std::string HandArchive::Bytes() const {
  std::string bytes = m_strStub;
  for (const HandEntry& entry : m_entries) bytes += entry.strStream;
  for (const HandEntry& entry : m_entries) {
    AppendUint32(&bytes, entry.nOffset);
    AppendUint32(&bytes, entry.nSize);
    AppendUint32(&bytes, entry.nCompressedSize);
    bytes += entry.strName;
    AppendUint32(&bytes, entry.nNameLength);
  }
  AppendUint32(&bytes, m_nCountField >= 0 ? static_cast<uint32_t>(m_nCountField) : static_cast<uint32_t>(m_entries.size()));
  bytes += m_strVersion;
  bytes += "!QORT_SFX!";
  bytes += m_strAfterMagic;
  return bytes;
}
