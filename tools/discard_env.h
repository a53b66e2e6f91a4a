// DiscardEnv: an Env that reads through to a real one but throws away
// everything written. Files opened for writing exist only as counters of
// their length and position; removing one succeeds. sfxpack's `verify`
// extracts through it, so an archive is checked by the real extractor
// without a byte reaching the disk.
#pragma once

#include "framework/env.h"

class DiscardEnv : public Env {
 public:
  explicit DiscardEnv(Env* base = Env::Default()) : m_pBase(base) {}

  OsError OpenFile(const char* path, unsigned flags, std::unique_ptr<EnvFile>* pFile) override;
  CString GetModulePath() override { return m_pBase->GetModulePath(); }
  bool DuplicateFile(const char*, const char*) override { return true; }
  bool FolderExists(const char*) override { return true; }
  OsError RemoveFile(const char*) override { return 0; }
  OsError RenameFile(const char*, const char*) override { return 0; }
  bool FindLinkedResource(const char* type, unsigned short id, const void** pData, size_t* pnSize) override {
    return m_pBase->FindLinkedResource(type, id, pData, pnSize);
  }
  CString DescribeError(OsError error) override { return m_pBase->DescribeError(error); }

 private:
  Env* m_pBase;
};
