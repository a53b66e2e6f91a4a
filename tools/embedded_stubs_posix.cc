#include "tools/embedded_stubs.h"

#include <cstddef>

#include "framework/env.h"
#include "sfx/sfx_format.h"

// Byte ranges of the stub files, placed by embedded_stubs.S.in; a stub the
// build did not have is an empty range.
extern "C" const unsigned char bx_stub_x86_begin[], bx_stub_x86_end[];
extern "C" const unsigned char bx_stub_x64_begin[], bx_stub_x64_end[];

namespace {

void RegisterStub(unsigned short id, const unsigned char* begin, const unsigned char* end) {
  if (end > begin) RegisterLinkedResource(SFX_STUB_RESOURCE_TYPE, id, begin, static_cast<size_t>(end - begin));
}

}  // namespace

void RegisterEmbeddedStubs() {
  RegisterStub(kStubIdX86, bx_stub_x86_begin, bx_stub_x86_end);
  RegisterStub(kStubIdX64, bx_stub_x64_begin, bx_stub_x64_end);
}
