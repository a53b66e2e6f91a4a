#include "shell/shortcut.h"

#include <objidl.h>
#include <shlobj.h>

HRESULT CreateShortcut(CString target, CString linkPath, CString description) {
  IShellLinkA* pShellLink = nullptr;
  HRESULT hResult = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IShellLinkA, reinterpret_cast<void**>(&pShellLink));
  if (FAILED(hResult)) return hResult;

  // Neither result stops the save: a target the shell rejects is kept as given.
  pShellLink->SetPath(target);
  pShellLink->SetDescription(description);

  IPersistFile* pPersistFile = nullptr;
  hResult = pShellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pPersistFile));
  if (SUCCEEDED(hResult)) {
    WCHAR wszLinkPath[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, linkPath, -1, wszLinkPath, MAX_PATH) == 0) {
      // Too long for the path buffer (or not convertible): a truncated name
      // must never be saved.
      hResult = HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    } else {
      hResult = pPersistFile->Save(wszLinkPath, TRUE);
    }
    pPersistFile->Release();
  }
  pShellLink->Release();
  return hResult;
}
