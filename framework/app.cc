#include "framework/app.h"

namespace {

// The one registered application object.
CWinApp* g_pApp = nullptr;

}  // namespace

CString AppNameFromModulePath(const char* pszModulePath) {
  CString strPath(pszModulePath);
  int nSlash = strPath.ReverseFind('\\');
  int nForwardSlash = strPath.ReverseFind('/');
  if (nForwardSlash > nSlash) nSlash = nForwardSlash;
  CString strName = strPath.Mid(nSlash + 1);
  int nDot = strName.ReverseFind('.');
  return nDot >= 0 ? strName.Left(nDot) : strName;
}

CString DefaultAppName() {
  char szModule[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, szModule, MAX_PATH);
  return AppNameFromModulePath(szModule);
}

CWinApp::CWinApp(const char* pszAppName)
    : m_strAppName(pszAppName != nullptr && *pszAppName != '\0' ? CString(pszAppName) : DefaultAppName()),
      m_hInstance(::GetModuleHandleA(nullptr)) {
  g_pApp = this;
}

CWinApp::~CWinApp() {
  if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

CWinApp* AfxGetApp() { return g_pApp; }
