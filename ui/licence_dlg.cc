#include "ui/licence_dlg.h"

#include "res/resource.h"

namespace {
constexpr int kAccepted = 0;
constexpr int kDeclined = 1;
}  // namespace

BEGIN_MESSAGE_MAP(CLicenceDlg, CDialog)
  ON_BN_CLICKED(IDC_LICENCE_NEXT, OnNext)
  ON_BN_CLICKED(IDC_ACCEPT, OnAccept)
END_MESSAGE_MAP()

CLicenceDlg::CLicenceDlg() : CDialog(IDD_LICENCE), m_nAgree(kDeclined) {}

CLicenceDlg::~CLicenceDlg() = default;

void CLicenceDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Radio(pDX, IDC_ACCEPT, m_nAgree);
}

void CLicenceDlg::OnNext() {
  UpdateData(TRUE);
  if (m_nAgree == kAccepted) OnOK();
}

void CLicenceDlg::OnAccept() {}
