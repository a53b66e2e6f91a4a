// driver_target.exe: a small dialog for the driver's own tests. It has one
// control of each kind the driver acts on, and it ends with an exit code that
// tells the test which way it was ended:
//   2 Esc (IDCANCEL), 3 the close box, 6/7 Yes/No in its message box,
//   12 a command from the disabled button.
#include <windows.h>

#include <cstring>

#include "tests/driver/driver_target_ids.h"

namespace {

HWND AddControl(HWND hDlg, const char* className, const char* text, DWORD nStyle, int y, int nId) {
  return CreateWindowExA(0, className, text, WS_CHILD | nStyle, 10, y, 200, 22, hDlg, (HMENU)(INT_PTR)nId,
                         GetModuleHandleA(NULL), NULL);
}

INT_PTR CALLBACK TargetProc(HWND hDlg, UINT nMessage, WPARAM wParam, LPARAM) {
  switch (nMessage) {
    case WM_INITDIALOG: {
      HWND hEdit = AddControl(hDlg, "EDIT", "", WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10,
                              kTargetEditId);
      AddControl(hDlg, "BUTTON", "Check", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 40, kTargetCheckId);
      HWND hDisabled = AddControl(hDlg, "BUTTON", "Disabled", WS_VISIBLE | BS_PUSHBUTTON, 70, kTargetDisabledId);
      EnableWindow(hDisabled, FALSE);
      AddControl(hDlg, "BUTTON", "Hidden", BS_PUSHBUTTON, 100, kTargetHiddenId);
      AddControl(hDlg, "BUTTON", "Ask", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 130, kTargetAskId);
      SetFocus(hEdit);
      return FALSE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDCANCEL:
          EndDialog(hDlg, kTargetEndedByCancel);
          return TRUE;
        case kTargetDisabledId:
          EndDialog(hDlg, kTargetEndedByDisabledButton);
          return TRUE;
        case kTargetAskId:
          EndDialog(hDlg, MessageBoxA(hDlg, kTargetQuestion, kTargetCaption, MB_YESNO | MB_ICONQUESTION));
          return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      EndDialog(hDlg, kTargetEndedByCloseBox);
      return TRUE;
  }
  return FALSE;
}

// An in-memory dialog template with no items; the controls are made above.
struct CTargetTemplate {
  DLGTEMPLATE m_header;
  WORD m_nMenu;
  WORD m_nClass;
  WCHAR m_szTitle[32];
};

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
  static CTargetTemplate dialogTemplate;
  dialogTemplate.m_header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
  dialogTemplate.m_header.cx = 160;
  dialogTemplate.m_header.cy = 110;
  MultiByteToWideChar(CP_ACP, 0, kTargetCaption, -1, dialogTemplate.m_szTitle, 32);
  return (int)DialogBoxIndirectParamA(hInstance, &dialogTemplate.m_header, NULL, TargetProc, 0);
}
