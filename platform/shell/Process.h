#pragma once
// Starting and watching helper programs. A program is started directly, without a shell
// and without a window, its standard streams on /dev/null, in its own session. A program
// named "X.exe" that does not exist under that name is looked up as "X" in the same
// folder, then beside this executable, then on PATH. The parameter line is split into
// arguments by the Windows command-line rules. Every child is reaped when it ends.
#include <string>
#include <vector>

#include "platform/base/Handle.h"
#include "platform/base/System.h"
#include "platform/base/WinTypes.h"

// Codes at or below 32 that ShellExecuteW returns in place of an instance.
constexpr int SE_ERR_FNF = 2;
constexpr int SE_ERR_PNF = 3;
constexpr int SE_ERR_ACCESSDENIED = 5;
constexpr int SE_ERR_OOM = 8;
constexpr int SE_ERR_BAD_FORMAT = 11;
constexpr int SE_ERR_NOASSOC = 31;

constexpr ULONG SEE_MASK_NOCLOSEPROCESS = 0x00000040;
constexpr ULONG SEE_MASK_FLAG_NO_UI = 0x00000400;

struct SHELLEXECUTEINFOW {
  DWORD cbSize;  // not checked: any size is accepted
  ULONG fMask;
  HWND hwnd;
  LPCWSTR lpVerb;
  LPCWSTR lpFile;
  LPCWSTR lpParameters;
  LPCWSTR lpDirectory;
  int nShow;
  HINSTANCE hInstApp;  // set: above 32 on success, else the error code
  void* lpIDList;
  LPCWSTR lpClass;
  void* hkeyClass;
  DWORD dwHotKey;
  HANDLE hIcon;
  HANDLE hProcess;  // set with SEE_MASK_NOCLOSEPROCESS; close it with CloseHandle
};
using LPSHELLEXECUTEINFOW = SHELLEXECUTEINFOW*;
using SHELLEXECUTEINFO = SHELLEXECUTEINFOW;

// Starts the program and returns at once; the child is not tracked. The verb must be null
// or "open". Returns a value above 32, or one of the codes above.
HINSTANCE ShellExecuteW(HWND hwnd, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR lpParameters, LPCWSTR lpDirectory,
                        INT nShowCmd);
inline HINSTANCE ShellExecute(HWND hwnd, LPCWSTR op, LPCWSTR file, LPCWSTR params, LPCWSTR dir, INT show) {
  return ShellExecuteW(hwnd, op, file, params, dir, show);
}
// Without SEE_MASK_FLAG_NO_UI a program that cannot be started is reported in a message
// box owned by hwnd before FALSE is returned.
BOOL ShellExecuteExW(SHELLEXECUTEINFOW* pExecInfo);
inline BOOL ShellExecuteEx(SHELLEXECUTEINFOW* pExecInfo) { return ShellExecuteExW(pExecInfo); }

// STILL_ACTIVE while the process runs; its exit status after it ends (128 + the signal
// number when a signal ended it).
BOOL GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode);
// Kills the process and reaps it before returning; its exit code becomes uExitCode.
BOOL TerminateProcess(HANDLE hProcess, UINT uExitCode);
DWORD GetProcessId(HANDLE Process);

namespace platform {

// The Windows command-line rules: white space separates arguments outside quotes; 2n
// backslashes before a quote give n and the quote toggles quoting; 2n+1 give n and a
// literal quote; "" inside quotes is a literal quote; other backslashes are literal.
std::vector<std::wstring> SplitCommandLine(const wchar_t* line);

// The file that ShellExecute may start for `file` when nowhere but the file's own folder
// counts: the file itself, or for "X.exe" also "X" beside it; never this executable's
// folder, PATH or the working folder. Empty for a name without an absolute folder, or when
// no such file may be run.
CString ProgramAtPath(LPCWSTR file);

}  // namespace platform
