#include "dialogs/InformationDlg.h"

#include <charconv>
#include <iterator>

#include "app/LangStringTable.h"
#include "app/UiLanguage.h"
#include "card/RecordingRow.h"
#include "platform/base/FileFind.h"
#include "platform/gdi/DC.h"
#include "platform/shell/Drives.h"
#include "platform/win/DataExchange.h"
#include "platform/win/WindowStyles.h"
#include "res/dialogs/CardTemplates.h"

IMPLEMENT_DYNAMIC(CInformationDlg, CDialog)

BEGIN_MESSAGE_MAP(CInformationDlg, CDialog)
  ON_WM_ERASEBKGND()
  ON_WM_NCHITTEST()
  ON_BN_CLICKED(IDC_BTN_INFO_CLOSE, OnBnClickedClose)
END_MESSAGE_MAP()

namespace {

constexpr int kWidth = 338;
constexpr int kHeight = 308;
constexpr UINT kBackgroundBitmap = 493;
constexpr int kBackgroundWidth = 338;
constexpr int kBackgroundHeight = 412;
constexpr COLORREF kValueText = 0x1AB7EF;
constexpr COLORREF kValueBack = 0x1E1E1E;
constexpr COLORREF kHeadingText = 0xD3D3D3;

enum class LabelKind { Title, Heading, Caption, Value };

struct LabelSpec {
  UINT id;
  LabelKind kind;
  LPCWSTR key;  // null for the space figures
  COktStaticTrans CInformationDlg::*label;
};

// In the order they are made.
const LabelSpec kLabels[] = {
    {IDC_INFO_TITLE, LabelKind::Title, L"INFODLG_INFORMATION", &CInformationDlg::m_staticTitle},
    {IDC_INFO_MEMORY, LabelKind::Heading, L"INFODLG_MEMORY_INFORMATION", &CInformationDlg::m_staticMemory},
    {IDC_INFO_TOTAL_CAPTION, LabelKind::Caption, L"INFODLG_TOTAL_SPACE", &CInformationDlg::m_staticTotalCaption},
    {IDC_INFO_TOTAL, LabelKind::Value, nullptr, &CInformationDlg::m_staticTotal},
    {IDC_INFO_FREE_CAPTION, LabelKind::Caption, L"INFODLG_FREE_SPACE", &CInformationDlg::m_staticFreeCaption},
    {IDC_INFO_FREE, LabelKind::Value, nullptr, &CInformationDlg::m_staticFree},
    {IDC_INFO_USED_CAPTION, LabelKind::Caption, L"INFODLG_USED_SPACE", &CInformationDlg::m_staticUsedCaption},
    {IDC_INFO_NORMAL_CAPTION, LabelKind::Caption, L"INFODLG_NORMAL", &CInformationDlg::m_staticNormalCaption},
    {IDC_INFO_NORMAL, LabelKind::Value, nullptr, &CInformationDlg::m_staticNormal},
    {IDC_INFO_EVENT_CAPTION, LabelKind::Caption, L"INFODLG_EVENT", &CInformationDlg::m_staticEventCaption},
    {IDC_INFO_EVENT, LabelKind::Value, nullptr, &CInformationDlg::m_staticEvent},
    {IDC_INFO_MOTION_CAPTION, LabelKind::Caption, L"INFODLG_MOTION", &CInformationDlg::m_staticMotionCaption},
    {IDC_INFO_MOTION, LabelKind::Value, nullptr, &CInformationDlg::m_staticMotion},
    {IDC_INFO_VERSION_HEADING, LabelKind::Heading, L"INFODLG_VERSION_INFORMATION",
     &CInformationDlg::m_staticVersionHeading},
    {IDC_INFO_VERSION_CAPTION, LabelKind::Caption, L"INFODLG_KELVANE_VERSION",
     &CInformationDlg::m_staticVersionCaption},
    {IDC_INFO_VERSION, LabelKind::Value, nullptr, &CInformationDlg::m_staticVersion},
};

struct FixedPlace {
  UINT id;
  CRect rect;
};

const FixedPlace kFixedPlaces[] = {
    {IDC_INFO_TITLE, CRect(CPoint(14, 6), CSize(200, 15))},
    {IDC_INFO_MEMORY, CRect(CPoint(24, 38), CSize(200, 15))},
    {IDC_INFO_VERSION_HEADING, CRect(CPoint(24, 225), CSize(270, 15))},
};

struct Span {
  int x;
  int width;
};

// Korean, English, Japanese, Russian.
struct LanguagePlace {
  UINT id;
  int y;
  Span spans[4];
};

constexpr int kRowHeight = 15;

const LanguagePlace kLanguagePlaces[] = {
    {IDC_INFO_TOTAL_CAPTION, 66, {{26, 140}, {26, 115}, {26, 55}, {26, 136}}},
    {IDC_INFO_TOTAL, 66, {{90, 60}, {143, 60}, {84, 60}, {164, 60}}},
    {IDC_INFO_FREE_CAPTION, 86, {{26, 131}, {26, 110}, {26, 80}, {26, 65}}},
    {IDC_INFO_FREE, 86, {{130, 60}, {139, 60}, {108, 60}, {92, 60}}},
    {IDC_INFO_USED_CAPTION, 106, {{26, 150}, {26, 110}, {26, 150}, {26, 150}}},
    {IDC_INFO_NORMAL_CAPTION, 126, {{37, 110}, {37, 50}, {37, 33}, {37, 48}}},
    {IDC_INFO_NORMAL, 126, {{73, 60}, {87, 60}, {71, 60}, {85, 60}}},
    {IDC_INFO_EVENT_CAPTION, 146, {{37, 61}, {37, 40}, {37, 55}, {37, 58}}},
    {IDC_INFO_EVENT, 146, {{85, 60}, {76, 60}, {95, 60}, {96, 60}}},
    {IDC_INFO_MOTION_CAPTION, 166, {{37, 150}, {37, 50}, {37, 68}, {37, 65}}},
    {IDC_INFO_MOTION, 166, {{73, 100}, {86, 100}, {107, 100}, {103, 100}}},
    {IDC_INFO_VERSION_CAPTION, 252, {{26, 190}, {26, 120}, {26, 135}, {26, 160}}},
    {IDC_INFO_VERSION, 252, {{132, 60}, {146, 60}, {162, 60}, {188, 60}}},
};

// Column of the language table; English for a language without a column.
int LanguageColumn(WORD langID) {
  switch (langID) {
    case LANG_ID_KOREAN: return 0;
    case LANG_ID_JAPANESE: return 2;
    case LANG_ID_RUSSIAN: return 3;
    default: return 1;
  }
}

void SetLook(COktStaticTrans& label, LabelKind kind) {
  switch (kind) {
    case LabelKind::Title:
    case LabelKind::Heading:
      label.m_crText = kind == LabelKind::Title ? kValueText : kHeadingText;
      label.RedrawParentArea();
      label.SetFontWeight(700);
      label.SetFontHeight(17);
      break;
    case LabelKind::Value:
      label.m_crText = kValueText;
      label.RedrawParentArea();
      label.m_bmpBack.DeleteObject();
      label.m_crBack = kValueBack;
      label.RedrawParentArea();
      break;
    case LabelKind::Caption: break;
  }
}

}  // namespace

CInformationDlg::CInformationDlg(CWnd* pParent, const CString& strCardPath)
    : CDialog((RegisterCardTemplates(), IDD_INFORMATION), pParent), m_strCardPath(strCardPath) {}

CInformationDlg::~CInformationDlg() = default;

void CInformationDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_BTN_INFO_CLOSE, m_btnClose);
}

BOOL CInformationDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  MoveWindow(0, 0, kWidth, kHeight);
  CenterWindow();

  CLangStringTable table;
  m_btnClose.MoveWindow(307, 4, 28, 22);
  m_btnClose.SetBitmaps(494, 496, 495, 494, 494);
  m_btnClose.SetWindowText(L"");
  m_btnClose.SetTooltipText(table.GetString(L"INFODLG_CLOSE"));

  CreateLabels();
  ShowSpace();
  SetValue(m_staticVersion, table.GetString(L"PLAYERDLG_VERSION"));
  ArrangeForLanguage();
  return TRUE;
}

void CInformationDlg::CreateLabels() {
  CLangStringTable table;
  for (const LabelSpec& spec : kLabels) {
    COktStaticTrans& label = this->*spec.label;
    CreateInfoLabel(spec.key ? table.GetString(spec.key) : CString(), spec.id, this, label);
    SetLook(label, spec.kind);
  }
  for (const FixedPlace& place : kFixedPlaces) GetDlgItem(static_cast<int>(place.id))->MoveWindow(&place.rect);
}

void CInformationDlg::CreateInfoLabel(const CString& strText, UINT nID, CWnd* pParent, COktStaticTrans& label) {
  label.Create(strText, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID);
  label.SetFontWeight(400);
  label.SetFontHeight(16);
  label.ShowWindow(SW_SHOW);
}

// The figures stay "" without a card; a failed space query shows 0.
void CInformationDlg::ShowSpace() {
  CString root = CardDriveRoot(m_strCardPath);
  if (root.IsEmpty()) return;
  ULARGE_INTEGER freeToCaller{}, total{};
  ULONGLONG totalMB = 0, freeMB = 0;
  if (GetDiskFreeSpaceExW(root, &freeToCaller, &total, nullptr)) {
    totalMB = total.QuadPart >> 20;
    freeMB = freeToCaller.QuadPart >> 20;
  }
  ULONGLONG normalKB = GetRecordSizeKB(root + L"Driving", L"NOR");
  ULONGLONG eventKB = GetRecordSizeKB(root + L"Event", L"EVT");
  ULONGLONG motionKB = GetRecordSizeKB(root + L"Parking", L"MOT");
  SetValue(m_staticTotal, InfoSpaceText(totalMB / 1024.0));
  SetValue(m_staticFree, InfoSpaceText(freeMB / 1024.0));
  SetValue(m_staticNormal, InfoSpaceText(normalKB / 1024.0 / 1024.0));
  SetValue(m_staticEvent, InfoSpaceText(eventKB / 1024.0 / 1024.0));
  SetValue(m_staticMotion, InfoSpaceText(motionKB / 1024.0 / 1024.0));
}

void CInformationDlg::SetValue(COktStaticTrans& label, const CString& strText) {
  label.SetWindowText(strText);
  label.Invalidate();
  label.UpdateWindow();
}

void CInformationDlg::ArrangeForLanguage() {
  WORD langID = LANG_ID_ENGLISH;
  GetUiLanguage(langID);
  int column = LanguageColumn(langID);
  for (const LanguagePlace& place : kLanguagePlaces) {
    const Span& span = place.spans[column];
    GetDlgItem(static_cast<int>(place.id))->MoveWindow(span.x, place.y, span.width, kRowHeight);
  }
}

BOOL CInformationDlg::OnEraseBkgnd(CDC* pDC) {
  CBitmap background;
  if (!background.LoadBitmap(kBackgroundBitmap)) return TRUE;
  CDC mem;
  if (!mem.CreateCompatibleDC(pDC)) return TRUE;
  CSelectObjectScope selected(&mem, &background);
  pDC->BitBlt(0, 0, kBackgroundWidth, kBackgroundHeight, &mem, 0, 0, SRCCOPY);
  return TRUE;
}

// Everything but the buttons drags the window.
LRESULT CInformationDlg::OnNcHitTest(CPoint point) {
  LRESULT hit = CDialog::OnNcHitTest(point);
  return hit == HTCLIENT ? HTCAPTION : hit;
}

void CInformationDlg::OnBnClickedClose() { OnCancel(); }

ULONGLONG CInformationDlg::GetRecordSizeKB(const CString& strFolder, const CString& strCode) {
  ULONGLONG total = 0;
  CFileFind finder;
  BOOL more = finder.FindFile(strFolder + L"/*.*");
  while (more) {
    more = finder.FindNextFile();
    if (finder.IsDots()) continue;
    if (finder.IsDirectory()) {
      // A link may lead back up the tree.
      if (!finder.MatchesMask(FILE_ATTRIBUTE_REPARSE_POINT)) total += GetRecordSizeKB(finder.GetFilePath(), strCode);
      continue;
    }
    if (IsRecordingFile(finder.GetFileName(), finder.GetLength(), false, strCode, false, CTime()))
      total += finder.GetLength() >> 10;
  }
  return total;
}

CString CardDriveRoot(const CString& strCardPath) {
  WCHAR root[MAX_PATH] = {};
  if (strCardPath.IsEmpty() || !GetVolumePathNameW(strCardPath, root, MAX_PATH)) return CString();
  return CString(root);
}

CString InfoSpaceText(double gigabytes) {
  // to_chars keeps "." whatever the locale's decimal point is.
  char digits[64];
  auto result =
      std::to_chars(std::begin(digits), std::end(digits), static_cast<float>(gigabytes), std::chars_format::fixed, 1);
  CString text = CString::FromUtf8(std::string(digits, result.ptr));
  return text + L" GB";
}
