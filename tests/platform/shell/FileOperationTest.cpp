#include "platform/shell/FileOperation.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>

#include "platform/shell/detail/FileCopier.h"
#include "platform/win/WinApp.h"
#include "platform/win/Window.h"
#include "platform/win/WindowStyles.h"
#include "tests/support/WindowHarness.h"
#include "tests/support/TempDir.h"

namespace {

using Answer = platform::FileOperationUi::Answer;

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Write(const std::string& path, const std::string& data) { std::ofstream(path, std::ios::binary) << data; }

std::string Pattern(size_t size) {
  std::string data(size, '\0');
  for (size_t i = 0; i < size; ++i) data[i] = static_cast<char>(i * 7 + i / 4096);
  return data;
}

// Names in the folder, hidden temporaries included.
std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  for (auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A scripted user: fixed answers, cancels after a number of progress calls.
struct Responder : platform::FileOperationUi {
  std::vector<Answer>* answers;
  std::vector<std::string>* log;
  int cancelAfter;
  int progressCalls = 0;
  std::function<void()> onProgress;
  Responder(std::vector<Answer>* a, std::vector<std::string>* l, int cancel)
      : answers(a), log(l), cancelAfter(cancel) {}
  void Progress(const CString&, ULONGLONG, ULONGLONG, ULONGLONG) override {
    ++progressCalls;
    if (onProgress) onProgress();
  }
  bool CancelRequested() override { return cancelAfter >= 0 && progressCalls >= cancelAfter; }
  Answer Next() {
    Answer a = answers->empty() ? Answer::No : answers->front();
    if (!answers->empty()) answers->erase(answers->begin());
    return a;
  }
  Answer AskReplace(const CString& target, bool more) override {
    log->push_back("replace " + target.ToUtf8() + (more ? " more" : ""));
    return Next();
  }
  Answer AskDelete(int count) override {
    log->push_back("delete " + std::to_string(count));
    return Next();
  }
  void ShowError(const CString& file, int error) override {
    log->push_back("error " + file.ToUtf8() + " " + std::to_string(error));
  }
};

class FileOperationTest : public ::testing::Test {
protected:
  void SetUp() override {
    platform::SetFileOperationUiFactory([this](HWND, const CString& title, bool) {
      m_title = title;
      auto responder = std::make_unique<Responder>(&m_answers, &m_log, m_cancelAfter);
      responder->onProgress = m_onProgress;
      return responder;
    });
  }
  void TearDown() override { platform::SetFileOperationUiFactory(nullptr); }

  int Run(UINT func, const std::string& from, const std::string& to, FILEOP_FLAGS flags = 0, HWND owner = nullptr) {
    std::wstring fromList = FileSystemToWide(from) + L'\0';
    std::wstring toList = FileSystemToWide(to) + L'\0';
    for (wchar_t& c : fromList)
      if (c == L'|') c = L'\0';
    m_op = SHFILEOPSTRUCTW{owner, func, fromList.c_str(), toList.c_str(), flags, FALSE, nullptr, L"File Copy"};
    return SHFileOperationW(&m_op);
  }

  testsupport::TempDir m_src, m_dst;
  SHFILEOPSTRUCTW m_op{};
  std::vector<Answer> m_answers;
  std::vector<std::string> m_log;
  int m_cancelAfter = -1;
  std::function<void()> m_onProgress;
  CString m_title;
};

}  // namespace

TEST_F(FileOperationTest, CopiesToANamedFileKeepingContentAndTime) {
  std::string data = Pattern(3 << 20);
  Write(m_src.File("20240101_NOR.AVI"), data);
  struct timespec times[2] = {{1000000, 0}, {1700000000, 0}};
  utimensat(AT_FDCWD, m_src.File("20240101_NOR.AVI").c_str(), times, 0);

  EXPECT_EQ(Run(FO_COPY, m_src.File("20240101_NOR.AVI"), m_dst.File("20240101_NOR.AVI")), 0);
  EXPECT_EQ(Read(m_dst.File("20240101_NOR.AVI")), data);
  struct stat st {};
  ASSERT_EQ(stat(m_dst.File("20240101_NOR.AVI").c_str(), &st), 0);
  EXPECT_EQ(st.st_mtim.tv_sec, 1700000000);
  EXPECT_EQ(Listing(m_dst.path()), std::vector<std::string>{"20240101_NOR.AVI"});
  EXPECT_EQ(m_title, L"");  // the progress names the operation itself
  EXPECT_EQ(Run(FO_COPY, m_src.File("20240101_NOR.AVI"), m_dst.File("simple.AVI"), FOF_SIMPLEPROGRESS), 0);
  EXPECT_EQ(m_title, L"File Copy");
  EXPECT_FALSE(m_op.fAnyOperationsAborted);
}

TEST_F(FileOperationTest, OwnerTakesNoInputWhileItRuns) {
  platform::test::WindowHarness harness;
  HWND top = CreateWindowEx(0, L"", L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr);
  HWND child = CreateWindowEx(0, L"", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top, nullptr, nullptr);
  std::vector<bool> enabled;
  m_onProgress = [&] { enabled.push_back(IsWindowEnabled(top) != 0); };
  Write(m_src.File("a.avi"), "A");
  EXPECT_EQ(Run(FO_COPY, m_src.File("a.avi"), m_dst.File("a.avi"), 0, child), 0);
  EXPECT_EQ(enabled, std::vector<bool>{false});
  EXPECT_TRUE(IsWindowEnabled(top));
  DestroyWindow(top);
}

TEST_F(FileOperationTest, CopiesSeveralIntoAFolder) {
  Write(m_src.File("a.avi"), "A");
  Write(m_src.File("b.avi"), "B");
  EXPECT_EQ(Run(FO_COPY, m_src.File("a.avi") + "|" + m_src.File("b.avi"), m_dst.path()), 0);
  EXPECT_EQ(Read(m_dst.File("a.avi")), "A");
  EXPECT_EQ(Read(m_dst.File("b.avi")), "B");
}

TEST_F(FileOperationTest, CopyOntoItselfIsRefusedAndTheFileKept) {
  Write(m_src.File("rec.avi"), "precious");
  EXPECT_EQ(Run(FO_COPY, m_src.File("rec.avi"), m_src.File("rec.avi")), DE_SAMEFILE);
  EXPECT_EQ(Run(FO_COPY, m_src.File("rec.avi"), m_src.path()), DE_SAMEFILE);
  link(m_src.File("rec.avi").c_str(), m_src.File("hard.avi").c_str());
  EXPECT_EQ(Run(FO_COPY, m_src.File("rec.avi"), m_src.File("hard.avi")), DE_SAMEFILE);
  EXPECT_EQ(Read(m_src.File("rec.avi")), "precious");
  ASSERT_EQ(m_log.size(), 3u);
  EXPECT_EQ(m_log[0], "error " + m_src.File("rec.avi") + " " + std::to_string(DE_SAMEFILE));
}

TEST_F(FileOperationTest, ReplaceQuestionDecides) {
  Write(m_src.File("a.avi"), "NEW");
  Write(m_dst.File("a.avi"), "OLD");
  m_answers = {Answer::No};
  EXPECT_EQ(Run(FO_COPY, m_src.File("a.avi"), m_dst.File("a.avi")), 0);
  EXPECT_EQ(Read(m_dst.File("a.avi")), "OLD");
  ASSERT_EQ(m_log.size(), 1u);
  EXPECT_EQ(m_log[0], "replace " + m_dst.File("a.avi"));

  m_answers = {Answer::Yes};
  EXPECT_EQ(Run(FO_COPY, m_src.File("a.avi"), m_dst.File("a.avi")), 0);
  EXPECT_EQ(Read(m_dst.File("a.avi")), "NEW");

  Write(m_dst.File("a.avi"), "OLD");
  m_answers = {Answer::Cancel};
  EXPECT_EQ(Run(FO_COPY, m_src.File("a.avi"), m_dst.File("a.avi")), DE_OPCANCELLED);
  EXPECT_TRUE(m_op.fAnyOperationsAborted);
  EXPECT_EQ(Read(m_dst.File("a.avi")), "OLD");
}

TEST_F(FileOperationTest, YesToAllAnswersOnceForEveryFile) {
  for (const char* n : {"a", "b", "c"}) {
    Write(m_src.File(n), "new");
    Write(m_dst.File(n), "old");
  }
  m_answers = {Answer::YesToAll};
  EXPECT_EQ(Run(FO_COPY, m_src.File("a") + "|" + m_src.File("b") + "|" + m_src.File("c"), m_dst.path()), 0);
  EXPECT_EQ(m_log, std::vector<std::string>{"replace " + m_dst.File("a") + " more"});
  EXPECT_EQ(Read(m_dst.File("c")), "new");
}

TEST_F(FileOperationTest, WithoutAUiNothingIsReplaced) {
  platform::SetFileOperationUiFactory(nullptr);
  Write(m_src.File("a.avi"), "NEW");
  Write(m_dst.File("a.avi"), "OLD");
  EXPECT_EQ(Run(FO_COPY, m_src.File("a.avi"), m_dst.File("a.avi")), 0);
  EXPECT_EQ(Read(m_dst.File("a.avi")), "OLD");
  EXPECT_EQ(Run(FO_COPY, m_src.File("a.avi"), m_dst.File("a.avi"), FOF_NOCONFIRMATION), 0);
  EXPECT_EQ(Read(m_dst.File("a.avi")), "NEW");
}

TEST_F(FileOperationTest, CancelledCopyLeavesTheDestinationUntouched) {
  Write(m_src.File("big.avi"), Pattern(4 << 20));
  Write(m_dst.File("big.avi"), "OLD");
  Write(m_dst.File("other.avi"), "x");
  m_answers = {Answer::Yes};
  m_cancelAfter = 2;
  EXPECT_EQ(Run(FO_COPY, m_src.File("big.avi"), m_dst.File("big.avi")), DE_OPCANCELLED);
  EXPECT_TRUE(m_op.fAnyOperationsAborted);
  EXPECT_EQ(Read(m_dst.File("big.avi")), "OLD");
  EXPECT_EQ(Listing(m_dst.path()), (std::vector<std::string>{"big.avi", "other.avi"}));

  m_cancelAfter = 1;
  EXPECT_EQ(Run(FO_COPY, m_src.File("big.avi"), m_dst.File("new.avi")), DE_OPCANCELLED);
  EXPECT_FALSE(std::filesystem::exists(m_dst.File("new.avi")));
  EXPECT_EQ(Listing(m_dst.path()), (std::vector<std::string>{"big.avi", "other.avi"}));
}

TEST_F(FileOperationTest, WriteFailureReportsDiskFullAndLeavesNothing) {
  Write(m_src.File("big.avi"), Pattern(3 << 20));
  // A file size limit makes writes fail part way, as a full card does. The program's start
  // keeps the limit's signal from ending the program.
  struct StartOnly : CWinApp {
    BOOL InitInstance() override { return FALSE; }
  } app;
  app.RunApplication();
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 1 << 20;
  setrlimit(RLIMIT_FSIZE, &small);
  int result = Run(FO_COPY, m_src.File("big.avi"), m_dst.File("big.avi"));
  setrlimit(RLIMIT_FSIZE, &old);
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  close(ends[0]);
  EXPECT_EQ(write(ends[1], "x", 1), -1);  // a closed pipe is an error too
  close(ends[1]);
  signal(SIGXFSZ, SIG_DFL);
  signal(SIGPIPE, SIG_DFL);
  EXPECT_EQ(result, 112);
  EXPECT_TRUE(Listing(m_dst.path()).empty());
  ASSERT_EQ(m_log.size(), 1u);
}

TEST_F(FileOperationTest, UnwritableDestinationIsAccessDenied) {
  Write(m_src.File("a.avi"), "A");
  // The superuser writes into any mode-0555 folder; sysfs refuses new files even to it.
  std::string folder = geteuid() == 0 ? std::string("/sys") : m_dst.path();
  chmod(m_dst.path().c_str(), 0555);
  EXPECT_EQ(Run(FO_COPY, m_src.File("a.avi"), folder + "/rodemir-a.avi"), 5);
  chmod(m_dst.path().c_str(), 0755);
  EXPECT_FALSE(std::filesystem::exists(folder + "/rodemir-a.avi"));
  EXPECT_TRUE(Listing(m_dst.path()).empty());
}

TEST_F(FileOperationTest, MissingSourceAndFoldersAreErrors) {
  EXPECT_EQ(Run(FO_COPY, m_src.File("gone.avi"), m_dst.File("gone.avi")), 2);
  EXPECT_EQ(Run(FO_COPY, m_src.path(), m_dst.File("x")), DE_INVALIDFILES);
  EXPECT_EQ(Run(FO_MOVE, m_src.File("a"), m_dst.File("a")), DE_INVALIDFILES);
  EXPECT_TRUE(Listing(m_dst.path()).empty());
}

TEST_F(FileOperationTest, DeleteAsksOnceThenRemovesTheFiles) {
  Write(m_src.File("a"), "A");
  Write(m_src.File("b"), "B");
  m_answers = {Answer::No};
  EXPECT_EQ(Run(FO_DELETE, m_src.File("a") + "|" + m_src.File("b"), ""), DE_OPCANCELLED);
  EXPECT_EQ(Listing(m_src.path()).size(), 2u);
  m_answers = {Answer::Yes};
  EXPECT_EQ(Run(FO_DELETE, m_src.File("a") + "|" + m_src.File("b"), ""), 0);
  EXPECT_TRUE(Listing(m_src.path()).empty());
  EXPECT_EQ(m_log, (std::vector<std::string>{"delete 2", "delete 2"}));
}

TEST_F(FileOperationTest, NamesThatAreNotUtf8AreCopiedAndDeletedUnderTheirOwnBytes) {
  const std::string name = "20240131_1015\xE9"
                           "0_EVT_C2.AVI";
  const std::string folder = m_dst.File("caf\xE9");
  std::filesystem::create_directory(folder);
  Write(m_src.File(name), "recording");
  EXPECT_EQ(Run(FO_COPY, m_src.File(name), folder), 0);
  EXPECT_EQ(Listing(folder), std::vector<std::string>{name});
  EXPECT_EQ(Read(folder + "/" + name), "recording");
  // The question shows the name as text, a replacement character for the byte.
  m_answers = {Answer::No};
  EXPECT_EQ(Run(FO_COPY, m_src.File(name), folder), 0);
  ASSERT_EQ(m_log.size(), 1u);
  EXPECT_EQ(m_log[0], "replace " + folder.substr(0, folder.size() - 1) +
                          "\xEF\xBF\xBD/20240131_1015\xEF\xBF\xBD"
                          "0_EVT_C2.AVI");
  m_answers = {Answer::Yes};
  EXPECT_EQ(Run(FO_DELETE, folder + "/" + name, ""), 0);
  EXPECT_TRUE(Listing(folder).empty());
}
