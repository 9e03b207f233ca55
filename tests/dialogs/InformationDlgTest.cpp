#include "dialogs/InformationDlg.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>

#include "app/LangStringTable.h"
#include "platform/shell/Drives.h"
#include "platform/win/Keys.h"
#include "platform/win/Messages.h"
#include "res/dialogs/CardTemplates.h"
#include "tests/dialogs/CardTestSupport.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowHarness.h"

namespace {

namespace fs = std::filesystem;
using cardtest::SparseFile;

constexpr unsigned long long kMB = 1ull << 20;

CString Wide(const std::string& s) { return CString::FromUtf8(s); }
CString TextOf(CWnd& wnd) {
  CString text;
  wnd.GetWindowText(text);
  return text;
}
// The text is the one shown for some whole number of MB between the two figures.
bool ShownForSomeMB(const CString& text, unsigned long long a, unsigned long long b) {
  for (unsigned long long mb = std::min(a, b); mb <= std::max(a, b); ++mb)
    if (text == InfoSpaceText(mb / 1024.0)) return true;
  return false;
}
CRect PlaceOf(CWnd& child) {
  CRect r;
  child.GetWindowRect(&r);
  child.GetParent()->ScreenToClient(&r);
  return r;
}

TEST(GetRecordSizeKBTest, CountsWholeKilobytesOfMatchingRecordingsInTheWholeTree) {
  testsupport::TempDir card;
  std::string driving = card.File("Driving");
  SparseFile(driving + "/20240101_120000_NOR2.AVI", 1023);  // under 1 KB: nothing
  for (const char* name : {"20240101_120100_NOR2.AVI", "20240101_120200_NOR.avi", "sub/20240101_120300_nor2.Avi"})
    SparseFile(driving + "/" + name, 1536);                     // 1 KB each, not 1.5
  SparseFile(driving + "/20240101_120400_EVT2.AVI", 4096);      // another type
  SparseFile(driving + "/20240101_120500_NOR2.MP4", 4096);      // not a recording
  SparseFile(driving + "/NOR.AVI", 4096);                       // too short to hold a code
  fs::create_directory(driving + "/20240101_120600_NOR2.AVI");  // a folder named like one
  EXPECT_EQ(CInformationDlg::GetRecordSizeKB(Wide(driving), L"NOR"), 3u);
  EXPECT_EQ(CInformationDlg::GetRecordSizeKB(Wide(driving), L"EVT"), 4u);
  EXPECT_EQ(CInformationDlg::GetRecordSizeKB(Wide(card.File("Parking")), L"MOT"), 0u);
}

// A card written by another system: names whose bytes are not UTF-8, on a card whose own
// folder's name is not either.
TEST(GetRecordSizeKBTest, NamesThatAreNotUtf8CountLikeAnyOther) {
  testsupport::TempDir card;
  std::string driving = card.File("CARD\xE9/Driving");
  SparseFile(driving + "/20240101_1201\xE9"
                       "0_NOR2.AVI",
             2048);
  SparseFile(driving + "/caf\xE9/20240101_120300_NOR_\xE9\xE8"
                       "2.AVI",
             3072);
  EXPECT_EQ(CInformationDlg::GetRecordSizeKB(FileSystemToWide(driving), L"NOR"), 5u);
}

TEST(GetRecordSizeKBTest, LinksToFoldersAreNotFollowedSoALoopEnds) {
  testsupport::TempDir card;
  std::string event = card.File("Event");
  SparseFile(event + "/inner/20240101_120000_EVT2.AVI", 2048);
  fs::create_directory_symlink(event, event + "/inner/loop");
  fs::create_directory_symlink(card.File("elsewhere"), event + "/dangling");
  SparseFile(card.File("outside/20240101_130000_EVT2.AVI"), 8192);
  fs::create_directory_symlink(card.File("outside"), event + "/outside");
  EXPECT_EQ(CInformationDlg::GetRecordSizeKB(Wide(event), L"EVT"), 2u);
}

TEST(InfoSpaceTextTest, OneDecimalOfTheSinglePrecisionQuotient) {
  EXPECT_EQ(InfoSpaceText(7168 / 1024.0), L"7.0 GB");
  EXPECT_EQ(InfoSpaceText(1536 / 1024.0), L"1.5 GB");
  EXPECT_EQ(InfoSpaceText(0), L"0.0 GB");
  // Just over 16.05 GB of recordings: single precision rounds it below 16.05.
  unsigned long long kb = 16829645;
  ASSERT_GT(kb / 1024.0 / 1024.0, 16.05);
  EXPECT_EQ(InfoSpaceText(kb / 1024.0 / 1024.0), L"16.0 GB");
}

class InformationDlgTest : public ::testing::Test {
protected:
  void SetUp() override {
    setenv("RODEMIR_DRIVES", drives.path().c_str(), 1);
    root = drives.File("CARD");
    fs::create_directory(root);
  }
  void TearDown() override {
    unsetenv("RODEMIR_DRIVES");
    harness.Pump();
  }
  // Opens the window as the information command does.
  void Open(CInformationDlg& dlg) {
    ASSERT_TRUE(dlg.Create(IDD_INFORMATION, &owner));
    dlg.ShowWindow(SW_SHOWNORMAL);
    harness.Pump();
  }

  platform::test::WindowHarness harness;
  testsupport::TempDir drives;
  std::string root;
  cardtest::OwnerWindow owner{LANG_ID_ENGLISH};
};

TEST_F(InformationDlgTest, ShowsTheCardsFiguresAndTheVersion) {
  SparseFile(root + "/Driving/20240101_120000_NOR2.AVI", 1536 * kMB);
  SparseFile(root + "/Event/x/20240101_120000_EVT2.AVI", 256 * kMB);
  SparseFile(root + "/Parking/20240101_120000_MOT1.AVI", 3 * 1024 * kMB);
  CString rootPath = Wide(root + "/");
  ULARGE_INTEGER freeBefore{}, total{}, freeAfter{};
  ASSERT_TRUE(GetDiskFreeSpaceExW(rootPath, &freeBefore, &total, nullptr));

  // A folder of the card as the card path: the whole card is measured.
  CInformationDlg dlg(&owner, Wide(root + "/Driving"));
  Open(dlg);
  ASSERT_TRUE(GetDiskFreeSpaceExW(rootPath, &freeAfter, nullptr, nullptr));
  EXPECT_EQ(TextOf(dlg.m_staticTotal), InfoSpaceText((total.QuadPart >> 20) / 1024.0));
  // Other processes write to the same disk: the figure lies between the readings around it.
  EXPECT_TRUE(ShownForSomeMB(TextOf(dlg.m_staticFree), freeBefore.QuadPart >> 20, freeAfter.QuadPart >> 20))
      << TextOf(dlg.m_staticFree).ToUtf8();
  EXPECT_EQ(TextOf(dlg.m_staticNormal), L"1.5 GB");
  EXPECT_EQ(TextOf(dlg.m_staticEvent), L"0.2 GB");  // 0.25 rounds to even
  EXPECT_EQ(TextOf(dlg.m_staticMotion), L"3.0 GB");
  EXPECT_EQ(TextOf(dlg.m_staticVersion), L"2.0.3");
  EXPECT_EQ(TextOf(dlg.m_staticTitle), L"Information");
  EXPECT_EQ(TextOf(dlg.m_staticVersionCaption), L"KELVANE Version :");
  EXPECT_EQ(dlg.m_staticTotal.m_crText, COLORREF(0x1AB7EF));
  EXPECT_EQ(dlg.m_staticTotal.m_crBack, COLORREF(0x1E1E1E));
  EXPECT_EQ(dlg.m_staticMemory.m_crText, COLORREF(0xD3D3D3));
  EXPECT_EQ(dlg.m_staticTotalCaption.m_crBack, COLORREF(0xFFFFFFFF));
}

TEST_F(InformationDlgTest, WithoutACardOnlyTheVersionIsFilledIn) {
  CInformationDlg dlg(&owner, CString());
  Open(dlg);
  EXPECT_EQ(TextOf(dlg.m_staticTotal), L"");
  EXPECT_EQ(TextOf(dlg.m_staticNormal), L"");
  EXPECT_EQ(TextOf(dlg.m_staticVersion), L"2.0.3");
}

TEST_F(InformationDlgTest, MissingTypeFoldersShowNothingUsed) {
  CInformationDlg dlg(&owner, Wide(root + "/"));
  Open(dlg);
  EXPECT_EQ(TextOf(dlg.m_staticNormal), L"0.0 GB");
  EXPECT_EQ(TextOf(dlg.m_staticEvent), L"0.0 GB");
  EXPECT_EQ(TextOf(dlg.m_staticMotion), L"0.0 GB");
}

struct LanguageCase {
  WORD langID;
  int eventX;
  int totalX, totalWidth;
  int versionX;
};

TEST_F(InformationDlgTest, LabelsAreArrangedAndWordedForEachLanguage) {
  const LanguageCase cases[] = {
      {LANG_ID_KOREAN, 85, 90, 60, 132},
      {LANG_ID_ENGLISH, 76, 143, 60, 146},
      {LANG_ID_JAPANESE, 95, 84, 60, 162},
      {LANG_ID_RUSSIAN, 96, 164, 60, 188},
  };
  CLangStringTable table;
  for (const LanguageCase& c : cases) {
    SCOPED_TRACE(c.langID);
    owner.m_wLangID = c.langID;
    CInformationDlg dlg(&owner, Wide(root + "/"));
    Open(dlg);
    EXPECT_EQ(PlaceOf(dlg.m_staticEvent), CRect(CPoint(c.eventX, 146), CSize(60, 15)));
    EXPECT_EQ(PlaceOf(dlg.m_staticTotal), CRect(CPoint(c.totalX, 66), CSize(c.totalWidth, 15)));
    EXPECT_EQ(PlaceOf(dlg.m_staticVersion), CRect(CPoint(c.versionX, 252), CSize(60, 15)));
    EXPECT_EQ(PlaceOf(dlg.m_staticVersionCaption).top, 252);
    EXPECT_EQ(PlaceOf(dlg.m_staticMotion).Width(), 100);
    EXPECT_EQ(PlaceOf(dlg.m_staticTitle), CRect(CPoint(14, 6), CSize(200, 15)));
    EXPECT_EQ(PlaceOf(dlg.m_staticVersionHeading), CRect(CPoint(24, 225), CSize(270, 15)));
    EXPECT_EQ(TextOf(dlg.m_staticEventCaption), table.GetString(L"INFODLG_EVENT", c.langID));
    EXPECT_EQ(TextOf(dlg.m_staticMemory), table.GetString(L"INFODLG_MEMORY_INFORMATION", c.langID));
    EXPECT_EQ(TextOf(dlg.m_staticEvent), L"0.0 GB");
  }
}

TEST_F(InformationDlgTest, OpensCentredOverItsOwnerOnItsBackground) {
  CInformationDlg dlg(&owner, CString());
  Open(dlg);
  CRect window, ownerRect;
  dlg.GetWindowRect(&window);
  owner.GetWindowRect(&ownerRect);
  EXPECT_EQ(window.Size(), CSize(338, 308));
  EXPECT_EQ(window.CenterPoint(), ownerRect.CenterPoint());
  EXPECT_TRUE(dlg.IsWindowVisible());
  EXPECT_EQ(PlaceOf(dlg.m_btnClose), CRect(CPoint(307, 4), CSize(28, 22)));
  EXPECT_EQ(TextOf(dlg.m_btnClose), L"");

  CBitmap background;
  ASSERT_TRUE(background.LoadBitmap(493));
  CDC mem;
  mem.CreateCompatibleDC(nullptr);
  CBitmap* old = mem.SelectObject(&background);
  for (CPoint p : {CPoint(2, 2), CPoint(300, 290), CPoint(170, 200)})
    EXPECT_EQ(harness.Pixel(dlg.m_hWnd, p), mem.GetPixel(p.x, p.y)) << p.x << "," << p.y;
  mem.SelectObject(old);
}

TEST_F(InformationDlgTest, TheBackgroundAndTheLabelsDragTheWindow) {
  CInformationDlg dlg(&owner, CString());
  Open(dlg);
  CRect before;
  dlg.GetWindowRect(&before);
  CPoint onLabel = PlaceOf(dlg.m_staticVersionHeading).CenterPoint();
  harness.MoveTo(dlg.m_hWnd, onLabel);
  harness.Press(dlg.m_hWnd, onLabel);
  harness.MoveToScreen(CPoint(before.left + onLabel.x + 40, before.top + onLabel.y + 25));
  harness.Release(dlg.m_hWnd, onLabel + CPoint(40, 25));
  CRect after;
  dlg.GetWindowRect(&after);
  EXPECT_EQ(after.TopLeft(), before.TopLeft() + CPoint(40, 25));
  EXPECT_TRUE(dlg.IsWindowVisible());
}

TEST_F(InformationDlgTest, CloseButtonAndEscOnlyHideTheWindow) {
  CInformationDlg dlg(&owner, CString());
  Open(dlg);
  harness.Click(dlg.m_btnClose.m_hWnd, CPoint(10, 10));
  harness.Pump();
  EXPECT_FALSE(dlg.IsWindowVisible());
  EXPECT_TRUE(::IsWindow(dlg.m_hWnd));

  CInformationDlg again(&owner, CString());
  Open(again);
  again.SetFocus();
  harness.Key(VK_ESCAPE);
  harness.Pump();
  EXPECT_FALSE(again.IsWindowVisible());
  EXPECT_TRUE(::IsWindow(again.m_hWnd));
}

}  // namespace
