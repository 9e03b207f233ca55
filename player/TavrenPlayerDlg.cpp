#include "player/TavrenPlayerDlg.h"

#include "app/DecoderSettings.h"
#include "dialogs/InformationDlg.h"
#include "platform/base/System.h"
#include "platform/gdi/DC.h"
#include "platform/shell/ChangeNotify.h"
#include "platform/shell/SpecialFolders.h"
#include "platform/win/Accelerator.h"
#include "platform/win/Keys.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WinApp.h"
#include "platform/win/WindowStyles.h"
#include "player/PlayerLayout.h"
#include "player/Twins.h"

BEGIN_MESSAGE_MAP(CTavrenPlayerDlg, CDialog)
  // TavrenPlayerDlg.cpp
  ON_WM_PAINT()
  ON_WM_QUERYDRAGICON()
  ON_WM_ERASEBKGND()
  ON_WM_NCHITTEST()
  ON_BN_CLICKED(IDC_BTN_MINIMIZE, OnBnClickedMinimize)
  ON_BN_CLICKED(IDC_BTN_CLOSE, OnBnClickedClose)
  ON_WM_DESTROY()
  // TavrenPlayerDlgLayout.cpp
  ON_BN_CLICKED(IDC_BTN_EXTEND, OnBnClickedExtend)
  ON_WM_MOUSEMOVE()
  ON_WM_SIZE()
  // TavrenPlayerDlgCatalogue.cpp
  ON_BN_CLICKED(IDC_BTN_FILE_ALL, OnBnClickedFileAll)
  ON_BN_CLICKED(IDC_BTN_FILE_NORMAL, OnBnClickedFileNormal)
  ON_BN_CLICKED(IDC_BTN_FILE_EVENT, OnBnClickedFileEvent)
  ON_BN_CLICKED(IDC_BTN_FILE_MOTION, OnBnClickedFileMotion)
  ON_BN_CLICKED(IDC_BTN_CALENDAR, OnBnClickedCalendar)
  ON_BN_CLICKED(IDC_BTN_FOLDER, OnBnClickedFolder)
  ON_BN_CLICKED(IDC_BTN_CHECKALL, OnBnClickedCheckAll)
  ON_NOTIFY(NM_CLICK, IDC_LIST_FILES, OnNMClickFileList)
  ON_MESSAGE(WM_SCAN_DRIVES, OnScanDrives)
  ON_MESSAGE(WM_SHELLCHANGE_NOTIFY, OnShellChangeNotify)
  // TavrenPlayerDlgPlayback.cpp
  ON_NOTIFY(NM_DBLCLK, IDC_LIST_FILES, OnNMDblclkFileList)
  ON_BN_CLICKED(IDC_BTN_PLAY, OnBnClickedPlay)
  ON_BN_CLICKED(IDC_BTN_REWIND, OnBnClickedRewind)
  ON_BN_CLICKED(IDC_BTN_FORWARD, OnBnClickedForward)
  ON_BN_CLICKED(IDC_BTN_PREV, OnBnClickedPrev)
  ON_BN_CLICKED(IDC_BTN_NEXT, OnBnClickedNext)
  ON_COMMAND(ID_ACCEL_NEXTFILE, OnAccelNext)
  ON_COMMAND(ID_ACCEL_PREVFILE, OnAccelPrev)
  ON_WM_TIMER()
  // TavrenPlayerDlgViews.cpp
  ON_BN_CLICKED(IDC_BTN_MUTE, OnBnClickedMute)
  ON_WM_HSCROLL()
  ON_BN_CLICKED(IDC_BTN_FRONT, OnBnClickedFront)
  ON_BN_CLICKED(IDC_BTN_REAR, OnBnClickedRear)
  ON_BN_CLICKED(IDC_BTN_ALL, OnBnClickedAll)
  ON_BN_CLICKED(IDC_BTN_ROTATE, OnBnClickedRotate)
  ON_BN_CLICKED(IDC_BTN_REVERSE, OnBnClickedReverse)
  // TavrenPlayerDlgSensors.cpp
  ON_MESSAGE(WM_LOAD_DATASTREAM, OnLoadDataStream)
  ON_MESSAGE(WM_REDRAW_SENSORPANEL, OnRedrawSensorPanel)
  ON_MESSAGE(WM_SENSOR_LOADED, OnSensorLoaded)
  // TavrenPlayerDlgMap.cpp
  ON_BN_CLICKED(IDC_BTN_SHOWMAP, OnBnClickedShowMap)
  ON_BN_CLICKED(IDC_BTN_LARGEMAP, OnBnClickedShowLargeMap)
  // TavrenPlayerDlgFiles.cpp
  ON_BN_CLICKED(IDC_BTN_CAPTURE, OnBnClickedCapture)
  ON_BN_CLICKED(IDC_BTN_SAVE, OnBnClickedSave)
  ON_BN_CLICKED(IDC_BTN_DELETE, OnBnClickedDelete)
  // TavrenPlayerDlgCard.cpp
  ON_BN_CLICKED(IDC_BTN_INFORMATION, OnBnClickedInformation)
  ON_BN_CLICKED(IDC_BTN_SPLIT, OnBnClickedSplit)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavrenPlayerDlg, CDialog)

namespace {

constexpr UINT kFrameBarBitmap = 279;
const CPoint kFrameBarSmallMap(695, 437);
const CPoint kFrameBarNoMap(695, 635);
const CPoint kSensorPanelAt(41, 531);
constexpr COLORREF kSensorPanelKey = RGB(0, 255, 0);
constexpr int kDriveWatchSources = 0x2381F;

// Copies the whole bitmap to (x, y), or a part keyed out by `key` when one is given.
void DrawBitmap(CDC& dc, CBitmap& bitmap, CPoint at, const COLORREF* key = nullptr) {
  BITMAP info{};
  bitmap.GetBitmap(&info);
  CDC memory;
  memory.CreateCompatibleDC(&dc);
  memory.SetBkMode(TRANSPARENT);
  CBitmap* old = memory.SelectObject(&bitmap);
  if (key) dc.TransparentBlt(at.x, at.y, info.bmWidth, info.bmHeight, &memory, 0, 0, info.bmWidth, info.bmHeight, *key);
  else dc.BitBlt(at.x, at.y, info.bmWidth, info.bmHeight, &memory, 0, 0, SRCCOPY);
  memory.SelectObject(old);
  memory.DeleteDC();
}

}  // namespace

CTavrenPlayerDlg::CTavrenPlayerDlg() : CDialog((RegisterPlayerResources(), IDD_TAVRENPLAYER_DIALOG), nullptr) {
  if (CWinApp* app = AfxGetApp()) m_hIcon = app->LoadIcon(IDR_MAINFRAME);
  else m_hIcon = ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
}

CTavrenPlayerDlg::~CTavrenPlayerDlg() {
  // Nothing that runs on may outlive the members it uses.
  TearDown();
  if (Exists(*this)) DestroyWindow();
  DestroyInformationDlg();
}

void CTavrenPlayerDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_BTN_MINIMIZE, m_btnMinimize);
  DDX_Control(pDX, IDC_BTN_CLOSE, m_btnClose);
  DDX_Control(pDX, IDC_BTN_INFORMATION, m_btnInformation);
  DDX_Control(pDX, IDC_BTN_REWIND, m_btnRewind);
  DDX_Control(pDX, IDC_BTN_FORWARD, m_btnForward);
  DDX_Control(pDX, IDC_BTN_PLAY, m_btnPlay);
  DDX_Control(pDX, IDC_BTN_PREV, m_btnPrev);
  DDX_Control(pDX, IDC_BTN_NEXT, m_btnNext);
  DDX_Control(pDX, IDC_BTN_ROTATE, m_btnRotate);
  DDX_Control(pDX, IDC_BTN_CAPTURE, m_btnCapture);
  DDX_Control(pDX, IDC_BTN_EXTEND, m_btnExtend);
  DDX_Control(pDX, IDC_BTN_SPLIT, m_btnSplit);
  DDX_Control(pDX, IDC_BTN_FOLDER, m_btnFolder);
  DDX_Control(pDX, IDC_BTN_CALENDAR, m_btnCalendar);
  DDX_Control(pDX, IDC_BTN_SAVE, m_btnSave);
  DDX_Control(pDX, IDC_BTN_DELETE, m_btnDelete);
  DDX_Control(pDX, IDC_BTN_CHECKALL, m_btnCheckAll);
  DDX_Control(pDX, IDC_BTN_FILE_ALL, m_btnFileAll);
  DDX_Control(pDX, IDC_BTN_FILE_NORMAL, m_btnFileNormal);
  DDX_Control(pDX, IDC_BTN_FILE_EVENT, m_btnFileEvent);
  DDX_Control(pDX, IDC_BTN_FILE_MOTION, m_btnFileMotion);
  DDX_Control(pDX, IDC_BTN_LARGEMAP, m_btnLargeMap);
  DDX_Control(pDX, IDC_BTN_SHOWMAP, m_btnShowMap);
  DDX_Control(pDX, IDC_BTN_SPEEDICON, m_btnSpeedIcon);
  DDX_Control(pDX, IDC_BTN_MUTE, m_btnMute);
  DDX_Control(pDX, IDC_BTN_BRIGHTNESSICON, m_btnBrightnessIcon);
  DDX_Control(pDX, IDC_BTN_REVERSE, m_btnReverse);
  DDX_Control(pDX, IDC_BTN_FRONT, m_btnFront);
  DDX_Control(pDX, IDC_BTN_REAR, m_btnRear);
  DDX_Control(pDX, IDC_BTN_ALL, m_btnAll);
  DDX_Control(pDX, IDC_SLIDER_SEEK, m_sliderSeek);
  DDX_Control(pDX, IDC_SLIDER_SPEED, m_sliderSpeed);
  DDX_Control(pDX, IDC_SLIDER_VOLUME, m_sliderVolume);
  DDX_Control(pDX, IDC_SLIDER_BRIGHTNESS, m_sliderBrightness);
  DDX_Control(pDX, IDC_LBL_ELAPSED, m_lblElapsed);
  DDX_Control(pDX, IDC_LBL_DURATION, m_lblDuration);
  DDX_Control(pDX, IDC_LIST_FILES, m_listFiles);
  DDX_Control(pDX, IDC_MAP, m_wndMap);
  DDX_Control(pDX, IDC_LBL_FILENAME, m_lblFileName);
}

BOOL CTavrenPlayerDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  m_hAccel = ::LoadAccelerators(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_ACCELERATOR));
  SetWindowText(L"RODEMIR");
  UpdateDecoderSettings();
  ResizeToNormalWindow();
  m_wLangID = ChooseLanguageID();
  SetThreadUILanguage(m_wLangID);  // the layer's own texts follow the window's language
  InitControls();
  SetLayoutMode(WINDOW_MODE_NORMAL);
  CheckDecoderFilters();
  RegisterDriveWatch();
  const BOOL panelsMade = CreatePanels();
  // Without a panel the window still gets its enable state and its drive search; every
  // use of a panel checks that its window exists.
  if (Exists(m_dlgFileList)) m_dlgFileList.MoveWindow(0, 0, FILELIST_PANEL_WIDTH, 200, TRUE);
  EnableControls(CONTROLS_NOTHING_LOADED);
  PostMessage(WM_SCAN_DRIVES, 0, 0);
  return panelsMade;
}

// In this order; the first that cannot be made stops the others.
BOOL CTavrenPlayerDlg::CreatePanels() {
  return m_dlgControlPanel.Create(IDD_CONTROL_PANEL, this) && m_dlgControlTop.Create(IDD_CONTROL_TOP, this) &&
         m_dlgFileList.Create(IDD_CONTROL_FILELIST, this);
}

// Drive additions and removals arrive as WM_SHELLCHANGE_NOTIFY.
void CTavrenPlayerDlg::RegisterDriveWatch() {
  PIDLIST_ABSOLUTE desktop = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(m_hWnd, CSIDL_DESKTOP, &desktop)) || !desktop) return;
  SHChangeNotifyEntry entry{desktop, TRUE};
  m_nShellNotifyId = SHChangeNotifyRegister(m_hWnd, kDriveWatchSources, SHCNE_DRIVEADD | SHCNE_DRIVEREMOVED,
                                            WM_SHELLCHANGE_NOTIFY, 1, &entry);
  ILFree(desktop);
}

void CTavrenPlayerDlg::OnPaint() {
  if (IsIconic()) {
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect client;
    GetClientRect(&client);
    int x = (client.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc.GetSafeHdc(), x, y, m_hIcon);
    return;
  }
  CPaintDC dc(this);
  if (CDShowGraph* graph = m_player.m_pGraph.get()) {
    // The video is presented in its pane, never drawn into this window's DC.
    if (graph->PlayState == PLAY_STATE_RUNNING && m_player.m_hWndVideo1) graph->RepaintVideo(nullptr);
    graph->UpdateVideoWindows();
  }
  if (m_nWindowMode == WINDOW_MODE_NORMAL && m_bmpSensorPanel.GetSafeHandle())
    DrawBitmap(dc, m_bmpSensorPanel, kSensorPanelAt, &kSensorPanelKey);
  m_sliderSeek.Invalidate(TRUE);
  m_sliderSpeed.Invalidate(TRUE);
  m_sliderBrightness.Invalidate(TRUE);
  m_sliderVolume.Invalidate(TRUE);
}

HCURSOR CTavrenPlayerDlg::OnQueryDragIcon() { return m_hIcon; }

BOOL CTavrenPlayerDlg::OnEraseBkgnd(CDC* pDC) {
  if (m_nWindowMode == WINDOW_MODE_FULL) {
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, RGB(0, 0, 0));
    return TRUE;
  }
  if (m_nWindowMode != WINDOW_MODE_NORMAL) return TRUE;
  CBitmap background;
  if (background.LoadBitmap(IDB_MAIN_BACKGROUND)) DrawBitmap(*pDC, background, CPoint(0, 0));
  if (m_nMapMode == MAP_MODE_LARGE) return TRUE;
  CBitmap frameBar;
  if (m_nMapMode == MAP_MODE_SMALL && frameBar.LoadBitmap(kFrameBarBitmap))
    DrawBitmap(*pDC, frameBar, kFrameBarSmallMap);
  if (m_nMapMode == MAP_MODE_NONE && frameBar.LoadBitmap(kFrameBarBitmap)) DrawBitmap(*pDC, frameBar, kFrameBarNoMap);
  return TRUE;
}

// The bare background drags the window, except in the full window.
LRESULT CTavrenPlayerDlg::OnNcHitTest(CPoint point) {
  LRESULT hit = CDialog::OnNcHitTest(point);
  if (m_nWindowMode != WINDOW_MODE_FULL && hit == HTCLIENT) return HTCAPTION;
  return hit;
}

void CTavrenPlayerDlg::OnBnClickedMinimize() { ShowWindow(SW_MINIMIZE); }

void CTavrenPlayerDlg::OnBnClickedClose() {
  TearDown();
  SendMessage(WM_CLOSE);
}

// Every route that ends the window comes through here before its members go.
void CTavrenPlayerDlg::OnDestroy() {
  TearDown();
  CDialog::OnDestroy();
}

void CTavrenPlayerDlg::TearDown() {
  if (Exists(*this)) KillTimer(IDT_PLAY_POSITION);
  if (m_player.m_pGraph) m_player.m_pGraph->Stop();
  m_player.Close();
  StopLoaderThread();
  if (m_nShellNotifyId) {
    SHChangeNotifyDeregister(m_nShellNotifyId);
    m_nShellNotifyId = 0;
  }
}

// The loader never waits on this thread, so waiting for it without a bound is safe.
void CTavrenPlayerDlg::StopLoaderThread() {
  if (!m_pLoaderThread) return;
  m_bStopLoader = 1;
  WaitForSingleObject(m_pLoaderThread->m_hThread, INFINITE);
  m_pLoaderThread.reset();
}

BOOL CTavrenPlayerDlg::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN) {
    switch (pMsg->wParam) {
      case VK_RETURN: return TRUE;
      case VK_ESCAPE:
        if (m_nWindowMode == WINDOW_MODE_FULL) OnBnClickedExtend();
        return TRUE;
      case VK_SPACE: OnBnClickedPlay(); return TRUE;
      case VK_LEFT: OnBnClickedRewind(); return TRUE;
      case VK_RIGHT: OnBnClickedForward(); return TRUE;
      default: break;
    }
  }
  if (m_hAccel && ::TranslateAccelerator(m_hWnd, m_hAccel, pMsg)) return TRUE;
  return CDialog::PreTranslateMessage(pMsg);
}
