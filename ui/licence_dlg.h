// CLicenceDlg: the installer's first page, the licence agreement. Next ends
// the page with IDOK only while "I accept" is checked; Cancel, Esc and the
// close box end it with IDCANCEL. Every showing is a new object, so every
// showing starts with "I do not accept" checked.
#pragma once

#include "framework/dialog.h"

class CLicenceDlg : public CDialog {
 public:
  CLicenceDlg();
  ~CLicenceDlg() override;

  // Index of the checked button of the radio group that starts at
  // IDC_ACCEPT: 0 "I accept", 1 "I do not accept" (the initial value), -1
  // when neither is checked.
  int m_nAgree;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  // Next: ends the page with IDOK when "I accept" is checked, else does
  // nothing.
  void OnNext();
  // "I accept" clicked: nothing changes until Next.
  void OnAccept();

  DECLARE_MESSAGE_MAP()
};
