#include "tools/embedded_stubs.h"

// The stubs are real resources of the executable (embedded_stubs.rc.in);
// the resource loader finds them without help.
void RegisterEmbeddedStubs() {}
