#pragma once
// The shell's copy and delete of a list of files. A copy is written to a hidden temporary
// file in the destination folder and renamed over the real name only when complete, so a
// cancelled or failed copy never leaves a truncated file under that name. Copying a file
// onto itself is refused. The user sees progress, the replace question and errors through
// a FileOperationUi; while the operation runs, other work on the UI thread keeps running.
#include <functional>
#include <memory>

#include "platform/base/String.h"
#include "platform/base/WinTypes.h"

constexpr UINT FO_MOVE = 0x0001;
constexpr UINT FO_COPY = 0x0002;
constexpr UINT FO_DELETE = 0x0003;
constexpr UINT FO_RENAME = 0x0004;

using FILEOP_FLAGS = WORD;
constexpr FILEOP_FLAGS FOF_MULTIDESTFILES = 0x0001;
constexpr FILEOP_FLAGS FOF_SILENT = 0x0004;
constexpr FILEOP_FLAGS FOF_NOCONFIRMATION = 0x0010;
constexpr FILEOP_FLAGS FOF_ALLOWUNDO = 0x0040;
constexpr FILEOP_FLAGS FOF_SIMPLEPROGRESS = 0x0100;
constexpr FILEOP_FLAGS FOF_NOCONFIRMMKDIR = 0x0200;
constexpr FILEOP_FLAGS FOF_NOERRORUI = 0x0400;

// Results besides the Win32 error codes.
constexpr int DE_SAMEFILE = 0x71;
constexpr int DE_OPCANCELLED = 0x75;
constexpr int DE_INVALIDFILES = 0x7C;
constexpr int DE_FILEDESTISFLD = 0x80;

struct SHFILEOPSTRUCTW {
  HWND hwnd;
  UINT wFunc;
  LPCWSTR pFrom;  // paths, each ended by a zero, the list by a second zero
  LPCWSTR pTo;    // a file, or an existing folder to copy into
  FILEOP_FLAGS fFlags;
  BOOL fAnyOperationsAborted;
  LPVOID hNameMappings;
  LPCWSTR lpszProgressTitle;
};
using LPSHFILEOPSTRUCTW = SHFILEOPSTRUCTW*;

// FO_COPY and FO_DELETE of files (folders are refused). 0 on success, else the first
// error, DE_SAMEFILE, or DE_OPCANCELLED with fAnyOperationsAborted set.
int SHFileOperationW(LPSHFILEOPSTRUCTW lpFileOp);

namespace platform {

// What the user sees of a file operation. Called on the UI thread.
class FileOperationUi {
public:
  enum class Answer { Yes, YesToAll, No, NoToAll, Cancel };
  virtual ~FileOperationUi() = default;
  // Bytes done of the current file, and of the whole operation.
  virtual void Progress(const CString& file, ULONGLONG fileDone, ULONGLONG done, ULONGLONG total) = 0;
  // Polled between blocks; true once the user asked to stop.
  virtual bool CancelRequested() = 0;
  // `target` exists; `more` says whether further files follow (the "for all" answers).
  virtual Answer AskReplace(const CString& target, bool more) = 0;
  virtual Answer AskDelete(int count) = 0;
  virtual void ShowError(const CString& file, int error) = 0;
};

// Makes the UI of one operation; `silent` operations show no progress; `title` is the
// caller's progress title under FOF_SIMPLEPROGRESS, else empty. Without a factory
// the gtk presenter shows a progress window and GTK questions; the headless presenter
// shows nothing, replaces no existing file and deletes nothing unasked.
using FileOperationUiFactory =
    std::function<std::unique_ptr<FileOperationUi>(HWND owner, const CString& title, bool silent)>;
void SetFileOperationUiFactory(FileOperationUiFactory factory);

}  // namespace platform
