#include "platform/base/PlatformText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>

#include "platform/base/System.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/ScopedUiLanguage.h"

namespace {

using platform::GetPlatformText;
using platform::PlatformText;

// The placeholders and the access-key mark a text carries, in any order: a translation
// must keep both.
std::string Marks(const std::wstring& text) {
  std::string marks;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == L'%' && text[i + 1] >= L'1' && text[i + 1] <= L'9') marks += static_cast<char>(text[i + 1]);
  }
  if (text.find(L'_') != std::wstring::npos) marks += '_';
  std::sort(marks.begin(), marks.end());
  return marks;
}

}  // namespace

TEST(PlatformTextTest, EveryTextComesInAllFourLanguagesWithItsPlaceholders) {
  for (int i = 0; i < static_cast<int>(PlatformText::Count); ++i) {
    auto id = static_cast<PlatformText>(i);
    std::wstring english = GetPlatformText(id, 1033);
    ASSERT_FALSE(english.empty()) << "text " << i << " has no row";
    for (LANGID language : platform::kTextLanguages) {
      std::wstring text = GetPlatformText(id, language);
      EXPECT_FALSE(text.empty()) << "text " << i << " in language " << language;
      EXPECT_EQ(Marks(text), Marks(english)) << "text " << i << " in language " << language;
    }
  }
}

TEST(PlatformTextTest, TheThreadsUiLanguageChoosesElseTheSystemsLanguage) {
  testsupport::ScopedEnv all("LC_ALL", "ru_RU.UTF-8");
  EXPECT_EQ(GetThreadUILanguage(), 1049);
  EXPECT_EQ(GetPlatformText(PlatformText::ErrorCaption), L"Ошибка");
  {
    platform::test::ScopedUiLanguage korean(1042);
    EXPECT_EQ(GetPlatformText(PlatformText::ErrorCaption), L"오류");
    std::wstring elsewhere;
    std::thread([&] { elsewhere = GetPlatformText(PlatformText::ErrorCaption); }).join();
    EXPECT_EQ(elsewhere, L"Ошибка");
  }
  EXPECT_EQ(GetPlatformText(PlatformText::ErrorCaption), L"Ошибка");
  for (LANGID other : {LANGID(2057), LANGID(1031), LANGID(1043)}) {
    platform::test::ScopedUiLanguage language(other);
    EXPECT_EQ(GetPlatformText(PlatformText::ErrorCaption), L"Error") << other;
  }
  platform::test::ScopedUiLanguage japanese(1041);
  EXPECT_EQ(GetPlatformText(PlatformText::ButtonCancel), L"キャンセル(_C)");
}

TEST(PlatformTextTest, ArgumentsTakeTheirPlacesAndOtherPercentSignsStay) {
  platform::test::ScopedUiLanguage english(1033);
  EXPECT_EQ(platform::FormatPlatformText(PlatformText::DeleteManyQuestion, {L"3"}), L"Delete these 3 files?");
  EXPECT_EQ(platform::ReplacePlaceholders(L"100% %2 then %1, %3%", {L"a", L"b"}), L"100% b then a, %3%");
  EXPECT_EQ(platform::ReplacePlaceholders(L"%1%1", {L"%2", L"x"}), L"%2%2");
}
