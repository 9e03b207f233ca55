#include "player/TavrenPlayerDlg.h"

UINT CTavrenPlayerDlg::DataStreamLoaderThread(LPVOID) { return 0; }

LRESULT CTavrenPlayerDlg::OnLoadDataStream(WPARAM, LPARAM) { return 0; }

LRESULT CTavrenPlayerDlg::OnRedrawSensorPanel(WPARAM, LPARAM) { return 0; }

void CTavrenPlayerDlg::DrawSensorPanel(CDC*) {}

void CTavrenPlayerDlg::UpdateSpeedAndSensor(UINT) {}

void CTavrenPlayerDlg::DrawSpeedDigits(int, CDC*) {}

void CTavrenPlayerDlg::DrawSensorCurves(CDC*, int, int) {}
