#include "framework/message_box.h"

#include "framework/app.h"
#include "framework/string.h"

namespace {

// The hook that SetMessageBoxHook installed, or null.
MessageBoxHook g_pfnMessageBoxHook = nullptr;

CString ApplicationName() {
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr ? pApp->m_strAppName : DefaultAppName();
}

}  // namespace

int AfxMessageBox(const char* pszText, UINT nType) {
  if ((nType & MB_ICONMASK) == 0) nType |= MB_ICONEXCLAMATION;
  CString strCaption = ApplicationName();
  if (g_pfnMessageBoxHook != nullptr) return g_pfnMessageBoxHook(pszText, strCaption, nType);
  return ::MessageBoxA(::GetActiveWindow(), pszText, strCaption, nType);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook pfnHook) {
  MessageBoxHook pfnPrevious = g_pfnMessageBoxHook;
  g_pfnMessageBoxHook = pfnHook;
  return pfnPrevious;
}
