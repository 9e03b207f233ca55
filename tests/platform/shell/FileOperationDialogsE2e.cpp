// Needs a display: registered by tests/e2e/gtkdialogs.cmake and run under Xvfb with the gtk
// presenter. The copy's questions and errors are read back from the GTK dialogs shown, and
// the title of the progress window the error stands over.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/shell/FileOperation.h"
#include "platform/win/Presenter.h"
#include "tests/support/GtkDialogReader.h"
#include "tests/support/ScopedUiLanguage.h"
#include "tests/support/TempDir.h"

namespace {

using platform::test::GtkDialogReader;
using platform::test::ScopedUiLanguage;
using platform::test::ShownDialog;

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void ExpectOneShown(const GtkDialogReader& reader, const ShownDialog& want) {
  ASSERT_EQ(reader.shown().size(), 1u);
  EXPECT_EQ(reader.shown()[0].title, want.title);
  EXPECT_EQ(reader.shown()[0].text, want.text);
  EXPECT_EQ(reader.shown()[0].buttons, want.buttons);
  EXPECT_EQ(reader.shown()[0].ownerTitle, want.ownerTitle);
}

class FileOperationDialogsE2e : public ::testing::Test {
protected:
  void SetUp() override {
    platform::GetPresenter();
    ASSERT_NE(gdk_display_get_default(), nullptr) << "no display";
  }

  int Copy(const std::string& from, const std::string& to) {
    std::wstring fromList = Utf8ToWide(from) + L'\0';
    std::wstring toList = Utf8ToWide(to) + L'\0';
    SHFILEOPSTRUCTW op{nullptr, FO_COPY, fromList.c_str(), toList.c_str(), 0, FALSE, nullptr, L"File Copy"};
    return SHFileOperationW(&op);
  }

  // Copies onto a disk that takes no more than 1 MB, as a full card does.
  int CopyOntoAFullDisk(const std::string& from, const std::string& to) {
    void (*oldSignal)(int) = signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1 << 20;
    setrlimit(RLIMIT_FSIZE, &small);
    int result = Copy(from, to);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldSignal);
    return result;
  }

  testsupport::TempDir m_src, m_dst;
};

TEST_F(FileOperationDialogsE2e, TheFullDiskErrorSpeaksTheUsersLanguageUnderTheOperationsName) {
  std::ofstream(m_src.File("20261201_083000_NOR2.AVI"), std::ios::binary) << std::string(3 << 20, 'x');
  const ShownDialog expected[] = {
      {"파일 복사",
       "\"20261201_083000_NOR2.AVI\" 파일을 복사할 수 없습니다.\n디스크 공간이 부족합니다.",
       {"확인(_O)"},
       "파일 복사"},
      {"Копирование файлов",
       "Не удаётся скопировать «20261201_083000_NOR2.AVI».\nНедостаточно места на диске.",
       {"_ОК"},
       "Копирование файлов"},
  };
  for (LANGID language : {LANGID(1042), LANGID(1049)}) {
    ScopedUiLanguage ui(language);
    GtkDialogReader reader(0);
    EXPECT_EQ(CopyOntoAFullDisk(m_src.File("20261201_083000_NOR2.AVI"), m_dst.path()), 112);
    ExpectOneShown(reader, expected[language == 1042 ? 0 : 1]);
  }
}

TEST_F(FileOperationDialogsE2e, TheReplaceQuestionSpeaksTheUsersLanguageAndNoKeepsTheFile) {
  std::ofstream(m_src.File("a.avi")) << "new";
  std::ofstream(m_dst.File("a.avi")) << "old";
  const ShownDialog expected[] = {
      {"파일 복사",
       "대상 폴더에 \"a.avi\" 파일이 이미 있습니다.\n바꾸시겠습니까?",
       {"예(_Y)", "아니요(_N)", "취소(_C)"},
       ""},
      {"Копирование файлов",
       "В папке назначения уже есть файл «a.avi».\nЗаменить его?",
       {"_Да", "_Нет", "_Отмена"},
       ""},
  };
  for (LANGID language : {LANGID(1042), LANGID(1049)}) {
    ScopedUiLanguage ui(language);
    GtkDialogReader reader(1);
    EXPECT_EQ(Copy(m_src.File("a.avi"), m_dst.path()), 0);
    ExpectOneShown(reader, expected[language == 1042 ? 0 : 1]);
    EXPECT_EQ(Read(m_dst.File("a.avi")), "old");
  }
}

}  // namespace
