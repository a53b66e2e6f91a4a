// demo_tour: runs an installer through every page as a user would, saving a
// picture of the screen at each step:
//   1-confirmation  the question before anything happens (answered Yes)
//   2-licence       the licence page ("I accept" is then checked, Next)
//   3-setup         the Setup page with the default destination (Next)
//   4-extracting    the Setup page while the files are being extracted
//   5-success       the message after the extraction (OK)
//   6-installed     the program group window the installer opens at the end
// Usage: demo_tour INSTALLER OUTPUT_FOLDER. Writes OUTPUT_FOLDER\<n-name>.bmp
// and returns 0 when every step was seen, 1 at the first step that was not
// (its name on stderr).
#include <windows.h>

#include <cstdio>
#include <string>

#include "res/resource.h"
#include "tests/driver/driven_process.h"
#include "tests/driver/message_box.h"
#include "tests/driver/poll.h"
#include "tests/driver/window_input.h"
#include "tests/driver/window_search.h"
#include "tests/driver/window_state.h"
#include "tests/ui/bar_capture.h"

namespace {

const char kCaption[] = "BxSetup";  // the installer's file name without extension

class Tour {
 public:
  explicit Tour(std::string folder) : m_strFolder(std::move(folder)) {}

  // Saves the screen as `name`, after `nSettleMs` for the windows to paint.
  void Shoot(const char* name, DWORD nSettleMs = 400) {
    Sleep(nSettleMs);
    std::string path = m_strFolder + "\\" + name + ".bmp";
    if (!WriteBmp(CaptureClient(GetDesktopWindow()), path.c_str())) {
      std::fprintf(stderr, "demo_tour: cannot write %s\n", path.c_str());
    }
  }

  // Reports a step that did not happen; returns the tour's failure code.
  static int Missed(const char* step) {
    std::fprintf(stderr, "demo_tour: step not seen: %s\n", step);
    return 1;
  }

 private:
  std::string m_strFolder;
};

int RunTour(const std::string& installer, Tour& tour) {
  CDrivenProcess setup;
  if (!setup.Start("\"" + installer + "\"")) return Tour::Missed("start of the installer");

  HWND hBox = FindMessageBox(setup.GetId(), kCaption);
  if (hBox == NULL) return Tour::Missed("confirmation");
  tour.Shoot("1-confirmation");
  AnswerMessageBox(hBox, IDYES);

  HWND hLicence = FindTopLevelWindow(setup.GetId(), "License Agreement");
  if (hLicence == NULL) return Tour::Missed("licence page");
  ClickButton(FindControl(hLicence, IDC_ACCEPT));
  tour.Shoot("2-licence");
  ClickButton(FindControl(hLicence, IDC_LICENCE_NEXT));

  HWND hSetup = FindTopLevelWindow(setup.GetId(), "Setup");
  if (hSetup == NULL) return Tour::Missed("Setup page");
  tour.Shoot("3-setup");
  PostButtonCommand(hSetup, IDC_NEXT);

  HWND hFileLabel = FindControl(hSetup, IDC_FILE_LABEL);
  bool bExtracting = PollUntil([&] { return ReadWindowText(hFileLabel).rfind("Extracting ", 0) == 0; });
  if (!bExtracting) return Tour::Missed("extraction");
  // The extraction takes well under a second: no time to settle.
  tour.Shoot("4-extracting", 0);

  hBox = FindMessageBox(setup.GetId(), kCaption);
  if (hBox == NULL || ReadMessageBoxText(hBox) != "Install successfully") return Tour::Missed("success message");
  tour.Shoot("5-success");
  AnswerMessageBox(hBox, IDOK);

  if (!setup.WaitForExit()) return Tour::Missed("end of the installer");
  HWND hGroup = FindTopLevelWindow(0, "Brindlewax");
  if (hGroup == NULL) return Tour::Missed("program group window");
  tour.Shoot("6-installed");
  CloseWithCloseBox(hGroup);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: demo_tour INSTALLER OUTPUT_FOLDER\n");
    return 2;
  }
  Tour tour(argv[2]);
  return RunTour(argv[1], tour);
}
