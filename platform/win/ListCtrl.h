#pragma once
// CListCtrl and CMFCListCtrl: the class library's wrappers of the list-view control
// (report view, single selection), and CHeaderCtrl for its header. Each member sends the
// list's message; the control's behaviour lives in its class procedure, which Default()
// reaches from a derived class's handlers.
#include "platform/base/String.h"
#include "platform/win/ImageList.h"
#include "platform/win/ListView.h"
#include "platform/win/Wnd.h"

class CHeaderCtrl : public CWnd {
  DECLARE_DYNAMIC(CHeaderCtrl)

public:
  int GetItemCount() const;
  BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
};

class CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)

public:
  CListCtrl();
  ~CListCtrl() override;

  using CWnd::Create;
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // Columns. The header is hidden: rows start at the top of the client area.
  int InsertColumn(int nCol, const LVCOLUMN* pColumn);
  int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
  int GetColumnWidth(int nCol) const;
  BOOL SetColumnWidth(int nCol, int cx);
  CHeaderCtrl* GetHeaderCtrl() const;

  // Items and sub-items.
  int GetItemCount() const;
  int InsertItem(const LVITEM* pItem);
  int InsertItem(int nItem, LPCTSTR lpszItem);
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();
  BOOL SetItem(const LVITEM* pItem);
  BOOL GetItem(LVITEM* pItem) const;
  BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
  CString GetItemText(int nItem, int nSubItem) const;
  int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
  BOOL SetItemData(int nItem, DWORD_PTR dwData);
  DWORD_PTR GetItemData(int nItem) const;
  // Selecting one row clears the selection of every other; nItem -1 may only clear.
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);
  BOOL SetItemState(int nItem, LVITEM* pItem);
  UINT GetItemState(int nItem, UINT nMask) const;
  int GetNextItem(int nItem, int nFlags) const;
  UINT GetSelectedCount() const;
  int SetHotItem(int iIndex);
  int GetHotItem() const;

  // Geometry, hit tests and scrolling (by whole rows).
  BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
  BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
  int HitTest(LVHITTESTINFO* pHitTestInfo) const;
  int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
  int SubItemHitTest(LPLVHITTESTINFO pInfo);
  int GetTopIndex() const;
  int GetCountPerPage() const;
  BOOL EnsureVisible(int nItem, BOOL bPartialOK);
  BOOL Scroll(CSize size);
  BOOL RedrawItems(int nFirst, int nLast);

  // Look.
  CImageList* SetImageList(CImageList* pImageList, int nImageListType);
  CImageList* GetImageList(int nImageListType) const;
  DWORD SetExtendedStyle(DWORD dwNewStyle);
  DWORD GetExtendedStyle() const;
  DWORD SetView(int iView);
  DWORD GetView() const;

  // The comparator gets the two rows' indexes as they were before the sort began.
  BOOL SortItemsEx(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);

  // Owner drawing: the parent hands each row's WM_DRAWITEM back to this.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
  mutable CHeaderCtrl m_header;  // names the list's header window; never owns it
  CImageList* m_imageLists[3] = {};
};

// The feature pack's list adds nothing this program shows.
class CMFCListCtrl : public CListCtrl {
  DECLARE_DYNAMIC(CMFCListCtrl)
};
