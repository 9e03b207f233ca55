#pragma once
// CFileFind: lists the entries of one folder that match a wildcard ("dir/*.*"), or finds
// one named path. Wildcards match without regard to case, and "*.*" matches every name.
#include <vector>

#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "platform/base/Time.h"

// The attributes MatchesMask tests. A symbolic link is reported as a reparse point; its
// other attributes, size and times are those of what it points to.
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x00000010;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080;
constexpr DWORD FILE_ATTRIBUTE_REPARSE_POINT = 0x00000400;

class CFileFind : public CObject {
public:
  ~CFileFind() override { Close(); }

  // "*.*" in the current folder when no name is given.
  BOOL FindFile(const wchar_t* pstrName = nullptr, DWORD dwUnused = 0);
  // Moves to the next entry; FALSE when that entry is the last one.
  BOOL FindNextFile();
  void Close();

  CString GetFileName() const;
  CString GetFilePath() const;
  CString GetFileTitle() const;
  CString GetRoot() const { return m_root; }
  ULONGLONG GetLength() const;
  BOOL IsDirectory() const;
  BOOL IsDots() const;
  // Whether the entry has any of the FILE_ATTRIBUTE_ bits in the mask.
  BOOL MatchesMask(DWORD dwMask) const;
  // The birth time where the file system keeps one, else the modification time.
  BOOL GetCreationTime(CTime& refTime) const;
  BOOL GetLastWriteTime(CTime& refTime) const;

private:
  struct Entry {
    CString name;
    ULONGLONG size = 0;
    bool directory = false;
    bool link = false;
    __time64_t created = 0;
    __time64_t modified = 0;
  };
  const Entry* Current() const;

  CString m_root;
  std::vector<Entry> m_entries;
  int m_index = -1;
};

// Wildcard match of a whole name with '*' and '?', without regard to case.
bool MatchWildcardNoCase(const wchar_t* pattern, const wchar_t* name);
