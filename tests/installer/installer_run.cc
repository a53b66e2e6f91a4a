#include "tests/installer/installer_run.h"

#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/driver/message_box.h"
#include "tests/driver/window_input.h"
#include "tests/driver/window_search.h"
#include "tests/driver/window_state.h"

const char kConfirmationText[] = "This will install Brindlewax. Do You want to continue?";
const char kLicenceCaption[] = "License Agreement";
const char kSetupCaption[] = "Setup";

namespace {

// The file name of `path` without folder and extension.
std::string CaptionOf(const std::string& path) {
  std::string::size_type nSlash = path.rfind('\\');
  std::string name = nSlash == std::string::npos ? path : path.substr(nSlash + 1);
  std::string::size_type nDot = name.rfind('.');
  return nDot == std::string::npos ? name : name.substr(0, nDot);
}

}  // namespace

CInstallerRun::CInstallerRun(const std::string& installer)
    : m_strInstaller(installer), m_strBoxCaption(CaptionOf(installer)) {}

bool CInstallerRun::Start() {
  if (m_process.Start("\"" + m_strInstaller + "\"")) return true;
  ADD_FAILURE() << "cannot start " << m_strInstaller << ": error " << GetLastError();
  return false;
}

std::string CInstallerRun::AnswerBox(int nButton) {
  HWND hBox = FindMessageBox(m_process.GetId(), m_strBoxCaption);
  if (hBox == NULL) {
    ADD_FAILURE() << "no message box \"" << m_strBoxCaption << "\" appeared";
    return std::string();
  }
  std::string text = ReadMessageBoxText(hBox);
  if (!AnswerMessageBox(hBox, nButton)) {
    ADD_FAILURE() << "the box \"" << text << "\" could not be answered with button " << nButton;
    return std::string();
  }
  return text;
}

HWND CInstallerRun::CurrentBox() const { return FindMessageBox(m_process.GetId(), m_strBoxCaption, 0); }

HWND CInstallerRun::ConfirmAndWaitForLicence() {
  std::string text = AnswerBox(IDYES);
  if (text != kConfirmationText) {
    ADD_FAILURE() << "the confirmation read \"" << text << "\"";
    return NULL;
  }
  return WaitForLicence();
}

namespace {

HWND WaitForPage(DWORD nProcessId, const char* caption, HWND hGone) {
  if (hGone != NULL && !WaitForWindowGone(hGone)) {
    ADD_FAILURE() << "the previous page is still open";
    return NULL;
  }
  HWND hPage = FindTopLevelWindow(nProcessId, caption, "#32770");
  if (hPage == NULL) ADD_FAILURE() << "the page \"" << caption << "\" did not appear";
  return hPage;
}

}  // namespace

HWND CInstallerRun::WaitForLicence(HWND hGone) { return WaitForPage(m_process.GetId(), kLicenceCaption, hGone); }

HWND CInstallerRun::WaitForSetup(HWND hGone) { return WaitForPage(m_process.GetId(), kSetupCaption, hGone); }

HWND CInstallerRun::AcceptLicence(HWND hLicence) {
  HWND hAccept = FindControl(hLicence, IDC_ACCEPT);
  if (!ClickButton(hAccept) ||
      !PollUntil([hAccept] { return ReadCheckState(hAccept) == BST_CHECKED; })) {
    ADD_FAILURE() << "\"I accept\" could not be checked";
    return NULL;
  }
  if (!ClickButton(FindControl(hLicence, IDC_LICENCE_NEXT))) {
    ADD_FAILURE() << "Next of the licence page could not be clicked";
    return NULL;
  }
  return WaitForSetup(hLicence);
}

HWND CInstallerRun::StartAndOpenSetup() {
  if (!Start()) return NULL;
  HWND hLicence = ConfirmAndWaitForLicence();
  return hLicence == NULL ? NULL : AcceptLicence(hLicence);
}

bool CInstallerRun::WaitForExit() {
  if (m_process.WaitForExit()) return true;
  ADD_FAILURE() << "the installer still runs";
  return false;
}
