#pragma once
// Which folders a re-list of the recording lists searches, and with which type code.
#include <vector>

#include "platform/base/String.h"

// The type filters, numbered as the catalogue's handlers pass them; any other number
// means All.
enum RecordingFilter {
  FILTER_ALL = 1,
  FILTER_NORMAL = 2,
  FILTER_EVENT = 3,
  FILTER_MOTION = 4,
};

struct RecordingFolder {
  CString path;      // the folder itself, searched with "/*.*"
  CString typeCode;  // the code its recordings carry at characters 16 to 18
};

// On a card, the filter's folders under the card root ("Driving", "Event", "Parking" for
// All), the root's text taken as it stands; in folder mode the browsed folder once per
// code of the filter. Nothing at all without a card path, so that an empty path never
// searches the working directory.
std::vector<RecordingFolder> RecordingFoldersToScan(int nFilter, bool bFolderMode, const CString& strCardPath);

// The pattern CFileFind searches a folder with.
CString RecordingSearchPattern(const CString& folder);
