#include <algorithm>

#include "app/LangStringTable.h"
#include "platform/shell/NetworkState.h"
#include "platform/shell/SoundVolume.h"
#include "platform/win/ImageList.h"
#include "platform/win/ListView.h"
#include "platform/win/Static.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowStyles.h"
#include "player/PlayerLayout.h"
#include "player/RecordingColumns.h"
#include "player/TavrenPlayerDlg.h"
#include "player/Twins.h"
#include "skin/OktFileListVerticleScrollbar.h"

int g_cxVScroll = 0;

namespace {

using Button = COktSkinButton CTavrenPlayerDlg::*;
using Slider = COktImageSlider CTavrenPlayerDlg::*;

constexpr int kNormalWidth = 1022;
constexpr int kNormalHeight = 682;
constexpr UINT kPaneId = 0xFFFF;
constexpr int kTopStrip = 40;
constexpr int kBottomStrip = 44;

struct ButtonSkin {
  Button button;
  WORD normal, pressed, hover, disabled, focus;
  const wchar_t* tooltip;  // null: an empty tooltip
};

// In the order the set-up gives them.
const ButtonSkin kButtonSkins[] = {
    {&CTavrenPlayerDlg::m_btnInformation, 133, 135, 134, 133, 133, L"PLAYERDLG_INFORMATION"},
    {&CTavrenPlayerDlg::m_btnMinimize, 136, 138, 137, 136, 136, L"PLAYERDLG_MINIMIZE"},
    {&CTavrenPlayerDlg::m_btnClose, 130, 132, 131, 130, 130, L"PLAYERDLG_CLOSE"},
    {&CTavrenPlayerDlg::m_btnFront, 456, 458, 457, 455, 456, L"PLAYERDLG_FRONT"},
    {&CTavrenPlayerDlg::m_btnRear, 460, 462, 461, 459, 460, L"PLAYERDLG_REAR"},
    {&CTavrenPlayerDlg::m_btnAll, 464, 466, 465, 463, 464, L"PLAYERDLG_ALL"},
    {&CTavrenPlayerDlg::m_btnRotate, 145, 147, 146, 467, 145, L"PLAYERDLG_FLIPVERTICAL"},
    {&CTavrenPlayerDlg::m_btnReverse, 469, 471, 470, 468, 469, L"PLAYERDLG_FLIPHORIZONTAL"},
    {&CTavrenPlayerDlg::m_btnCapture, 139, 141, 140, 497, 139, L"PLAYERDLG_CAPTURE"},
    {&CTavrenPlayerDlg::m_btnExtend, 142, 144, 143, 142, 142, L"PLAYERDLG_EXTEND"},
    {&CTavrenPlayerDlg::m_btnSplit, 505, 507, 506, 505, 505, L"PLAYERDLG_SPLIT"},
    {&CTavrenPlayerDlg::m_btnFolder, 313, 315, 314, 313, 313, L"PLAYERDLG_FOLDER"},
    {&CTavrenPlayerDlg::m_btnCalendar, 148, 150, 149, 148, 148, L"PLAYERDLG_CALENDER"},
    {&CTavrenPlayerDlg::m_btnSave, 154, 156, 155, 154, 154, L"PLAYERDLG_SAVE"},
    {&CTavrenPlayerDlg::m_btnDelete, 151, 153, 152, 151, 151, L"PLAYERDLG_DELETE"},
    {&CTavrenPlayerDlg::m_btnCheckAll, 451, 453, 452, 451, 451, nullptr},
    {&CTavrenPlayerDlg::m_btnFileAll, 164, 166, 165, 164, 164, L"PLAYERDLG_FILE_ALL"},
    {&CTavrenPlayerDlg::m_btnFileNormal, 173, 175, 174, 173, 173, L"PLAYERDLG_FILE_NORMAL"},
    {&CTavrenPlayerDlg::m_btnFileEvent, 167, 169, 168, 167, 167, L"PLAYERDLG_FILE_EVENT"},
    {&CTavrenPlayerDlg::m_btnFileMotion, 170, 172, 171, 170, 170, L"PLAYERDLG_FILE_MOTION"},
    {&CTavrenPlayerDlg::m_btnLargeMap, 160, 163, 161, 160, 160, L"PLAYERDLG_SHOW_LARGEMAP"},
    {&CTavrenPlayerDlg::m_btnShowMap, 280, 282, 281, 280, 280, L"PLAYERDLG_SHOW_MAP"},
    {&CTavrenPlayerDlg::m_btnRewind, 206, 208, 207, 206, 206, L"PLAYERDLG_REWIND"},
    {&CTavrenPlayerDlg::m_btnForward, 191, 193, 192, 191, 191, L"PLAYERDLG_FORWARD"},
    {&CTavrenPlayerDlg::m_btnPlay, 200, 202, 201, 200, 200, L"PLAYERDLG_PLAY"},
    {&CTavrenPlayerDlg::m_btnPrev, 203, 205, 204, 203, 203, L"PLAYERDLG_PREV"},
    {&CTavrenPlayerDlg::m_btnNext, 194, 196, 195, 194, 194, L"PLAYERDLG_NEXT"},
    {&CTavrenPlayerDlg::m_btnSpeedIcon, 501, 501, 501, 501, 501, L"PLAYERDLG_SPEED"},
    {&CTavrenPlayerDlg::m_btnMute, 223, 225, 224, 225, 223, L"PLAYERDLG_VOLUME"},
    {&CTavrenPlayerDlg::m_btnBrightnessIcon, 500, 500, 500, 500, 500, L"PLAYERDLG_BRIGHTNESS"},
};

struct SliderSkin {
  Slider slider;
  WORD channel, filled, thumb, pressed, focus;
};

const SliderSkin kNormalSliderSkins[] = {
    {&CTavrenPlayerDlg::m_sliderSeek, 209, 210, 213, 213, 213},
    {&CTavrenPlayerDlg::m_sliderSpeed, 267, 215, 218, 218, 218},
    {&CTavrenPlayerDlg::m_sliderVolume, 268, 216, 219, 219, 219},
    {&CTavrenPlayerDlg::m_sliderBrightness, 266, 214, 217, 217, 217},
};

void ApplySkin(CTavrenPlayerDlg& dlg, const SliderSkin& s) {
  (dlg.*s.slider).SetBitmaps(s.channel, s.filled, s.thumb, s.pressed, s.focus);
}

void SetLabel(COktStaticTrans& label, UINT bitmap, COLORREF text) {
  label.m_bmpBack.DeleteObject();
  label.m_bmpBack.LoadBitmap(bitmap);
  label.m_crBack = 0xFFFFFFFF;
  label.m_crText = text;
  label.RedrawParentArea();
}

// Rows are 20 pixels high because of this list's 20-pixel images; it lives as long as
// the program, as the lists that use it may.
CImageList& RowHeightImages() {
  static CImageList images;
  if (!images.GetSafeHandle()) images.Create(1, 20, ILC_COLORDDB, 1, 1);
  return images;
}

// Hides a window that exists and shows.
void HideShown(CWnd& wnd) {
  if (Exists(wnd) && wnd.IsWindowVisible()) wnd.ShowWindow(SW_HIDE);
}

}  // namespace

void CTavrenPlayerDlg::InitControls() {
  g_cxVScroll = GetSystemMetrics(SM_CXVSCROLL);
  GetWindowRect(&m_rcNormalWindow);
  m_rcNormalWindow.right = m_rcNormalWindow.left + kNormalWidth;
  m_rcNormalWindow.bottom = m_rcNormalWindow.top + kNormalHeight;
  MoveWindow(&m_rcNormalWindow, TRUE);
  m_wndVideo1.Create(L"Video window1", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, CRect(0, 0, 0, 0), this, kPaneId);
  m_wndVideo2.Create(L"Video window2", WS_CHILD | SS_BLACKRECT, CRect(0, 0, 0, 0), this, kPaneId);
  m_wndMap.MoveWindow(0, 0, 0, 0, TRUE);
  m_player.Init(m_wndVideo1.GetSafeHwnd(), m_wndVideo2.GetSafeHwnd());

  CLangStringTable table;
  for (const ButtonSkin& s : kButtonSkins) {
    COktSkinButton& button = this->*s.button;
    button.SetBitmaps(s.normal, s.pressed, s.hover, s.disabled, s.focus);
    button.SetWindowText(L"");
    button.SetTooltipText(s.tooltip ? table.GetString(s.tooltip) : CString());
  }
  for (const SliderSkin& s : kNormalSliderSkins) {
    ApplySkin(*this, s);
    (this->*s.slider).m_bWheelEnabled = 0;
  }
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

void CTavrenPlayerDlg::InitFileList() {
  m_listFiles.MoveWindow(695, 126, 308, 508, TRUE);
  m_listFiles.CreateSkinScrollBar();
  m_listFiles.MoveWindow(695, 126, 324, 508, TRUE);
  m_listFiles.RepositionSkinScrollBar();
  m_listFiles.SetImageList(&RowHeightImages(), LVSIL_SMALL);
  m_listFiles.ModifyStyle(LVS_TYPEMASK, LVS_REPORT);
  InsertRecordingColumns(m_listFiles);
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
  GetWindowRect(&m_rcNormalWindow);
  m_rcNormalWindow.right = m_rcNormalWindow.left + kNormalWidth;
  m_rcNormalWindow.bottom = m_rcNormalWindow.top + kNormalHeight;
  MoveWindow(m_rcNormalWindow.left, m_rcNormalWindow.top, kNormalWidth, kNormalHeight, TRUE);
  ReapplyView();
  ShowFileList(SW_SHOWNORMAL);
  for (const ControlPlace& place : NormalLayout(m_nMapMode))
    if (CWnd* control = GetDlgItem(place.id)) control->MoveWindow(&place.rect, TRUE);
  m_btnLargeMap.SetBitmaps(160, 163, 161, 160, 160);
  for (const SliderSkin& s : kNormalSliderSkins) ApplySkin(*this, s);
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
  ShowControls({1000, 1001, 1028, 1030, 1031, 1006, 1027, 1007}, SW_HIDE);
  m_btnExtend.MoveWindow(w - 56, 7, 36, 22, TRUE);
  m_btnExtend.Invalidate(TRUE);
  ShowControls({1034, 1092, 1003, 1004, 1005, 1093, 1009, 1010, 1011, 1012}, SW_HIDE);
  m_btnRewind.MoveWindow(w - 550, h - 36, 36, 28, TRUE);
  m_btnForward.MoveWindow(w - 514, h - 36, 37, 28, TRUE);
  m_btnPlay.MoveWindow(w - 465, h - 36, 37, 28, TRUE);
  m_btnPrev.MoveWindow(w - 416, h - 36, 36, 28, TRUE);
  m_btnNext.MoveWindow(w - 380, h - 36, 37, 28, TRUE);
  ShowControls({1018, 1019, 1032, 1026, 1033}, SW_HIDE);
  m_sliderSeek.MoveWindow(20, h - 39, std::max(0, w - 599), 20, TRUE);
  m_sliderSeek.SetBitmaps(209, 210, 213, 213, 213);
  m_sliderSeek.Invalidate(TRUE);
  ShowControls({1021}, SW_HIDE);
  m_sliderVolume.MoveWindow(w - 291, h - 31, 181, 15, TRUE);
  m_sliderVolume.SetBitmaps(296, 297, 219, 219, 219);
  m_sliderVolume.Invalidate(TRUE);
  ShowControls({1023, 1025, 1024, 1069}, SW_HIDE);
  m_wndMap.MoveWindow(0, 0, 0, 0, TRUE);
}

void CTavrenPlayerDlg::LayOutLargeMap() {
  m_wndVideo1.ShowWindow(SW_HIDE);
  m_wndVideo2.ShowWindow(SW_HIDE);
  ShowFileList(SW_HIDE);
  m_btnInformation.MoveWindow(150, 12, 37, 28, TRUE);
  m_btnMinimize.MoveWindow(937, 12, 36, 28, TRUE);
  m_btnClose.MoveWindow(973, 12, 37, 28, TRUE);
  ShowControls({1028, 1030, 1031, 1006, 1027, 1007, 1008, 1034, 1092, 1003, 1004, 1005, 1093, 1009, 1010, 1011, 1012,
                1013, 1014, 1015, 1016, 1017},
               SW_HIDE);
  m_btnLargeMap.ShowWindow(SW_SHOWNORMAL);
  m_btnLargeMap.SetBitmaps(502, 504, 503, 502, 502);
  m_btnLargeMap.SetTooltipText(L"");
  m_btnLargeMap.MoveWindow(897, 12, 37, 28, TRUE);
  ShowControls({1019, 1032, 1026, 1033, 1022, 1020, 1021, 1023, 1025, 1024, 1069}, SW_HIDE);
  m_wndMap.MoveWindow(2, 48, 1017, 615, TRUE);
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
  if (CRect(client.left, client.top, client.right, kTopStrip).PtInRect(point))
    ShowExtendedPanels(STRIP_SHOW_PANELS, 1);
  else if (CRect(client.left, client.bottom - kBottomStrip, client.right, client.bottom).PtInRect(point))
    ShowExtendedPanels(STRIP_SHOW_PANELS, 0);
  else
    ShowExtendedPanels(STRIP_HIDE_PANELS, 1);
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
  ShowControls({1000, 1001, 1002, 1013, 1014, 1015, 1016, 1017, 1006, 1007}, SW_HIDE);
  m_btnExtend.ShowWindow(nAction == STRIP_SHOW_PANELS ? SW_SHOWNORMAL : SW_HIDE);
  ShowControls({1003, 1004, 1005, 1009, 1010, 1011, 1012, 1018, 1019, 1026, 1020, 1021, 1022, 1023, 1025, 1024},
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
