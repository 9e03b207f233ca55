// The three full-window panels without a main dialog: made alone or under a window of
// another kind, every command is safe, the mute button still works on its own, Enter
// and Esc leave the panels where they are, and the backgrounds come from the skin.
#include <gtest/gtest.h>

#include "platform/shell/SoundVolume.h"
#include "platform/win/Keys.h"
#include "player/ControlFileListDlg.h"
#include "player/ControlPanelDlg.h"
#include "player/ControlTopDlg.h"
#include "res/dialogs/PlayerTemplate.h"
#include "tests/skin/SkinTestDialog.h"
#include "tests/support/WindowHarness.h"

namespace {

DWORD ProgramVolume() {
  DWORD volume = 0;
  waveOutGetVolume(nullptr, &volume);
  return volume;
}

class PanelsAloneTest : public ::testing::Test {
protected:
  void TearDown() override {
    DestroyPanels();
    if (other.m_hWnd) other.DestroyWindow();
    harness.Pump();
  }

  void DestroyPanels() {
    for (CDialog* panel : {static_cast<CDialog*>(&fileList), static_cast<CDialog*>(&bar), static_cast<CDialog*>(&top)})
      if (panel->m_hWnd) panel->DestroyWindow();
    harness.Pump();
  }

  // Creates the three panels under `owner` (none when null), shown as the full window shows them.
  void CreatePanels(CWnd* owner) {
    ASSERT_TRUE(bar.Create(IDD_CONTROL_PANEL, owner));
    ASSERT_TRUE(top.Create(IDD_CONTROL_TOP, owner));
    ASSERT_TRUE(fileList.Create(IDD_CONTROL_FILELIST, owner));
    bar.SetWindowPos(&CWnd::wndTop, 0, 1036, 1920, 44, SWP_SHOWWINDOW);
    bar.RepositionControls();
    top.SetWindowPos(&CWnd::wndTop, 0, 0, 1920, 40, SWP_SHOWWINDOW);
    top.RepositionControls();
    fileList.SetWindowPos(&CWnd::wndTop, 1594, 449, 326, 587, SWP_SHOWWINDOW);
    harness.Pump();
  }

  void ClickCommand(CDialog& panel, int id) {
    panel.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(panel, id)));
    harness.Pump();
  }

  LRESULT ListNotice(UINT code, int row) {
    NMITEMACTIVATE notice;
    notice.hdr = {fileList.m_listFiles.m_hWnd, IDC_FILELIST_LIST, code};
    notice.iItem = row;
    return fileList.SendMessage(WM_NOTIFY, IDC_FILELIST_LIST, reinterpret_cast<LPARAM>(&notice));
  }

  void ClickButton(CWnd& button) {
    CRect rect;
    button.GetClientRect(&rect);
    harness.Click(button.m_hWnd, rect.CenterPoint());
  }

  platform::test::WindowHarness harness;
  CControlPanelDlg bar;
  CControlTopDlg top;
  CControlFileListDlg fileList;
  CWnd other;
};

TEST_F(PanelsAloneTest, EveryCommandIsSafeWithoutAMainDialogAndWithAnotherOwner) {
  ASSERT_TRUE(other.CreateEx(0, nullptr, L"other", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr));
  for (CWnd* owner : {static_cast<CWnd*>(nullptr), &other}) {
    CreatePanels(owner);
    for (int id :
         {IDC_PANEL_REWIND, IDC_PANEL_FORWARD, IDC_PANEL_PLAY, IDC_PANEL_PREV, IDC_PANEL_NEXT, IDC_PANEL_INFORMATION,
          IDC_PANEL_FILELIST, static_cast<int>(ID_ACCEL_NEXTFILE), static_cast<int>(ID_ACCEL_PREVFILE)})
      ClickCommand(bar, id);
    for (int id : {IDC_TOP_REDUCE, IDC_TOP_FRONT, IDC_TOP_REAR, IDC_TOP_ALL, IDC_TOP_ROTATE, IDC_TOP_REVERSE,
                   static_cast<int>(ID_ACCEL_NEXTFILE), static_cast<int>(ID_ACCEL_PREVFILE)})
      ClickCommand(top, id);
    for (int id : {IDC_FILELIST_ALL, IDC_FILELIST_NORMAL, IDC_FILELIST_EVENT, IDC_FILELIST_MOTION,
                   IDC_FILELIST_CALENDAR, IDC_FILELIST_SAVE, IDC_FILELIST_DELETE, IDC_FILELIST_FOLDER,
                   IDC_FILELIST_CHECKALL, static_cast<int>(ID_ACCEL_NEXTFILE), static_cast<int>(ID_ACCEL_PREVFILE)})
      ClickCommand(fileList, id);
    for (UINT code : {NM_CLICK, NM_DBLCLK})
      for (int row : {-1, 0, 5}) EXPECT_EQ(ListNotice(code, row), 0);
    bar.m_sliderSeek.SetRange(0, 1000);
    for (UINT code : {TB_PAGEUP, TB_THUMBPOSITION, TB_THUMBTRACK})
      for (COktImageSlider* slider : {&bar.m_sliderSeek, &bar.m_sliderVolume})
        bar.SendMessage(WM_HSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(slider->m_hWnd));
    harness.Pump();
    EXPECT_TRUE(bar.IsWindowVisible() && top.IsWindowVisible() && fileList.IsWindowVisible());
    DestroyPanels();
  }
}

TEST_F(PanelsAloneTest, MuteStillSetsTheVolumeAndTheFileListButtonStaysAsClicked) {
  CreatePanels(nullptr);
  bar.m_sliderVolume.SetPos(50);
  waveOutSetVolume(nullptr, 0x12341234);
  ClickButton(bar.m_btnMute);
  EXPECT_EQ(bar.m_btnMute.GetCheck(), BST_CHECKED);
  EXPECT_EQ(ProgramVolume(), 0u);
  ClickButton(bar.m_btnMute);
  EXPECT_EQ(bar.m_btnMute.GetCheck(), BST_UNCHECKED);
  EXPECT_EQ(ProgramVolume(), 0x7FFF7FFFu);

  // Without a main dialog there is no file-list panel to open: the check stays toggled.
  ClickButton(bar.m_btnFileList);
  EXPECT_EQ(bar.m_btnFileList.GetCheck(), BST_CHECKED);
  ClickButton(bar.m_btnFileList);
  EXPECT_EQ(bar.m_btnFileList.GetCheck(), BST_UNCHECKED);
}

TEST_F(PanelsAloneTest, EnterAndEscLeaveEveryPanelShown) {
  CreatePanels(nullptr);
  for (CWnd* focus : {static_cast<CWnd*>(&bar.m_btnPlay), static_cast<CWnd*>(&bar.m_sliderVolume),
                      static_cast<CWnd*>(&top.m_btnFront), static_cast<CWnd*>(&fileList.m_btnSave),
                      static_cast<CWnd*>(&fileList.m_listFiles)}) {
    focus->SetFocus();
    harness.Pump();
    harness.Key(VK_RETURN);
    harness.Key(VK_ESCAPE);
    EXPECT_TRUE(bar.IsWindowVisible() && top.IsWindowVisible() && fileList.IsWindowVisible());
  }
  // Nor do the dialog's own OK and Cancel commands hide a panel.
  for (CDialog* panel : {static_cast<CDialog*>(&bar), static_cast<CDialog*>(&top), static_cast<CDialog*>(&fileList)}) {
    ClickCommand(*panel, IDOK);
    ClickCommand(*panel, IDCANCEL);
    panel->SendMessage(WM_CLOSE);
    harness.Pump();
    EXPECT_TRUE(panel->IsWindowVisible());
  }
}

TEST_F(PanelsAloneTest, PageKeysBecomeThePanelsPreviousAndNextCommands) {
  CreatePanels(nullptr);
  bar.m_sliderVolume.SetFocus();
  bar.m_sliderVolume.SetPos(40);
  harness.Key(VK_NEXT);
  harness.Key(VK_PRIOR);
  // The slider with the focus never sees the page keys.
  EXPECT_EQ(bar.m_sliderVolume.GetPos(), 40);
}

TEST_F(PanelsAloneTest, BackgroundsComeFromTheSkin) {
  CreatePanels(nullptr);
  bar.Invalidate();
  top.Invalidate();
  fileList.Invalidate();
  harness.Pump();
  using skintest::BitmapPixel;
  EXPECT_EQ(harness.Pixel(fileList, CPoint(0, 0)), BitmapPixel(129, 693, 47));
  EXPECT_EQ(harness.Pixel(fileList, CPoint(1, 70)), BitmapPixel(129, 694, 117));
  EXPECT_EQ(harness.Pixel(bar, CPoint(5, 1)), BitmapPixel(269, 0, 1));
  EXPECT_EQ(harness.Pixel(bar, CPoint(1900, 42)), BitmapPixel(269, 0, 42));
  EXPECT_EQ(harness.Pixel(top, CPoint(5, 2)), BitmapPixel(270, 0, 2));
  EXPECT_EQ(harness.Pixel(top, CPoint(1000, 38)), BitmapPixel(270, 0, 38));
}

}  // namespace
