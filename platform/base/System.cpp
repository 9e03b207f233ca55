#include "platform/base/System.h"

#include "platform/base/detail/ModuleFile.h"

#include <unistd.h>

#include <chrono>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <string>
#include <cwctype>
#include <stdexcept>
#include <thread>

void Sleep(DWORD dwMilliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds)); }

ULONGLONG GetTickCount64() {
  using namespace std::chrono;
  return static_cast<ULONGLONG>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

DWORD GetTickCount() { return static_cast<DWORD>(GetTickCount64()); }

namespace {

std::string& ModuleFileOverride() {
  static std::string path;
  return path;
}

}  // namespace

void platform::detail::SetModuleFile(const std::string& path) { ModuleFileOverride() = path; }

DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
  if (hModule != nullptr || lpFilename == nullptr || nSize == 0) return 0;
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return 0;
  std::string file = ModuleFileOverride().empty() ? std::string(buf, static_cast<size_t>(n)) : ModuleFileOverride();
  std::wstring path = FileSystemToWide(file);
  // Too small a buffer gets the truncated path and its full size, as the original call.
  DWORD copied = static_cast<DWORD>(std::min<size_t>(path.size(), nSize - 1));
  path.copy(lpFilename, copied);
  lpFilename[copied] = 0;
  return copied < path.size() ? nSize : copied;
}

CString GetModuleFolder() {
  wchar_t buf[4096] = {};
  GetModuleFileNameW(nullptr, buf, 4096);
  CString path(buf);
  return path.Left(path.ReverseFind(L'/') + 1);
}

int _wtoi(const wchar_t* s) {
  if (!s) return 0;
  while (std::iswspace(static_cast<wint_t>(*s))) ++s;
  bool negative = false;
  if (*s == L'+' || *s == L'-') negative = (*s++ == L'-');
  long long v = 0;
  for (; *s >= L'0' && *s <= L'9'; ++s) {
    v = v * 10 + (*s - L'0');
    if (v > static_cast<long long>(INT_MAX) + 1) v = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) v = -v;
  if (v > INT_MAX) v = INT_MAX;
  return static_cast<int>(v);
}

void AfxThrowInvalidArgException() { throw std::invalid_argument("invalid argument"); }

LANGID LangIDFromLocaleName(const char* name) {
  struct Entry {
    const char* prefix;
    LANGID id;
  };
  // Longer prefixes first, so a country-specific id wins over its language's default.
  static const Entry kIds[] = {
      {"en_GB", 2057}, {"en_AU", 3081}, {"en_CA", 4105}, {"en", 1033}, {"ko", 1042}, {"ja", 1041},
      {"ru", 1049},    {"de", 1031},    {"fr", 1036},    {"es", 3082}, {"it", 1040}, {"zh_TW", 1028},
      {"zh", 2052},    {"pt_BR", 1046}, {"pt", 2070},    {"uk", 1058}, {"pl", 1045}, {"nl", 1043},
  };
  if (!name || !*name || std::string(name) == "C" || std::string(name) == "POSIX") return 1033;
  std::string locale(name);
  for (const Entry& e : kIds) {
    std::string prefix(e.prefix);
    if (locale.compare(0, prefix.size(), prefix) == 0 &&
        (locale.size() == prefix.size() || !std::isalpha(static_cast<unsigned char>(locale[prefix.size()]))))
      return e.id;
  }
  return 1033;
}

namespace {
thread_local LANGID t_uiLanguage = 0;
}  // namespace

LANGID GetThreadUILanguage() { return t_uiLanguage ? t_uiLanguage : GetSystemDefaultLangID(); }

LANGID SetThreadUILanguage(LANGID LangId) {
  t_uiLanguage = LangId;
  return GetThreadUILanguage();
}

LANGID GetSystemDefaultLangID() {
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(var);
    if (value && *value) return LangIDFromLocaleName(value);
  }
  return 1033;
}
