#include "platform/shell/Process.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

#include "platform/base/detail/ModuleFile.h"
#include "platform/win/MessageBox.h"
#include "platform/win/WinApp.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/ScopedUiLanguage.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowHarness.h"

namespace {

SHELLEXECUTEINFOW Info(const wchar_t* file, const wchar_t* params) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = 60;
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.lpVerb = L"open";
  info.lpFile = file;
  info.lpParameters = params;
  info.nShow = 0;
  return info;
}

DWORD ExitCode(HANDLE h) {
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeProcess(h, &code));
  return code;
}

// True when the pid is no longer our child: reaped, no zombie left.
bool Reaped(DWORD pid) {
  int status = 0;
  return waitpid(static_cast<pid_t>(pid), &status, WNOHANG) == -1 && errno == ECHILD;
}

// The caption a box gets without one of its own.
std::wstring AppTitleOr(const wchar_t* fallback) {
  LPCTSTR title = AfxGetAppName();
  return title && *title ? title : fallback;
}

void WriteScript(const std::string& path, const std::string& body) {
  std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
  chmod(path.c_str(), 0755);
}

}  // namespace

TEST(ProcessTest, RunningThenEndedWithItsCodeAndReaped) {
  SHELLEXECUTEINFOW info = Info(L"sleep", L"0.3");
  ASSERT_TRUE(ShellExecuteExW(&info));
  ASSERT_NE(info.hProcess, nullptr);
  EXPECT_GT(reinterpret_cast<UINT_PTR>(info.hInstApp), 32u);
  EXPECT_EQ(ExitCode(info.hProcess), STILL_ACTIVE);
  DWORD pid = GetProcessId(info.hProcess);
  EXPECT_EQ(WaitForSingleObject(info.hProcess, 10000), WAIT_OBJECT_0);
  EXPECT_EQ(ExitCode(info.hProcess), 0u);
  EXPECT_TRUE(Reaped(pid));
  EXPECT_TRUE(CloseHandle(info.hProcess));
  DWORD code = 7;
  EXPECT_FALSE(GetExitCodeProcess(info.hProcess, &code));
}

TEST(ProcessTest, FailingProgramReportsItsExitCode) {
  SHELLEXECUTEINFOW info = Info(L"false", nullptr);
  ASSERT_TRUE(ShellExecuteExW(&info));
  EXPECT_EQ(WaitForSingleObject(info.hProcess, 10000), WAIT_OBJECT_0);
  EXPECT_EQ(ExitCode(info.hProcess), 1u);
  CloseHandle(info.hProcess);
}

TEST(ProcessTest, MissingProgramIsAnErrorWithoutAHandle) {
  SHELLEXECUTEINFOW info = Info(L"/nonexistent/converter.exe", L"-i x");
  EXPECT_FALSE(ShellExecuteExW(&info));
  EXPECT_EQ(info.hProcess, nullptr);
  EXPECT_LE(reinterpret_cast<UINT_PTR>(info.hInstApp), 32u);
  EXPECT_EQ(
      reinterpret_cast<UINT_PTR>(ShellExecuteW(nullptr, L"open", L"/nonexistent/NIMBFilter.exe", nullptr, nullptr, 0)),
      static_cast<UINT_PTR>(SE_ERR_FNF));
}

TEST(ProcessTest, AFailedStartIsReportedUnlessTheCallerAsksForNoUi) {
  platform::test::WindowHarness harness;
  platform::test::ScriptedDialogs dialogs;
  platform::test::ScopedUiLanguage english(1033);
  dialogs.MessageBoxAnswer(IDOK);
  SHELLEXECUTEINFOW info = Info(L"/nonexistent/converter.exe", L"-i x");
  EXPECT_FALSE(ShellExecuteExW(&info));
  ASSERT_EQ(dialogs.messageBoxes().size(), 1u);
  // Named as it was looked for; no package is known for it.
  EXPECT_EQ(dialogs.messageBoxes()[0].text, L"\"converter\" cannot be found.");
  EXPECT_EQ(dialogs.messageBoxes()[0].caption, AppTitleOr(L"Error"));
  EXPECT_EQ(dialogs.messageBoxes()[0].type & MB_TYPEMASK, MB_OK);

  info.fMask |= SEE_MASK_FLAG_NO_UI;
  EXPECT_FALSE(ShellExecuteExW(&info));
  testsupport::TempDir dir;
  std::ofstream(dir.File("data.exe")) << "not a program";
  CString data = CString::FromUtf8(dir.File("data.exe"));
  SHELLEXECUTEINFOW refused = Info(data, nullptr);
  dialogs.MessageBoxAnswer(IDOK);
  EXPECT_FALSE(ShellExecuteExW(&refused));
  ASSERT_EQ(dialogs.messageBoxes().size(), 2u);
  EXPECT_EQ(dialogs.messageBoxes()[1].text, L"\"data.exe\" cannot be started.");
}

TEST(ProcessTest, AMissingConverterNamesWhatToInstallInTheUsersLanguage) {
  platform::test::WindowHarness harness;
  platform::test::ScriptedDialogs dialogs;
  testsupport::TempDir empty;
  testsupport::ScopedEnv path("PATH", empty.path().c_str());
  const std::pair<LANGID, std::wstring> expected[] = {
      {1042, L"\"ffmpeg\" 프로그램을 찾을 수 없습니다.\n\"ffmpeg\" 패키지를 설치한 뒤 다시 시도하세요."},
      {1049, L"Не удаётся найти «ffmpeg».\nУстановите пакет «ffmpeg» и повторите попытку."},
      {1033, L"\"ffmpeg\" cannot be found.\nInstall the package \"ffmpeg\" and try again."},
  };
  for (const auto& [language, text] : expected) {
    platform::test::ScopedUiLanguage ui(language);
    dialogs.MessageBoxAnswer(IDOK);
    SHELLEXECUTEINFOW info = Info(L"ffmpeg", L"-i x");
    EXPECT_FALSE(ShellExecuteExW(&info));
    ASSERT_FALSE(dialogs.messageBoxes().empty());
    EXPECT_EQ(dialogs.messageBoxes().back().text, text);
    EXPECT_FALSE(dialogs.messageBoxes().back().caption.empty());
  }
}

TEST(ProcessTest, FilesThatCannotRunAreRefusedWithTheirReason) {
  testsupport::TempDir dir;
  std::ofstream(dir.File("data.exe")) << "not a program";
  CString data = CString::FromUtf8(dir.File("data.exe"));
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(ShellExecuteW(nullptr, L"open", data, nullptr, nullptr, 0)),
            static_cast<UINT_PTR>(SE_ERR_ACCESSDENIED));
  chmod(dir.File("data.exe").c_str(), 0755);
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(ShellExecuteW(nullptr, L"open", data, nullptr, nullptr, 0)),
            static_cast<UINT_PTR>(SE_ERR_BAD_FORMAT));
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(ShellExecuteW(nullptr, L"print", L"sleep", L"0", nullptr, 0)),
            static_cast<UINT_PTR>(SE_ERR_NOASSOC));
}

TEST(ProcessTest, TerminateKillsReapsAndSetsTheCode) {
  SHELLEXECUTEINFOW info = Info(L"sleep", L"30");
  ASSERT_TRUE(ShellExecuteExW(&info));
  DWORD pid = GetProcessId(info.hProcess);
  EXPECT_TRUE(TerminateProcess(info.hProcess, 0));
  EXPECT_EQ(ExitCode(info.hProcess), 0u);
  EXPECT_TRUE(Reaped(pid));
  EXPECT_FALSE(TerminateProcess(info.hProcess, 0));
  CloseHandle(info.hProcess);
}

TEST(ProcessTest, ExeNameFallsBackToTheNameWithoutExtension) {
  testsupport::TempDir dir;
  WriteScript(dir.File("conv"), "printf '%s|' \"$@\" > \"$(dirname \"$0\")/args\"; exit 3");
  CString program = CString::FromUtf8(dir.File("conv.exe"));
  SHELLEXECUTEINFOW info = Info(program, L"-i \"C:\\a b\\x.avi\" -map 0:0 \"out \\\"q\\\".avi\" -y");
  ASSERT_TRUE(ShellExecuteExW(&info));
  EXPECT_EQ(WaitForSingleObject(info.hProcess, 10000), WAIT_OBJECT_0);
  EXPECT_EQ(ExitCode(info.hProcess), 3u);
  CloseHandle(info.hProcess);
  std::string args;
  std::getline(std::ifstream(dir.File("args")), args);
  EXPECT_EQ(args, "-i|C:\\a b\\x.avi|-map|0:0|out \"q\".avi|-y|");
}

TEST(ProcessTest, ProgramAndArgumentsGoAsTheFileSystemsBytes) {
  testsupport::TempDir dir;
  mkdir(dir.File("bin\xE9").c_str(), 0755);
  WriteScript(dir.File("bin\xE9/conv"), "printf '%s|' \"$@\" > \"$(dirname \"$0\")/args\"");
  const std::wstring program = FileSystemToWide(dir.File("bin\xE9/conv.exe"));
  const std::wstring input = FileSystemToWide("/card/Event/20240131_1015\xE9"
                                              "0_EVT_C2.AVI");
  const std::wstring params = L"-i \"" + input + L"\" -y \"caf\x00E9.avi\"";
  SHELLEXECUTEINFOW info = Info(program.c_str(), params.c_str());
  ASSERT_TRUE(ShellExecuteExW(&info));
  EXPECT_EQ(WaitForSingleObject(info.hProcess, 10000), WAIT_OBJECT_0);
  EXPECT_EQ(ExitCode(info.hProcess), 0u);
  CloseHandle(info.hProcess);
  std::string args;
  std::getline(std::ifstream(dir.File("bin\xE9/args")), args);
  EXPECT_EQ(args, "-i|/card/Event/20240131_1015\xE9"
                  "0_EVT_C2.AVI|-y|caf\xC3\xA9.avi|");
}

TEST(ProcessTest, ProgramAtPathLooksNowhereButThePathsFolder) {
  testsupport::TempDir dir, beside;
  platform::detail::SetModuleFile(beside.File("program"));
  WriteScript(beside.File("inst"), "exit 0");
  std::string oldPath = std::getenv("PATH");
  setenv("PATH", (beside.path() + ":" + oldPath).c_str(), 1);
  CString exe = CString::FromUtf8(dir.File("inst.exe"));
  EXPECT_EQ(platform::ProgramAtPath(exe), L"") << "beside the program and on PATH only";
  EXPECT_EQ(platform::ProgramAtPath(L"inst.exe"), L"");
  EXPECT_EQ(platform::ProgramAtPath(L"sleep"), L"");
  EXPECT_EQ(platform::ProgramAtPath(nullptr), L"");

  std::ofstream(dir.File("inst")) << "not runnable";
  EXPECT_EQ(platform::ProgramAtPath(exe), L"");
  WriteScript(dir.File("inst"), "exit 0");
  EXPECT_EQ(platform::ProgramAtPath(exe), CString::FromUtf8(dir.File("inst")));
  WriteScript(dir.File("inst.exe"), "exit 0");
  EXPECT_EQ(platform::ProgramAtPath(exe), exe);
  setenv("PATH", oldPath.c_str(), 1);
  platform::detail::SetModuleFile("");
}

TEST(ProcessTest, ClosedHandleStillGetsItsChildReaped) {
  SHELLEXECUTEINFOW info = Info(L"sleep", L"0.1");
  ASSERT_TRUE(ShellExecuteExW(&info));
  DWORD pid = GetProcessId(info.hProcess);
  CloseHandle(info.hProcess);
  bool reaped = false;
  for (int i = 0; i < 500 && !reaped; ++i) {
    usleep(10000);
    reaped = Reaped(pid);
  }
  EXPECT_TRUE(reaped);
}

TEST(CommandLineTest, FollowsTheWindowsRules) {
  using V = std::vector<std::wstring>;
  EXPECT_EQ(platform::SplitCommandLine(nullptr), V{});
  EXPECT_EQ(platform::SplitCommandLine(L"  a\tb  "), (V{L"a", L"b"}));
  EXPECT_EQ(platform::SplitCommandLine(L"\"a b\" c"), (V{L"a b", L"c"}));
  EXPECT_EQ(platform::SplitCommandLine(L"a\\\\b \"c\\\\\" d"), (V{L"a\\\\b", L"c\\", L"d"}));
  EXPECT_EQ(platform::SplitCommandLine(L"\\\"x\\\\\\\"y"), (V{L"\"x\\\"y"}));
  EXPECT_EQ(platform::SplitCommandLine(L"\"a\"\"b\" \"\""), (V{L"a\"b", L""}));
  EXPECT_EQ(platform::SplitCommandLine(L"ab\"c d\"e"), (V{L"abc de"}));
}
