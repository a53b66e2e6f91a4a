// CSetupApp: the installer's application object. Its InitInstance is the
// whole installation: the confirmation, then the licence page and the Setup
// page (Back on Setup returns to a fresh licence page, any number of times),
// and after a successful extraction the post-install integration. It
// returns FALSE on every path, so the program ends when it returns.
#pragma once

#include "framework/app.h"
#include "framework/string.h"

class CSetupApp : public CWinApp {
 public:
  CSetupApp();
  ~CSetupApp() override;

  BOOL InitInstance() override;

  // Ties the installed application into the shell: a desktop shortcut, a
  // program group with a second shortcut, a shell window on the group and
  // the uninstall entry. `destDir` is the folder extracted into, as the
  // Setup page held it. Reports only a program group that cannot be
  // created ("Unable to program group directory"), which ends the step.
  void PostInstall(CString destDir);

 private:
  // One licence page and, when accepted, one Setup page. Returns true when
  // the user went Back, so another round follows; false when the run ends.
  bool RunPages();
};
