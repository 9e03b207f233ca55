// Recording catalogue benchmark on the headless presenter: a generated card of 10,000
// short recordings spread over its three folders, shown as a removable drive. Measures
// the main window from the confirmed drive choice to both recording lists filled (the
// first choice, then warm ones), one type-filter click (Normal, a third of the card, and
// All), and how much the process grew with both lists full.
//   bench_catalogue [--smoke]
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/Measures.h"
#include "bench/support/RecordingNames.h"
#include "bench/support/Smoke.h"
#include "platform/base/Thread.h"
#include "platform/base/UiDispatch.h"
#include "platform/present/HeadlessPresenter.h"
#include "player/TavrenPlayerDlg.h"

namespace {

using bench::Clock;
using bench::Median;
using bench::Ms;
using bench::PumpAll;
using bench::ResidentKb;

std::string MakeFolder(const std::string& path) {
  mkdir(path.c_str(), 0755);
  return path;
}

// Each recording goes to the folder of its type, 2 KB long (a hole, nothing written).
void WriteCard(const std::string& root, int count) {
  const char* folders[] = {"Driving", "Event", "Parking"};
  const wchar_t* codes[] = {L"NOR", L"EVT", L"MOT"};
  for (const char* folder : folders) MakeFolder(root + "/" + folder);
  std::vector<std::wstring> names = bench::RecordingNames(count);
  for (size_t i = 0; i < names.size(); ++i) {
    CString name(names[i].c_str());
    name.Replace(L"_NOR_", (CString(L"_") + codes[i % 3] + L"_").GetString());
    std::string path = root + "/" + folders[i % 3] + "/" + name.ToUtf8();
    int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0 || ftruncate(fd, 2048) != 0) std::perror(path.c_str());
    if (fd >= 0) close(fd);
  }
}

// The answer to one drive chooser, shared with the work posted to give it.
struct ChooserAnswer {
  HWND mainWindow = nullptr;
  Clock::time_point asked = Clock::now();
  bool waiting = true;
  bool given = false;
  Clock::time_point confirmed;
};

constexpr double kChooserWaitMs = 10000;

// Answers the drive chooser as soon as it is up; gives up when the choice ended without one
// or after kChooserWaitMs.
void ConfirmChooserWhenOpen(std::shared_ptr<ChooserAnswer> answer) {
  platform::PostToUiThread([answer] {
    if (!answer->waiting) return;
    HWND active = ::GetActiveWindow();
    if (!active || active == answer->mainWindow) {
      if (Ms(answer->asked) < kChooserWaitMs) ConfirmChooserWhenOpen(answer);
      else answer->waiting = false;
      return;
    }
    answer->waiting = false;
    answer->given = true;
    answer->confirmed = Clock::now();
    ::SendMessage(active, WM_COMMAND, IDOK, 0);
  });
}

// From the confirmed choice to both lists filled, in ms; -1 when no chooser came up.
double ChooseDrive(CTavrenPlayerDlg& dlg) {
  dlg.m_strCardPath.Empty();
  auto answer = std::make_shared<ChooserAnswer>();
  answer->mainWindow = dlg.GetSafeHwnd();
  ConfirmChooserWhenOpen(answer);
  dlg.SelectDrive();
  answer->waiting = false;
  return answer->given ? Ms(answer->confirmed) : -1;
}

// False, said on stdout, when a drive chooser did not come up.
bool Measure(CTavrenPlayerDlg& dlg, const std::string& root, bool smoke) {
  const int recordings = smoke ? 300 : 10000;
  const int repeats = smoke ? 2 : 5;
  WriteCard(MakeFolder(root + "/drives/CARD"), recordings);

  const long before = ResidentKb();
  std::vector<double> choices;
  choices.push_back(ChooseDrive(dlg));
  const long filled = ResidentKb();
  for (int i = 0; i < repeats; ++i) choices.push_back(ChooseDrive(dlg));
  if (*std::min_element(choices.begin(), choices.end()) < 0) {
    std::printf("the drive chooser did not come up (waited up to %.0f s)\n", kChooserWaitMs / 1000);
    return false;
  }
  PumpAll();
  std::vector<double> normal, all;
  for (int i = 0; i < repeats; ++i) {
    auto start = Clock::now();
    dlg.OnBnClickedFileNormal();
    normal.push_back(Ms(start));
    start = Clock::now();
    dlg.OnBnClickedFileAll();
    all.push_back(Ms(start));
  }
  PumpAll();
  const long after = ResidentKb();

  std::printf("card: %d recordings over Driving, Event and Parking; rows: %d main, %d panel\n", recordings,
              dlg.m_listFiles.GetItemCount(), dlg.m_dlgFileList.m_listFiles.GetItemCount());
  std::printf("drive choice to both lists filled: first %.1f ms, "
              "warm median %.1f ms (target under 300 ms)\n",
              choices.front(), Median(std::vector<double>(choices.begin() + 1, choices.end())));
  std::printf("type-filter click: Normal median %.1f ms, All median %.1f ms (target under 150 ms)\n", Median(normal),
              Median(all));
  std::printf("memory: %.1f MB resident, grown by %.1f MB with both lists filled, %.1f MB after the "
              "re-lists (target under 30 MB)\n",
              after / 1024.0, (filled - before) / 1024.0, (after - before) / 1024.0);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const bool smoke = bench::TakeSmoke(argc, argv);
  char base[] = "/tmp/rodemir-bench-XXXXXX";
  if (!mkdtemp(base)) return 1;
  const std::string root(base);
  setenv("RODEMIR_REGISTRY_DIR", MakeFolder(root + "/registry").c_str(), 1);
  setenv("RODEMIR_DOCUMENTS", MakeFolder(root + "/documents").c_str(), 1);
  setenv("RODEMIR_DRIVES", MakeFolder(root + "/drives").c_str(), 1);
  platform::SetPresenter(std::make_unique<platform::HeadlessPresenter>());
  CWinThread thread;
  auto dlg = std::make_unique<CTavrenPlayerDlg>();
  thread.m_pMainWnd = dlg.get();
  AfxSetUiThread(&thread);
  // No card at the start, so the drive search finds nothing to ask about.
  dlg->Create(IDD_TAVRENPLAYER_DIALOG, nullptr);
  PumpAll();
  const bool measured = Measure(*dlg, root, smoke);
  dlg.reset();
  PumpAll();
  AfxSetUiThread(nullptr);
  std::string command = "rm -rf '" + root + "'";
  return std::system(command.c_str()) == 0 && measured ? 0 : 1;
}
