// Capture, copy and delete through the main window, over the scripted graph and real files.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "card/RecordingRow.h"
#include "platform/win/MessageBox.h"
#include "tests/player/PlayerDlgFixture.h"

namespace {

using fakegraph::TheWorld;
using playertest::PlayerDlgFixture;

constexpr int kCapture = 1007;
constexpr int kSave = 1004;
constexpr int kDelete = 1005;

// A bottom-up 32-bit picture, every pixel of one colour.
std::vector<BYTE> Picture(LONG width, LONG height, BYTE blue, BYTE green, BYTE red) {
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = width;
  h.biHeight = height;
  h.biPlanes = 1;
  h.biBitCount = 32;
  h.biCompression = BI_RGB;
  std::vector<BYTE> dib(sizeof h + static_cast<size_t>(width * height * 4));
  std::memcpy(dib.data(), &h, sizeof h);
  for (size_t i = sizeof h; i < dib.size(); i += 4) {
    dib[i] = blue;
    dib[i + 1] = green;
    dib[i + 2] = red;
  }
  return dib;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// Width and height from a JPEG's frame header; (0, 0) when there is none.
std::pair<int, int> JpegSize(const std::string& data) {
  if (data.size() < 4 || static_cast<unsigned char>(data[0]) != 0xFF || static_cast<unsigned char>(data[1]) != 0xD8)
    return {0, 0};
  for (size_t i = 2; i + 9 < data.size();) {
    if (static_cast<unsigned char>(data[i]) != 0xFF) return {0, 0};
    unsigned char marker = static_cast<unsigned char>(data[i + 1]);
    size_t length = (static_cast<unsigned char>(data[i + 2]) << 8) | static_cast<unsigned char>(data[i + 3]);
    if (marker == 0xC0 || marker == 0xC2) {
      int height = (static_cast<unsigned char>(data[i + 5]) << 8) | static_cast<unsigned char>(data[i + 6]);
      int width = (static_cast<unsigned char>(data[i + 7]) << 8) | static_cast<unsigned char>(data[i + 8]);
      return {width, height};
    }
    i += 2 + length;
  }
  return {0, 0};
}

class TavrenPlayerDlgFilesTest : public PlayerDlgFixture {
protected:
  // A card with recordings of the given names in "Driving", listed in the main window.
  void ListCard(std::initializer_list<const char*> names) {
    card = AddCard("CARD");
    std::string driving = WideToFileSystem(card.str()) + "Driving";
    mkdir(driving.c_str(), 0755);
    for (const char* name : names) {
      std::ofstream(driving + "/" + name, std::ios::binary) << std::string(2048, name[15]);
    }
    dlg->m_strCardPath = card;
    dlg->m_btnFileAll.SetCheck(BST_CHECKED);
    ASSERT_TRUE(dlg->RebuildFileList(1, false));
    Pump();
  }
  std::string CardFile(const char* name) const { return WideToFileSystem(card.str()) + "Driving/" + name; }

  int Row(const char* name) const {
    for (int row = 0; row < dlg->m_listFiles.GetItemCount(); ++row)
      if (dlg->m_listFiles.GetItemText(row, COL_NAME) == CString(FileSystemToWide(name))) return row;
    return -1;
  }
  void Check(const char* name) { dlg->m_listFiles.SetItemText(Row(name), COL_CHECK, L"1"); }

  // Opens the row's recording in the scripted graph and marks it as the playing row.
  void Play(const char* name, int state = 0) {
    ASSERT_EQ(dlg->m_player.Open(FileSystemToWide(CardFile(name)).c_str()), 1);
    dlg->m_nCurItem = Row(name);
    state == 0 ? dlg->m_player.m_pGraph->Run() : dlg->m_player.m_pGraph->Pause();
  }

  std::string Documents(const std::string& file = "") const {
    return temp.File("documents") + "/RODEMIR" + (file.empty() ? "" : "/" + file);
  }

  CString card;
};

const char* const kFront = "20240101_123456_NOR_A2.AVI";  // 26 characters, '2' at index 21
const char* const kOther = "20240101_130000_NOR_A2.AVI";
const char* const kThird = "20240101_140000_NOR_A2.AVI";

TEST_F(TavrenPlayerDlgFilesTest, CaptureNeedsACardAndAnOpenRecording) {
  TheWorld().image = Picture(8, 8, 0, 0, 255);
  Command(kCapture);
  ListCard({kFront});
  Command(kCapture);
  ASSERT_EQ(dlg->m_player.Open(CString(CardFile(kFront).c_str())), 1);
  dlg->m_player.m_pGraph->Stop();
  Command(kCapture);
  EXPECT_TRUE(scripted.fileRequests().empty());
}

TEST_F(TavrenPlayerDlgFilesTest, TwoCameraCaptureWritesFrontAndRearStillsAtThePicturesSize) {
  ListCard({kFront});
  Play(kFront);
  TheWorld().position = 652500000;  // 65.25 s
  TheWorld().image = Picture(320, 240, 0, 0, 255);
  scripted.FileAnswer(Utf8ToWide(Documents("shot_front.JPG")));
  Command(kCapture);

  ASSERT_EQ(scripted.fileRequests().size(), 1u);
  EXPECT_EQ(scripted.fileRequests()[0].initialFolder, Utf8ToWide(Documents()));
  EXPECT_EQ(scripted.fileRequests()[0].fileName, L"20240101_123456_IMG_C2_65250_front.jpg");
  EXPECT_EQ(JpegSize(ReadAll(Documents("shot_front.jpg"))), std::make_pair(320, 240));
  EXPECT_EQ(JpegSize(ReadAll(Documents("shot_rear.jpg"))), std::make_pair(320, 240));
  EXPECT_EQ(dlg->m_player.m_pGraph->PlayState, 0);  // resumed
}

TEST_F(TavrenPlayerDlgFilesTest, RearStillNeverReplacesTheFront) {
  ListCard({kFront});
  Play(kFront);
  TheWorld().image = Picture(16, 16, 0, 255, 0);
  scripted.FileAnswer(Utf8ToWide(Documents("mine")));
  Command(kCapture);
  EXPECT_TRUE(Exists(Documents("mine.jpg")));
  EXPECT_TRUE(Exists(Documents("mine_rear.jpg")));
}

TEST_F(TavrenPlayerDlgFilesTest, CancelResumesOnlyWhatWasRunning) {
  ListCard({kFront});
  TheWorld().image = Picture(8, 8, 0, 0, 255);
  Play(kFront, 0);
  scripted.FileCancel();
  Command(kCapture);
  EXPECT_EQ(dlg->m_player.m_pGraph->PlayState, 0);

  Play(kFront, 1);
  scripted.FileCancel();
  Command(kCapture);
  EXPECT_EQ(dlg->m_player.m_pGraph->PlayState, 1);
  EXPECT_FALSE(Exists(Documents("20240101_123456_IMG_C2_0_front.jpg")));
}

TEST_F(TavrenPlayerDlgFilesTest, CaptureWithoutAFolderRestoresPlayback) {
  ListCard({kFront});
  Play(kFront);
  TheWorld().image = Picture(8, 8, 0, 0, 255);
  std::ofstream(Documents()) << "a file where the folder should be";
  Command(kCapture);
  EXPECT_TRUE(scripted.fileRequests().empty());
  EXPECT_EQ(dlg->m_player.m_pGraph->PlayState, 0);
}

// The card may go, or another recording open, while the save dialog is up: what was grabbed
// is kept, and whatever graph is there afterwards is neither captured from nor resumed.
TEST_F(TavrenPlayerDlgFilesTest, GraphClosedWhileTheDialogIsOpenIsLeftAlone) {
  ListCard({kFront, kOther});
  Play(kFront);
  TheWorld().image = Picture(8, 8, 0, 0, 255);
  scripted.FileAnswer(Utf8ToWide(Documents("gone_front.jpg")), [this] { dlg->m_player.Close(); });
  Command(kCapture);
  EXPECT_TRUE(Exists(Documents("gone_front.jpg")));  // what was grabbed is kept
  EXPECT_FALSE(Exists(Documents("gone_rear.jpg")));
  EXPECT_EQ(dlg->m_player.m_pGraph, nullptr) << "a graph was made again";

  Play(kFront);
  int openedState = -1;
  scripted.FileAnswer(Utf8ToWide(Documents("moved_front.jpg")), [&] {
    ASSERT_EQ(dlg->m_player.Open(CString(CardFile(kOther).c_str())), 1);
    openedState = dlg->m_player.m_pGraph->PlayState;
    TheWorld().log.clear();
  });
  Command(kCapture);
  EXPECT_TRUE(Exists(Documents("moved_front.jpg")));
  EXPECT_FALSE(Exists(Documents("moved_rear.jpg")));
  ASSERT_NE(dlg->m_player.m_pGraph, nullptr);
  EXPECT_EQ(dlg->m_player.m_pGraph->PlayState, openedState);
  EXPECT_EQ(TheWorld().Count("Run"), 0);
  EXPECT_EQ(TheWorld().Count("GetCurrentImage"), 0);
}

TEST_F(TavrenPlayerDlgFilesTest, SaveCopiesCheckedRecordingsUnderTheirOwnNames) {
  ListCard({kFront, kOther, kThird});
  std::string target = temp.File("target");
  mkdir(target.c_str(), 0755);
  Command(kSave);  // nothing checked: no browser
  EXPECT_TRUE(scripted.folderRequests().empty());

  Check(kFront);
  Check(kThird);
  scripted.FolderAnswer(Utf8ToWide(target));
  Command(kSave);
  ASSERT_EQ(scripted.folderRequests().size(), 1u);
  EXPECT_EQ(scripted.folderRequests()[0].title, L"Save");
  EXPECT_EQ(ReadAll(target + "/" + kFront), ReadAll(CardFile(kFront)));
  EXPECT_EQ(ReadAll(target + "/" + kThird), ReadAll(CardFile(kThird)));
  EXPECT_FALSE(Exists(target + "/" + kOther));

  // The next copy starts in the last folder; a copy onto the card itself leaves it whole.
  scripted.FolderAnswer(Utf8ToWide(card.ToUtf8() + "Driving"));
  Command(kSave);
  ASSERT_EQ(scripted.folderRequests().size(), 2u);
  EXPECT_EQ(scripted.folderRequests()[1].selection, Utf8ToWide(target));
  EXPECT_EQ(ReadAll(CardFile(kFront)), std::string(2048, kFront[15]));
}

TEST_F(TavrenPlayerDlgFilesTest, DeleteRefusesThePlayingRecordingAndDeletesOnlyCheckedRows) {
  ListCard({kFront, kOther, kThird});
  Play(kFront);
  Check(kFront);
  scripted.MessageBoxAnswer(IDOK);
  Command(kDelete);
  ASSERT_EQ(scripted.messageBoxes().size(), 1u);
  EXPECT_EQ(scripted.messageBoxes()[0].text, L"Files being played can't be deleted.");
  EXPECT_EQ(scripted.messageBoxes()[0].type & 0xF, static_cast<UINT>(MB_OK));
  EXPECT_TRUE(Exists(CardFile(kFront)));

  Check(kFront);
  Check(kThird);
  scripted.MessageBoxAnswer(IDCANCEL);
  Command(kDelete);
  EXPECT_EQ(scripted.messageBoxes()[1].text, L"Files being played can't be deleted.\nDelete selected file?");
  EXPECT_TRUE(Exists(CardFile(kThird)));

  scripted.MessageBoxAnswer(IDOK);
  Command(kDelete);
  EXPECT_TRUE(Exists(CardFile(kFront)));
  EXPECT_TRUE(Exists(CardFile(kOther)));
  EXPECT_FALSE(Exists(CardFile(kThird)));
  ASSERT_EQ(dlg->m_listFiles.GetItemCount(), 2);
  EXPECT_EQ(dlg->m_listFiles.GetItemState(0, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));

  // The last row went: the new last row is selected.
  Check(kOther);
  scripted.MessageBoxAnswer(IDOK);
  Command(kDelete);
  EXPECT_EQ(scripted.messageBoxes().back().text, L"Delete selected file?");
  EXPECT_FALSE(Exists(CardFile(kOther)));
  ASSERT_EQ(dlg->m_listFiles.GetItemCount(), 1);
  EXPECT_EQ(dlg->m_listFiles.GetItemState(0, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));
}

TEST_F(TavrenPlayerDlgFilesTest, TheOpenRecordingSurvivesADeleteAfterTheRowsMoved) {
  ListCard({kFront, kOther});
  Play(kOther);
  // A re-list that leaves the playing index on another row must not expose the open file.
  dlg->m_nCurItem = Row(kFront);
  Check(kOther);
  scripted.MessageBoxAnswer(IDOK);
  Command(kDelete);
  EXPECT_TRUE(Exists(CardFile(kOther)));
}

// Recordings from a card written by another system: names whose bytes are not UTF-8.
const char* const kForeign = "20240101_1234\xE9"
                             "6_NOR_A2.AVI";
const char* const kForeignToo = "20240101_130000_NOR_caf\xE9.AVI";

TEST_F(TavrenPlayerDlgFilesTest, ANameThatIsNotUtf8IsCapturedCopiedAndDeletedUnderItsOwnBytes) {
  ListCard({kForeign, kForeignToo, kOther});
  ASSERT_EQ(dlg->m_listFiles.GetItemCount(), 3);
  Play(kForeign);
  TheWorld().image = Picture(32, 24, 0, 0, 255);
  const std::string stills = temp.File("stills-\xE9");
  mkdir(stills.c_str(), 0755);
  scripted.FileAnswer(FileSystemToWide(stills + "/20240101_1234\xE9"
                                                "6_IMG_C2_0_front.jpg"));
  Command(kCapture);
  ASSERT_EQ(scripted.fileRequests().size(), 1u);
  EXPECT_EQ(scripted.fileRequests()[0].fileName, FileSystemToWide("20240101_1234\xE9"
                                                                  "6_IMG_C2_0_front.jpg"));
  EXPECT_EQ(JpegSize(ReadAll(stills + "/20240101_1234\xE9"
                                      "6_IMG_C2_0_front.jpg")),
            std::make_pair(32, 24));
  EXPECT_EQ(JpegSize(ReadAll(stills + "/20240101_1234\xE9"
                                      "6_IMG_C2_0_rear.jpg")),
            std::make_pair(32, 24));

  const std::string target = temp.File("Kopien-\xE9");
  mkdir(target.c_str(), 0755);
  Check(kForeign);
  Check(kForeignToo);
  scripted.FolderAnswer(FileSystemToWide(target));
  Command(kSave);
  EXPECT_EQ(ReadAll(target + "/" + kForeign), ReadAll(CardFile(kForeign)));
  EXPECT_EQ(ReadAll(target + "/" + kForeignToo), ReadAll(CardFile(kForeignToo)));

  dlg->m_player.Close();
  dlg->m_nCurItem = -1;
  Check(kForeign);
  Check(kForeignToo);
  scripted.MessageBoxAnswer(IDOK);
  Command(kDelete);
  EXPECT_FALSE(Exists(CardFile(kForeign)));
  EXPECT_FALSE(Exists(CardFile(kForeignToo)));
  ASSERT_EQ(dlg->m_listFiles.GetItemCount(), 1);
  EXPECT_EQ(dlg->m_listFiles.GetItemText(0, COL_NAME), CString(kOther));
}

}  // namespace
