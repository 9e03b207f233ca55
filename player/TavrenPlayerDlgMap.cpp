#include "app/LangStringTable.h"
#include "platform/shell/NetworkState.h"
#include "platform/win/ListView.h"
#include "platform/win/MessageBox.h"
#include "player/FileListPlacement.h"
#include "player/MapPage.h"
#include "player/PlayerLayout.h"
#include "player/SkinTable.h"
#include "player/TavrenPlayerDlg.h"

void CTavrenPlayerDlg::OnBnClickedShowMap() {
  const int to = m_nMapMode == MAP_MODE_SMALL ? MAP_MODE_NONE : MAP_MODE_SMALL;
  if (!MapModeAllowed(to)) return;
  if (to == MAP_MODE_NONE) {
    m_nMapMode = MAP_MODE_NONE;
    ApplyMapMode();
  } else {
    ShowSmallMap();
  }
  m_listFiles.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(m_nCurItem), FALSE);
  Invalidate(TRUE);
}

void CTavrenPlayerDlg::OnBnClickedShowLargeMap() {
  const int to = m_nMapMode == MAP_MODE_LARGE ? MAP_MODE_SMALL : MAP_MODE_LARGE;
  if (!MapModeAllowed(to)) return;
  if (to == MAP_MODE_SMALL) {
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
  PlaceFileList(m_listFiles, FILELIST_LEFT, FILELIST_TOP, FileListHeight(m_nMapMode));
  m_listFiles.SetFocus();
  m_listFiles.InvalidateRect(nullptr, TRUE);
  PlaceMapWindow();
  for (const ControlPlace& place : NormalLayout(m_nMapMode)) {
    if (place.id == IDC_BTN_LARGEMAP || place.id == IDC_BTN_SHOWMAP)
      GetDlgItem(place.id)->MoveWindow(&place.rect, TRUE);
  }
  CLangStringTable texts;
  m_btnLargeMap.SetTooltipText(texts.GetString(L"PLAYERDLG_SHOW_LARGEMAP"));
  SetSkinFaces(m_btnShowMap, small ? kHideMapFaces : kShowMapFaces);
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

// Map modes grow from none (0) to small (8) to large (16). Only a map that comes or grows
// needs GPS samples, and says so when there are none: one that goes or shrinks needs none,
// as a recording just opened (after Next, or at the end of another) has none until its
// loader ends.
bool CTavrenPlayerDlg::MapModeAllowed(int nMapMode) {
  if (nMapMode < m_nMapMode || HasGpsSamples()) return true;
  AfxMessageBox(CLangStringTable().GetString(L"PLAYERDLG_GPS_FILENOTFOUND"), MB_OK);
  return false;
}
