#pragma once
// The six columns of both recording lists (the main window's and the file-list panel's),
// which hold the same rows: name, date, size, check, and the hidden path and full date.
#include "skin/ConfigListCtrl.h"

// Inserts the columns, sets their widths and turns on full-row selection; the list then
// redraws.
void InsertRecordingColumns(CConfigListCtrl& list);
