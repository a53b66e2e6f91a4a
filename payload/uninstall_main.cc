// Bxuninstall.exe: removes what the Brindlewax installer created. Started
// from the installation folder it asks for confirmation and hands the work to
// a copy of itself in the temporary folder (see self_removal.h), which waits
// for it to end and then removes the payload files (its own among them), the
// two shortcuts, the program group, the uninstall key and the installation
// folder when that is then empty, and reports the outcome.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "self_removal.h"
#include "uninstall_codes.h"
#include "uninstall_report.h"
#include "uninstall_steps.h"

namespace {

const char kConfirmText[] = "Do you want to remove Brindlewax and all of its components from this computer?";
const char kNoCopyText[] =
    "The uninstaller could not prepare its clean-up in the temporary folder. Nothing was removed.";

int RunFromInstallFolder() {
  if (MessageBoxA(NULL, kConfirmText, BX_UNINSTALL_CAPTION, MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return kUninstallDeclined;
  }
  std::string ownPath = GetOwnPath();
  std::string::size_type nSlash = ownPath.rfind('\\');
  if (nSlash == std::string::npos || !StartCleanupCopy(ownPath.substr(0, nSlash))) {
    MessageBoxA(NULL, kNoCopyText, BX_UNINSTALL_CAPTION, MB_OK | MB_ICONERROR);
    return kUninstallNoCleanupCopy;
  }
  return kUninstallDone;
}

int RunCleanup(HANDLE hOriginal, const std::string& installFolder) {
  WaitForOriginalToEnd(hOriginal);

  CUninstallReport report;
  RemovePayloadFiles(installFolder, &report);
  RemoveShortcuts(&report);
  RemoveUninstallKey(&report);
  RemoveFolderIfEmpty(installFolder, &report);
  ScheduleRemovalAtRestart(GetOwnPath());

  UINT nIcon = report.HasFailures() ? MB_ICONWARNING : MB_ICONINFORMATION;
  MessageBoxA(NULL, report.ComposeText().c_str(), BX_UNINSTALL_CAPTION, MB_OK | nIcon);
  return report.HasFailures() ? kUninstallIncomplete : kUninstallDone;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc == 1) return RunFromInstallFolder();
  if (__argc == 4 && strcmp(__argv[1], BX_UNINSTALL_CLEANUP_SWITCH) == 0) {
    HANDLE hOriginal = (HANDLE)(UINT_PTR)strtoull(__argv[2], NULL, 10);
    return RunCleanup(hOriginal, __argv[3]);
  }
  return kUninstallBadArguments;
}
