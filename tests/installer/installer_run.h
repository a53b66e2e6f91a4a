// CInstallerRun: one run of an installer file in its own process, driven
// through its pages as a user would: the confirmation, the licence page and
// the Setup page, and the message boxes it shows on the way. Every call that
// waits is bounded; a window that does not come makes the call fail (with a
// test failure saying which), never hang. The process is ended, if it still
// runs, when the object goes.
#pragma once

#include <windows.h>

#include <string>

#include "tests/driver/driven_process.h"

// The installer's texts as it shows them.
extern const char kConfirmationText[];
extern const char kLicenceCaption[];
extern const char kSetupCaption[];

class CInstallerRun {
 public:
  // `installer`: the installer file, a Windows path. Its file name without
  // the extension is the caption of its message boxes.
  explicit CInstallerRun(const std::string& installer);

  // Starts the installer. False (with a test failure) when it cannot start.
  bool Start();

  // The next message box of the installer: reads its text, answers it with
  // `nButton` and waits until it has closed. Returns the text; empty (with a
  // test failure) when no box came, or it has no such button.
  std::string AnswerBox(int nButton);

  // A shown message box of the installer now, without waiting; NULL if none.
  HWND CurrentBox() const;

  // Yes at the confirmation, then waits for the licence page; NULL (with a
  // test failure) when either does not come.
  HWND ConfirmAndWaitForLicence();
  // Waits for a licence page or a Setup page (other than `hGone`, which
  // must have closed first); NULL with a test failure on timeout.
  HWND WaitForLicence(HWND hGone = NULL);
  HWND WaitForSetup(HWND hGone = NULL);
  // Checks "I accept", presses Next and waits for the Setup page.
  HWND AcceptLicence(HWND hLicence);
  // Start, confirmation, licence: the Setup page, or NULL.
  HWND StartAndOpenSetup();

  // Waits (bounded) for the process to end; false with a test failure if it
  // still runs.
  bool WaitForExit();
  bool IsRunning() const { return m_process.IsRunning(); }
  DWORD GetId() const { return m_process.GetId(); }

 private:
  std::string m_strInstaller;
  std::string m_strBoxCaption;
  CDrivenProcess m_process;
};
