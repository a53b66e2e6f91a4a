#include "ui/setup_dlg.h"

#include <direct.h>
#include <shlobj.h>

#include "framework/app.h"
#include "framework/dc.h"
#include "framework/message_box.h"
#include "res/resource.h"
#include "shell/clear_directory.h"
#include "shell/folder_picker.h"
#include "shell/special_folder.h"

namespace {

const char kProductFolder[] = "\\Brindlewax\\";

// The part of `path` before its first backslash (C: for C:\Temp\); empty
// when it holds none.
CString DriveOf(const CString& path) {
  int backslash = path.Find('\\');
  return backslash < 0 ? CString() : path.Left(backslash);
}

// The temporary-files folder; when the system cannot say, the Windows
// folder, whose drive serves the same purpose.
CString TempFolder() {
  CString folder;
  DWORD length = GetTempPathA(MAX_PATH, folder.GetBuffer(MAX_PATH));
  folder.ReleaseBuffer();
  if (length == 0 || length > MAX_PATH) {
    GetWindowsDirectoryA(folder.GetBuffer(MAX_PATH), MAX_PATH);
    folder.ReleaseBuffer();
    folder += "\\";
  }
  return folder;
}

}  // namespace

BEGIN_MESSAGE_MAP(CSetupDlg, CDialog)
  ON_WM_PAINT()
  ON_WM_QUERYDRAGICON()
  ON_BN_CLICKED(IDC_NEXT, OnNext)
  ON_BN_CLICKED(IDC_CHANGE, OnChange)
  ON_BN_CLICKED(IDC_BACK, OnBack)
END_MESSAGE_MAP()

CSetupDlg::CSetupDlg()
    : CDialog(IDD_SETUP), m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

CSetupDlg::~CSetupDlg() = default;

void CSetupDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_DEST_DIR, m_editDest);
  DDX_Control(pDX, IDC_NEXT, m_btnNext);
  DDX_Control(pDX, IDC_CHANGE, m_btnChange);
  DDX_Control(pDX, IDC_FILE_PROGRESS, m_progressFile);
  DDX_Control(pDX, IDC_TOTAL_PROGRESS, m_progressTotal);
  DDX_Text(pDX, IDC_DEST_DIR, m_strDestDir);
  DDX_Text(pDX, IDC_TOTAL_LABEL, m_strTotalLabel);
  DDX_Text(pDX, IDC_FILE_LABEL, m_strFileLabel);
  DDX_Text(pDX, IDC_INSTRUCTIONS, m_strInstructions);
}

BOOL CSetupDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  m_progressTotal.SetShowText(TRUE);
  m_progressTotal.SetStep(1);
  m_progressTotal.ShowWindow(SW_HIDE);
  m_progressFile.SetShowText(TRUE);
  m_progressFile.SetStep(1);
  m_progressFile.ShowWindow(SW_HIDE);

  int result = m_archive.ReadDirectory(m_archive.GetModulePath());
  m_strDestDir = GetSpecialFolderPath(CSIDL_PROGRAM_FILES);
  if (result == SFX_ERR_NOT_ARCHIVE) {
    m_btnChange.EnableWindow(FALSE);
    m_btnNext.EnableWindow(FALSE);
    m_editDest.ShowWindow(SW_HIDE);
    m_strInstructions.LoadFromStringTable(IDS_NO_DATA_HINT);
  } else {
    m_strDestDir = DefaultDestination(m_strDestDir);
    m_strInstructions.LoadFromStringTable(IDS_CHANGE_HINT);
  }
  UpdateData(FALSE);
  return TRUE;
}

CString CSetupDlg::DefaultDestination(const CString& programFiles) {
  CString drive = DriveOf(TempFolder());
  if (_chdir(programFiles) == 0) return programFiles + kProductFolder;
  return drive + kProductFolder;
}

void CSetupDlg::OnNext() {
  m_progressTotal.SetRange(0, m_archive.GetEntryCount());
  m_progressTotal.ShowWindow(SW_SHOW);
  m_progressFile.ShowWindow(SW_SHOW);
  UpdateData(TRUE);
  if (!PrepareDestination()) return;

  int code = Extract();

  m_progressTotal.ShowWindow(SW_HIDE);
  m_progressFile.ShowWindow(SW_HIDE);
  m_strFileLabel.Empty();
  m_strTotalLabel.Empty();
  UpdateData(FALSE);
  AfxMessageBox(ResultMessage(code), MB_OK);
  EndDialog(code);
}

bool CSetupDlg::PrepareDestination() {
  if (_chdir(m_strDestDir) == 0) {
    if (AfxMessageBox("Directory already exist, overwrite", MB_YESNO) != IDYES) return false;
    ClearDirectory(m_strDestDir);
    return true;
  }
  if (_mkdir(m_strDestDir) != 0) {
    AfxMessageBox("Unable to create directory", MB_OK);
    return false;
  }
  return true;
}

int CSetupDlg::Extract() {
  m_btnNext.EnableWindow(FALSE);
  m_btnChange.EnableWindow(FALSE);
  int code = m_archive.ExtractAll(m_strDestDir, OnExtractProgress, this);
  m_btnNext.EnableWindow(TRUE);
  m_btnChange.EnableWindow(TRUE);
  return code;
}

CString CSetupDlg::ResultMessage(int code) const {
  CString text;
  switch (code) {
    case SFX_ERR_NOT_ARCHIVE:
    case SFX_ERR_EMPTY:
      text.LoadFromStringTable(IDS_NO_DATA);
      break;
    case SFX_OK: {
      // The success text is a format that takes the entry count; it holds
      // no conversion, so it shows as it stands.
      CString format;
      format.LoadFromStringTable(IDS_INSTALL_SUCCESS);
      text.Format(format, m_archive.GetEntryCount());
      break;
    }
    case SFX_ERR_WRITE_OUTPUT:
      text.LoadFromStringTable(IDS_OUTPUT_FILE_ERROR);
      break;
    default:
      text.LoadFromStringTable(IDS_INTERNAL_ERROR);
      break;
  }
  return text;
}

void CSetupDlg::OnExtractProgress(int code, void* data, void* user) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  CSetupDlg* dialog = static_cast<CSetupDlg*>(user);
  switch (code) {
    case SFX_CB_FILE_BEGIN:
      dialog->m_strFileLabel = "Extracting " + static_cast<SfxEntry*>(data)->m_strName;
      dialog->UpdateData(FALSE);
      break;
    case SFX_CB_FILE_DONE:
      dialog->m_progressTotal.StepIt();
      break;
    case SFX_CB_PROGRESS:
      dialog->m_progressFile.SetPos(*static_cast<int32_t*>(data));
      break;
    default:
      break;
  }
}

void CSetupDlg::OnChange() {
  CFolderPicker picker;
  picker.SetCaption("Select Installation Directory");
  picker.SetInitialFolder(m_strDestDir);
  if (picker.Browse(this) == 1) {
    m_strDestDir = picker.GetFolderPath();
    UpdateData(FALSE);
  }
}

void CSetupDlg::OnBack() { EndDialog(kSetupEndBack); }

void CSetupDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  int cxIcon = GetSystemMetrics(SM_CXICON);
  int cyIcon = GetSystemMetrics(SM_CYICON);
  RECT rect;
  GetClientRect(&rect);
  int x = (rect.right - rect.left - cxIcon + 1) / 2;
  int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
  DrawIcon(dc.GetSafeHdc(), x, y, m_hIcon);
}

HCURSOR CSetupDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }
