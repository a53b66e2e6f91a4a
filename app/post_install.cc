// CSetupApp::PostInstall: the shell integration after a successful
// extraction.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include "app/setup_app.h"
#include "framework/message_box.h"
#include "sfx/sfx_archive.h"
#include "shell/shortcut.h"
#include "shell/special_folder.h"

namespace {

const char kShortcutDescription[] = "Bx";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brindlewax";
const char kDisplayName[] = "Brindlewax";

// Writes `text` as a REG_SZ value, with its terminating NUL.
void SetStringValue(HKEY key, const char* name, const CString& text) {
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.GetString()),
                 static_cast<DWORD>(text.GetLength() + 1));
}

}  // namespace

void CSetupApp::PostInstall(CString destDir) {
  const CString target = destDir + "\\Brindlewax.exe";

  // A special folder the shell cannot resolve comes back empty; the steps
  // that need it are skipped rather than writing at the root of the drive.
  const CString desktop = GetSpecialFolderPath(CSIDL_DESKTOP);
  if (!desktop.IsEmpty()) CreateShortcut(target, desktop + "\\Brindlewax.lnk", kShortcutDescription);

  const CString programs = GetSpecialFolderPath(CSIDL_PROGRAMS);
  if (!programs.IsEmpty()) {
    const CString group = programs + "\\Brindlewax";
    if (!CreateDirectoryA(group, nullptr)) {
      AfxMessageBox("Unable to program group directory", MB_OK);
      return;
    }
    CreateShortcut(target, group + "\\Brindlewax.lnk", kShortcutDescription);
    ShellExecuteA(nullptr, "open", group, nullptr, nullptr, SW_SHOW);
  }

  // The same join by which the extractor placed the uninstaller.
  const CString uninstall = CSfxArchive::AddTrailingBackslash(destDir) + "Bxuninstall.exe";

  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  SetStringValue(key, "DisplayName", kDisplayName);
  SetStringValue(key, "UninstallString", uninstall);
  RegCloseKey(key);
}
