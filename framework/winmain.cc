// The entry point of a GUI program built on the window layer: hands control
// to the program's one application object (app.h).
#include <windows.h>

#include "framework/app.h"

// Returns -1 when the program defines no application object.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return -1;
  if (!pApp->InitInstance()) return 0;
  return pApp->Run();
}
