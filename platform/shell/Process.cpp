#include "platform/shell/Process.h"

#include <cerrno>
#include <cwctype>

#include "platform/base/PlatformText.h"
#include "platform/shell/detail/ChildProcess.h"
#include "platform/win/MessageBox.h"

using platform::detail::ChildProcess;

namespace {

int ShellErrorOf(int error) {
  switch (error) {
    case ENOENT: return SE_ERR_FNF;
    case ENOTDIR: return SE_ERR_PNF;
    case EACCES:
    case EPERM: return SE_ERR_ACCESSDENIED;
    case ENOEXEC: return SE_ERR_BAD_FORMAT;
    case ENOMEM:
    case EAGAIN: return SE_ERR_OOM;
    default: return SE_ERR_FNF;
  }
}

// The shell's own word on a program it could not start, owned by the caller's window and
// titled with the application's title: a missing program is named as it was looked for,
// with the package that installs it where that is known.
void ReportStartFailure(HWND owner, LPCWSTR file, int code) {
  using platform::PlatformText;
  std::wstring path = file ? file : L"";
  std::wstring text;
  if (code == SE_ERR_FNF || code == SE_ERR_PNF) {
    std::wstring name = platform::detail::LookedUpName(path);
    text = platform::FormatPlatformText(PlatformText::ProgramNotFound, {name});
    std::wstring package = platform::detail::PackageOfProgram(name);
    if (!package.empty()) text += L"\n" + platform::FormatPlatformText(PlatformText::InstallPackage, {package});
  } else {
    text = platform::FormatPlatformText(PlatformText::ProgramNotStarted, {path.substr(path.find_last_of(L'/') + 1)});
  }
  MessageBoxW(owner, text.c_str(), nullptr, MB_OK | MB_ICONERROR);
}

HINSTANCE AsInstance(int code) { return reinterpret_cast<HINSTANCE>(static_cast<UINT_PTR>(code)); }

bool IsOpenVerb(LPCWSTR verb) {
  if (!verb || !*verb) return true;
  std::wstring v(verb);
  for (wchar_t& c : v) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return v == L"open";
}

// Starts the program; on failure returns null with the shell's error code in *code.
std::shared_ptr<ChildProcess> Start(LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder, int* code) {
  if (!IsOpenVerb(verb)) {
    *code = SE_ERR_NOASSOC;
    return nullptr;
  }
  int error = 0;
  std::string program = platform::detail::ResolveProgram(file ? WideToFileSystem(file) : std::string(), &error);
  if (program.empty()) {
    *code = ShellErrorOf(error);
    return nullptr;
  }
  std::vector<std::string> args;
  for (const std::wstring& a : platform::SplitCommandLine(parameters)) args.push_back(WideToFileSystem(a));
  std::string dir = folder && *folder ? WideToFileSystem(folder) : std::string();
  auto child = ChildProcess::Spawn(program, args, dir, &error);
  *code = child ? 42 : ShellErrorOf(error);
  return child;
}

}  // namespace

HINSTANCE ShellExecuteW(HWND, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR lpParameters, LPCWSTR lpDirectory, INT) {
  int code = 0;
  Start(lpOperation, lpFile, lpParameters, lpDirectory, &code);
  return AsInstance(code);
}

BOOL ShellExecuteExW(SHELLEXECUTEINFOW* info) {
  if (!info) return FALSE;
  info->hProcess = nullptr;
  int code = 0;
  auto child = Start(info->lpVerb, info->lpFile, info->lpParameters, info->lpDirectory, &code);
  info->hInstApp = AsInstance(code);
  if (!child) {
    if (!(info->fMask & SEE_MASK_FLAG_NO_UI)) ReportStartFailure(info->hwnd, info->lpFile, code);
    return FALSE;
  }
  if (info->fMask & SEE_MASK_NOCLOSEPROCESS) info->hProcess = platform::detail::AddHandle(child);
  return TRUE;
}

BOOL GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode) {
  auto child = platform::detail::FindHandleAs<ChildProcess>(hProcess);
  if (!child || !lpExitCode) return FALSE;
  *lpExitCode = child->ExitCode();
  return TRUE;
}

BOOL TerminateProcess(HANDLE hProcess, UINT uExitCode) {
  auto child = platform::detail::FindHandleAs<ChildProcess>(hProcess);
  return child && child->Terminate(uExitCode);
}

DWORD GetProcessId(HANDLE Process) {
  auto child = platform::detail::FindHandleAs<ChildProcess>(Process);
  return child ? static_cast<DWORD>(child->Pid()) : 0;
}

CString platform::ProgramAtPath(LPCWSTR file) {
  int error = 0;
  return FileSystemToWide(platform::detail::ResolveProgramAt(file ? WideToFileSystem(file) : std::string(), &error));
}
