#include "app/LangStringTable.h"
#include "platform/shell/NetworkState.h"
#include "platform/win/ListView.h"
#include "platform/win/MessageBox.h"
#include "player/MapPage.h"
#include "player/PlayerLayout.h"
#include "player/TavrenPlayerDlg.h"

namespace {

constexpr int kListX = 695;
constexpr int kListY = 126;
constexpr int kListWidth = 308;  // and the scroll bar's width
constexpr int kListHeightNoMap = 508;
constexpr int kListHeightSmallMap = 310;

}  // namespace

void CTavrenPlayerDlg::OnBnClickedShowMap() {
  if (m_nMapMode == MAP_MODE_SMALL) {
    // Hiding needs no samples: Stop hides the map while a new recording has none yet.
    m_nMapMode = MAP_MODE_NONE;
    ApplyMapMode();
  } else {
    if (!HasGpsSamples()) return ReportNoGpsSamples();
    ShowSmallMap();
  }
  m_listFiles.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(m_nCurItem), FALSE);
  Invalidate(TRUE);
}

void CTavrenPlayerDlg::OnBnClickedShowLargeMap() {
  if (!HasGpsSamples()) return ReportNoGpsSamples();
  if (m_nMapMode == MAP_MODE_LARGE) {
    m_nMapMode = MAP_MODE_SMALL;
    SetLayoutMode(WINDOW_MODE_NORMAL);
    m_nMapMode = MAP_MODE_SMALL;
    ShowSmallMap();
    m_listFiles.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(m_nCurItem), FALSE);
  } else {
    m_nMapMode = MAP_MODE_LARGE;
    if (InternetGetConnectedState(nullptr, 0)) m_wndMap.Navigate(MapPageAddress());
    SetLayoutMode(LAYOUT_LARGE_MAP);
    m_btnLargeMap.SetTooltipText(CLangStringTable().GetString(L"PLAYERDLG_REDUCE_MAP"));
  }
  Invalidate(TRUE);
}

void CTavrenPlayerDlg::ApplyMapMode() {
  const bool small = m_nMapMode == MAP_MODE_SMALL;
  m_listFiles.MoveWindow(kListX, kListY, kListWidth + g_cxVScroll, small ? kListHeightSmallMap : kListHeightNoMap,
                         TRUE);
  m_listFiles.RepositionSkinScrollBar();
  m_listFiles.SetFocus();
  m_listFiles.InvalidateRect(nullptr, TRUE);
  PlaceMapWindow();
  for (const ControlPlace& place : NormalLayout(m_nMapMode)) {
    if (place.id == IDC_BTN_LARGEMAP || place.id == IDC_BTN_SHOWMAP) GetDlgItem(place.id)->MoveWindow(&place.rect, TRUE);
  }
  CLangStringTable texts;
  m_btnLargeMap.SetTooltipText(texts.GetString(L"PLAYERDLG_SHOW_LARGEMAP"));
  if (small)
    m_btnShowMap.SetBitmaps(158, 157, 159, 158, 158);
  else
    m_btnShowMap.SetBitmaps(280, 282, 281, 280, 280);
  m_btnShowMap.InvalidateRect(nullptr, TRUE);
  m_btnShowMap.SetTooltipText(texts.GetString(small ? L"PLAYERDLG_HIDE_MAP" : L"PLAYERDLG_SHOW_MAP"));
}

void CTavrenPlayerDlg::ShowSmallMap() {
  m_nMapMode = MAP_MODE_SMALL;
  ApplyMapMode();
  // Offline, the map window stays shrunk to nothing and no page is loaded.
  if (InternetGetConnectedState(nullptr, 0)) m_wndMap.Navigate(MapPageAddress());
}

bool CTavrenPlayerDlg::HasGpsSamples() {
  CSingleLock lock(&m_csData, TRUE);
  return !m_textData.m_arrGPS.IsEmpty();
}

void CTavrenPlayerDlg::ReportNoGpsSamples() {
  AfxMessageBox(CLangStringTable().GetString(L"PLAYERDLG_GPS_FILENOTFOUND"), MB_OK);
}
