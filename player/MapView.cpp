#include "player/MapView.h"

#include "platform/win/WinApp.h"
#include "player/MapPage.h"
#include "player/PageScript.h"
#include "player/TavrenPlayerDlg.h"

IMPLEMENT_DYNAMIC(CMapView, CExplorerMapViewWnd)

void CMapView::DrawCurrent(UINT nTime) {
  auto* dlg = dynamic_cast<CTavrenPlayerDlg*>(AfxGetMainWnd());
  if (!dlg) return;
  CGPSData sample;
  if (!MapSampleAt(dlg->m_textData, dlg->m_csData, nTime, sample)) return;
  CallPageScript(this, DrawCurrentScript(sample.m_dCoord2, sample.m_dCoord1, MAP_ZOOM_LEVEL));
}
