#include <gtest/gtest.h>

#include "player/FileCommandNames.h"

TEST(CaptureName, FieldsComeFromTheNameAndThePosition) {
  // 25 characters: "20240101_123456" then "_NOR_F2" ... with '7' at index 21.
  CString name(L"20240101_123456_NOR_A7B.AVI");
  EXPECT_EQ(MakeCaptureName(name, 65250, 1), CString(L"20240101_123456_IMG_C7_65250.jpg"));
  EXPECT_EQ(MakeCaptureName(name, 0, 2), CString(L"20240101_123456_IMG_C7_0_front.jpg"));
  // Shorter than 22 characters: no camera field; shorter than 15: the whole name.
  EXPECT_EQ(MakeCaptureName(CString(L"20240101_123456_NOR_2"), 7, 1), CString(L"20240101_123456_IMG_C_7.jpg"));
  EXPECT_EQ(MakeCaptureName(CString(L"short.AVI"), 12, 1), CString(L"short.AVI_IMG_C_12.jpg"));
  // Positions past 32 bits are printed whole.
  EXPECT_EQ(MakeCaptureName(CString(L"x"), 5000000000LL, 1), CString(L"x_IMG_C_5000000000.jpg"));
}

TEST(CaptureName, ChosenPathLosesOnlyAJpgExtension) {
  auto target = SplitChosenCapturePath(CString(L"/home/u/RODEMIR/shot.JPG"));
  EXPECT_EQ(target.folder, CString(L"/home/u/RODEMIR"));
  EXPECT_EQ(target.title, CString(L"shot"));
  EXPECT_EQ(SplitChosenCapturePath(CString(L"/d/shot.png")).title, CString(L"shot.png"));
  EXPECT_EQ(SplitChosenCapturePath(CString(L"/d/shot")).title, CString(L"shot"));
  // A dot in a folder name is not an extension.
  target = SplitChosenCapturePath(CString(L"/my.dir/shot"));
  EXPECT_EQ(target.folder, CString(L"/my.dir"));
  EXPECT_EQ(target.title, CString(L"shot"));
  target = SplitChosenCapturePath(CString(L"/shot.jpg"));
  EXPECT_EQ(target.folder, CString(L"/"));
  EXPECT_EQ(target.title, CString(L"shot"));
}

TEST(CaptureName, RearTitleNeverEqualsTheFrontTitle) {
  EXPECT_EQ(RearCaptureTitle(CString(L"a_IMG_C2_100_front")), CString(L"a_IMG_C2_100_rear"));
  EXPECT_EQ(RearCaptureTitle(CString(L"a_front_front")), CString(L"a_rear_rear"));
  // Case matters for "front"; a title without it gets its own rear name.
  EXPECT_EQ(RearCaptureTitle(CString(L"Front")), CString(L"Front_rear"));
  EXPECT_EQ(RearCaptureTitle(CString(L"shot")), CString(L"shot_rear"));
}

TEST(CopyName, DestinationIsTheRecordingsOwnNameInTheFolder) {
  EXPECT_EQ(
      CopyDestination(CString(L"/media/dst"), CString(L"20240101_NOR.AVI"), CString(L"/card/Driving/20240101_NOR.AVI")),
      CString(L"/media/dst/20240101_NOR.AVI"));
}

TEST(DeleteQuestion, ThePlayingRowIsNeverSilentlyIncluded) {
  EXPECT_EQ(ChooseDeleteQuestion(0, false), DeleteQuestion::None);
  EXPECT_EQ(ChooseDeleteQuestion(1, true), DeleteQuestion::RefusePlaying);
  EXPECT_EQ(ChooseDeleteQuestion(3, true), DeleteQuestion::AskWithPlaying);
  EXPECT_EQ(ChooseDeleteQuestion(2, false), DeleteQuestion::Ask);
}
