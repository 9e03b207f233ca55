#include "platform/gdi/detail/PathEllipsis.h"

namespace platform::detail {

std::wstring ElidePath(const std::wstring& text, const std::function<bool(const std::wstring&)>& fits) {
  if (fits(text)) return text;
  const size_t separator = text.find_last_of(L"/\\");
  const size_t kept = separator == std::wstring::npos ? text.size() : separator;
  const std::wstring end = L"\u2026" + text.substr(kept);
  // The longest start that fits before the end: the fit only shrinks as the start grows.
  size_t shortest = 0, longest = kept;
  while (shortest < longest) {
    const size_t length = (shortest + longest + 1) / 2;
    if (fits(text.substr(0, length) + end)) shortest = length;
    else longest = length - 1;
  }
  return text.substr(0, shortest) + end;
}

}  // namespace platform::detail
