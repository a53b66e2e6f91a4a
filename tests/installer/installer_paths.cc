#include "tests/installer/installer_paths.h"

#include <windows.h>
#include <shlobj.h>

#include "payload_list.h"
#include "tests/driver/host_path.h"
#include "tests/support/installed_items.h"

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brindlewax";

std::string GetBuiltInstaller() { return HostPathToWindows(BX_INSTALLER_PATH); }

std::string GetBareStub() { return HostPathToWindows(BX_STUB_PATH); }

std::vector<std::string> GetPayloadFiles() {
  std::vector<std::string> files;
  for (const char* path : kBuiltPayloadFiles) files.push_back(HostPathToWindows(path));
  return files;
}

std::string BareName(const std::string& path) {
  std::string::size_type nSlash = path.rfind('\\');
  return nSlash == std::string::npos ? path : path.substr(nSlash + 1);
}

std::string GetDefaultDestination() { return GetDefaultFolder() + "\\"; }

std::string GetDefaultFolder() { return GetShellFolder(CSIDL_PROGRAM_FILES) + "\\Brindlewax"; }

std::string GetDesktopShortcut() { return GetShellFolder(CSIDL_DESKTOP) + "\\Brindlewax.lnk"; }

std::string GetGroupFolder() { return GetShellFolder(CSIDL_PROGRAMS) + "\\Brindlewax"; }

std::string GetGroupShortcut() { return GetGroupFolder() + "\\Brindlewax.lnk"; }
