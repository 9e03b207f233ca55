#include "platform/base/PlatformText.h"

#include "platform/base/System.h"
#include "platform/base/detail/PlatformTextRows.h"

namespace platform {

namespace {

const wchar_t* InLanguage(const detail::PlatformTextRow& row, LANGID language) {
  switch (language & 0x3FF) {  // the primary language, whatever the country
    case 0x12: return row.korean;
    case 0x11: return row.japanese;
    case 0x19: return row.russian;
    default: return row.english;
  }
}

}  // namespace

std::wstring GetPlatformText(PlatformText id, LANGID language) {
  size_t count = 0;
  const detail::PlatformTextRow* rows = detail::PlatformTextRows(&count);
  for (size_t i = 0; i < count; ++i) {
    if (rows[i].id != id) continue;
    const wchar_t* text = InLanguage(rows[i], language);
    return text ? text : L"";
  }
  return {};
}

std::wstring GetPlatformText(PlatformText id) { return GetPlatformText(id, GetThreadUILanguage()); }

std::wstring FormatPlatformText(PlatformText id, std::initializer_list<std::wstring> arguments) {
  return ReplacePlaceholders(GetPlatformText(id), arguments);
}

std::wstring ReplacePlaceholders(const std::wstring& text, std::initializer_list<std::wstring> arguments) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    size_t n = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - L'1') : arguments.size();
    if (text[i] == L'%' && n < arguments.size()) {
      out += arguments.begin()[n];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace platform
