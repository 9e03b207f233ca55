#include "player/RecordingFolders.h"

#include <gtest/gtest.h>

#include "player/FileListPlacement.h"

namespace {

std::vector<std::pair<CString, CString>> Plan(int filter, bool folderMode, const CString& card) {
  std::vector<std::pair<CString, CString>> plan;
  for (const RecordingFolder& f : RecordingFoldersToScan(filter, folderMode, card))
    plan.emplace_back(f.path, f.typeCode);
  return plan;
}

using Pairs = std::vector<std::pair<CString, CString>>;

}  // namespace

TEST(RecordingFoldersTest, CardModeSearchesTheFilterFoldersUnderTheRoot) {
  EXPECT_EQ(
      Plan(FILTER_ALL, false, L"/media/CARD/"),
      (Pairs{{L"/media/CARD/Driving", L"NOR"}, {L"/media/CARD/Event", L"EVT"}, {L"/media/CARD/Parking", L"MOT"}}));
  EXPECT_EQ(Plan(FILTER_NORMAL, false, L"/media/CARD/"), (Pairs{{L"/media/CARD/Driving", L"NOR"}}));
  EXPECT_EQ(Plan(FILTER_EVENT, false, L"/media/CARD/"), (Pairs{{L"/media/CARD/Event", L"EVT"}}));
  EXPECT_EQ(Plan(FILTER_MOTION, false, L"/media/CARD/"), (Pairs{{L"/media/CARD/Parking", L"MOT"}}));
  // Any other number is All.
  EXPECT_EQ(Plan(0, false, L"/c/"), Plan(FILTER_ALL, false, L"/c/"));
  EXPECT_EQ(Plan(7, false, L"/c/"), Plan(FILTER_ALL, false, L"/c/"));
  // A browsed folder left as the card path gets the names appended as they stand.
  EXPECT_EQ(Plan(FILTER_NORMAL, false, L"/home/u/rec"), (Pairs{{L"/home/u/recDriving", L"NOR"}}));
}

TEST(RecordingFoldersTest, FolderModeSearchesTheOneFolderOncePerCode) {
  EXPECT_EQ(Plan(FILTER_ALL, true, L"/home/u/rec"),
            (Pairs{{L"/home/u/rec", L"NOR"}, {L"/home/u/rec", L"EVT"}, {L"/home/u/rec", L"MOT"}}));
  EXPECT_EQ(Plan(FILTER_MOTION, true, L"/home/u/rec"), (Pairs{{L"/home/u/rec", L"MOT"}}));
}

TEST(RecordingFoldersTest, WithoutACardPathNothingIsSearched) {
  EXPECT_TRUE(Plan(FILTER_ALL, false, L"").empty());
  EXPECT_TRUE(Plan(FILTER_EVENT, true, L"").empty());
}

TEST(RecordingFoldersTest, SearchPattern) {
  EXPECT_EQ(RecordingSearchPattern(L"/media/CARD/Driving"), L"/media/CARD/Driving/*.*");
  EXPECT_EQ(RecordingSearchPattern(L"/"), L"/*.*");
}

TEST(RecordingFoldersTest, ListStopsAboveTheSmallMap) {
  EXPECT_EQ(FileListHeight(8), 310);
  EXPECT_EQ(FileListHeight(0), 508);
  EXPECT_EQ(FileListHeight(16), 508);
}
