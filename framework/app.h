// CWinApp: the one application object of a program.
//
// The program defines exactly one object of a class derived from CWinApp at
// global scope. Its constructor registers it (AfxGetApp); the entry point of
// the window layer (WinMain, winmain.cc) calls InitInstance once and, when
// that returns TRUE, runs the message loop (Run) until WM_QUIT. When
// InitInstance returns FALSE the program ends at once, with exit code 0 and
// no message loop.
#pragma once

#include <windows.h>

#include "framework/string.h"

class CWinApp {
 public:
  // `pszAppName`: the application name; null or empty means the file name
  // of the program without its extension (for C:\Dir\BxSetup.exe, BxSetup).
  explicit CWinApp(const char* pszAppName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Start-up; the base does nothing and returns TRUE.
  virtual BOOL InitInstance();
  // The message loop: runs until WM_QUIT and returns its exit code.
  virtual int Run();

  // Names the per-user settings location: the registry key under
  // HKEY_CURRENT_USER\Software that the application's settings would be
  // kept under. Nothing is read or written there by the layer itself.
  void SetRegistryKey(const char* pszRegistryKey) { m_strRegistryKey = pszRegistryKey; }

  CString m_strAppName;
  CString m_strRegistryKey;
  HINSTANCE m_hInstance = nullptr;
};

// The registered application object, or null when none exists.
CWinApp* AfxGetApp();

// The application name a program at `pszModulePath` gets when none is
// given: the part after the last '\' or '/', without its last extension.
CString AppNameFromModulePath(const char* pszModulePath);
// The application name of the running program when none is given.
CString DefaultAppName();

// Lets dialogs host ActiveX controls. The dialogs of this layer host none,
// so there is nothing to set up; the call exists so that start-up code reads
// as the platform expects.
inline void AfxEnableControlContainer() {}
