#include "platform/shell/FileOperation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/base/Result.h"
#include "platform/base/UiDispatch.h"
#include "platform/win/Messages.h"
#include "platform/win/Window.h"
#include "platform/win/WindowStyles.h"
#include "platform/shell/detail/ErrnoCodes.h"
#include "platform/shell/detail/FileCopier.h"
#include "platform/shell/detail/GtkFileOperationUi.h"

using platform::FileOperationUi;
using Answer = FileOperationUi::Answer;

namespace {

platform::FileOperationUiFactory& TheFactory() {
  static platform::FileOperationUiFactory factory;
  return factory;
}

// Shown to nobody: keeps what exists.
class NoUi : public FileOperationUi {
public:
  void Progress(const CString&, ULONGLONG, ULONGLONG, ULONGLONG) override {}
  bool CancelRequested() override { return false; }
  Answer AskReplace(const CString&, bool) override { return Answer::No; }
  Answer AskDelete(int) override { return Answer::No; }
  void ShowError(const CString&, int) override {}
};

std::vector<std::string> SplitList(LPCWSTR list) {
  std::vector<std::string> paths;
  if (!list) return paths;
  for (const wchar_t* p = list; *p; p += wcslen(p) + 1) paths.push_back(WideToFileSystem(p));
  return paths;
}

std::string NameOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Exists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

ULONGLONG SizeOf(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? static_cast<ULONGLONG>(st.st_size) : 0;
}

// One copy or delete run: the UI, the standing "for all" answers and the result.
class Operation {
public:
  Operation(SHFILEOPSTRUCTW& op, std::unique_ptr<FileOperationUi> ui) : m_op(op), m_ui(std::move(ui)) {}

  int Copy(const std::vector<std::string>& sources, const std::vector<std::string>& targets) {
    for (const std::string& s : sources) m_total += SizeOf(s);
    for (size_t i = 0; i < sources.size(); ++i) {
      int result = CopyOne(sources[i], targets[i], i + 1 < sources.size());
      if (result == DE_OPCANCELLED) return Abort();
      if (result != 0) return Error(sources[i], result);
    }
    return 0;
  }

  int Delete(const std::vector<std::string>& paths) {
    if (!(m_op.fFlags & FOF_NOCONFIRMATION)) {
      Answer a = m_ui->AskDelete(static_cast<int>(paths.size()));
      if (a != Answer::Yes && a != Answer::YesToAll) return Abort();
    }
    for (const std::string& p : paths) {
      if (IsFolder(p)) return Error(p, DE_INVALIDFILES);
      if (unlink(p.c_str()) != 0) return Error(p, static_cast<int>(platform::detail::ErrorFromErrno(errno)));
    }
    return 0;
  }

private:
  int CopyOne(const std::string& source, const std::string& target, bool more) {
    if (!Exists(source)) return ERROR_FILE_NOT_FOUND;
    if (IsFolder(source)) return DE_INVALIDFILES;
    if (Exists(target)) {
      if (platform::detail::IsSameFile(source, target)) return DE_SAMEFILE;
      if (IsFolder(target)) return DE_FILEDESTISFLD;
      Answer a = ReplaceAnswer(target, more);
      if (a == Answer::Cancel) return DE_OPCANCELLED;
      if (a != Answer::Yes) return 0;
    }
    CString name = FileSystemToWide(NameOf(source));
    ULONGLONG before = m_done;
    int result = platform::detail::CopyFileThroughTemporary(source, target, [&](ULONGLONG fileDone) {
      m_done = before + fileDone;
      m_ui->Progress(name, fileDone, m_done, m_total);
      // Keep the UI thread's timers and posted work running between blocks.
      platform::PumpUiThread(0);
      return !m_ui->CancelRequested();
    });
    m_done = before + SizeOf(source);
    return result;
  }

  // Yes, No or Cancel, taking a standing "for all" answer into account.
  Answer ReplaceAnswer(const std::string& target, bool more) {
    if ((m_op.fFlags & FOF_NOCONFIRMATION) || m_standing == Answer::YesToAll) return Answer::Yes;
    if (m_standing == Answer::NoToAll) return Answer::No;
    Answer a = m_ui->AskReplace(FileSystemToWide(target), more);
    if (a == Answer::YesToAll || a == Answer::NoToAll) m_standing = a;
    if (a == Answer::YesToAll) return Answer::Yes;
    return a == Answer::NoToAll ? Answer::No : a;
  }

  int Abort() {
    m_op.fAnyOperationsAborted = TRUE;
    return DE_OPCANCELLED;
  }

  int Error(const std::string& path, int code) {
    if (!(m_op.fFlags & FOF_NOERRORUI)) m_ui->ShowError(FileSystemToWide(path), code);
    return code;
  }

  SHFILEOPSTRUCTW& m_op;
  std::unique_ptr<FileOperationUi> m_ui;
  Answer m_standing = Answer::Yes;
  ULONGLONG m_total = 0;
  ULONGLONG m_done = 0;
};

// The owner's top-level window takes no input while the operation runs, as under any
// modal window; enabled again afterwards unless it was disabled before.
class OwnerDisabled {
public:
  explicit OwnerDisabled(HWND owner) : m_owner(owner && IsWindow(owner) ? GetAncestor(owner, GA_ROOT) : nullptr) {
    m_wasEnabled = m_owner && IsWindowEnabled(m_owner);
    if (m_wasEnabled) EnableWindow(m_owner, FALSE);
  }
  ~OwnerDisabled() {
    if (m_wasEnabled && IsWindow(m_owner)) EnableWindow(m_owner, TRUE);
  }
  OwnerDisabled(const OwnerDisabled&) = delete;
  OwnerDisabled& operator=(const OwnerDisabled&) = delete;

private:
  HWND m_owner;
  bool m_wasEnabled = false;
};

// Where each source goes: into the destination folder when it is one (or when several
// sources share one destination), else to the destination name itself.
bool Targets(const SHFILEOPSTRUCTW& op, const std::vector<std::string>& sources, std::vector<std::string>* targets) {
  std::vector<std::string> to = SplitList(op.pTo);
  if (to.empty()) return false;
  if (op.fFlags & FOF_MULTIDESTFILES) {
    if (to.size() != sources.size()) return false;
    *targets = to;
    return true;
  }
  std::string folder = to[0];
  bool intoFolder = IsFolder(folder) || sources.size() > 1;
  if (intoFolder && !IsFolder(folder) && mkdir(folder.c_str(), 0777) != 0) return false;
  while (intoFolder && folder.size() > 1 && folder.back() == '/') folder.pop_back();
  for (const std::string& s : sources) targets->push_back(intoFolder ? folder + "/" + NameOf(s) : folder);
  return true;
}

}  // namespace

int SHFileOperationW(LPSHFILEOPSTRUCTW op) {
  if (!op) return ERROR_INVALID_PARAMETER;
  op->fAnyOperationsAborted = FALSE;
  std::vector<std::string> sources = SplitList(op->pFrom);
  if (sources.empty() || (op->wFunc != FO_COPY && op->wFunc != FO_DELETE)) return DE_INVALIDFILES;
  std::vector<std::string> targets;
  if (op->wFunc == FO_COPY && !Targets(*op, sources, &targets)) return DE_INVALIDFILES;

  // The caller's progress title is used only with the simple progress; the UI names the
  // operation itself otherwise.
  bool simple = (op->fFlags & FOF_SIMPLEPROGRESS) != 0;
  CString title = simple && op->lpszProgressTitle ? CString(op->lpszProgressTitle) : CString();
  bool silent = (op->fFlags & FOF_SILENT) != 0;
  std::unique_ptr<FileOperationUi> ui =
      TheFactory() ? TheFactory()(op->hwnd, title, silent)
                   : platform::detail::MakeGtkFileOperationUi(op->hwnd, op->wFunc, title, silent);
  if (!ui) ui = std::make_unique<NoUi>();
  OwnerDisabled disabled(op->hwnd);
  Operation operation(*op, std::move(ui));
  return op->wFunc == FO_COPY ? operation.Copy(sources, targets) : operation.Delete(sources);
}

namespace platform {

void SetFileOperationUiFactory(FileOperationUiFactory factory) { TheFactory() = std::move(factory); }

}  // namespace platform
