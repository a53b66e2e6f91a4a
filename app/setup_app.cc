#include "app/setup_app.h"

#include <commctrl.h>
#include <objbase.h>

#include "framework/message_box.h"
#include "sfx/sfx_format.h"
#include "ui/licence_dlg.h"
#include "ui/setup_dlg.h"

// The one application object of the installer.
CSetupApp theApp;

CSetupApp::CSetupApp() = default;

CSetupApp::~CSetupApp() = default;

BOOL CSetupApp::InitInstance() {
  InitCommonControls();
  CWinApp::InitInstance();
  AfxEnableControlContainer();
  SetRegistryKey("Corvik");

  if (AfxMessageBox("This will install Brindlewax. Do You want to continue?", MB_YESNO) == IDNO) {
    return FALSE;
  }
  CoInitialize(nullptr);

  while (RunPages()) {
  }
  return FALSE;
}

bool CSetupApp::RunPages() {
  CLicenceDlg licence;
  if (licence.DoModal() != IDOK) return false;

  CSetupDlg setup;
  INT_PTR code = setup.DoModal();
  CString destDir = setup.m_strDestDir;
  if (code == kSetupEndBack) return true;
  if (code == SFX_OK) PostInstall(destDir);
  return false;
}
