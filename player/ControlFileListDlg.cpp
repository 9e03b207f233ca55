#include "player/ControlFileListDlg.h"

#include "player/FileListMirror.h"
#include "player/FileListPlacement.h"
#include "player/PanelSupport.h"
#include "player/PlayerLayout.h"
#include "player/RecordingColumns.h"
#include "player/TavrenPlayerDlg.h"
#include "res/dialogs/PlayerTemplate.h"

namespace {

// The panel shows the part of the main background under the main dialog's list column.
constexpr int kBackgroundLeft = 693;
constexpr int kBackgroundTop = 47;

int ActivatedRow(const NMHDR* pNMHDR) { return reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->iItem; }

}  // namespace

IMPLEMENT_DYNAMIC(CControlFileListDlg, CPanelDlg)

BEGIN_MESSAGE_MAP(CControlFileListDlg, CPanelDlg)
  ON_BN_CLICKED(IDC_FILELIST_ALL, OnBnClickedFileAll)
  ON_BN_CLICKED(IDC_FILELIST_NORMAL, OnBnClickedFileNormal)
  ON_BN_CLICKED(IDC_FILELIST_EVENT, OnBnClickedFileEvent)
  ON_BN_CLICKED(IDC_FILELIST_MOTION, OnBnClickedFileMotion)
  ON_BN_CLICKED(IDC_FILELIST_CALENDAR, OnBnClickedCalendar)
  ON_BN_CLICKED(IDC_FILELIST_SAVE, OnBnClickedSave)
  ON_BN_CLICKED(IDC_FILELIST_DELETE, OnBnClickedDelete)
  ON_NOTIFY(NM_DBLCLK, IDC_FILELIST_LIST, OnNMDblclkFileList)
  ON_BN_CLICKED(IDC_FILELIST_FOLDER, OnBnClickedFolder)
  ON_NOTIFY(NM_CLICK, IDC_FILELIST_LIST, OnNMClickFileList)
  ON_BN_CLICKED(IDC_FILELIST_CHECKALL, OnBnClickedCheck)
  ON_COMMAND(ID_ACCEL_NEXTFILE, OnNextFile)
  ON_COMMAND(ID_ACCEL_PREVFILE, OnBnClickedPrev)
END_MESSAGE_MAP()

CControlFileListDlg::CControlFileListDlg() : CPanelDlg((RegisterPanelTemplates(), IDD_CONTROL_FILELIST)) {}

CControlFileListDlg::~CControlFileListDlg() = default;

void CControlFileListDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FILELIST_LIST, m_listFiles);
  DDX_Control(pDX, IDC_FILELIST_FOLDER, m_btnFolder);
  DDX_Control(pDX, IDC_FILELIST_CALENDAR, m_btnCalendar);
  DDX_Control(pDX, IDC_FILELIST_SAVE, m_btnSave);
  DDX_Control(pDX, IDC_FILELIST_DELETE, m_btnDelete);
  DDX_Control(pDX, IDC_FILELIST_CHECKALL, m_btnCheckAll);
  DDX_Control(pDX, IDC_FILELIST_ALL, m_btnFileAll);
  DDX_Control(pDX, IDC_FILELIST_NORMAL, m_btnFileNormal);
  DDX_Control(pDX, IDC_FILELIST_EVENT, m_btnFileEvent);
  DDX_Control(pDX, IDC_FILELIST_MOTION, m_btnFileMotion);
}

BOOL CControlFileListDlg::OnInitDialog() {
  CPanelDlg::OnInitDialog();
  SkinButtons({
      {&m_btnFolder, {313, 315, 314, 313, 313}, L"PLAYERDLG_FOLDER"},
      {&m_btnCalendar, {148, 150, 149, 148, 148}, L"PLAYERDLG_CALENDER"},
      {&m_btnSave, {154, 156, 155, 154, 154}, L"PLAYERDLG_SAVE"},
      {&m_btnDelete, {151, 153, 152, 151, 151}, L"PLAYERDLG_DELETE"},
      {&m_btnCheckAll, {451, 453, 452, 451, 451}, nullptr},
      {&m_btnFileAll, {164, 166, 165, 164, 164}, L"PLAYERDLG_FILE_ALL"},
      {&m_btnFileNormal, {173, 175, 174, 173, 173}, L"PLAYERDLG_FILE_NORMAL"},
      {&m_btnFileEvent, {167, 169, 168, 167, 167}, L"PLAYERDLG_FILE_EVENT"},
      {&m_btnFileMotion, {170, 172, 171, 170, 170}, L"PLAYERDLG_FILE_MOTION"},
  });
  InitList();
  PlaceButtons();
  return TRUE;
}

// Set up as the main dialog's list, which holds the same rows.
void CControlFileListDlg::InitList() {
  SetUpRecordingList(m_listFiles, CPoint(PANEL_FILELIST_LEFT, PANEL_FILELIST_TOP), PANEL_FILELIST_SETUP_WIDTH,
                     m_rowHeightImages);
}

// The main dialog's places of the twin buttons, moved by (-693, -47).
void CControlFileListDlg::PlaceButtons() {
  const struct {
    CWnd* button;
    CRect rect;
  } places[] = {
      {&m_btnFolder, CRect(CPoint(178, 6), CSize(36, 22))},
      {&m_btnCalendar, CRect(CPoint(214, 6), CSize(36, 22))},
      {&m_btnSave, CRect(CPoint(247, 6), CSize(34, 22))},
      {&m_btnDelete, CRect(CPoint(281, 6), CSize(36, 22))},
      {&m_btnCheckAll, CRect(CPoint(270, 60), CSize(39, 19))},
      {&m_btnFileAll, CRect(CPoint(2, 31), CSize(81, 29))},
      {&m_btnFileNormal, CRect(CPoint(83, 31), CSize(81, 29))},
      {&m_btnFileEvent, CRect(CPoint(164, 31), CSize(81, 29))},
      {&m_btnFileMotion, CRect(CPoint(245, 31), CSize(82, 29))},
  };
  for (const auto& place : places) place.button->MoveWindow(&place.rect);
}

BOOL CControlFileListDlg::OnEraseBkgnd(CDC* pDC) {
  DrawPanelBackground(
      pDC, IDB_MAIN_BACKGROUND,
      CRect(CPoint(kBackgroundLeft, kBackgroundTop), CSize(FILELIST_PANEL_WIDTH, FILELIST_PANEL_HEIGHT)),
      CRect(0, 0, FILELIST_PANEL_WIDTH, FILELIST_PANEL_HEIGHT));
  return TRUE;
}

void CControlFileListDlg::OnBnClickedFileAll() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedFileAll); }

void CControlFileListDlg::OnBnClickedFileNormal() {
  ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedFileNormal);
}

void CControlFileListDlg::OnBnClickedFileEvent() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedFileEvent); }

void CControlFileListDlg::OnBnClickedFileMotion() {
  ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedFileMotion);
}

void CControlFileListDlg::OnBnClickedCalendar() {
  ForwardCheck(m_btnCalendar, &CTavrenPlayerDlg::m_btnCalendar, &CTavrenPlayerDlg::OnBnClickedCalendar);
}

void CControlFileListDlg::OnBnClickedSave() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedSave); }

void CControlFileListDlg::OnBnClickedDelete() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedDelete); }

// Opens the recording of the same row of the main list, which then selects that row.
void CControlFileListDlg::OnNMDblclkFileList(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  if (CTavrenPlayerDlg* pMain = PanelMainDialog(this)) pMain->OpenRowAndPlay(ActivatedRow(pNMHDR), &pMain->m_listFiles);
}

void CControlFileListDlg::OnBnClickedFolder() {
  ForwardCheck(m_btnFolder, &CTavrenPlayerDlg::m_btnFolder, &CTavrenPlayerDlg::OnBnClickedFolder);
}

// A check toggled here reaches the main list's twin cell, from which copy and delete read
// the checked rows; the row becomes the main list's selection.
void CControlFileListDlg::OnNMClickFileList(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  if (CTavrenPlayerDlg* pMain = PanelMainDialog(this))
    MirrorRowClick(m_listFiles, pMain->m_listFiles, ActivatedRow(pNMHDR));
}

void CControlFileListDlg::OnBnClickedCheck() {
  ForwardCheck(m_btnCheckAll, &CTavrenPlayerDlg::m_btnCheckAll, &CTavrenPlayerDlg::OnBnClickedCheckAll);
}

// The main dialog's handler reads its own twin box, so it gets this box's new state first.
void CControlFileListDlg::ForwardCheck(const CButton& own, COktSkinButton CTavrenPlayerDlg::*twin,
                                       MainDialogHandler handler) {
  CTavrenPlayerDlg* pMain = PanelMainDialog(this);
  if (!pMain) return;
  (pMain->*twin).SetCheck(own.GetCheck() == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED);
  (pMain->*handler)();
}

void CControlFileListDlg::OnNextFile() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedNext); }

void CControlFileListDlg::OnBnClickedPrev() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedPrev); }
