#include "dialogs/SplitDlg.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/shell/Process.h"
#include "platform/win/ProgressCtrl.h"
#include "tests/dialogs/SplitTestSupport.h"

namespace {

using namespace splittest;

const char kName[] = "20240101_120000_NOR2.AVI";
const char kStem[] = "20240101_120000_NOR2";
const wchar_t kFrontFailed[] = L"Can't split the front video.";
const wchar_t kRearFailed[] = L"Can't split the rear video.";

// A converter that writes its arguments beside its output, then a part of the output,
// and ends as FAKE_FRONT or FAKE_REAR says for its camera: "ok", "fail", "hang", or
// "late" (fails once the file <output>.go exists).
const char kFakeConverter[] = R"(#!/bin/sh
for last; do :; done
case " $* " in *" 0:1 "*) mode="$FAKE_REAR" ;; *) mode="$FAKE_FRONT" ;; esac
printf '%s\n' "$@" > "$last.args"
printf 'part' > "$last"
case "$mode" in
  fail) exit 1 ;;
  hang) exec sleep 60 ;;
  late) while [ ! -e "$last.go" ]; do sleep 0.05; done; exit 1 ;;
esac
exit 0
)";

class SplitDlgFakeTest : public SplitDlgTest {
protected:
  void SetUp() override {
    SplitDlgTest::SetUp();
    std::ofstream(bin.File("ffmpeg")) << kFakeConverter;
    chmod(bin.File("ffmpeg").c_str(), 0755);
    source = card.File(kName);
    std::ofstream(source) << "recording";
  }
  void TearDown() override {
    unsetenv("FAKE_FRONT");
    unsetenv("FAKE_REAR");
    SplitDlgTest::TearDown();
  }
  void Behave(const char* front, const char* rear) {
    setenv("FAKE_FRONT", front, 1);
    setenv("FAKE_REAR", rear, 1);
  }
  bool Idle(CSplitDlg& dlg) const {
    return dlg.m_nState == CSplitDlg::STATE_IDLE && !dlg.m_hFront && !dlg.m_hRear &&
           dlg.GetDlgItem(IDOK)->IsWindowEnabled() && TextOf(dlg.GetDlgItem(IDOK)) == L"Start" &&
           !dlg.m_progress.IsWindowVisible();
  }
  // Answers the next message box, noting whether the dialog had stopped running by then.
  void ExpectBox(CSplitDlg& dlg) {
    dialogs.MessageBoxAnswer(IDOK, [this, &dlg] { idleUnderTheBox = Idle(dlg); });
  }
  bool Told() const { return !dialogs.messageBoxes().empty(); }

  testsupport::TempDir bin;
  PathFirst path{bin.path()};
  std::string source;
  bool idleUnderTheBox = false;
};

TEST_F(SplitDlgFakeTest, OneCameraRunsWithTheMarqueeThenCompletesAndClosesWithOk) {
  AddRow("20240101_110000_NOR1.AVI", card.File("other.AVI"), false);
  AddRow(kName, source, true);
  Behave("hang", "ok");
  CSplitDlg dlg(list);
  Open(dlg);
  EXPECT_EQ(TextOf(&dlg), L"Split");
  EXPECT_EQ(TextOf(dlg.GetDlgItem(IDC_SPLIT_FILENAME)), CString(kName));
  EXPECT_EQ(TextOf(dlg.GetDlgItem(IDOK)), L"Start");
  EXPECT_EQ(TextOf(dlg.GetDlgItem(IDC_SPLIT_REAR)), L"Rear");
  EXPECT_FALSE(dlg.m_progress.IsWindowVisible());

  dlg.CheckDlgButton(IDC_SPLIT_REAR, BST_CHECKED);
  Press(dlg, IDOK);
  ASSERT_NE(dlg.m_hRear, nullptr);
  EXPECT_EQ(dlg.m_hFront, nullptr);
  HANDLE rear = dlg.m_hRear;
  EXPECT_EQ(dlg.m_nState, CSplitDlg::STATE_RUNNING);
  EXPECT_EQ(TextOf(dlg.GetDlgItem(IDOK)), L"splitting");
  EXPECT_FALSE(dlg.GetDlgItem(IDOK)->IsWindowEnabled());
  EXPECT_TRUE(dlg.m_progress.IsWindowVisible());
  EXPECT_EQ(dlg.m_strOutRear, Wide(Output(kStem, "Rear")));
  EXPECT_EQ(dlg.m_strOutFront, L"");

  ASSERT_TRUE(PollUntil([&] { return dlg.m_nState == CSplitDlg::STATE_FINISHED; }));
  EXPECT_EQ(Lines(Output(kStem, "Rear") + ".args"),
            (std::vector<std::string>{"-i", source, "-y", "-map", "0:1", "-map", "0:2", "-vcodec", "copy", "-acodec",
                                      "copy", Output(kStem, "Rear")}));
  EXPECT_EQ(dlg.m_hRear, nullptr);
  EXPECT_TRUE(HandleClosed(rear));
  EXPECT_EQ(TextOf(dlg.GetDlgItem(IDOK)), L"Complete");
  EXPECT_TRUE(dlg.GetDlgItem(IDOK)->IsWindowEnabled());
  EXPECT_FALSE(dlg.GetDlgItem(IDCANCEL)->IsWindowEnabled());
  EXPECT_EQ(dlg.m_progress.SendMessage(PBM_GETPOS), 100);
  EXPECT_EQ(dlg.m_progress.GetStyle() & PBS_MARQUEE, 0u);
  EXPECT_EQ(ReadAll(source), "recording");
  EXPECT_FALSE(Told());

  Press(dlg, IDOK);
  EXPECT_FALSE(dlg.IsWindowVisible());
  EXPECT_EQ(ReadAll(Output(kStem, "Rear")), "part");
}

TEST_F(SplitDlgFakeTest, CancelStopsWhatRunsDeletesBothOutputsAndAllowsAFreshStart) {
  AddRow(kName, source, true);
  Behave("ok", "hang");
  CSplitDlg dlg(list);
  Start(dlg, {IDC_SPLIT_FRONT, IDC_SPLIT_REAR});
  HANDLE front = dlg.m_hFront, rear = dlg.m_hRear;
  DWORD rearPid = GetProcessId(rear);
  ASSERT_TRUE(front && rearPid);
  ASSERT_TRUE(PollUntil([&] { return !dlg.m_hFront && Exists(Output(kStem, "Rear")); }));
  EXPECT_TRUE(HandleClosed(front));
  EXPECT_FALSE(Ended(rearPid));
  EXPECT_EQ(dlg.m_nState, CSplitDlg::STATE_RUNNING);
  EXPECT_TRUE(Exists(Output(kStem, "Front")));

  Press(dlg, IDCANCEL);
  EXPECT_TRUE(Ended(rearPid));
  EXPECT_TRUE(HandleClosed(rear));
  EXPECT_FALSE(Exists(Output(kStem, "Front")));
  EXPECT_FALSE(Exists(Output(kStem, "Rear")));
  EXPECT_TRUE(Idle(dlg));
  EXPECT_TRUE(dlg.IsWindowVisible());  // Cancel while running keeps the dialog
  EXPECT_FALSE(Told());

  Behave("ok", "ok");
  Press(dlg, IDOK);
  ASSERT_TRUE(PollUntil([&] { return dlg.m_nState == CSplitDlg::STATE_FINISHED; }));
  EXPECT_TRUE(Exists(Output(kStem, "Front")));
  EXPECT_TRUE(Exists(Output(kStem, "Rear")));
}

// A one-camera recording named as a two-camera one: both conversions fail at once.
TEST_F(SplitDlgFakeTest, BothFailingAtOnceStopTheMarqueeNameBothCamerasAndLeaveNoOutput) {
  AddRow(kName, source, true);
  Behave("fail", "fail");
  CSplitDlg dlg(list);
  Start(dlg, {IDC_SPLIT_FRONT, IDC_SPLIT_REAR});
  HANDLE front = dlg.m_hFront, rear = dlg.m_hRear;
  ASSERT_TRUE(front && rear);
  ExpectBox(dlg);
  ASSERT_TRUE(PollUntil([&] { return Told(); }));
  EXPECT_EQ(OnlyMessage(), std::wstring(kFrontFailed) + L"\n" + kRearFailed);
  EXPECT_EQ(dialogs.messageBoxes()[0].owner, dlg.m_hWnd);
  EXPECT_TRUE(idleUnderTheBox);
  EXPECT_TRUE(HandleClosed(front) && HandleClosed(rear));
  EXPECT_FALSE(Exists(Output(kStem, "Front")));
  EXPECT_FALSE(Exists(Output(kStem, "Rear")));
  EXPECT_EQ(ReadAll(source), "recording");

  PollUntil([] { return false; }, 1);  // the poll has stopped: no second box
  EXPECT_TRUE(Idle(dlg));
  EXPECT_EQ(dialogs.messageBoxes().size(), 1u);
  Press(dlg, IDCANCEL);
  EXPECT_FALSE(dlg.IsWindowVisible());
}

TEST_F(SplitDlgFakeTest, ARearFailingAfterTheFrontSucceededKeepsTheFrontAndNamesTheRear) {
  AddRow(kName, source, true);
  Behave("ok", "late");
  CSplitDlg dlg(list);
  Start(dlg, {IDC_SPLIT_FRONT, IDC_SPLIT_REAR});
  ASSERT_TRUE(PollUntil([&] { return !dlg.m_hFront && Exists(Output(kStem, "Rear")); }));
  EXPECT_EQ(dlg.m_nState, CSplitDlg::STATE_RUNNING);
  EXPECT_TRUE(dlg.m_progress.IsWindowVisible());
  EXPECT_FALSE(Told());

  ExpectBox(dlg);
  std::ofstream(Output(kStem, "Rear") + ".go") << "";
  ASSERT_TRUE(PollUntil([&] { return Told(); }));
  EXPECT_EQ(OnlyMessage(), kRearFailed);
  EXPECT_TRUE(idleUnderTheBox);
  EXPECT_EQ(ReadAll(Output(kStem, "Front")), "part");
  EXPECT_FALSE(Exists(Output(kStem, "Rear")));

  // Cancel from there closes the dialog and keeps what was split.
  Press(dlg, IDCANCEL);
  EXPECT_FALSE(dlg.IsWindowVisible());
  EXPECT_TRUE(Exists(Output(kStem, "Front")));
}

TEST_F(SplitDlgFakeTest, AFailedSplitCanBeStartedAgain) {
  AddRow(kName, source, true);
  Behave("fail", "ok");
  CSplitDlg dlg(list);
  Start(dlg, {IDC_SPLIT_FRONT});
  ExpectBox(dlg);
  ASSERT_TRUE(PollUntil([&] { return Told(); }));
  EXPECT_EQ(OnlyMessage(), kFrontFailed);
  Behave("ok", "ok");
  Press(dlg, IDOK);
  ASSERT_TRUE(PollUntil([&] { return dlg.m_nState == CSplitDlg::STATE_FINISHED; }));
  EXPECT_EQ(ReadAll(Output(kStem, "Front")), "part");
  EXPECT_EQ(dialogs.messageBoxes().size(), 1u);
}

TEST_F(SplitDlgFakeTest, StartWithoutARowOrABoxDoesNothing) {
  Behave("ok", "ok");
  AddRow(kName, source, false);
  CSplitDlg dlg(list);
  Start(dlg, {IDC_SPLIT_FRONT});  // no checked row
  EXPECT_TRUE(Idle(dlg));
  list.SetItemText(0, COL_CHECK, L"1");
  dlg.CheckDlgButton(IDC_SPLIT_FRONT, BST_UNCHECKED);
  Press(dlg, IDOK);  // no box
  EXPECT_TRUE(Idle(dlg));
  EXPECT_FALSE(Told());
  EXPECT_FALSE(Exists(documents.File("RODEMIR")));
}

TEST_F(SplitDlgFakeTest, StartThatCanDoNothingSaysWhy) {
  Behave("ok", "ok");
  {
    std::string quoted = card.File("a\" -f null \"2.AVI");
    std::ofstream(quoted) << "recording";
    AddRow("a\" -f null \"2.AVI", quoted, true);
    CSplitDlg dlg(list);
    ExpectBox(dlg);
    Start(dlg, {IDC_SPLIT_FRONT, IDC_SPLIT_REAR});
    EXPECT_EQ(OnlyMessage(), L"Can't split a file whose name or folder has a quotation mark (\").");
    EXPECT_TRUE(Idle(dlg));
    EXPECT_FALSE(Exists(documents.File("RODEMIR")));  // nothing made for a split that cannot run
  }
  {
    list.DeleteAllItems();
    AddRow(kName, source, true);
    std::string missing = documents.File("missing/deeper");
    setenv("RODEMIR_DOCUMENTS", missing.c_str(), 1);
    CSplitDlg dlg(list);
    ExpectBox(dlg);
    Start(dlg, {IDC_SPLIT_FRONT});  // RODEMIR cannot be made
    EXPECT_EQ(dialogs.messageBoxes().back().text,
              L"Can't create the folder for split files.\n" + Wide(missing + "/RODEMIR"));
    EXPECT_EQ(dialogs.messageBoxes().back().owner, dlg.m_hWnd);
    EXPECT_TRUE(Idle(dlg));
  }
  EXPECT_EQ(dialogs.messageBoxes().size(), 2u);
}

TEST_F(SplitDlgFakeTest, PathsReachTheConverterWordForWordWithoutAShell) {
  std::string odd = card.File("my card $(touch pwned); 'x' `touch pwned` \\ -y");
  mkdir(odd.c_str(), 0755);
  std::string name = "20240101_120000_NOR2 $HOME.AVI";
  std::ofstream(odd + "/" + name) << "recording";
  AddRow(name, odd + "/" + name, true);
  Behave("ok", "ok");
  CSplitDlg dlg(list);
  Start(dlg, {IDC_SPLIT_FRONT});
  ASSERT_TRUE(PollUntil([&] { return dlg.m_nState == CSplitDlg::STATE_FINISHED; }));
  std::string output = Output("20240101_120000_NOR2 $HOME", "Front");
  std::vector<std::string> args = Lines(output + ".args");
  ASSERT_EQ(args.size(), 12u);
  EXPECT_EQ(args[1], odd + "/" + name);
  EXPECT_EQ(args[11], output);
  EXPECT_FALSE(Exists("pwned"));
  EXPECT_FALSE(Exists(card.File("pwned")));
}

TEST_F(SplitDlgFakeTest, ANameThatIsNotUtf8ReachesTheConverterAsItsOwnBytes) {
  std::string folder = card.File("caf\xE9");
  mkdir(folder.c_str(), 0755);
  std::string name = "20240101_1200\xE9"
                     "0_NOR2.AVI";
  std::ofstream(folder + "/" + name) << "recording";
  AddRow(name, folder + "/" + name, true);
  Behave("ok", "ok");
  CSplitDlg dlg(list);
  Start(dlg, {IDC_SPLIT_FRONT, IDC_SPLIT_REAR});
  ASSERT_TRUE(PollUntil([&] { return dlg.m_nState == CSplitDlg::STATE_FINISHED; }));
  for (const char* camera : {"Front", "Rear"}) {
    std::string output = Output("20240101_1200\xE9"
                                "0_NOR2",
                                camera);
    std::vector<std::string> args = Lines(output + ".args");
    ASSERT_EQ(args.size(), 12u) << camera;
    EXPECT_EQ(args[1], folder + "/" + name);
    EXPECT_EQ(args[11], output);
    EXPECT_EQ(ReadAll(output), "part");
  }
}

TEST_F(SplitDlgFakeTest, StartWhileRunningKeepsTrackOfTheRunningConverters) {
  AddRow(kName, source, true);
  Behave("hang", "hang");
  CSplitDlg dlg(list);
  Start(dlg, {IDC_SPLIT_FRONT});
  HANDLE first = dlg.m_hFront;
  DWORD pid = GetProcessId(first);
  ASSERT_TRUE(PollUntil([&] { return Exists(Output(kStem, "Front")); }));
  dlg.SendMessage(WM_COMMAND, IDOK, 0);  // as code would, past the disabled button
  EXPECT_EQ(dlg.m_hFront, first);
  EXPECT_EQ(dlg.m_strOutFront, Wide(Output(kStem, "Front")));
  EXPECT_FALSE(Ended(pid));
  Press(dlg, IDCANCEL);
  EXPECT_TRUE(Ended(pid));
  EXPECT_FALSE(Exists(Output(kStem, "Front")));
}

TEST_F(SplitDlgFakeTest, AMissingConverterIsReportedOnceAndEarlierOutputsStay) {
  PathFirst nothing("/nonexistent");
  setenv("PATH", "/nonexistent", 1);
  AddRow(kName, source, true);
  std::string earlier = Output(kStem, "Front");
  mkdir(documents.File("RODEMIR").c_str(), 0755);
  std::ofstream(earlier) << "earlier";
  dialogs.MessageBoxAnswer(IDOK);
  {
    CSplitDlg dlg(list);
    Start(dlg, {IDC_SPLIT_FRONT, IDC_SPLIT_REAR});
    ASSERT_EQ(dialogs.messageBoxes().size(), 1u);
    EXPECT_EQ(dialogs.messageBoxes()[0].owner, dlg.m_hWnd);
    EXPECT_TRUE(Idle(dlg));
    EXPECT_EQ(dlg.m_strOutFront, L"");
    Press(dlg, IDCANCEL);
  }
  EXPECT_EQ(ReadAll(earlier), "earlier");
}

TEST_F(SplitDlgFakeTest, ADialogEndingWithAConverterRunningStopsItAndRemovesItsOutput) {
  AddRow(kName, source, true);
  Behave("hang", "hang");
  DWORD pid = 0;
  {
    CSplitDlg dlg(list);
    Start(dlg, {IDC_SPLIT_REAR});
    pid = GetProcessId(dlg.m_hRear);
    ASSERT_TRUE(PollUntil([&] { return Exists(Output(kStem, "Rear")); }));
    EXPECT_FALSE(Ended(pid));
  }
  EXPECT_TRUE(Ended(pid));
  EXPECT_FALSE(Exists(Output(kStem, "Rear")));
}

}  // namespace
