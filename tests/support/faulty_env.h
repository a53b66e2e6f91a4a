// FaultyEnv: a test double that passes every call on to a real Env and
// fails, on request, the n-th read, write or seek (counted over all files it
// opened, from 1, after the request), or the opening of one path. It can also
// make one file look larger than it is, so that size and offset limits can
// be tried without writing gigabytes.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "framework/env.h"

class FaultyEnv : public Env {
 public:
  // The error number that injected failures report: the platform's "disk
  // full".
  static const OsError kInjectedError;

  explicit FaultyEnv(Env* base = Env::Default()) : m_pBase(base) {}

  void FailNthRead(int n) { m_nReadsLeft = n; }
  void FailNthWrite(int n) { m_nWritesLeft = n; }
  void FailNthSeek(int n) { m_nSeeksLeft = n; }
  void FailOpen(const std::string& path) { m_failingOpens.insert(path); }
  // Files opened at `path` from now on report lengths and positions `bias`
  // bytes larger than the real ones (seeks are translated to match).
  void PretendLarger(const std::string& path, uint64_t bias) { m_biases[path] = bias; }

  int GetWriteCount() const { return m_nWrites; }

  OsError OpenFile(const char* path, unsigned flags, std::unique_ptr<EnvFile>* pFile) override;
  CString GetModulePath() override { return m_pBase->GetModulePath(); }
  bool DuplicateFile(const char* from, const char* to) override { return m_pBase->DuplicateFile(from, to); }
  bool FolderExists(const char* path) override { return m_pBase->FolderExists(path); }
  OsError RemoveFile(const char* path) override { return m_pBase->RemoveFile(path); }
  OsError RenameFile(const char* from, const char* to) override { return m_pBase->RenameFile(from, to); }
  bool FindLinkedResource(const char* type, unsigned short id, const void** pData, size_t* pnSize) override {
    return m_pBase->FindLinkedResource(type, id, pData, pnSize);
  }
  CString DescribeError(OsError error) override { return m_pBase->DescribeError(error); }

 private:
  friend class FaultyFile;
  // Counts one operation; true when it is the one to fail.
  static bool CountDown(int* pnLeft);

  Env* m_pBase;
  int m_nReadsLeft = 0;
  int m_nWritesLeft = 0;
  int m_nSeeksLeft = 0;
  int m_nWrites = 0;
  std::set<std::string> m_failingOpens;
  std::map<std::string, uint64_t> m_biases;
};
