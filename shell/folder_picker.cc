#include "shell/folder_picker.h"

#include <shlobj.h>

#include "framework/window.h"

CFolderPicker::CFolderPicker() : m_nImage(0), m_bStatusText(0) {}

CFolderPicker::~CFolderPicker() = default;

void CFolderPicker::SetCaption(CString caption) { m_strCaption = caption; }

void CFolderPicker::SetInitialFolder(CString folder) { m_strInitialFolder = folder; }

CString CFolderPicker::GetFolderPath() const { return m_strFolderPath; }

BOOL CFolderPicker::ValidateFolder(const CString& /*path*/, CString& /*statusText*/) {
  return TRUE;
}

void CFolderPicker::TidyInitialFolder() {
  if (m_strInitialFolder.IsEmpty()) return;
  m_strInitialFolder.TrimRight();
  int nLast = m_strInitialFolder.GetLength() - 1;
  if (nLast >= 0 && (m_strInitialFolder.ReverseFind('\\') == nLast ||
                     m_strInitialFolder.ReverseFind('/') == nLast)) {
    m_strInitialFolder = m_strInitialFolder.Left(nLast);
  }
}

int CFolderPicker::Browse(CWnd* owner) {
  TidyInitialFolder();

  IMalloc* pMalloc = nullptr;
  if (FAILED(SHGetMalloc(&pMalloc))) return 0;

  BROWSEINFOA browseInfo;
  ZeroMemory(&browseInfo, sizeof(browseInfo));

  LPITEMIDLIST pidlRoot = nullptr;
  IShellFolder* pDesktopFolder = nullptr;
  if (!m_strRootFolder.IsEmpty() && SUCCEEDED(SHGetDesktopFolder(&pDesktopFolder))) {
    WCHAR wszRoot[MAX_PATH] = L"";
    MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, m_strRootFolder, -1, wszRoot, MAX_PATH);
    HRESULT hParsed =
        pDesktopFolder->ParseDisplayName(nullptr, nullptr, wszRoot, nullptr, &pidlRoot, nullptr);
    pDesktopFolder->Release();
    if (FAILED(hParsed)) {
      pMalloc->Release();
      return 0;
    }
    browseInfo.pidlRoot = pidlRoot;
  }

  browseInfo.hwndOwner = owner != nullptr ? owner->GetSafeHwnd() : nullptr;
  browseInfo.pszDisplayName = m_strFolderPath.GetBuffer(MAX_PATH);
  browseInfo.lpszTitle = m_strTitle.GetString();
  browseInfo.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
  if (m_bStatusText) browseInfo.ulFlags |= BIF_STATUSTEXT;
  browseInfo.lpfn = BrowseCallback;
  browseInfo.lParam = reinterpret_cast<LPARAM>(this);

  LPITEMIDLIST pidlChosen = SHBrowseForFolderA(&browseInfo);
  m_strFolderPath.ReleaseBuffer();
  if (pidlRoot != nullptr) pMalloc->Free(pidlRoot);
  if (pidlChosen == nullptr) {
    pMalloc->Release();
    return 0;
  }
  m_nImage = browseInfo.iImage;

  BOOL bHasPath = SHGetPathFromIDListA(pidlChosen, m_strFolderPath.GetBuffer(MAX_PATH));
  m_strFolderPath.ReleaseBuffer();
  pMalloc->Free(pidlChosen);
  pMalloc->Release();
  return bHasPath ? 1 : 0;
}

int CALLBACK CFolderPicker::BrowseCallback(HWND hWnd, UINT message, LPARAM lParam, LPARAM data) {
  CFolderPicker* pPicker = reinterpret_cast<CFolderPicker*>(data);
  switch (message) {
    case BFFM_INITIALIZED:
      if (!pPicker->m_strInitialFolder.IsEmpty()) {
        SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE,
                     reinterpret_cast<LPARAM>(pPicker->m_strInitialFolder.GetString()));
      }
      if (!pPicker->m_strCaption.IsEmpty()) SetWindowTextA(hWnd, pPicker->m_strCaption);
      break;
    case BFFM_SELCHANGED: {
      char szPath[MAX_PATH] = "";
      if (!SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), szPath)) szPath[0] = '\0';
      CString strStatusText;
      BOOL bEnableOk = pPicker->ValidateFolder(szPath, strStatusText);
      if (pPicker->m_bStatusText) {
        SendMessageA(hWnd, BFFM_SETSTATUSTEXTA, 0,
                     reinterpret_cast<LPARAM>(strStatusText.GetString()));
      }
      SendMessageA(hWnd, BFFM_ENABLEOK, 0, bEnableOk);
      break;
    }
    default:
      break;
  }
  return 0;
}
