#include "app/LangStringTable.h"

#include <gtest/gtest.h>

#include "app/UiLanguage.h"
#include "platform/base/Registry.h"
#include "platform/base/System.h"
#include "platform/base/Thread.h"
#include "platform/win/Wnd.h"
#include "tests/support/TempDir.h"

TEST(LangStringTableTest, LooksUpEachLanguageExactly) {
  CLangStringTable table;
  EXPECT_EQ(table.GetString(L"PLAYERDLG_PLAY", LANG_ID_KOREAN), L"Play");  // the Korean row keeps the English word
  EXPECT_EQ(table.GetString(L"PLAYERDLG_PLAY", LANG_ID_RUSSIAN), L"Воспроизвести");
  EXPECT_EQ(table.GetString(L"PLAYERDLG_FORWARD", LANG_ID_JAPANESE), L"Froward");
  EXPECT_EQ(table.GetString(L"ALERTDLG_NO_MEMORYCARD", LANG_ID_ENGLISH), L"Can't find the memory card.");
  EXPECT_EQ(table.GetString(L"SPLITDLG_SPLITING_TITLE", LANG_ID_KOREAN), L"분할중...");
  EXPECT_EQ(table.GetString(L"PLAYERDLG_NO_FILTER", LANG_ID_ENGLISH),
            L"Video filter is not registered.\nPlease re-install KELVANE.");
  EXPECT_EQ(table.GetString(L"MONTHDLG_TITLE", LANG_ID_RUSSIAN), L"Выбор даты");  // a date choice, not a delete
  EXPECT_EQ(table.GetString(L"PLAYERDLG_VERSION", LANG_ID_JAPANESE), L"2.0.3");
  // Keys compare with case; no language falls back to another.
  EXPECT_EQ(table.GetString(L"playerdlg_play", LANG_ID_ENGLISH), L"");
  EXPECT_EQ(table.GetString(L"PLAYERDLG_PLAY", 1031), L"");
  for (WORD id : {LANG_ID_ENGLISH, LANG_ID_JAPANESE, LANG_ID_RUSSIAN})
    EXPECT_EQ(table.GetString(L"INFODLG_AS_TEL", id), L"");
  EXPECT_NE(table.GetString(L"INFODLG_AS_TEL", LANG_ID_KOREAN), L"");
}

// All 76 keys, each with a text in every language, and no other key; the support centre's
// telephone number is the one text that only Korean has.
TEST(LangStringTableTest, EveryKeyHasATextInEveryLanguage) {
  const wchar_t* keys[] = {L"PLAYERDLG_VERSION",
                           L"PLAYERDLG_INFORMATION",
                           L"PLAYERDLG_MINIMIZE",
                           L"PLAYERDLG_CLOSE",
                           L"PLAYERDLG_FRONT",
                           L"PLAYERDLG_REAR",
                           L"PLAYERDLG_ALL",
                           L"PLAYERDLG_FLIPVERTICAL",
                           L"PLAYERDLG_FLIPHORIZONTAL",
                           L"PLAYERDLG_CAPTURE",
                           L"PLAYERDLG_EXTEND",
                           L"PLAYERDLG_SPLIT",
                           L"PLAYERDLG_FOLDER",
                           L"PLAYERDLG_CALENDER",
                           L"PLAYERDLG_SAVE",
                           L"PLAYERDLG_DELETE",
                           L"PLAYERDLG_FILE_ALL",
                           L"PLAYERDLG_FILE_NORMAL",
                           L"PLAYERDLG_FILE_EVENT",
                           L"PLAYERDLG_FILE_MOTION",
                           L"PLAYERDLG_REWIND",
                           L"PLAYERDLG_FORWARD",
                           L"PLAYERDLG_PLAY",
                           L"PLAYERDLG_PAUSE",
                           L"PLAYERDLG_PREV",
                           L"PLAYERDLG_NEXT",
                           L"PLAYERDLG_SPEED",
                           L"PLAYERDLG_VOLUME",
                           L"PLAYERDLG_BRIGHTNESS",
                           L"PLAYERDLG_REDUCE",
                           L"PLAYERDLG_FILELIST",
                           L"PLAYERDLG_SHOW_LARGEMAP",
                           L"PLAYERDLG_SHOW_MAP",
                           L"PLAYERDLG_HIDE_MAP",
                           L"PLAYERDLG_REDUCE_MAP",
                           L"PLAYERDLG_NO_FILTER",
                           L"INFODLG_INFORMATION",
                           L"INFODLG_MEMORY_INFORMATION",
                           L"INFODLG_TOTAL_SPACE",
                           L"INFODLG_FREE_SPACE",
                           L"INFODLG_USED_SPACE",
                           L"INFODLG_NORMAL",
                           L"INFODLG_EVENT",
                           L"INFODLG_MOTION",
                           L"INFODLG_VERSION_INFORMATION",
                           L"INFODLG_FIRMWARE_VERSION",
                           L"INFODLG_KELVANE_VERSION",
                           L"INFODLG_CLOSE",
                           L"INFODLG_AS_TITLE",
                           L"INFODLG_AS_INFO",
                           L"INFODLG_AS_TEL",
                           L"SELECTDLG_TITLE",
                           L"SELECTDLG_CONTEXT1_1",
                           L"SELECTDLG_CONTEXT1_2",
                           L"SELECTDLG_CONTEXT1_3",
                           L"MONTHDLG_TITLE",
                           L"FOLDERDLG_TITLE",
                           L"FOLDERDLG_CONTENTS",
                           L"SAVEDLG_TITLE",
                           L"SAVEDLG_CONTENTS",
                           L"ALERTDLG_NO_MEMORYCARD",
                           L"DELETEDLG_CONTEXT1_1",
                           L"DELETEDLG_CONTEXT1_2",
                           L"PLAYERDLG_GPS_FILENOTFOUND",
                           L"PLAYERDLG_PLAY_FAIL",
                           L"SPLITDLG_TITLE",
                           L"SPLITDLG_START_TITLE",
                           L"SPLITDLG_CANCEL_TITLE",
                           L"SPLITDLG_COMPLETE_TITLE",
                           L"SPLITDLG_SPLITING_TITLE",
                           L"SPLITDLG_FRONT_TITLE",
                           L"SPLITDLG_REAR_TITLE",
                           L"SPLITDLG_FRONT_FAIL",
                           L"SPLITDLG_REAR_FAIL",
                           L"SPLITDLG_FOLDER_FAIL",
                           L"SPLITDLG_NAME_FAIL"};
  ASSERT_EQ(std::size(keys), 76u);
  CLangStringTable table;
  for (WORD id : {LANG_ID_KOREAN, LANG_ID_ENGLISH, LANG_ID_JAPANESE, LANG_ID_RUSSIAN}) {
    EXPECT_EQ(table.GetCount(id), 76) << id;
    for (const wchar_t* key : keys) {
      if (id != LANG_ID_KOREAN && CString(key) == L"INFODLG_AS_TEL") continue;
      EXPECT_NE(table.GetString(key, id), L"") << CString(key).ToUtf8() << " " << id;
    }
  }
  EXPECT_EQ(table.GetCount(1031), 0);
}

TEST(UiLanguageTest, SettingRule) {
  EXPECT_EQ(LanguageIDFromSetting(L"1042", 1033), LANG_ID_KOREAN);
  EXPECT_EQ(LanguageIDFromSetting(L"1041", 1033), LANG_ID_JAPANESE);
  EXPECT_EQ(LanguageIDFromSetting(L"1049abc", 1033), LANG_ID_RUSSIAN);
  EXPECT_EQ(LanguageIDFromSetting(L" 1041", 1033), LANG_ID_JAPANESE);
  EXPECT_EQ(LanguageIDFromSetting(L"2057", 1049), LANG_ID_ENGLISH);
  EXPECT_EQ(LanguageIDFromSetting(L"1031", 1042), LANG_ID_ENGLISH);
  EXPECT_EQ(LanguageIDFromSetting(L"66578", 1033), LANG_ID_KOREAN);  // 1042 + 65536: low 16 bits
  EXPECT_EQ(LanguageIDFromSetting(L"abc", 1049), LANG_ID_RUSSIAN);
  EXPECT_EQ(LanguageIDFromSetting(L"", 1041), LANG_ID_JAPANESE);
  EXPECT_EQ(LanguageIDFromSetting(L"0", 1031), LANG_ID_ENGLISH);
}

TEST(UiLanguageTest, RegistryValueAndLocale) {
  testsupport::TempDir dir;
  setenv("RODEMIR_REGISTRY_DIR", dir.path().c_str(), 1);
  unsetenv("LC_ALL");
  unsetenv("LC_MESSAGES");
  setenv("LANG", "ja_JP.UTF-8", 1);
  EXPECT_EQ(GetSystemDefaultLangID(), 1041);
  EXPECT_EQ(ChooseLanguageID(), LANG_ID_JAPANESE);  // no value: the system's language

  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\NIMB\\RODEMIR", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  const wchar_t value[] = L"1049";
  RegSetValueExW(key, L"language", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
  RegCloseKey(key);
  EXPECT_EQ(ChooseLanguageID(), LANG_ID_RUSSIAN);

  // Up to 128 characters are read; a longer value is not, and the system's language holds.
  auto store = [&](const std::wstring& text) {
    RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\NIMB\\RODEMIR", 0, KEY_ALL_ACCESS, &key);
    RegSetValueExW(key, L"language", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  };
  store(L"1042" + std::wstring(100, L' '));
  EXPECT_EQ(ChooseLanguageID(), LANG_ID_KOREAN);
  store(L"1042" + std::wstring(200, L' '));
  EXPECT_EQ(ChooseLanguageID(), LANG_ID_JAPANESE);

  setenv("LC_ALL", "en_GB.UTF-8", 1);
  EXPECT_EQ(GetSystemDefaultLangID(), 2057);
  EXPECT_EQ(LangIDFromLocaleName("C"), 1033);
  EXPECT_EQ(LangIDFromLocaleName("ko_KR.UTF-8"), 1042);
  EXPECT_EQ(LangIDFromLocaleName("rue_UA"), 1033);  // not "ru"
}

namespace {

class FakeMainWindow : public CWnd, public ILangSource {
public:
  explicit FakeMainWindow(WORD id) : m_wLangID(id) {}
  WORD GetLangID() const override { return m_wLangID; }
  WORD m_wLangID;
};

class ScopedMainWindow {
public:
  ScopedMainWindow(CWinThread& thread, CWnd* wnd) : m_thread(thread) {
    m_thread.m_pMainWnd = wnd;
    AfxSetUiThread(&m_thread);
  }
  ~ScopedMainWindow() {
    m_thread.m_pMainWnd = nullptr;
    AfxSetUiThread(nullptr);
  }

private:
  CWinThread& m_thread;
};

}  // namespace

TEST(LangStringTableTest, FollowsTheMainWindowsLanguage) {
  CLangStringTable table;
  EXPECT_EQ(table.GetString(L"PLAYERDLG_CLOSE"), L"");  // no main window yet
  CWinThread ui;
  FakeMainWindow russian(LANG_ID_RUSSIAN);
  {
    ScopedMainWindow scope(ui, &russian);
    EXPECT_EQ(table.GetString(L"PLAYERDLG_CLOSE"), L"Закрыть");
    russian.m_wLangID = 1031;
    EXPECT_EQ(table.GetString(L"PLAYERDLG_CLOSE"), L"");
  }
  CWnd plain;
  ScopedMainWindow scope(ui, &plain);
  EXPECT_EQ(table.GetString(L"PLAYERDLG_CLOSE"), L"");  // a main window without a language
}
