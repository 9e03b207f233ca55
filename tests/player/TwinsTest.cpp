// A change to a main-window control reaches its panel twin only while the twin's window
// exists.
#include <gtest/gtest.h>

#include <vector>

#include "player/Twins.h"
#include "tests/support/WindowHarness.h"
#include "tests/support/WindowTestSupport.h"

namespace {

class TwinsTest : public ::testing::Test {
protected:
  void SetUp() override { wintest::RegisterRecorderClasses(); }

  std::vector<CWnd*> Change() {
    std::vector<CWnd*> changed;
    ChangeTwins(main, twin, [&changed](CWnd& wnd) { changed.push_back(&wnd); });
    return changed;
  }

  platform::test::WindowHarness harness;
  CWnd main;
  CWnd twin;
};

TEST_F(TwinsTest, TheMainControlAlwaysChangesAndItsTwinOnlyWhileItsWindowExists) {
  ASSERT_TRUE(main.Attach(wintest::MakeTop(CRect(0, 0, 10, 10))));
  EXPECT_TRUE(Exists(main));
  EXPECT_FALSE(Exists(twin));
  EXPECT_EQ(Change(), std::vector<CWnd*>{&main});

  ASSERT_TRUE(twin.Attach(wintest::MakeTop(CRect(0, 0, 10, 10))));
  EXPECT_EQ(Change(), (std::vector<CWnd*>{&main, &twin}));

  // A twin whose window went, as a panel's controls go with the panel.
  ::DestroyWindow(twin.GetSafeHwnd());
  EXPECT_FALSE(Exists(twin));
  EXPECT_EQ(Change(), std::vector<CWnd*>{&main});
  main.DestroyWindow();
}

}  // namespace
