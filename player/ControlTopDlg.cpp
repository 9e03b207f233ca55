#include "player/ControlTopDlg.h"

#include "player/PanelSupport.h"
#include "player/TavrenPlayerDlg.h"
#include "res/dialogs/PlayerTemplate.h"

namespace {

constexpr UINT kBackground = 270;  // 1 x 40, stretched along the bar
constexpr int kBackgroundHeight = 40;

}  // namespace

IMPLEMENT_DYNAMIC(CControlTopDlg, CPanelDlg)

BEGIN_MESSAGE_MAP(CControlTopDlg, CPanelDlg)
  ON_BN_CLICKED(IDC_TOP_REDUCE, OnBnClickedReduce)
  ON_BN_CLICKED(IDC_TOP_FRONT, OnBnClickedFront)
  ON_BN_CLICKED(IDC_TOP_REAR, OnBnClickedRear)
  ON_BN_CLICKED(IDC_TOP_ALL, OnBnClickedAll)
  ON_BN_CLICKED(IDC_TOP_ROTATE, OnBnClickedRotate)
  ON_BN_CLICKED(IDC_TOP_REVERSE, OnBnClickedReverse)
  ON_COMMAND(ID_ACCEL_NEXTFILE, OnNextFile)
  ON_COMMAND(ID_ACCEL_PREVFILE, OnBnClickedPrev)
END_MESSAGE_MAP()

CControlTopDlg::CControlTopDlg() : CPanelDlg((RegisterPanelTemplates(), IDD_CONTROL_TOP)) {}

CControlTopDlg::~CControlTopDlg() = default;

void CControlTopDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_TOP_FILENAME, m_lblFileName);
  DDX_Control(pDX, IDC_TOP_REDUCE, m_btnReduce);
  DDX_Control(pDX, IDC_TOP_FRONT, m_btnFront);
  DDX_Control(pDX, IDC_TOP_REAR, m_btnRear);
  DDX_Control(pDX, IDC_TOP_ALL, m_btnAll);
  DDX_Control(pDX, IDC_TOP_ROTATE, m_btnRotate);
  DDX_Control(pDX, IDC_TOP_REVERSE, m_btnReverse);
}

BOOL CControlTopDlg::OnInitDialog() {
  CPanelDlg::OnInitDialog();
  SkinButtons({
      {&m_btnFront, {473, 475, 474, 472, 473}, L"PLAYERDLG_FRONT"},
      {&m_btnRear, {477, 479, 478, 476, 477}, L"PLAYERDLG_REAR"},
      {&m_btnAll, {481, 483, 482, 480, 481}, L"PLAYERDLG_ALL"},
      {&m_btnRotate, {485, 487, 486, 484, 485}, L"PLAYERDLG_FLIPVERTICAL"},
      {&m_btnReverse, {489, 491, 490, 488, 489}, L"PLAYERDLG_FLIPHORIZONTAL"},
      {&m_btnReduce, {285, 287, 286, 285, 285}, L"PLAYERDLG_REDUCE"},
  });
  m_lblFileName.MoveWindow(28, 11, 300, 15);
  m_lblFileName.m_crText = RGB(0xFF, 0xFF, 0xFF);
  m_lblFileName.RedrawParentArea();
  m_lblFileName.SetWindowText(L"");
  return TRUE;
}

BOOL CControlTopDlg::RepositionControls() {
  CRect client;
  GetClientRect(&client);
  const int W = client.Width();
  const struct {
    CWnd* control;
    int x, width;
  } places[] = {
      {&m_btnReduce, W - 56, 37}, {&m_btnReverse, W - 99, 37}, {&m_btnRotate, W - 142, 37},
      {&m_btnAll, W - 188, 40},   {&m_btnRear, W - 228, 40},   {&m_btnFront, W - 268, 40},
  };
  for (const auto& place : places) place.control->MoveWindow(place.x, 7, place.width, 28);
  return TRUE;
}

BOOL CControlTopDlg::OnEraseBkgnd(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  DrawPanelBackground(pDC, kBackground, CRect(), CRect(0, 0, client.right, kBackgroundHeight));
  return TRUE;
}

// Leaves the full window.
void CControlTopDlg::OnBnClickedReduce() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedExtend); }

void CControlTopDlg::OnBnClickedFront() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedFront); }

void CControlTopDlg::OnBnClickedRear() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedRear); }

void CControlTopDlg::OnBnClickedAll() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedAll); }

void CControlTopDlg::OnBnClickedRotate() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedRotate); }

void CControlTopDlg::OnBnClickedReverse() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedReverse); }

void CControlTopDlg::OnNextFile() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedNext); }

void CControlTopDlg::OnBnClickedPrev() { ForwardToMainDialog(this, &CTavrenPlayerDlg::OnBnClickedPrev); }
