#pragma once
// CFileDialog: the common dialog that asks for a file name to save to (or to open). The
// filter is the class library's form "description|patterns|...||"; paths are POSIX
// paths. DoModal is modal: the owner is disabled meanwhile, timers keep running.
#include "platform/base/String.h"
#include "platform/win/Dialog.h"

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_EXPLORER = 0x00080000;
constexpr DWORD OFN_ENABLESIZING = 0x00800000;

struct OPENFILENAME {
  DWORD lStructSize = sizeof(OPENFILENAME);
  HWND hwndOwner = nullptr;
  LPCWSTR lpstrFilter = nullptr;  // pairs of zero-ended texts, ended by a second zero
  DWORD nFilterIndex = 1;         // 1-based
  LPWSTR lpstrFile = nullptr;     // in: proposed name; out: the chosen path
  DWORD nMaxFile = 0;
  LPWSTR lpstrFileTitle = nullptr;
  DWORD nMaxFileTitle = 0;
  LPCWSTR lpstrInitialDir = nullptr;
  LPCWSTR lpstrTitle = nullptr;
  DWORD Flags = 0;
  WORD nFileOffset = 0;
  WORD nFileExtension = 0;
  LPCWSTR lpstrDefExt = nullptr;  // added to a name typed without an extension
};
using OPENFILENAMEW = OPENFILENAME;
using LPOPENFILENAME = OPENFILENAME*;

// The plain functions: TRUE when the user chose a file (lpstrFile holds it).
BOOL GetSaveFileName(LPOPENFILENAME lpofn);
BOOL GetOpenFileName(LPOPENFILENAME lpofn);

class CFileDialog : public CDialog {
  DECLARE_DYNAMIC(CFileDialog)

public:
  explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                       DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                       CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);

  INT_PTR DoModal() override;  // IDOK or IDCANCEL
  CString GetPathName() const;
  CString GetFileName() const;
  CString GetFileExt() const;
  CString GetFileTitle() const;
  CString GetFolderPath() const;

  OPENFILENAME m_ofn;

private:
  BOOL m_bOpenFileDialog;
  std::wstring m_filter;  // the filter in zero-separated form, kept for m_ofn
  std::wstring m_defExt;
  wchar_t m_szFileName[MAX_PATH] = {};
  wchar_t m_szFileTitle[MAX_PATH] = {};
};
