#pragma once
// The set-up of both recording lists (the main window's and the file-list panel's), which
// hold the same rows in six columns: name, date, size, check, and the hidden path and full
// date.
#include "platform/win/ImageList.h"
#include "skin/ConfigListCtrl.h"

// Places the list at `at`, gives it its skinned scroll bar, widens it to nSetupWidth, gives
// it 20-pixel rows through `rowHeightImages` (made when it has no images yet; the list only
// borrows it) and the report view, and inserts the columns.
void SetUpRecordingList(CConfigListCtrl& list, CPoint at, int nSetupWidth, CImageList& rowHeightImages);

// Inserts the columns, sets their widths and turns on full-row selection; the list then
// redraws.
void InsertRecordingColumns(CConfigListCtrl& list);
