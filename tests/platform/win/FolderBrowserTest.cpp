#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/base/String.h"
#include "platform/win/FileDialog.h"
#include "platform/win/FolderBrowser.h"
#include "platform/win/MessageBox.h"
#include "tests/support/DialogOwnerTest.h"
#include "tests/support/ScopedUiLanguage.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;
using platform::test::ScriptedDialogs;

namespace {

using FolderBrowserTest = platform::test::DialogOwnerTest;

struct CallbackLog {
  int initialized = 0;
  HWND window = nullptr;
};

int SaveFolderBrowseCallback(HWND hwnd, UINT uMsg, LPARAM, LPARAM lpData) {
  auto* log = reinterpret_cast<std::pair<CallbackLog*, const wchar_t*>*>(lpData);
  if (uMsg != BFFM_INITIALIZED) return 0;
  ++log->first->initialized;
  log->first->window = hwnd;
  SetWindowText(hwnd, L"Save");
  SendMessage(hwnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(log->second));
  return 0;
}

TEST_F(FolderBrowserTest, RunsTheCallbackProtocolBeforeItShows) {
  ScriptedDialogs dialogs;
  CallbackLog log;
  testsupport::TempDir saved;
  const std::wstring savedFolder = Utf8ToWide(saved.path());
  std::pair<CallbackLog*, const wchar_t*> data(&log, savedFolder.c_str());
  bool ownerEnabledMeanwhile = true;
  std::wstring liveTitle;
  dialogs.FolderAnswer(L"/media/backup/rec", [&] {
    ownerEnabledMeanwhile = IsWindowEnabled(owner);
    wchar_t title[64] = {};
    GetWindowText(dialogs.folderRequests().back().browser, title, 64);
    liveTitle = title;
  });
  wchar_t name[MAX_PATH] = {};
  BROWSEINFOW bi;
  bi.hwndOwner = owner;
  bi.pszDisplayName = name;
  bi.lpszTitle = L"Please select the folder.";
  bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  bi.lpfn = SaveFolderBrowseCallback;
  bi.lParam = reinterpret_cast<LPARAM>(&data);
  PIDLIST_ABSOLUTE pidl = SHBrowseForFolderW(&bi);
  ASSERT_NE(pidl, nullptr);
  wchar_t path[MAX_PATH];
  EXPECT_TRUE(SHGetPathFromIDListW(pidl, path));
  EXPECT_STREQ(path, L"/media/backup/rec");
  EXPECT_STREQ(name, L"rec");
  ILFree(pidl);

  EXPECT_EQ(log.initialized, 1);
  EXPECT_FALSE(IsWindow(log.window));  // the browser's window goes with it
  EXPECT_FALSE(ownerEnabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(liveTitle, L"Save");
  const platform::FolderRequest& asked = dialogs.folderRequests()[0];
  EXPECT_EQ(asked.owner, owner);
  EXPECT_EQ(asked.title, L"Save");
  EXPECT_EQ(asked.prompt, L"Please select the folder.");
  EXPECT_EQ(asked.selection, savedFolder);
  EXPECT_TRUE(asked.newFolderButton);
}

// Without a folder to open on, or with one that is gone, the chooser opens on the home
// folder, never on a list of recent files.
TEST_F(FolderBrowserTest, CancelledOrWithoutPreselectionOpensOnHome) {
  const char* home = std::getenv("HOME");
  ASSERT_NE(home, nullptr);
  ScriptedDialogs dialogs;
  dialogs.FolderCancel().FolderCancel().FolderCancel();
  CallbackLog log;
  for (const wchar_t* preselected : {L"", L"/no/such/folder/any/more"}) {
    std::pair<CallbackLog*, const wchar_t*> data(&log, preselected);
    BROWSEINFOW bi;
    bi.hwndOwner = owner;
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    bi.lpfn = SaveFolderBrowseCallback;
    bi.lParam = reinterpret_cast<LPARAM>(&data);
    EXPECT_EQ(SHBrowseForFolderW(&bi), nullptr);
  }
  BROWSEINFOW noCallback;
  noCallback.hwndOwner = owner;
  EXPECT_EQ(SHBrowseForFolderW(&noCallback), nullptr);
  ASSERT_EQ(dialogs.folderRequests().size(), 3u);
  for (const platform::FolderRequest& asked : dialogs.folderRequests()) EXPECT_EQ(asked.selection, Utf8ToWide(home));
  EXPECT_FALSE(dialogs.folderRequests()[0].newFolderButton);
}

TEST_F(FolderBrowserTest, ABrowserNotTitledByItsCallerHasItsOwnTitleInTheUsersLanguage) {
  ScriptedDialogs dialogs;
  dialogs.FolderCancel().FolderCancel();
  for (LANGID language : {LANGID(1042), LANGID(1049)}) {
    platform::test::ScopedUiLanguage ui(language);
    BROWSEINFOW bi;
    bi.hwndOwner = owner;
    SHBrowseForFolderW(&bi);
  }
  ASSERT_EQ(dialogs.folderRequests().size(), 2u);
  EXPECT_EQ(dialogs.folderRequests()[0].title, L"폴더 찾아보기");
  EXPECT_EQ(dialogs.folderRequests()[1].title, L"Обзор папок");
}

TEST_F(FolderBrowserTest, UnansweredDialogsAreDismissed) {
  EXPECT_EQ(MessageBox(owner, L"t", L"c", MB_OK), IDOK);
  EXPECT_EQ(MessageBox(owner, L"t", L"c", MB_OKCANCEL), IDCANCEL);
  EXPECT_EQ(MessageBox(owner, L"t", L"c", MB_YESNO), IDNO);
  CFileDialog save(FALSE);
  EXPECT_EQ(save.DoModal(), IDCANCEL);
  BROWSEINFOW bi;
  EXPECT_EQ(SHBrowseForFolderW(&bi), nullptr);
}

}  // namespace
