#include "tests/driver/host_path.h"

#include <cstdlib>

std::string HostPathToWindows(const std::string& hostPath) {
  std::string path = hostPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  if (!hostPath.empty() && hostPath[0] == '/') path = "Z:" + path;
  return path;
}

std::string HostPathFromEnvironment(const char* name) {
  const char* value = getenv(name);
  return value == NULL ? std::string() : HostPathToWindows(value);
}
