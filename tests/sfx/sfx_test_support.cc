#include "tests/sfx/sfx_test_support.h"

#include <cstdlib>

#include "framework/env.h"

#if !defined(_WIN32)
namespace {
// Natively the stub is "linked in" by registering the same bytes that the
// Windows build carries as a resource.
const std::string& RegisteredStub() {
  static const std::string bytes = [] {
    const char* source = std::getenv("BX_SOURCE_DIR");
    std::string stub = ReadWholeFile(std::string(source != nullptr ? source : ".") + "/tests/sfx/test_stub.bin");
    return stub;
  }();
  return bytes;
}
const bool kStubRegistered =
    (RegisterLinkedResource(SFX_STUB_RESOURCE_TYPE, kTestStubId, RegisteredStub().data(), RegisteredStub().size()), true);
}  // namespace
#endif

const std::string& TestStubBytes() {
  static const std::string bytes = [] {
    const void* data = nullptr;
    size_t nSize = 0;
    if (!Env::Default()->FindLinkedResource(SFX_STUB_RESOURCE_TYPE, kTestStubId, &data, &nSize)) return std::string();
    return std::string(static_cast<const char*>(data), nSize);
  }();
  return bytes;
}

int ProgressRecorder::Count(int code) const {
  int n = 0;
  for (const ProgressEvent& event : m_events) n += event.nCode == code;
  return n;
}

std::vector<std::string> ProgressRecorder::Trace() const {
  std::vector<std::string> trace;
  for (const ProgressEvent& event : m_events) {
    if (event.nCode == SFX_CB_FILE_BEGIN) trace.push_back("B:" + event.strName);
    if (event.nCode == SFX_CB_FILE_DONE) trace.push_back("D:" + event.strName);
    if (event.nCode == SFX_CB_PROGRESS) trace.push_back("P");
  }
  return trace;
}

void RecordProgress(int code, void* data, void* user) {
  ProgressEvent event{code, std::string(), -1};
  if (code == SFX_CB_PROGRESS) {
    event.nPercent = *static_cast<int32_t*>(data);
  } else {
    event.strName = static_cast<SfxEntry*>(data)->m_strName.GetString();
  }
  static_cast<ProgressRecorder*>(user)->m_events.push_back(event);
}

std::string PutFile(const TempDir& dir, const std::string& name, const std::string& bytes) {
  std::string path = dir.File(name);
  WriteWholeFile(path, bytes);
  return path;
}
