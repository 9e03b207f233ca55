#include "skin/CellCtrl.h"

#include <cwchar>

namespace {

CFont* SharedCellFont(LONG weight) {
  LOGFONT lf{};
  lf.lfHeight = -11;
  lf.lfWeight = weight;
  std::wcscpy(lf.lfFaceName, L"MS Sans Serif");
  // Never deleted: cells may outlive any window, down to program exit.
  auto* font = new CFont;
  font->CreateFontIndirect(&lf);
  return font;
}

}  // namespace

CCellCtrl::~CCellCtrl() = default;

void CCellCtrl::Init(HWND hwndList, BOOL* pListEnabled, const CString& strText) {
  m_hwndList = hwndList;
  m_pListEnabled = pListEnabled;
  m_strText = strText;
  static CFont* normal = SharedCellFont(FW_NORMAL);
  static CFont* bold = SharedCellFont(700);
  m_pFont = normal;
  m_pBoldFont = bold;
}
