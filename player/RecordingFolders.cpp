#include "player/RecordingFolders.h"

namespace {

struct FolderOfCode {
  int filter;
  const wchar_t* folder;
  const wchar_t* code;
};

constexpr FolderOfCode kFolders[] = {
    {FILTER_NORMAL, L"Driving", L"NOR"},
    {FILTER_EVENT, L"Event", L"EVT"},
    {FILTER_MOTION, L"Parking", L"MOT"},
};

bool Covers(int nFilter, int folderFilter) {
  const bool all = nFilter != FILTER_NORMAL && nFilter != FILTER_EVENT && nFilter != FILTER_MOTION;
  return all || nFilter == folderFilter;
}

}  // namespace

std::vector<RecordingFolder> RecordingFoldersToScan(int nFilter, bool bFolderMode, const CString& strCardPath) {
  std::vector<RecordingFolder> folders;
  if (strCardPath.IsEmpty()) return folders;
  for (const FolderOfCode& f : kFolders) {
    if (!Covers(nFilter, f.filter)) continue;
    folders.push_back({bFolderMode ? strCardPath : strCardPath + f.folder, f.code});
  }
  return folders;
}

CString RecordingSearchPattern(const CString& folder) {
  if (!folder.IsEmpty() && folder[folder.GetLength() - 1] == L'/') return folder + L"*.*";
  return folder + L"/*.*";
}
