// Paths of the build machine as a Windows program under Wine sees them. The
// test harness hands the source and build folders over as host paths
// (BX_SOURCE_DIR, BX_BINARY_DIR); Wine maps the host's root to drive Z:.
#pragma once

#include <string>

// "/a/b" becomes "Z:\a\b"; a path that is not absolute on the host (a
// Windows path already) is returned with its '/' turned into '\'.
std::string HostPathToWindows(const std::string& hostPath);

// The environment variable `name` as a Windows path (see above); empty when
// the variable is not set.
std::string HostPathFromEnvironment(const char* name);
