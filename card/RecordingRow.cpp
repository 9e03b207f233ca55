#include "card/RecordingRow.h"

bool IsRecordingFile(const CString& name, ULONGLONG size, bool isDirectory, const CString& typeCode, bool dayFilter,
                     const CTime& day) {
  if (isDirectory) return false;
  CString extension = name.Right(4);
  if (extension.MakeUpper() != L".AVI") return false;
  CString code = name.Mid(16, 3);
  if (code.MakeUpper() != CString(typeCode).MakeUpper()) return false;
  if ((size >> 10) == 0) return false;
  if (dayFilter) {
    CString prefix;
    prefix.Format(L"%04d%02d%02d", day.GetYear(), day.GetMonth(), day.GetDay());
    if (name.Left(8) != prefix) return false;
  }
  return true;
}

CString RecordingDateText(const CTime& created) {
  CString text;
  text.Format(L"%02d.%02d.%02d", created.GetYear() % 100, created.GetMonth(), created.GetDay());
  return text;
}

CString RecordingSizeText(ULONGLONG bytes) {
  ULONGLONG kb = bytes >> 10;
  CString text;
  if (kb / 1000 > 0) text.Format(L"%llu,%03llu", kb / 1000, kb % 1000);
  else text.Format(L"%llu", kb);
  return text;
}

CString RecordingFullDateText(const CTime& created) {
  CString text;
  text.Format(L"%ld", static_cast<long>(static_cast<std::int32_t>(static_cast<std::uint32_t>(created.GetTime()))));
  return text;
}
