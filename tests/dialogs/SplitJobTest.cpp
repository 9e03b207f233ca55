#include "dialogs/SplitJob.h"

#include <gtest/gtest.h>

#include "card/RecordingRow.h"
#include "platform/shell/Process.h"
#include "tests/dialogs/CardTestSupport.h"
#include "tests/support/WindowHarness.h"

namespace {

using Args = std::vector<std::wstring>;

TEST(SplitJobTest, OnlyNamesWithTwoBeforeTheLastDotAreTwoCameraRecordings) {
  EXPECT_TRUE(IsTwoCameraName(L"20240101_120000_NOR2.AVI"));
  EXPECT_TRUE(IsTwoCameraName(L"20240101_120000_NOR2.avi"));
  EXPECT_TRUE(IsTwoCameraName(L"x.2.AVI"));
  EXPECT_FALSE(IsTwoCameraName(L"20240101_120000_NOR1.AVI"));
  EXPECT_FALSE(IsTwoCameraName(L"20240101_120000_NOR.AVI"));
  EXPECT_FALSE(IsTwoCameraName(L"20240101_120000_NOR2"));
  EXPECT_FALSE(IsTwoCameraName(L".AVI"));
  EXPECT_FALSE(IsTwoCameraName(L""));
}

TEST(SplitJobTest, OutputsDropTheExtensionWhateverItsCase) {
  EXPECT_EQ(SplitOutputFile(L"/d/RODEMIR", L"20240101_120000_NOR2.AVI", SplitCamera::Front),
            L"/d/RODEMIR/20240101_120000_NOR2_Front.avi");
  EXPECT_EQ(SplitOutputFile(L"/d/RODEMIR", L"a.b2.avi", SplitCamera::Rear), L"/d/RODEMIR/a.b2_Rear.avi");
}

// The line the converter is given comes apart into exactly these arguments, whatever the
// paths hold, so no path can add an option or a file of its own.
TEST(SplitJobTest, ParameterLinesComeApartIntoTheConvertersArguments) {
  const CString inputs[] = {L"/media/u/CARD/Driving/20240101_120000_NOR2.AVI",
                            L"/media/u/my card/a b\\c $(x) ; 'q' -y/20240101_120000_NOR2.AVI",
                            L"/tmp/\uCE74\uB4DC/\u0437\u0430\u043F\u0438\u0441\u044C2.AVI"};
  for (const CString& input : inputs) {
    CString output =
        SplitOutputFile(L"/home/u/Documents/RODEMIR", input.Mid(input.ReverseFind(L'/') + 1), SplitCamera::Rear);
    EXPECT_EQ(platform::SplitCommandLine(SplitParameters(SplitCamera::Front, input, output)),
              (Args{L"-i", input.str(), L"-y", L"-map", L"0:0", L"-map", L"0:2", L"-vcodec", L"copy", L"-acodec",
                    L"copy", output.str()}));
    EXPECT_EQ(platform::SplitCommandLine(SplitParameters(SplitCamera::Rear, input, output))[4], L"0:1");
    EXPECT_TRUE(FitsParameterLine(input));
  }
  EXPECT_EQ(SplitParameters(SplitCamera::Front, L"in", L"out"),
            L"-i \"in\" -y -map 0:0 -map 0:2 -vcodec copy -acodec copy \"out\"");
  EXPECT_EQ(SplitParameters(SplitCamera::Rear, L"in", L"out"),
            L"-i \"in\" -y -map 0:1 -map 0:2 -vcodec copy -acodec copy \"out\"");
  EXPECT_FALSE(FitsParameterLine(L"/f/a\" -f null \"2.AVI"));
}

TEST(SplitJobTest, TheFirstCheckedRowCounts) {
  platform::test::WindowHarness harness;
  cardtest::OwnerWindow owner(LANG_ID_ENGLISH);
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 300), &owner, 1029));
  for (int c = 0; c <= COL_FULLDATE; ++c) list.InsertColumn(c, L"", LVCFMT_LEFT, 50);
  EXPECT_EQ(FirstCheckedRow(list), -1);
  for (int r = 0; r < 3; ++r) {
    list.InsertItem(r, L"name");
    list.SetItemText(r, COL_CHECK, L"0");
  }
  EXPECT_EQ(FirstCheckedRow(list), -1);
  list.SetItemText(2, COL_CHECK, L"1");
  list.SetItemText(1, COL_CHECK, L"1");
  EXPECT_EQ(FirstCheckedRow(list), 1);
}

}  // namespace
