#include "tools/discard_env.h"

namespace {

// A file for writing that keeps nothing but its length and position.
class DiscardFile : public EnvFile {
 public:
  OsError Read(void*, size_t, size_t* pnRead) override {
    *pnRead = 0;
    return 0;
  }
  OsError Write(const void*, size_t count) override {
    m_nPosition += count;
    if (m_nPosition > m_nLength) m_nLength = m_nPosition;
    return 0;
  }
  OsError Seek(int64_t offset, SeekOrigin origin, uint64_t* pnPosition) override {
    int64_t base = origin == kFromBegin ? 0 : origin == kFromCurrent ? static_cast<int64_t>(m_nPosition)
                                                                     : static_cast<int64_t>(m_nLength);
    if (base + offset < 0) return 1;  // before the start; any nonzero number reports the failure
    m_nPosition = static_cast<uint64_t>(base + offset);
    *pnPosition = m_nPosition;
    return 0;
  }
  OsError GetLength(uint64_t* pnLength) override {
    *pnLength = m_nLength;
    return 0;
  }
  OsError GetPosition(uint64_t* pnPosition) override {
    *pnPosition = m_nPosition;
    return 0;
  }
  OsError Close() override { return 0; }

 private:
  uint64_t m_nPosition = 0;
  uint64_t m_nLength = 0;
};

}  // namespace

OsError DiscardEnv::OpenFile(const char* path, unsigned flags, std::unique_ptr<EnvFile>* pFile) {
  if ((flags & kWrite) == 0) return m_pBase->OpenFile(path, flags, pFile);
  *pFile = std::make_unique<DiscardFile>();
  return 0;
}
