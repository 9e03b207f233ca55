#pragma once
// The main window, created as the program creates it (template 102, OnInitDialog and all)
// on the headless presenter, with the scripted graph in the media class table, a registry,
// documents folder and drive folder of its own, and scripted answers for message boxes and
// choosers. Suites derive from PlayerDlgFixture; Prepare() runs before the window is made.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/base/Thread.h"
#include "platform/base/UiDispatch.h"
#include "platform/shell/ChangeNotify.h"
#include "platform/win/Messages.h"
#include "player/TavrenPlayerDlg.h"
#include "tests/support/FakeMediaGraph.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowHarness.h"

namespace playertest {

using testsupport::ScopedEnv;

class PlayerDlgFixture : public ::testing::Test {
protected:
  PlayerDlgFixture()
      : registry("RODEMIR_REGISTRY_DIR", temp.File("registry")), documents("RODEMIR_DOCUMENTS", temp.File("documents")),
        drives("RODEMIR_DRIVES", temp.File("drives")) {
    mkdir(temp.File("registry").c_str(), 0755);
    mkdir(temp.File("documents").c_str(), 0755);
    mkdir(temp.File("drives").c_str(), 0755);
  }

  void SetUp() override {
    fakegraph::Install();
    Prepare();
    if (createOnSetUp) Create();
  }

  void TearDown() override {
    Destroy();
    fakegraph::Uninstall();
  }

  // Runs before the window is created: add cards, script answers, make classes missing.
  virtual void Prepare() {}

  // Makes the window and runs what its start posted (the drive search among it).
  void Create() {
    dlg = std::make_unique<CTavrenPlayerDlg>();
    thread.m_pMainWnd = dlg.get();
    AfxSetUiThread(&thread);
    created = dlg->Create(IDD_TAVRENPLAYER_DIALOG, nullptr);
    harness.Pump();
  }

  // Runs the window modally, as the program does, with `whileOpen` run once it is up;
  // returns DoModal's result. The window is gone afterwards, the object stays.
  INT_PTR RunModal(std::function<void()> whileOpen) {
    dlg = std::make_unique<CTavrenPlayerDlg>();
    thread.m_pMainWnd = dlg.get();
    AfxSetUiThread(&thread);
    platform::PostToUiThread(std::move(whileOpen));
    return dlg->DoModal();
  }

  void Destroy() {
    dlg.reset();
    harness.Pump();
    thread.m_pMainWnd = nullptr;
    AfxSetUiThread(nullptr);
  }

  // A removable drive named `name` (its root, with the trailing '/').
  CString AddCard(const std::string& name) {
    std::string root = temp.File("drives") + "/" + name;
    mkdir(root.c_str(), 0755);
    return FileSystemToWide(root + "/");
  }

  void Pump() { harness.Pump(); }
  HWND Hwnd() const { return dlg->GetSafeHwnd(); }
  HWND Item(int id) const { return ::GetDlgItem(Hwnd(), id); }

  // A left click at the middle of the control, as the user makes it.
  void Click(int id) {
    harness.Click(Item(id), Rect(id).CenterPoint() - Rect(id).TopLeft());
    harness.Pump();
  }
  // The control's command without the mouse (for hidden or covered controls).
  void Command(int id) {
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    harness.Pump();
  }

  // Rows of the main list named REC_<i>.avi under /card/; an empty path where `emptyAt` says.
  void AddRows(int n, int emptyAt = -1) {
    for (int i = 0; i < n; ++i) {
      CString name;
      name.Format(L"REC_%d.avi", i);
      dlg->m_listFiles.InsertItem(i, name);
      dlg->m_listFiles.SetItemText(i, 4, i == emptyAt ? CString() : L"/card/" + name);
    }
  }

  // The shell's notice that the drive at `root` went (or of another event on it).
  void DriveRemoved(const CString& root, LONG event = SHCNE_DRIVEREMOVED) {
    PIDLIST_ABSOLUTE items[2] = {ILCreateFromPathW(root), nullptr};
    dlg->SendMessage(WM_SHELLCHANGE_NOTIFY, reinterpret_cast<WPARAM>(items), event);
    ILFree(items[0]);
    Pump();
  }

  // The graph object's transport state; -1 without one.
  int State() const { return dlg->m_player.m_pGraph ? dlg->m_player.m_pGraph->PlayState : -1; }

  // A double-click on a row of the main list, as the list reports it.
  void DoubleClick(int row) {
    NMITEMACTIVATE nm{};
    nm.hdr.hwndFrom = Item(IDC_LIST_FILES);
    nm.hdr.idFrom = IDC_LIST_FILES;
    nm.hdr.code = NM_DBLCLK;
    nm.iItem = row;
    dlg->SendMessage(WM_NOTIFY, IDC_LIST_FILES, reinterpret_cast<LPARAM>(&nm));
    harness.Pump();
  }

  // A window's rectangle in the main window's client coordinates.
  CRect RectOf(HWND hwnd) const {
    CRect rect;
    ::GetWindowRect(hwnd, &rect);
    ::ScreenToClient(Hwnd(), reinterpret_cast<POINT*>(&rect.left));
    ::ScreenToClient(Hwnd(), reinterpret_cast<POINT*>(&rect.right));
    return rect;
  }
  CRect Rect(int id) const { return RectOf(Item(id)); }
  bool Visible(int id) const { return ::IsWindowVisible(Item(id)) != FALSE; }
  bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }
  bool Checked(int id) const { return ::SendMessage(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  testsupport::TempDir temp;
  ScopedEnv registry;
  ScopedEnv documents;
  ScopedEnv drives;
  platform::test::WindowHarness harness;
  platform::test::ScriptedDialogs scripted;
  CWinThread thread;
  std::unique_ptr<CTavrenPlayerDlg> dlg;
  bool createOnSetUp = true;
  BOOL created = FALSE;
};

}  // namespace playertest
