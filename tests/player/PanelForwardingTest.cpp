// Every command of the three panels reaches the main dialog's handler of the same meaning:
// the command given on a panel leaves the main dialog, both sets of twin buttons, the list,
// the graph and the dialogs asked for exactly as the main dialog's own command does.
// Check-type buttons are toggled first, as a click toggles them.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <utility>

#include "platform/base/UiDispatch.h"
#include "platform/win/DialogRequests.h"
#include "platform/shell/SoundVolume.h"
#include "platform/win/Keys.h"
#include "tests/player/CatalogueTestSupport.h"

namespace {

using cataloguetest::CatalogueFixture;
using fakegraph::TheWorld;

enum class PanelKind { Bar, Top, FileList };

struct Forwarded {
  PanelKind panel;
  int panelId;
  int mainId;
};

const Forwarded kForwarded[] = {
    {PanelKind::Bar, IDC_PANEL_REWIND, IDC_BTN_REWIND},
    {PanelKind::Bar, IDC_PANEL_FORWARD, IDC_BTN_FORWARD},
    {PanelKind::Bar, IDC_PANEL_PLAY, IDC_BTN_PLAY},
    {PanelKind::Bar, IDC_PANEL_PREV, IDC_BTN_PREV},
    {PanelKind::Bar, IDC_PANEL_NEXT, IDC_BTN_NEXT},
    {PanelKind::Bar, IDC_PANEL_INFORMATION, IDC_BTN_INFORMATION},
    {PanelKind::Bar, static_cast<int>(ID_ACCEL_NEXTFILE), IDC_BTN_NEXT},
    {PanelKind::Bar, static_cast<int>(ID_ACCEL_PREVFILE), IDC_BTN_PREV},
    {PanelKind::Top, IDC_TOP_REDUCE, IDC_BTN_EXTEND},
    {PanelKind::Top, IDC_TOP_FRONT, IDC_BTN_FRONT},
    {PanelKind::Top, IDC_TOP_REAR, IDC_BTN_REAR},
    {PanelKind::Top, IDC_TOP_ALL, IDC_BTN_ALL},
    {PanelKind::Top, IDC_TOP_ROTATE, IDC_BTN_ROTATE},
    {PanelKind::Top, IDC_TOP_REVERSE, IDC_BTN_REVERSE},
    {PanelKind::Top, static_cast<int>(ID_ACCEL_NEXTFILE), IDC_BTN_NEXT},
    {PanelKind::Top, static_cast<int>(ID_ACCEL_PREVFILE), IDC_BTN_PREV},
    {PanelKind::FileList, IDC_FILELIST_ALL, IDC_BTN_FILE_ALL},
    {PanelKind::FileList, IDC_FILELIST_NORMAL, IDC_BTN_FILE_NORMAL},
    {PanelKind::FileList, IDC_FILELIST_EVENT, IDC_BTN_FILE_EVENT},
    {PanelKind::FileList, IDC_FILELIST_MOTION, IDC_BTN_FILE_MOTION},
    {PanelKind::FileList, IDC_FILELIST_CALENDAR, IDC_BTN_CALENDAR},
    {PanelKind::FileList, IDC_FILELIST_FOLDER, IDC_BTN_FOLDER},
    {PanelKind::FileList, IDC_FILELIST_CHECKALL, IDC_BTN_CHECKALL},
    {PanelKind::FileList, IDC_FILELIST_SAVE, IDC_BTN_SAVE},
    {PanelKind::FileList, IDC_FILELIST_DELETE, IDC_BTN_DELETE},
    {PanelKind::FileList, static_cast<int>(ID_ACCEL_NEXTFILE), IDC_BTN_NEXT},
    {PanelKind::FileList, static_cast<int>(ID_ACCEL_PREVFILE), IDC_BTN_PREV},
};

// The check boxes of both sides; a click toggles them before their command.
bool IsCheckBox(int id) {
  switch (id) {
    case IDC_BTN_CALENDAR:
    case IDC_BTN_FOLDER:
    case IDC_BTN_CHECKALL:
    case IDC_BTN_FILE_ALL:
    case IDC_BTN_FILE_NORMAL:
    case IDC_BTN_FILE_EVENT:
    case IDC_BTN_FILE_MOTION:
    case IDC_BTN_FRONT:
    case IDC_BTN_REAR:
    case IDC_BTN_ALL:
    case IDC_BTN_ROTATE:
    case IDC_BTN_REVERSE:
    case IDC_TOP_FRONT:
    case IDC_TOP_REAR:
    case IDC_TOP_ALL:
    case IDC_TOP_ROTATE:
    case IDC_TOP_REVERSE:
    case IDC_FILELIST_ALL:
    case IDC_FILELIST_NORMAL:
    case IDC_FILELIST_EVENT:
    case IDC_FILELIST_MOTION:
    case IDC_FILELIST_CALENDAR:
    case IDC_FILELIST_FOLDER:
    case IDC_FILELIST_CHECKALL: return true;
    default: return false;
  }
}

// Cancels every message box and file chooser, gives `folder` to every folder browser, and
// remembers what each one said.
class Answerer : public platform::DialogAnswerer {
public:
  explicit Answerer(std::string folder) : m_folder(std::move(folder)) {}
  int AnswerMessageBox(const platform::MessageBoxRequest& request) override {
    asked << "box:" << std::string(request.text.begin(), request.text.end()) << ';';
    return IDCANCEL;
  }
  bool AnswerFile(const platform::FileRequest&, std::wstring*) override {
    asked << "file;";
    return false;
  }
  bool AnswerFolder(const platform::FolderRequest&, std::wstring* folder) override {
    asked << "folder;";
    *folder = std::wstring(CString::FromUtf8(m_folder).GetString());
    return true;
  }
  std::ostringstream asked;

private:
  std::string m_folder;
};

class PanelForwardingTest : public CatalogueFixture {
protected:
  void Prepare() override { createOnSetUp = false; }

  CDialog& PanelOf(PanelKind kind) {
    switch (kind) {
      case PanelKind::Bar: return dlg->m_dlgControlPanel;
      case PanelKind::Top: return dlg->m_dlgControlTop;
      default: return dlg->m_dlgFileList;
    }
  }

  // A fresh main dialog with a card listed in both lists (two of its four recordings made
  // today, for the day filter) and the second row playing (a recording of both cameras).
  // A folder of other recordings waits for the folder browser.
  void Start() {
    fakegraph::Install();
    // No card at the start (a second run in a case finds the first one's), or the drive
    // search would open the chooser.
    std::filesystem::remove_all(temp.File("drives/card"));
    Create();
    ASSERT_TRUE(created);
    const std::string today = CTime::GetCurrentTime().Format(L"%Y%m%d").ToUtf8();
    const CString card = MakeCard("card");
    Record(card, "Driving", "20240131_090000_NOR_F2.AVI");
    Record(card, "Driving", today + "_080000_NOR_F2.AVI");
    Record(card, "Event", today + "_090000_EVT_F2.AVI");
    Record(card, "Parking", "20240129_235959_MOT_F2.AVI");
    mkdir(temp.File("browsed").c_str(), 0755);
    MakeFile(temp.File("browsed/20240201_100000_NOR_F2.AVI"));
    dlg->m_strCardPath = card;
    dlg->OnBnClickedFileAll();
    ASSERT_EQ(Main().GetItemCount(), 4);
    ASSERT_TRUE(dlg->OpenVideoFile(Main().GetItemText(1, 4)));
    dlg->m_nCurItem = 1;
    dlg->OnBnClickedPlay();
    Pump();
  }

  void Stop() {
    Destroy();
    fakegraph::Uninstall();
  }

  // Gives the command the way a click does, choosing today in a day chooser it may open.
  void Give(CWnd& owner, int id) {
    HWND control = ::GetDlgItem(owner, id);
    if (control && IsCheckBox(id))
      ::SendMessage(control, BM_SETCHECK, ::SendMessage(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 0 : 1, 0);
    CTavrenPlayerDlg* main = dlg.get();
    platform::PostToUiThread([main] {
      if (main->m_dlgSelectMonth.m_hWnd) main->m_dlgSelectMonth.EndDialog(IDOK);
    });
    owner.SendMessage(WM_COMMAND, MAKEWPARAM(id, control ? BN_CLICKED : 1), reinterpret_cast<LPARAM>(control));
    Pump();
  }

  std::string Snapshot(const Answerer& answers) {
    std::ostringstream s;
    s << "card " << dlg->m_strCardPath.ToUtf8() << " mode " << dlg->m_nWindowMode << " view " << dlg->m_nViewChannel
      << " flips " << int(dlg->m_bFlipV) << int(dlg->m_bFlipH) << " item " << dlg->m_nCurItem << " folder "
      << dlg->m_bFolderMode << " info " << (dlg->m_pInfoDlg != nullptr) << " asked " << answers.asked.str()
      << "\nchecks";
    for (HWND owner : {Hwnd(), dlg->m_dlgControlPanel.m_hWnd, dlg->m_dlgControlTop.m_hWnd, dlg->m_dlgFileList.m_hWnd})
      for (HWND child = ::GetWindow(owner, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::SendMessage(child, BM_GETCHECK, 0, 0) == BST_CHECKED) s << ' ' << ::GetDlgCtrlID(child);
    s << "\nrows";
    for (CConfigListCtrl* list : {&dlg->m_listFiles, &dlg->m_dlgFileList.m_listFiles}) {
      s << ' ' << list->GetItemCount() << " selected " << list->GetFirstSelectedItem() << " checks ";
      for (int r = 0; r < list->GetItemCount(); ++r) s << static_cast<char>(list->GetItemText(r, 3).GetString()[0]);
      for (int r = 0; r < list->GetItemCount(); ++r) s << ' ' << list->GetItemText(r, 0).ToUtf8();
    }
    s << "\ngraph " << (dlg->m_player.m_pGraph ? dlg->m_player.m_pGraph->PlayState : -1);
    for (const std::string& call : TheWorld().log) s << '\n' << call;
    return s.str();
  }

  // Each main button and its panel twin show the same check.
  void ExpectTwinsInStep() {
    const struct {
      CWnd& panel;
      int panelId, mainId;
    } twins[] = {
        {dlg->m_dlgControlTop, IDC_TOP_FRONT, IDC_BTN_FRONT},
        {dlg->m_dlgControlTop, IDC_TOP_REAR, IDC_BTN_REAR},
        {dlg->m_dlgControlTop, IDC_TOP_ALL, IDC_BTN_ALL},
        {dlg->m_dlgControlTop, IDC_TOP_ROTATE, IDC_BTN_ROTATE},
        {dlg->m_dlgControlTop, IDC_TOP_REVERSE, IDC_BTN_REVERSE},
        {dlg->m_dlgControlPanel, IDC_PANEL_MUTE, IDC_BTN_MUTE},
        {dlg->m_dlgFileList, IDC_FILELIST_ALL, IDC_BTN_FILE_ALL},
        {dlg->m_dlgFileList, IDC_FILELIST_NORMAL, IDC_BTN_FILE_NORMAL},
        {dlg->m_dlgFileList, IDC_FILELIST_EVENT, IDC_BTN_FILE_EVENT},
        {dlg->m_dlgFileList, IDC_FILELIST_MOTION, IDC_BTN_FILE_MOTION},
        {dlg->m_dlgFileList, IDC_FILELIST_CALENDAR, IDC_BTN_CALENDAR},
        {dlg->m_dlgFileList, IDC_FILELIST_FOLDER, IDC_BTN_FOLDER},
        {dlg->m_dlgFileList, IDC_FILELIST_CHECKALL, IDC_BTN_CHECKALL},
    };
    for (const auto& twin : twins)
      EXPECT_EQ(::IsDlgButtonChecked(twin.panel, twin.panelId), ::IsDlgButtonChecked(Hwnd(), twin.mainId))
          << "twins " << twin.panelId << " and " << twin.mainId;
  }

  std::string Run(const Forwarded& command, bool fromPanel) {
    Start();
    Answerer answers(temp.File("browsed"));
    platform::DialogAnswerer* previous = platform::GetDialogAnswerer();
    platform::SetDialogAnswerer(&answers);
    TheWorld().log.clear();
    if (fromPanel) Give(PanelOf(command.panel), command.panelId);
    else Give(*dlg, command.mainId);
    std::string snapshot = Snapshot(answers);

    ExpectTwinsInStep();
    platform::SetDialogAnswerer(previous);
    Stop();
    return snapshot;
  }
};

TEST_F(PanelForwardingTest, PageKeysInEveryPanelMoveThroughTheMainList) {
  Start();
  for (CDialog* panel : {static_cast<CDialog*>(&dlg->m_dlgControlPanel), static_cast<CDialog*>(&dlg->m_dlgControlTop),
                         static_cast<CDialog*>(&dlg->m_dlgFileList)}) {
    panel->SetWindowPos(&CWnd::wndTop, 0, 0, 400, 100, SWP_SHOWWINDOW);
    ::SetFocus(::GetNextDlgTabItem(*panel, nullptr, FALSE));
    Pump();
    ASSERT_EQ(::GetParent(::GetFocus()), panel->m_hWnd);
    const int before = dlg->m_nCurItem;
    harness.Key(VK_NEXT);
    Pump();
    EXPECT_EQ(dlg->m_nCurItem, before + 1);
    harness.Key(VK_PRIOR);
    Pump();
    EXPECT_EQ(dlg->m_nCurItem, before);
    panel->ShowWindow(SW_HIDE);
  }
  Stop();
}

class EachPanelCommand : public PanelForwardingTest, public ::testing::WithParamInterface<Forwarded> {};

TEST_P(EachPanelCommand, DoesWhatTheMainDialogsOwnCommandDoes) {
  EXPECT_EQ(Run(GetParam(), true), Run(GetParam(), false));
}

std::string CommandName(const ::testing::TestParamInfo<Forwarded>& info) {
  static const char* const kPanels[] = {"Bar", "Top", "FileList"};
  return kPanels[static_cast<int>(info.param.panel)] + std::to_string(info.param.panelId);
}

INSTANTIATE_TEST_SUITE_P(Panels, EachPanelCommand, ::testing::ValuesIn(kForwarded), CommandName);

}  // namespace
