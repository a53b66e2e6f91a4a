// The removal steps of the uninstaller, each for one kind of item that the
// installer creates. Items that are already gone count as removed; an item
// that exists and cannot be removed is added to the report as a failure.
// Nothing but the named items is touched.
#pragma once

#include <string>

#include "uninstall_report.h"

// The uninstall entry the installer writes, under HKEY_LOCAL_MACHINE.
extern const char kUninstallKeyPath[];

// Deletes every payload file (by the build's list of names) from
// `installFolder` (with or without a trailing backslash), clearing a
// read-only attribute first.
void RemovePayloadFiles(const std::string& installFolder, CUninstallReport* pReport);

// Deletes desktop + "\Brindlewax.lnk", then programs + "\Brindlewax\Brindlewax.lnk"
// and the program group folder when it is then empty (else it is reported as
// kept). A special folder that cannot be resolved is skipped.
void RemoveShortcuts(CUninstallReport* pReport);

// Deletes the uninstall key HKEY_LOCAL_MACHINE\<kUninstallKeyPath> with its values.
void RemoveUninstallKey(CUninstallReport* pReport);

// Removes `folder` when it holds nothing; when it still holds something it is
// reported as kept; when it is empty and still cannot be removed, as a failure.
void RemoveFolderIfEmpty(const std::string& folder, CUninstallReport* pReport);

// The file-system path of a shell special folder (a CSIDL number), or an
// empty string when it cannot be resolved.
std::string GetShellFolderPath(int nFolder);

// `folder` and `name` joined by exactly one backslash.
std::string JoinPath(const std::string& folder, const std::string& name);
