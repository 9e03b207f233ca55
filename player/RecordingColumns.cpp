#include "player/RecordingColumns.h"

void InsertRecordingColumns(CConfigListCtrl& list) {
  static const struct {
    const wchar_t* heading;
    int format;
    int width;
  } kColumns[] = {{L"Name", LVCFMT_LEFT, 163}, {L"Data", LVCFMT_CENTER, 51}, {L"Size", LVCFMT_CENTER, 54},
                  {L"Check", LVCFMT_CENTER, 40}, {L"Path", LVCFMT_CENTER, 0}, {L"Full Date", LVCFMT_CENTER, 0}};
  int column = 0;
  for (const auto& c : kColumns) list.InsertColumn(column++, c.heading, c.format, c.width);
  column = 0;
  for (const auto& c : kColumns) list.SetColumnWidth(column++, c.width);
  list.SetRedraw(TRUE);
  list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
}
