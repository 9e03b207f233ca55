#include "app/DocumentsFolder.h"

#include "platform/base/FileFind.h"
#include "platform/shell/FileCalls.h"
#include "platform/shell/SpecialFolders.h"

CString ProgramDocumentsFolder() {
  wchar_t documents[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, documents, CSIDL_PERSONAL, FALSE)) return CString();
  return CString(documents) + L"/RODEMIR";
}

bool EnsureFolder(const CString& folder) {
  if (folder.IsEmpty()) return false;
  CFileFind finder;
  if (finder.FindFile(folder) && (finder.FindNextFile(), finder.IsDirectory())) return true;
  return CreateDirectoryW(folder, nullptr) != FALSE;
}
