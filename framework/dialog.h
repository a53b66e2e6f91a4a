// CDialog: a modal dialog made from a dialog template of the program's own
// resources, with no parent window.
//
// DoModal creates the dialog, runs a modal loop of its own and returns the
// end code. EndDialog only records an end request: the loop ends once the
// message being handled has been handled completely, so a handler that
// pumps messages (and through them receives Cancel, say) runs to its end,
// and the last end request made before the loop regains control wins.
//
// Message routing: the dialog's window is subclassed by the object, so its
// message map (message_map.h) sees every message after WM_INITDIALOG; the
// rest goes to the system's dialog handling. The map of CDialog routes the
// IDOK and IDCANCEL commands to OnOK and OnCancel; the system turns Esc and
// the close box into IDCANCEL.
#pragma once

#include <windows.h>

#include "framework/data_exchange.h"
#include "framework/window.h"

class CDialog : public CWnd {
 public:
  // `nIDTemplate`: the id of a DIALOG or DIALOGEX resource of the program.
  explicit CDialog(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

  // Shows the dialog modally and returns its end code: the value of the
  // last EndDialog, -1 when the dialog cannot be created (no such template,
  // or the system refused it), or -1 when a WM_QUIT ends the loop without
  // an end request (the quit is posted again for the caller's loop). The
  // window is destroyed before DoModal returns, and the object may run
  // again (but not while it runs: a nested DoModal returns -1).
  virtual INT_PTR DoModal();
  // Records `nResult` as the end code and asks the modal loop to end.
  void EndDialog(int nResult);

  // Runs DoDataExchange in one direction: FALSE fills the controls from the
  // members, TRUE reads the controls into the members. Returns FALSE when a
  // binding failed (see data_exchange.h).
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  // Called once the dialog and its controls exist, before it is shown:
  // transfers the members into the controls (UpdateData(FALSE)). Returns
  // TRUE to give the focus to the first tab stop. If the dialog has not been
  // moved when it returns, the dialog is then centred on the work area.
  virtual BOOL OnInitDialog();

 protected:
  // Lists the dialog's bindings; the base lists none.
  virtual void DoDataExchange(CDataExchange* pDX);
  // IDOK: reads the controls (UpdateData(TRUE)); when that succeeds, ends
  // the dialog with IDOK.
  virtual void OnOK();
  // IDCANCEL (the Cancel button, Esc, the close box): ends with IDCANCEL.
  virtual void OnCancel();

  DECLARE_MESSAGE_MAP()

 private:
  static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  void CenterOnWorkArea();
  void RunModalLoop();

  UINT m_nIDTemplate;
  bool m_bEndRequested = false;
  int m_nModalResult = -1;
};
