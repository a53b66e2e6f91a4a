// Where the installer scenarios find their programs, and where the installer
// puts what it installs, as Windows paths under Wine.
#pragma once

#include <string>
#include <vector>

// The built installer: the stub with the demo payload appended.
std::string GetBuiltInstaller();
// The bare stub: the installer program with no archive behind it.
std::string GetBareStub();
// The demo payload's files in the build folder, in archive order.
std::vector<std::string> GetPayloadFiles();

// The part of `path` after its last backslash.
std::string BareName(const std::string& path);

// The program files folder + "\Brindlewax\", the destination the Setup page
// proposes (with its trailing backslash).
std::string GetDefaultDestination();
// The same folder without the trailing backslash.
std::string GetDefaultFolder();

std::string GetDesktopShortcut();
std::string GetGroupFolder();
std::string GetGroupShortcut();

// The uninstall key, under HKEY_LOCAL_MACHINE.
extern const char kUninstallKey[];
