#include <gtest/gtest.h>

#include "platform/win/FileDialog.h"
#include "tests/support/DialogOwnerTest.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;
using platform::test::ScriptedDialogs;

namespace {

using FileDialogTest = platform::test::DialogOwnerTest;

TEST_F(FileDialogTest, SavePassesNameFolderAndFilterAndReturnsThePathAsTyped) {
  ScriptedDialogs dialogs;
  dialogs.FileAnswer(L"/home/u/Documents/RODEMIR/shot").FileCancel();
  CFileDialog dlg(FALSE, nullptr, L"20240101_IMG_C_65250.jpg", OFN_EXPLORER, L"jpeg file (*.jpg)|*.jpg||",
                  CWnd::FromHandle(owner));
  dlg.m_ofn.lpstrInitialDir = L"/home/u/Documents/RODEMIR";
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.GetPathName(), L"/home/u/Documents/RODEMIR/shot");
  EXPECT_EQ(dlg.GetFileName(), L"shot");
  EXPECT_EQ(dlg.GetFolderPath(), L"/home/u/Documents/RODEMIR");
  ASSERT_EQ(dialogs.fileRequests().size(), 1u);
  const platform::FileRequest& asked = dialogs.fileRequests()[0];
  EXPECT_TRUE(asked.save);
  EXPECT_EQ(asked.owner, owner);
  EXPECT_EQ(asked.fileName, L"20240101_IMG_C_65250.jpg");
  EXPECT_EQ(asked.initialFolder, L"/home/u/Documents/RODEMIR");
  ASSERT_EQ(asked.filters.size(), 1u);
  EXPECT_EQ(asked.filters[0].first, L"jpeg file (*.jpg)");
  EXPECT_EQ(asked.filters[0].second, L"*.jpg");
  EXPECT_FALSE(asked.overwritePrompt);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(FileDialogTest, DefaultExtensionIsAddedOnlyToANameWithoutOne) {
  ScriptedDialogs dialogs;
  dialogs.FileAnswer(L"/tmp/a.dir/shot").FileAnswer(L"/tmp/shot.png");
  CFileDialog first(FALSE, L"jpg", nullptr, OFN_OVERWRITEPROMPT);
  ASSERT_EQ(first.DoModal(), IDOK);
  EXPECT_EQ(first.GetPathName(), L"/tmp/a.dir/shot.jpg");
  EXPECT_EQ(first.GetFileTitle(), L"shot");
  EXPECT_EQ(first.GetFileExt(), L"jpg");
  CFileDialog second(FALSE, L"jpg");
  ASSERT_EQ(second.DoModal(), IDOK);
  EXPECT_EQ(second.GetPathName(), L"/tmp/shot.png");
  EXPECT_TRUE(dialogs.fileRequests()[0].overwritePrompt);
}

}  // namespace
