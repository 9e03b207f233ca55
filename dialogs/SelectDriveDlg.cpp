#include "dialogs/SelectDriveDlg.h"

#include <algorithm>

#include "app/LangStringTable.h"
#include "card/RemovableDrives.h"
#include "platform/gdi/DC.h"
#include "platform/shell/Drives.h"
#include "res/dialogs/ChooserTemplates.h"

IMPLEMENT_DYNAMIC(CSelectDriveDlg, CDialog)

BEGIN_MESSAGE_MAP(CSelectDriveDlg, CDialog)
  ON_BN_CLICKED(IDOK, OnBnClickedOk)
END_MESSAGE_MAP()

namespace {

constexpr DWORD kNameBufferSize = 255;
// The open list's frame and the inset of its text, both sides together, in pixels.
constexpr int kListTextMargin = 8;

}  // namespace

CSelectDriveDlg::CSelectDriveDlg() : CDialog((RegisterChooserTemplates(), IDD_SELECT_DRIVE), nullptr) {}

CSelectDriveDlg::~CSelectDriveDlg() = default;

void CSelectDriveDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_COMBO_DRIVE, m_comboDrive);
  DDX_CBString(pDX, IDC_COMBO_DRIVE, m_strDrive);
  DDX_Control(pDX, IDC_STATIC_DRIVE, m_staticDrive);
  DDX_Control(pDX, IDC_STATIC_SELECT, m_staticSelect);
}

BOOL CSelectDriveDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetTexts();
  AddRemovableDrives();
  if (m_comboDrive.GetCount() < 1) {
    OnCancel();
    return TRUE;
  }
  FitDroppedWidth();
  m_comboDrive.SetCurSel(0);
  return TRUE;
}

void CSelectDriveDlg::SetTexts() {
  CLangStringTable table;
  SetWindowText(table.GetString(L"SELECTDLG_TITLE"));
  m_staticDrive.SetWindowText(table.GetString(L"SELECTDLG_CONTEXT1_1"));
  m_staticDrive.InvalidateRect(nullptr, TRUE);
  m_staticSelect.SetWindowText(table.GetString(L"SELECTDLG_CONTEXT1_2"));
  m_staticSelect.InvalidateRect(nullptr, TRUE);
}

// Every removable drive, listed even when its volume cannot be read (an empty slot).
void CSelectDriveDlg::AddRemovableDrives() {
  CLangStringTable table;
  for (const CString& root : RemovableDriveRoots()) {
    WCHAR volumeName[kNameBufferSize] = {};
    WCHAR fileSystemName[kNameBufferSize] = {};
    GetVolumeInformationW(root, volumeName, kNameBufferSize, nullptr, nullptr, nullptr, fileSystemName,
                          kNameBufferSize);
    CString label = volumeName;
    if (label.IsEmpty()) label = table.GetString(L"SELECTDLG_CONTEXT1_3");
    CString entry;
    entry.Format(L"%s[%s]", static_cast<LPCWSTR>(root), static_cast<LPCWSTR>(label));
    m_comboDrive.AddString(entry);
  }
}

void CSelectDriveDlg::FitDroppedWidth() {
  CClientDC dc(&m_comboDrive);
  CSelectObjectScope font(&dc, m_comboDrive.GetFont());
  int widest = 0;
  for (int i = 0; i < m_comboDrive.GetCount(); ++i) {
    CString entry;
    m_comboDrive.GetLBText(i, entry);
    widest = std::max(widest, static_cast<int>(dc.GetTextExtent(entry).cx));
  }
  m_comboDrive.SetDroppedWidth(widest + kListTextMargin);
}

void CSelectDriveDlg::OnBnClickedOk() {
  UpdateData(TRUE);
  CDialog::OnOK();
}

CString DriveRootOfEntry(const CString& entry) {
  for (int i = entry.GetLength() - 1; i > 0; --i)
    if (entry[i] == L'[' && entry[i - 1] == L'/') return entry.Left(i);
  return CString();
}
