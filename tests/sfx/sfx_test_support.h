// What the archive tests share: a recorder of progress callbacks, the test
// stub (linked into the test program as resource SFX_EXE 7) and helpers to
// put archives and source files on disk.
#pragma once

#include <string>
#include <vector>

#include "sfx/sfx_archive.h"
#include "tests/support/temp_dir.h"

// The id under which the test program carries its stub resource.
constexpr unsigned short kTestStubId = 7;

// The bytes of the test stub resource (found through Env::Default()).
const std::string& TestStubBytes();

struct ProgressEvent {
  int nCode;
  std::string strName;  // for FILE_BEGIN / FILE_DONE
  int nPercent;         // for PROGRESS
};

// Collects every callback; pass RecordProgress with the recorder as user.
struct ProgressRecorder {
  std::vector<ProgressEvent> m_events;
  int Count(int code) const;
  // "B:name", "D:name" and "P" (one per progress call), in order.
  std::vector<std::string> Trace() const;
};
void RecordProgress(int code, void* data, void* user);

// Writes `bytes` to a file `name` in `dir`, returning its path.
std::string PutFile(const TempDir& dir, const std::string& name, const std::string& bytes);
