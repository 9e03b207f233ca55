#pragma once
// The program's own folder under the user's documents, where captures and split files go.
#include "platform/base/String.h"

// The documents folder + "/RODEMIR"; "" when there is no documents folder.
CString ProgramDocumentsFolder();

// True when `folder` is a folder or has just been made one; false for "" and when a file
// of that name stands in the way.
bool EnsureFolder(const CString& folder);
