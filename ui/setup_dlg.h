// CSetupDlg: the installer's Setup page. It reads the archive appended to
// the installer's own file when it opens, proposes a destination folder,
// lets the user type or browse for another one, and on Next creates (or,
// after asking, clears) the folder and extracts every archived file into it
// while two percent bars follow the work. It ends with 3 for Back, IDCANCEL
// for Cancel, and otherwise with the extraction's result code (SFX_OK on
// success), after telling the user the outcome.
#pragma once

#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/string.h"
#include "sfx/sfx_archive.h"
#include "ui/percent_progress_ctrl.h"

// End code of the Setup page when the user goes Back to the licence page.
constexpr int kSetupEndBack = 3;

class CSetupDlg : public CDialog {
 public:
  CSetupDlg();
  ~CSetupDlg() override;

  BOOL OnInitDialog() override;

  // The destination folder: the default one (ending with a backslash), the
  // one picked with Change (without), or the text of the edit box as it was
  // when Next was pressed.
  CString m_strDestDir;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnNext();
  void OnChange();
  void OnBack();

  // The archive's progress callback; `user` is the dialog. Lets the dialog
  // answer pending window messages, then moves the label and the bars.
  static void OnExtractProgress(int code, void* data, void* user);

  DECLARE_MESSAGE_MAP()

 private:
  // The program files folder + "\Brindlewax\" when that folder can be
  // entered (it becomes the current directory); else the temporary folder's
  // drive + "\Brindlewax\".
  static CString DefaultDestination(const CString& programFiles);
  // Creates the destination, or clears it after the user agreed. Returns
  // false when the extraction must not start.
  bool PrepareDestination();
  // Extracts into m_strDestDir with Next and Change disabled, so that the
  // folder cannot change while it runs; returns the archive's result code.
  int Extract();
  // The message that tells the user the extraction's result `code`.
  CString ResultMessage(int code) const;

  CSfxArchive m_archive;
  CEdit m_editDest;
  CButton m_btnNext;
  CButton m_btnChange;
  CPercentProgressCtrl m_progressFile;
  CPercentProgressCtrl m_progressTotal;
  CString m_strTotalLabel;
  CString m_strFileLabel;
  CString m_strInstructions;
  HICON m_hIcon;
};
