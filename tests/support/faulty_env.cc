#include "tests/support/faulty_env.h"

#if defined(_WIN32)
#include <windows.h>
const OsError FaultyEnv::kInjectedError = ERROR_DISK_FULL;
#else
#include <cerrno>
const OsError FaultyEnv::kInjectedError = ENOSPC;
#endif

class FaultyFile : public EnvFile {
 public:
  FaultyFile(FaultyEnv* env, std::unique_ptr<EnvFile> base, uint64_t bias)
      : m_pEnv(env), m_pBase(std::move(base)), m_nBias(bias) {}

  OsError Read(void* buffer, size_t count, size_t* pnRead) override {
    if (FaultyEnv::CountDown(&m_pEnv->m_nReadsLeft)) return FaultyEnv::kInjectedError;
    return m_pBase->Read(buffer, count, pnRead);
  }
  OsError Write(const void* data, size_t count) override {
    ++m_pEnv->m_nWrites;
    if (FaultyEnv::CountDown(&m_pEnv->m_nWritesLeft)) return FaultyEnv::kInjectedError;
    return m_pBase->Write(data, count);
  }
  OsError Seek(int64_t offset, SeekOrigin origin, uint64_t* pnPosition) override {
    if (FaultyEnv::CountDown(&m_pEnv->m_nSeeksLeft)) return FaultyEnv::kInjectedError;
    if (origin == kFromBegin) offset -= static_cast<int64_t>(m_nBias);
    OsError error = m_pBase->Seek(offset, origin, pnPosition);
    *pnPosition += m_nBias;
    return error;
  }
  OsError GetLength(uint64_t* pnLength) override {
    OsError error = m_pBase->GetLength(pnLength);
    *pnLength += m_nBias;
    return error;
  }
  OsError GetPosition(uint64_t* pnPosition) override {
    OsError error = m_pBase->GetPosition(pnPosition);
    *pnPosition += m_nBias;
    return error;
  }
  OsError Close() override { return m_pBase->Close(); }

 private:
  FaultyEnv* m_pEnv;
  std::unique_ptr<EnvFile> m_pBase;
  uint64_t m_nBias;
};

bool FaultyEnv::CountDown(int* pnLeft) {
  if (*pnLeft <= 0) return false;
  return --*pnLeft == 0;
}

OsError FaultyEnv::OpenFile(const char* path, unsigned flags, std::unique_ptr<EnvFile>* pFile) {
  if (m_failingOpens.count(path) != 0) return kInjectedError;
  std::unique_ptr<EnvFile> base;
  OsError error = m_pBase->OpenFile(path, flags, &base);
  if (error != 0) return error;
  auto bias = m_biases.find(path);
  *pFile = std::make_unique<FaultyFile>(this, std::move(base), bias != m_biases.end() ? bias->second : 0);
  return 0;
}
