#include "dialogs/SplitJob.h"

#include "card/RecordingRow.h"

int FirstCheckedRow(const CListCtrl& list) {
  // The count is read at every step, as the list may change under a modal loop.
  for (int row = 0; row < list.GetItemCount(); ++row)
    if (list.GetItemText(row, COL_CHECK) == L"1") return row;
  return -1;
}

bool IsTwoCameraName(const CString& name) {
  int dot = name.ReverseFind(L'.');
  return dot > 0 && name[dot - 1] == L'2';
}

CString SplitOutputFile(const CString& folder, const CString& name, SplitCamera camera) {
  int dot = name.ReverseFind(L'.');
  CString base = dot >= 0 ? name.Left(dot) : name;
  return folder + L"/" + base + (camera == SplitCamera::Front ? L"_Front.avi" : L"_Rear.avi");
}

CString SplitParameters(SplitCamera camera, const CString& input, const CString& output) {
  LPCWSTR format = camera == SplitCamera::Front ? L"-i \"%s\" -y -map 0:0 -map 0:2 -vcodec copy -acodec copy \"%s\""
                                                : L"-i \"%s\" -y -map 0:1 -map 0:2 -vcodec copy -acodec copy \"%s\"";
  CString parameters;
  parameters.Format(format, static_cast<LPCWSTR>(input), static_cast<LPCWSTR>(output));
  return parameters;
}

bool FitsParameterLine(const CString& path) { return path.Find(L'"') < 0; }
