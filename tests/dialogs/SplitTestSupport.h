#pragma once
// A main window's recording list with checked rows, a documents folder of its own, and
// the splitter opened modelessly over them, polled with the manual clock while the
// converters run for real.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "card/RecordingRow.h"
#include "dialogs/SplitDlg.h"
#include "platform/base/Handle.h"
#include "platform/win/Button.h"
#include "platform/win/Messages.h"
#include "res/dialogs/CardTemplates.h"
#include "tests/dialogs/CardTestSupport.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowHarness.h"

namespace splittest {

// Names and paths as the file system gives them to the program.
inline CString Wide(const std::string& s) { return FileSystemToWide(s); }
inline bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline std::vector<std::string> Lines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// True when no process, not even a zombie, has the pid: the converter was ended and
// reaped. Asked without waiting on it, so that the test never reaps it in the layer's place.
inline bool Ended(DWORD pid) { return pid && kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH; }

// True when the dialog has closed the process handle.
inline bool HandleClosed(HANDLE process) { return WaitForSingleObject(process, 0) == WAIT_FAILED; }

// Puts `folder` first on PATH for the length of a test.
class PathFirst {
public:
  explicit PathFirst(const std::string& folder) : m_old(getenv("PATH") ? getenv("PATH") : "") {
    std::string path = m_old.empty() ? folder : folder + ":" + m_old;
    setenv("PATH", path.c_str(), 1);
  }
  ~PathFirst() { setenv("PATH", m_old.c_str(), 1); }

private:
  std::string m_old;
};

class SplitDlgTest : public ::testing::Test {
protected:
  void SetUp() override {
    setenv("RODEMIR_DOCUMENTS", documents.path().c_str(), 1);
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(695, 126, 1020, 634), &owner, 1029));
    for (int c = 0; c <= COL_FULLDATE; ++c) list.InsertColumn(c, L"", LVCFMT_LEFT, 50);
  }
  void TearDown() override {
    unsetenv("RODEMIR_DOCUMENTS");
    harness.Pump();
  }

  void AddRow(const std::string& name, const std::string& path, bool checked) {
    int row = list.GetItemCount();
    list.InsertItem(row, Wide(name));
    list.SetItemText(row, COL_CHECK, checked ? L"1" : L"0");
    list.SetItemText(row, COL_PATH, Wide(path));
  }
  void Open(CSplitDlg& dlg) {
    ASSERT_TRUE(dlg.Create(IDD_SPLIT));
    harness.Pump();
  }
  void Press(CSplitDlg& dlg, int id) {
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(dlg.GetDlgItem(id)->m_hWnd));
    harness.Pump();
  }
  // Opens the dialog, checks the camera boxes `boxes` and presses Start.
  void Start(CSplitDlg& dlg, std::initializer_list<int> boxes) {
    Open(dlg);
    for (int box : boxes) dlg.CheckDlgButton(box, BST_CHECKED);
    Press(dlg, IDOK);
  }
  // Lets the poll timer run until `done` holds or `seconds` of real time have passed.
  bool PollUntil(const std::function<bool()>& done, double seconds = 30) {
    for (int i = 0; i < seconds * 20; ++i) {
      if (done()) return true;
      harness.AdvanceTime(200);
      harness.Pump();
      usleep(50000);
    }
    return done();
  }
  std::string Output(const std::string& stem, const char* camera) const {
    return documents.File("RODEMIR/" + stem + "_" + camera + ".avi");
  }
  static CString TextOf(CWnd* wnd) {
    CString text;
    wnd->GetWindowText(text);
    return text;
  }

  // The text of the only message box shown so far, "" when none or more were.
  std::wstring OnlyMessage() const {
    return dialogs.messageBoxes().size() == 1 ? dialogs.messageBoxes()[0].text : std::wstring();
  }

  platform::test::WindowHarness harness;
  platform::test::ScriptedDialogs dialogs;  // a box nobody expects fails the test
  testsupport::TempDir documents;
  testsupport::TempDir card;
  cardtest::OwnerWindow owner{LANG_ID_ENGLISH};
  CListCtrl list;
};

}  // namespace splittest
