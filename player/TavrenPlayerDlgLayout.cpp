#include <algorithm>

#include "app/LangStringTable.h"
#include "platform/shell/NetworkState.h"
#include "platform/shell/SoundVolume.h"
#include "platform/win/ImageList.h"
#include "platform/win/ListView.h"
#include "platform/win/Static.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowStyles.h"
#include "player/FileListPlacement.h"
#include "player/PlayerLayout.h"
#include "player/RecordingColumns.h"
#include "player/SkinTable.h"
#include "player/TavrenPlayerDlg.h"
#include "player/Twins.h"
#include "skin/OktFileListVerticleScrollbar.h"

namespace {

constexpr UINT kPaneId = 0xFFFF;
constexpr int kTopStrip = 40;
constexpr int kBottomStrip = 44;

void SkinNormalSliders(CTavrenPlayerDlg& dlg) {
  SkinSliders({
      {&dlg.m_sliderSeek, {209, 210, 213, 213, 213}},
      {&dlg.m_sliderSpeed, {267, 215, 218, 218, 218}},
      {&dlg.m_sliderVolume, {268, 216, 219, 219, 219}},
      {&dlg.m_sliderBrightness, {266, 214, 217, 217, 217}},
  });
}

void SetLabel(COktStaticTrans& label, UINT bitmap, COLORREF text) {
  label.m_bmpBack.DeleteObject();
  label.m_bmpBack.LoadBitmap(bitmap);
  label.m_crBack = 0xFFFFFFFF;
  label.m_crText = text;
  label.RedrawParentArea();
}

// Hides a window that exists and shows.
void HideShown(CWnd& wnd) {
  if (Exists(wnd) && wnd.IsWindowVisible()) wnd.ShowWindow(SW_HIDE);
}

}  // namespace

void CTavrenPlayerDlg::InitControls() {
  g_cxVScroll = GetSystemMetrics(SM_CXVSCROLL);
  ResizeToNormalWindow();
  m_wndVideo1.Create(L"Video window1", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, CRect(0, 0, 0, 0), this, kPaneId);
  m_wndVideo2.Create(L"Video window2", WS_CHILD | SS_BLACKRECT, CRect(0, 0, 0, 0), this, kPaneId);
  m_wndMap.MoveWindow(0, 0, 0, 0, TRUE);
  m_player.Init(m_wndVideo1.GetSafeHwnd(), m_wndVideo2.GetSafeHwnd());

  SkinButtons({
      {&m_btnInformation, {133, 135, 134, 133, 133}, L"PLAYERDLG_INFORMATION"},
      {&m_btnMinimize, {136, 138, 137, 136, 136}, L"PLAYERDLG_MINIMIZE"},
      {&m_btnClose, {130, 132, 131, 130, 130}, L"PLAYERDLG_CLOSE"},
      {&m_btnFront, {456, 458, 457, 455, 456}, L"PLAYERDLG_FRONT"},
      {&m_btnRear, {460, 462, 461, 459, 460}, L"PLAYERDLG_REAR"},
      {&m_btnAll, {464, 466, 465, 463, 464}, L"PLAYERDLG_ALL"},
      {&m_btnRotate, {145, 147, 146, 467, 145}, L"PLAYERDLG_FLIPVERTICAL"},
      {&m_btnReverse, {469, 471, 470, 468, 469}, L"PLAYERDLG_FLIPHORIZONTAL"},
      {&m_btnCapture, {139, 141, 140, 497, 139}, L"PLAYERDLG_CAPTURE"},
      {&m_btnExtend, {142, 144, 143, 142, 142}, L"PLAYERDLG_EXTEND"},
      {&m_btnSplit, {505, 507, 506, 505, 505}, L"PLAYERDLG_SPLIT"},
      {&m_btnFolder, {313, 315, 314, 313, 313}, L"PLAYERDLG_FOLDER"},
      {&m_btnCalendar, {148, 150, 149, 148, 148}, L"PLAYERDLG_CALENDER"},
      {&m_btnSave, {154, 156, 155, 154, 154}, L"PLAYERDLG_SAVE"},
      {&m_btnDelete, {151, 153, 152, 151, 151}, L"PLAYERDLG_DELETE"},
      {&m_btnCheckAll, {451, 453, 452, 451, 451}, kEmptyTooltip},
      {&m_btnFileAll, {164, 166, 165, 164, 164}, L"PLAYERDLG_FILE_ALL"},
      {&m_btnFileNormal, {173, 175, 174, 173, 173}, L"PLAYERDLG_FILE_NORMAL"},
      {&m_btnFileEvent, {167, 169, 168, 167, 167}, L"PLAYERDLG_FILE_EVENT"},
      {&m_btnFileMotion, {170, 172, 171, 170, 170}, L"PLAYERDLG_FILE_MOTION"},
      {&m_btnLargeMap, kLargeMapFaces, L"PLAYERDLG_SHOW_LARGEMAP"},
      {&m_btnShowMap, kShowMapFaces, L"PLAYERDLG_SHOW_MAP"},
      {&m_btnRewind, {206, 208, 207, 206, 206}, L"PLAYERDLG_REWIND"},
      {&m_btnForward, {191, 193, 192, 191, 191}, L"PLAYERDLG_FORWARD"},
      {&m_btnPlay, kPlayFaces, L"PLAYERDLG_PLAY"},
      {&m_btnPrev, {203, 205, 204, 203, 203}, L"PLAYERDLG_PREV"},
      {&m_btnNext, {194, 196, 195, 194, 194}, L"PLAYERDLG_NEXT"},
      {&m_btnSpeedIcon, {501, 501, 501, 501, 501}, L"PLAYERDLG_SPEED"},
      {&m_btnMute, kMainMuteFaces.unmuted, L"PLAYERDLG_VOLUME"},
      {&m_btnBrightnessIcon, {500, 500, 500, 500, 500}, L"PLAYERDLG_BRIGHTNESS"},
  });
  SkinNormalSliders(*this);
  for (COktImageSlider* slider : {&m_sliderSeek, &m_sliderSpeed, &m_sliderVolume, &m_sliderBrightness})
    slider->m_bWheelEnabled = 0;
  SetLabel(m_lblElapsed, 293, RGB(0xA4, 0xA4, 0xA4));
  SetLabel(m_lblDuration, 294, RGB(0xA4, 0xA4, 0xA4));
  SetLabel(m_lblFileName, 312, RGB(0x92, 0x92, 0x92));
  m_lblFileName.SetWindowText(L"");

  InitFileList();

  m_sliderVolume.SetRange(0, 99, FALSE);
  m_sliderVolume.SetPos(50);
  m_player.SetDefaultVolume();
  m_sliderVolume.EnableWindow(TRUE);
  m_sliderVolume.SetPos(50);
  m_sliderVolume.Invalidate(TRUE);
  waveOutSetVolume(nullptr, 0x7FFF7FFF);
  m_btnMute.EnableWindow(TRUE);
  m_btnMute.SetCheck(BST_UNCHECKED);
  m_sliderSpeed.SetRange(1, 9, FALSE);
  m_sliderSpeed.SetPos(5);
  m_sliderBrightness.SetRange(-150, 150, FALSE);
  m_sliderBrightness.SetPos(0);
}

// Rows are 20 pixels high because of this list's 20-pixel images; they live as long as the
// program, as the lists that use them may.
void CTavrenPlayerDlg::InitFileList() {
  static CImageList rowHeightImages;
  SetUpRecordingList(m_listFiles, CPoint(FILELIST_LEFT, FILELIST_TOP), FILELIST_SETUP_WIDTH, rowHeightImages);
}

// The normal window's size at its top-left corner as it stands, kept in m_rcNormalWindow.
void CTavrenPlayerDlg::ResizeToNormalWindow() {
  GetWindowRect(&m_rcNormalWindow);
  m_rcNormalWindow.right = m_rcNormalWindow.left + NORMAL_WINDOW_WIDTH;
  m_rcNormalWindow.bottom = m_rcNormalWindow.top + NORMAL_WINDOW_HEIGHT;
  MoveWindow(&m_rcNormalWindow, TRUE);
}

int CTavrenPlayerDlg::SetLayoutMode(int nMode) {
  switch (nMode) {
    case WINDOW_MODE_NORMAL: LayOutNormalWindow(); break;
    case WINDOW_MODE_FULL: LayOutFullWindow(); break;
    case LAYOUT_LARGE_MAP: LayOutLargeMap(); break;
    default: break;
  }
  return 0;
}

// Shows the panes for the current view and lets the graph place its video in them.
void CTavrenPlayerDlg::ReapplyView() {
  switch (m_nViewChannel) {
    case VIEW_FRONT: OnBnClickedFront(); break;
    case VIEW_REAR: OnBnClickedRear(); break;
    case VIEW_BOTH: OnBnClickedAll(); break;
    default: break;
  }
  if (m_player.m_pGraph) m_player.m_pGraph->UpdateVideoWindows();
}

void CTavrenPlayerDlg::ShowFileList(int nCmdShow) {
  m_listFiles.ShowWindow(nCmdShow);
  COktFileListVerticleScrollbar* bar = m_listFiles.GetSkinScrollBar();
  if (bar && Exists(*bar)) bar->ShowWindow(nCmdShow);
}

void CTavrenPlayerDlg::ShowControls(std::initializer_list<int> ids, int nCmdShow) {
  for (int id : ids)
    if (CWnd* control = GetDlgItem(id)) control->ShowWindow(nCmdShow);
}

void CTavrenPlayerDlg::LayOutNormalWindow() {
  m_nWindowMode = WINDOW_MODE_NORMAL;
  ResizeToNormalWindow();
  ReapplyView();
  ShowFileList(SW_SHOWNORMAL);
  for (const ControlPlace& place : NormalLayout(m_nMapMode))
    if (CWnd* control = GetDlgItem(place.id)) control->MoveWindow(&place.rect, TRUE);
  SetSkinFaces(m_btnLargeMap, kLargeMapFaces);
  SkinNormalSliders(*this);
  ShowFileList(SW_SHOWNORMAL);
  for (const ControlPlace& place : NormalLayout(m_nMapMode)) ShowControls({place.id}, SW_SHOWNORMAL);
  PlaceMapWindow();
  if (m_nMapMode != MAP_MODE_LARGE) {
    CClientDC dc(this);
    DrawSensorPanel(&dc);
  }
}

void CTavrenPlayerDlg::LayOutFullWindow() {
  m_nWindowMode = WINDOW_MODE_FULL;
  CRect client;
  GetClientRect(&client);
  const int w = client.Width();
  const int h = client.Height();
  ReapplyView();
  ShowFileList(SW_HIDE);
  m_btnInformation.MoveWindow(w - 94, h - 36, 37, 28, TRUE);
  ShowControls({IDC_BTN_MINIMIZE, IDC_BTN_CLOSE, IDC_BTN_FRONT, IDC_BTN_REAR, IDC_BTN_ALL, IDC_BTN_ROTATE,
                IDC_BTN_REVERSE, IDC_BTN_CAPTURE},
               SW_HIDE);
  m_btnExtend.MoveWindow(w - 56, 7, 36, 22, TRUE);
  m_btnExtend.Invalidate(TRUE);
  ShowControls({IDC_BTN_SPLIT, IDC_BTN_FOLDER, IDC_BTN_CALENDAR, IDC_BTN_SAVE, IDC_BTN_DELETE, IDC_BTN_CHECKALL,
                IDC_BTN_FILE_ALL, IDC_BTN_FILE_NORMAL, IDC_BTN_FILE_EVENT, IDC_BTN_FILE_MOTION},
               SW_HIDE);
  m_btnRewind.MoveWindow(w - 550, h - 36, 36, 28, TRUE);
  m_btnForward.MoveWindow(w - 514, h - 36, 37, 28, TRUE);
  m_btnPlay.MoveWindow(w - 465, h - 36, 37, 28, TRUE);
  m_btnPrev.MoveWindow(w - 416, h - 36, 36, 28, TRUE);
  m_btnNext.MoveWindow(w - 380, h - 36, 37, 28, TRUE);
  ShowControls({IDC_BTN_LARGEMAP, IDC_BTN_SHOWMAP, IDC_BTN_SPEEDICON, IDC_BTN_MUTE, IDC_BTN_BRIGHTNESSICON}, SW_HIDE);
  m_sliderSeek.MoveWindow(20, h - 39, std::max(0, w - 599), 20, TRUE);
  SetSliderFaces(m_sliderSeek, {209, 210, 213, 213, 213});
  m_sliderSeek.Invalidate(TRUE);
  ShowControls({IDC_SLIDER_SPEED}, SW_HIDE);
  m_sliderVolume.MoveWindow(w - 291, h - 31, 181, 15, TRUE);
  SetSliderFaces(m_sliderVolume, {296, 297, 219, 219, 219});
  m_sliderVolume.Invalidate(TRUE);
  ShowControls({IDC_SLIDER_BRIGHTNESS, IDC_LBL_ELAPSED, IDC_LBL_DURATION, IDC_LBL_FILENAME}, SW_HIDE);
  m_wndMap.MoveWindow(0, 0, 0, 0, TRUE);
}

void CTavrenPlayerDlg::LayOutLargeMap() {
  m_wndVideo1.ShowWindow(SW_HIDE);
  m_wndVideo2.ShowWindow(SW_HIDE);
  ShowFileList(SW_HIDE);
  m_btnInformation.MoveWindow(150, 12, 37, 28, TRUE);
  m_btnMinimize.MoveWindow(937, 12, 36, 28, TRUE);
  m_btnClose.MoveWindow(973, 12, 37, 28, TRUE);
  ShowControls({IDC_BTN_FRONT,      IDC_BTN_REAR,        IDC_BTN_ALL,      IDC_BTN_ROTATE,   IDC_BTN_REVERSE,
                IDC_BTN_CAPTURE,    IDC_BTN_EXTEND,      IDC_BTN_SPLIT,    IDC_BTN_FOLDER,   IDC_BTN_CALENDAR,
                IDC_BTN_SAVE,       IDC_BTN_DELETE,      IDC_BTN_CHECKALL, IDC_BTN_FILE_ALL, IDC_BTN_FILE_NORMAL,
                IDC_BTN_FILE_EVENT, IDC_BTN_FILE_MOTION, IDC_BTN_REWIND,   IDC_BTN_FORWARD,  IDC_BTN_PLAY,
                IDC_BTN_PREV,       IDC_BTN_NEXT},
               SW_HIDE);
  m_btnLargeMap.ShowWindow(SW_SHOWNORMAL);
  SetSkinFaces(m_btnLargeMap, kReduceMapFaces);
  m_btnLargeMap.SetTooltipText(L"");
  m_btnLargeMap.MoveWindow(897, 12, 37, 28, TRUE);
  ShowControls(
      {IDC_BTN_SHOWMAP, IDC_BTN_SPEEDICON, IDC_BTN_MUTE, IDC_BTN_BRIGHTNESSICON, IDC_SLIDER_VOLUME, IDC_SLIDER_SEEK,
       IDC_SLIDER_SPEED, IDC_SLIDER_BRIGHTNESS, IDC_LBL_ELAPSED, IDC_LBL_DURATION, IDC_LBL_FILENAME},
      SW_HIDE);
  m_wndMap.MoveWindow(&kLargeMapRect, TRUE);
}

// The one place that puts the map window where the map mode wants it. Offline, the small
// map stays out of sight: its page could not load.
void CTavrenPlayerDlg::PlaceMapWindow() {
  if (m_nMapMode == MAP_MODE_SMALL) {
    DWORD flags = 0;
    if (InternetGetConnectedState(&flags, 0)) m_wndMap.MoveWindow(&kSmallMapRect, TRUE);
    else m_wndMap.MoveWindow(kOfflineMapAt.x, kOfflineMapAt.y, 0, 0, TRUE);
  } else if (m_nMapMode == MAP_MODE_LARGE) {
    m_wndMap.MoveWindow(&kLargeMapRect, TRUE);
  } else {
    m_wndMap.MoveWindow(0, 0, 0, 0, TRUE);
  }
}

void CTavrenPlayerDlg::OnBnClickedExtend() {
  if (m_nWindowMode == WINDOW_MODE_NORMAL) {
    GetWindowRect(&m_rcNormalWindow);
    ShowWindow(SW_HIDE);
    m_nWindowMode = WINDOW_MODE_FULL;
    if (Exists(m_dlgControlPanel)) m_dlgControlPanel.ShowWindow(SW_HIDE);
    if (Exists(m_dlgControlTop)) m_dlgControlTop.ShowWindow(SW_HIDE);
    HideFileListPanel();
    ShowWindow(SW_MAXIMIZE);
  } else if (m_nWindowMode == WINDOW_MODE_FULL) {
    LeaveFullWindow();
  }
  SetLayoutMode(m_nWindowMode);
  Invalidate(TRUE);
}

// Back to the normal window's mode and show, with no bar or panel left over it; the
// caller lays the window out.
void CTavrenPlayerDlg::LeaveFullWindow() {
  m_wndVideo1.ShowWindow(SW_HIDE);
  m_nWindowMode = WINDOW_MODE_NORMAL;
  ShowWindow(SW_SHOWNORMAL);
  HideShown(m_dlgControlPanel);
  HideShown(m_dlgControlTop);
  HideFileListPanel();
}

// The file-list panel goes, and the control bar's button that opened it is released.
void CTavrenPlayerDlg::HideFileListPanel() {
  HideShown(m_dlgFileList);
  if (Exists(m_dlgControlPanel.m_btnFileList)) m_dlgControlPanel.m_btnFileList.SetCheck(BST_UNCHECKED);
}

void CTavrenPlayerDlg::OnMouseMove(UINT, CPoint point) {
  CRect client;
  GetClientRect(&client);
  if (CRect(client.left, client.top, client.right, kTopStrip).PtInRect(point)) ShowExtendedPanels(STRIP_SHOW_PANELS, 1);
  else if (CRect(client.left, client.bottom - kBottomStrip, client.right, client.bottom).PtInRect(point))
    ShowExtendedPanels(STRIP_SHOW_PANELS, 0);
  else ShowExtendedPanels(STRIP_HIDE_PANELS, 1);
  Default();
}

// Only the full window has strips; in the normal window (and over the large map) the
// pointer changes nothing.
void CTavrenPlayerDlg::ShowExtendedPanels(int nAction, int nFromTop) {
  if (m_nWindowMode != WINDOW_MODE_FULL) return;
  if (nAction != STRIP_SHOW_PANELS && nAction != STRIP_HIDE_PANELS) return;
  if (m_nStripAction == nAction) return;
  m_nStripAction = nAction;
  ShowFileList(SW_HIDE);
  ShowControls({IDC_BTN_MINIMIZE, IDC_BTN_CLOSE, IDC_BTN_INFORMATION, IDC_BTN_REWIND, IDC_BTN_FORWARD, IDC_BTN_PLAY,
                IDC_BTN_PREV, IDC_BTN_NEXT, IDC_BTN_ROTATE, IDC_BTN_CAPTURE},
               SW_HIDE);
  m_btnExtend.ShowWindow(nAction == STRIP_SHOW_PANELS ? SW_SHOWNORMAL : SW_HIDE);
  ShowControls(
      {IDC_BTN_CALENDAR, IDC_BTN_SAVE, IDC_BTN_DELETE, IDC_BTN_FILE_ALL, IDC_BTN_FILE_NORMAL, IDC_BTN_FILE_EVENT,
       IDC_BTN_FILE_MOTION, IDC_BTN_LARGEMAP, IDC_BTN_SHOWMAP, IDC_BTN_MUTE, IDC_SLIDER_SEEK, IDC_SLIDER_SPEED,
       IDC_SLIDER_VOLUME, IDC_SLIDER_BRIGHTNESS, IDC_LBL_ELAPSED, IDC_LBL_DURATION},
      SW_HIDE);
  if (m_player.m_pGraph) m_player.m_pGraph->UpdateVideoWindows();
  if (nAction == STRIP_HIDE_PANELS) {
    HideShown(m_dlgControlPanel);
    HideShown(m_dlgControlTop);
    if (Exists(m_dlgFileList) && m_dlgFileList.IsWindowVisible()) HideFileListPanel();
    return;
  }
  if (nFromTop) {
    ShowControlBar();
    ShowTopBar();
  } else {
    ShowTopBar();
    ShowControlBar();
  }
}

void CTavrenPlayerDlg::ShowControlBar() {
  if (!Exists(m_dlgControlPanel) || m_dlgControlPanel.IsWindowVisible()) return;
  CRect w;
  GetWindowRect(&w);
  m_dlgControlPanel.SetWindowPos(&CWnd::wndTop, w.left, w.bottom - kBottomStrip, w.Width(), kBottomStrip,
                                 SWP_SHOWWINDOW);
  m_dlgControlPanel.RepositionControls();
}

void CTavrenPlayerDlg::ShowTopBar() {
  if (!Exists(m_dlgControlTop) || m_dlgControlTop.IsWindowVisible()) return;
  CRect w;
  GetWindowRect(&w);
  m_dlgControlTop.SetWindowPos(&CWnd::wndTop, w.left, w.top, w.Width(), kTopStrip, SWP_SHOWWINDOW);
  m_dlgControlTop.RepositionControls();
}

void CTavrenPlayerDlg::OnSize(UINT, int, int) {
  Default();
  if (m_nWindowMode != WINDOW_MODE_FULL) return;
  CRect w;
  GetWindowRect(&w);
  if (Exists(m_dlgControlPanel)) {
    m_dlgControlPanel.ShowWindow(SW_HIDE);
    m_dlgControlPanel.SetWindowPos(&CWnd::wndTop, w.left, w.bottom - kBottomStrip, w.Width(), kBottomStrip,
                                   SWP_HIDEWINDOW);
    m_dlgControlPanel.RepositionControls();
  }
  if (Exists(m_dlgControlTop)) {
    m_dlgControlTop.ShowWindow(SW_HIDE);
    m_dlgControlTop.SetWindowPos(&CWnd::wndTop, w.left, w.top, w.Width(), kTopStrip, SWP_HIDEWINDOW);
    m_dlgControlTop.RepositionControls();
  }
}
