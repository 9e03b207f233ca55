#include <gtest/gtest.h>
#include <sys/stat.h>

#include "player/RecordingFolders.h"
#include "tests/player/CatalogueTestSupport.h"

namespace {

class CatalogueListingTest : public cataloguetest::CatalogueFixture {
protected:
  void Prepare() override {
    card = MakeCard("CARD");
    Record(card, "Driving", "20240131_101500_NOR_F2.AVI", 1024);
    Record(card, "Driving", "20240131_090000_NOR_F1.avi", 1024000);
    Record(card, "Event", "20240130_120000_EVT_F2.AVI", 999999);
    Record(card, "Parking", "20240129_235959_mot_F2.AVI");
    ChooseDrive();
  }
  CString card;
};

TEST_F(CatalogueListingTest, ProbePanel) {
  EXPECT_TRUE(PanelListExists());
  std::cout << "created " << created << " hwnd " << (void*)Hwnd() << std::endl;
  dlg->PostMessage(WM_SCAN_DRIVES, 0, 0);
  Pump();
  EXPECT_EQ(answered, 1);
  EXPECT_EQ(dlg->m_strCardPath, card);
  for (auto& n : Names(Main())) std::wcout << (const wchar_t*)n << std::endl;
}

}  // namespace
