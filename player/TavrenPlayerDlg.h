#pragma once
// The player's one top-level window: a captionless skinned dialog (template 102) that owns
// the playback facade, the sensor samples, the recording list, the map, the video panes,
// the three full-window panels and every skinned control. Its member functions live in one
// file per concern, named in the groups below. UI thread only, except the sensor loader,
// which fills m_textData under m_csData and reads m_bStopLoader.
#include <atomic>
#include <initializer_list>
#include <memory>

#include "app/UiLanguage.h"
#include "dialogs/SelectMonthDlg.h"
#include "media/DShowPlayer.h"
#include "media/TextData.h"
#include "platform/base/Geometry.h"
#include "platform/base/String.h"
#include "platform/base/Sync.h"
#include "platform/base/Thread.h"
#include "platform/base/Time.h"
#include "platform/gdi/Bitmap.h"
#include "platform/win/Dialog.h"
#include "platform/win/FolderBrowser.h"
#include "player/ControlFileListDlg.h"
#include "player/ControlPanelDlg.h"
#include "player/ControlTopDlg.h"
#include "player/FileCommandNames.h"
#include "player/FileListPlacement.h"
#include "player/MapView.h"
#include "player/PlayerStates.h"
#include "player/StaticView.h"
#include "res/dialogs/PlayerTemplate.h"
#include "skin/ConfigListCtrl.h"
#include "skin/OktImageSlider.h"
#include "skin/OktSkinButton.h"
#include "skin/OktStaticTrans.h"
#include "skin/PlayingRowSource.h"

class CInformationDlg;

// Private messages of the main window.
constexpr UINT WM_SHELLCHANGE_NOTIFY = WM_USER + 88;
constexpr UINT WM_LOAD_DATASTREAM = WM_USER + 90;
constexpr UINT WM_SCAN_DRIVES = WM_USER + 92;
constexpr UINT WM_REDRAW_SENSORPANEL = WM_USER + 94;
constexpr UINT WM_SENSOR_LOADED = WM_USER + 96;  // wParam: the generation of the finished load

enum TimerId : UINT_PTR {
  IDT_PLAY_POSITION = 100,  // every 200 ms while a recording is open
};

class CTavrenPlayerDlg : public CDialog, public ILangSource, public IPlayingRowSource {
  DECLARE_DYNAMIC(CTavrenPlayerDlg)

public:
  // TavrenPlayerDlg.cpp: creation, message map, painting, keys, close
  CTavrenPlayerDlg();
  ~CTavrenPlayerDlg() override;
  WORD GetLangID() const override { return m_wLangID; }
  int GetPlayingRow() const override { return m_nCurItem; }
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnInitDialog() override;
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  BOOL OnEraseBkgnd(CDC* pDC);
  LRESULT OnNcHitTest(CPoint point);
  void OnBnClickedMinimize();
  void OnBnClickedClose();
  void OnDestroy();
  // Stops everything that outlives a window: timer, graph, loader, drive watch. Safe to
  // run more than once.
  void TearDown();
  void RegisterDriveWatch();
  BOOL CreatePanels();
  void StopLoaderThread();

  // TavrenPlayerDlgDecoder.cpp: the decoder check at start
  bool CheckDecoderFilters();

  // TavrenPlayerDlgLayout.cpp: control set-up, layouts, full window, enable state
  void InitControls();
  int SetLayoutMode(int nMode);
  void OnBnClickedExtend();
  void OnMouseMove(UINT nFlags, CPoint point);
  void ShowExtendedPanels(int nAction, int nFromTop);
  void OnSize(UINT nType, int cx, int cy);
  void PlaceMapWindow();
  void InitFileList();
  void ResizeToNormalWindow();
  void ReapplyView();
  void ShowFileList(int nCmdShow);
  void ShowControls(std::initializer_list<int> ids, int nCmdShow);
  void LayOutNormalWindow();
  void LayOutFullWindow();
  void LayOutLargeMap();
  void LeaveFullWindow();
  void HideFileListPanel();
  void ShowControlBar();
  void ShowTopBar();

  // TavrenPlayerDlgEnable.cpp: which controls work in which state
  void EnableControls(int nState);
  void ApplyAudioRule();
  void ApplyOneCameraRule();

  // TavrenPlayerDlgCatalogue.cpp: the recording catalogue
  BOOL RebuildFileList(int nFilter, bool bDayFilter);
  void AddFolderFiles(const CString& strFolder, const CString& strTypeCode, bool bDayFilter);
  bool SelectDrive();
  void OnBnClickedFileAll();
  void OnBnClickedFileNormal();
  void OnBnClickedFileEvent();
  void OnBnClickedFileMotion();
  void OnBnClickedCalendar();
  void OnBnClickedFolder();
  void OnBnClickedCheckAll();
  void OnNMClickFileList(NMHDR* pNMHDR, LRESULT* pResult);
  LRESULT OnScanDrives(WPARAM wParam, LPARAM lParam);
  LRESULT OnShellChangeNotify(WPARAM wParam, LPARAM lParam);
  void OnTypeFilterClicked(int nFilter);
  void ShowTypeFilter(int nFilter);
  // The filter of the first type button that is on (All, Normal, Event, Motion), 0 for none.
  int CheckedTypeFilter() const;
  void SetCheckTwins(COktSkinButton& main, COktSkinButton& panel, bool bOn);
  void EmptyFileLists();
  void PlaceFileLists();
  // After a re-list the open recording's row is found again by its path, or is none.
  void FindPlayingRow();
  int ListedEnableState() const;
  void ResetForRemovedCard();

  // TavrenPlayerDlgPlayback.cpp: opening, the transport, the tick and the time labels
  void OnNMDblclkFileList(NMHDR* pNMHDR, LRESULT* pResult);
  void OpenRowAndPlay(int nRow, CConfigListCtrl* pTwin);
  bool WaitForLoader();
  bool OpenVideoFile(const CString& strPath);
  void ShowFileName(const CString& strName);
  void SetSeekRange(LONGLONG llDurationMs);
  LONGLONG DurationMs();
  void ApplyViewOfOpenFile();
  void ApplySpeed();
  void OnBnClickedPlay();
  bool PlayFromStopped();
  void SetPlayLooks(bool bPause);
  void StopPlayback();
  void ShowNothingOpen();
  void OnBnClickedPrev();
  void OnBnClickedNext();
  void OnAccelNext();
  void OnAccelPrev();
  void MoveToRow(int nRow, bool bHot);
  void OnBnClickedRewind();
  void OnBnClickedForward();
  bool IsPlayingOrPaused() const;
  void OnTimer(UINT_PTR nIDEvent);
  void UpdatePlayPosition();
  void SetSeekPos(LONGLONG llPosition);
  void UpdatePanelSlider();
  void UpdateTimeLabels(ULONGLONG nPosition, ULONGLONG nDuration);

  // TavrenPlayerDlgViews.cpp: sound, the sliders, camera views and the rear flips
  void OnBnClickedMute();
  void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  void ApplyVolumeSlider();
  void ApplyBrightness(int nValue);
  void PutRearFlip(int nParam, int nValue);
  bool HasRearCamera() const;
  void OnBnClickedFront();
  void OnBnClickedRear();
  void OnBnClickedAll();
  void ShowRearCameraView(int nView, COktSkinButton& button);
  void ShowView(int nView);
  void SetViewChecks(int nView);
  void OnBnClickedRotate();
  void OnBnClickedReverse();
  void ToggleRearFlip(COktSkinButton& button, COktSkinButton& twin, BYTE& flag, int nParam);

  // TavrenPlayerDlgSensors.cpp: sensor loader and sensor views
  LRESULT OnLoadDataStream(WPARAM wParam, LPARAM lParam);
  LRESULT OnRedrawSensorPanel(WPARAM wParam, LPARAM lParam);
  LRESULT OnSensorLoaded(WPARAM wParam, LPARAM lParam);
  static UINT DataStreamLoaderThread(LPVOID pParam);  // pParam: a SensorLoadJob it deletes
  bool LoaderRunning() const;
  // Empties the samples and starts the loader over strPath; false while the previous loader
  // still runs. The open calls it last.
  bool StartDataStreamLoader(const CString& strPath);
  // Empties both sample arrays under the lock.
  void ClearSamples();
  void ApplySensorLoad();
  // Back to the layout without a map, for a recording without GPS samples.
  void HideMapWithoutGps();
  long long SensorDurationMs();
  void DrawSensorPanel(CDC* pDC);
  void UpdateSpeedAndSensor(UINT nPosition);
  void DrawSpeedDigits(int nValue, CDC* pDC);
  void DrawSensorCurves(CDC* pDC, int x0, int y0);

  // TavrenPlayerDlgMap.cpp: the map panel
  void OnBnClickedShowMap();
  void OnBnClickedShowLargeMap();
  // Places the list, the map window and the two map buttons (with their skins and
  // tooltips) for MAP_MODE_NONE or MAP_MODE_SMALL.
  void ApplyMapMode();
  // MAP_MODE_SMALL, then the page is loaded when there is a network.
  void ShowSmallMap();
  bool HasGpsSamples();
  bool MapModeAllowed(int nMapMode);

  // TavrenPlayerDlgFiles.cpp: capture, copy and delete
  void OnBnClickedCapture();
  void OnBnClickedSave();
  void OnBnClickedDelete();
  void SaveCaptures(CBitmap& front, const CString& chosenPath, bool withRear);
  // Whether the graph that played openPath is still the open one (the card may have gone
  // while a dialog was open).
  bool IsOpenGraph(const CDShowGraph* graph, const CString& openPath) const;
  // False when the browser was cancelled or its choice has no path.
  bool BrowseForFolder(LPCWSTR promptKey, BFFCALLBACK callback, const CString& preselect, UINT flags, CString* folder);
  bool ConfirmDelete(DeleteQuestion question);
  void DeleteCheckedRows();
  void SelectRowAfterDelete(int firstChecked);

  // TavrenPlayerDlgCard.cpp: card information and splitting
  void OnBnClickedInformation();
  void OpenInformationDlg();
  void OnBnClickedSplit();
  void RelistAfterSplit();
  void HideInformationDlg();
  void DestroyInformationDlg();

  // Members, in construction order.
  WORD m_wLangID = 0;
  int m_nWindowMode = WINDOW_MODE_NORMAL;
  int m_nViewChannel = VIEW_NONE;
  int m_nMapMode = MAP_MODE_NONE;
  int m_nStripAction = STRIP_NONE;
  CRect m_rcNormalWindow;  // screen coordinates
  ULONG m_nShellNotifyId = 0;
  CDShowPlayer m_player;
  int m_nCurItem = -1;
  CString m_strCardPath;
  BOOL m_bFolderMode = FALSE;
  CTime m_timeFilterDay;
  BYTE m_bFlipV = 0;
  BYTE m_bFlipH = 0;
  std::unique_ptr<CInformationDlg> m_pInfoDlg;
  HICON m_hIcon = nullptr;
  CStaticView m_wndVideo1;
  CStaticView m_wndVideo2;
  CConfigListCtrl m_listFiles;
  COktSkinButton m_btnMinimize;
  COktSkinButton m_btnClose;
  COktSkinButton m_btnInformation;
  COktSkinButton m_btnRewind;
  COktSkinButton m_btnForward;
  COktSkinButton m_btnPlay;
  COktSkinButton m_btnPrev;
  COktSkinButton m_btnNext;
  COktSkinButton m_btnRotate;
  COktSkinButton m_btnCapture;
  COktSkinButton m_btnExtend;
  COktSkinButton m_btnSplit;
  COktSkinButton m_btnFolder;
  COktSkinButton m_btnCalendar;
  COktSkinButton m_btnSave;
  COktSkinButton m_btnDelete;
  COktSkinButton m_btnCheckAll;
  COktSkinButton m_btnFileAll;
  COktSkinButton m_btnFileNormal;
  COktSkinButton m_btnFileEvent;
  COktSkinButton m_btnFileMotion;
  COktSkinButton m_btnLargeMap;
  COktSkinButton m_btnShowMap;
  COktSkinButton m_btnSpeedIcon;
  COktSkinButton m_btnMute;
  COktSkinButton m_btnBrightnessIcon;
  COktSkinButton m_btnReverse;
  COktSkinButton m_btnFront;
  COktSkinButton m_btnRear;
  COktSkinButton m_btnAll;
  COktImageSlider m_sliderSeek;
  COktImageSlider m_sliderSpeed;
  COktImageSlider m_sliderVolume;
  COktImageSlider m_sliderBrightness;
  COktStaticTrans m_lblElapsed;
  COktStaticTrans m_lblDuration;
  CMapView m_wndMap;
  CTextData m_textData;  // guarded by m_csData while a loader may run
  COktStaticTrans m_lblFileName;
  CControlPanelDlg m_dlgControlPanel;
  CControlTopDlg m_dlgControlTop;
  CControlFileListDlg m_dlgFileList;
  CSelectMonthDlg m_dlgSelectMonth;
  CBitmap m_bmpSensorPanel;
  CString m_strSaveFolder;
  CString m_strCaptureFolder;
  HACCEL m_hAccel = nullptr;
  std::unique_ptr<CWinThread> m_pLoaderThread;  // auto-delete off
  int m_nDrawnSensorCount = 0;
  CCriticalSection m_csData;
  std::atomic<BYTE> m_bStopLoader{0};  // 1 asks the loader to stop
  UINT m_nLoadGeneration = 0;          // moved on by every loader start; older results are dropped

  DECLARE_MESSAGE_MAP()
};

// TavrenPlayerDlgFiles.cpp: the folder browsers' callbacks; `lpData` is the folder to
// preselect (a CString*). Both return 0.
int FolderBrowseCallback(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);
int SaveFolderBrowseCallback(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);
