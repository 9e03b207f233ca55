#pragma once
// CCellCheckBox: the check box of the recording list's Check column. The first character
// of the text is the state ("1" checked, "0" not), the rest a label. Every check box draws
// its glyph from one shared image list, and shares one style word with all the others.
#include "platform/win/ImageList.h"
#include "platform/win/Theme.h"
#include "skin/CellButton.h"

constexpr UINT IDB_CELL_CHECKS = 241;  // four 18 x 16 images: unchecked, checked, both disabled

class CCellCheckBox : public CCellButton {
public:
  CCellCheckBox();
  ~CCellCheckBox() override;

  BOOL OnClick(UINT nFlags, int x, int y) override;
  void Init(HWND hwndList, BOOL* pListEnabled, const CString& strText) override;
  LPRECT GetRect() override { return &m_rcGlyph; }
  LPRECT GetHitRect() override { return &m_rcCell; }
  void Draw(CDC* pDC, LPRECT pRect, UINT nItemState) override;
  int GetMinWidth() override;
  void AddStyle(DWORD dwStyle) override;
  void RemoveStyle(DWORD dwStyle) override;
  DWORD GetStyle() override;

  BOOL IsChecked() const { return !m_strText.IsEmpty() && m_strText[0] == L'1'; }

  // The shared glyphs, made by the first Init; kept until the program ends.
  static void EnsureImageList();
  static CImageList& CellCheckImageList();
  static DWORD s_cellCheckStyle;

protected:
  CRect m_rcCell{0, 0, 0, 0};

private:
  CString Label() const { return m_strText.IsEmpty() ? CString() : m_strText.Mid(1); }
  bool DisabledLook();
  CFont* CurrentFont();
  void DrawFromImageList(CDC* pDC, const CRect& rc, CSize label, bool disabled);
  void DrawThemed(HTHEME theme, CDC* pDC, const CRect& rc, CSize label, bool disabled);
};
