#include "player/RecordingColumns.h"

#include "player/FileListPlacement.h"

namespace {
constexpr int kRowHeight = 20;
}

void SetUpRecordingList(CConfigListCtrl& list, CPoint at, int nSetupWidth, CImageList& rowHeightImages) {
  list.MoveWindow(at.x, at.y, FILELIST_WIDTH, FILELIST_HEIGHT, TRUE);
  list.CreateSkinScrollBar();
  list.MoveWindow(at.x, at.y, nSetupWidth, FILELIST_HEIGHT, TRUE);
  list.RepositionSkinScrollBar();
  if (!rowHeightImages.GetSafeHandle()) rowHeightImages.Create(1, kRowHeight, ILC_COLORDDB, 1, 1);
  list.SetImageList(&rowHeightImages, LVSIL_SMALL);
  list.ModifyStyle(LVS_TYPEMASK, LVS_REPORT);
  InsertRecordingColumns(list);
}

void InsertRecordingColumns(CConfigListCtrl& list) {
  static const struct {
    const wchar_t* heading;
    int format;
    int width;
  } kColumns[] = {{L"Name", LVCFMT_LEFT, 163},   {L"Data", LVCFMT_CENTER, 51}, {L"Size", LVCFMT_CENTER, 54},
                  {L"Check", LVCFMT_CENTER, 40}, {L"Path", LVCFMT_CENTER, 0},  {L"Full Date", LVCFMT_CENTER, 0}};
  int column = 0;
  for (const auto& c : kColumns) list.InsertColumn(column++, c.heading, c.format, c.width);
  column = 0;
  for (const auto& c : kColumns) list.SetColumnWidth(column++, c.width);
  list.SetRedraw(TRUE);
  list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
}
