#pragma once
// Which files of a card's folder are recordings, and the texts of a recording's list row.
#include "platform/base/String.h"
#include "platform/base/Time.h"

// Columns of a recording row in both recording lists.
enum RecordingColumn {
  COL_NAME = 0,
  COL_DATE = 1,
  COL_SIZE = 2,
  COL_CHECK = 3,
  COL_PATH = 4,
  COL_FULLDATE = 5,
};

// A recording is a file (not a folder) named "*.AVI" with the type code at characters
// 16 to 18 (letter case ignored), of at least 1 KB, and, with the day filter on, whose
// name begins with that day as "%04d%02d%02d".
bool IsRecordingFile(const CString& name, ULONGLONG size, bool isDirectory, const CString& typeCode, bool dayFilter,
                     const CTime& day);

CString RecordingDateText(const CTime& created);      // "yy.mm.dd", local time
CString RecordingSizeText(ULONGLONG bytes);           // KB, the last three digits grouped
CString RecordingFullDateText(const CTime& created);  // seconds since 1970, low 32 bits
