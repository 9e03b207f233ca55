#pragma once
// Keeping the main window's recording list and the file-list panel's list showing the
// same rows: a row's check text and the selection go from the list that was clicked to
// its twin.
#include "skin/ConfigListCtrl.h"

// Writes the check text into the row's check-box cell of `list`, when it has one.
void SetRowCheckText(CConfigListCtrl& list, int nRow, const CString& strText);

// Deselects every row of `list`, then selects row nRow.
void SelectOnlyRow(CConfigListCtrl& list, int nRow);

// After a click on row nRow of `source`: the twin's row gets the source row's check text
// and becomes the twin's one selected row. A click below the last row (nRow < 0) only
// deselects the twin.
void MirrorRowClick(CConfigListCtrl& source, CConfigListCtrl& twin, int nRow);
