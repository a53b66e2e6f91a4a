// A GUI program on the window layer's own entry point, for the entry-point
// test. Its one application object checks that it was registered and named
// after the program, then, by its command line:
//   "init-false"  posts WM_QUIT(9) and returns FALSE from InitInstance, so
//                 the exit code is 0 only if no message loop ran;
//   "init-true"   posts WM_QUIT(7) and returns TRUE, so the loop's exit
//                 code 7 comes back.
// Exit code 3: registration or name wrong; 4: InitInstance called twice.
#include <windows.h>

#include <cstring>

#include "framework/app.h"

namespace {

class CProbeApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    if (++m_nCalls > 1) ::ExitProcess(4);
    if (AfxGetApp() != this || m_strAppName != "framework_app_probe") ::ExitProcess(3);
    bool bContinue = std::strstr(::GetCommandLineA(), "init-true") != nullptr;
    ::PostQuitMessage(bContinue ? 7 : 9);
    return bContinue ? TRUE : FALSE;
  }

 private:
  int m_nCalls = 0;
};

CProbeApp theApp;

}  // namespace
