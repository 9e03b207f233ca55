#include "platform/base/System.h"

#include <unistd.h>

#include <chrono>
#include <climits>
#include <cwctype>
#include <stdexcept>
#include <thread>

void Sleep(DWORD dwMilliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds)); }

ULONGLONG GetTickCount64() {
  using namespace std::chrono;
  return static_cast<ULONGLONG>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

DWORD GetTickCount() { return static_cast<DWORD>(GetTickCount64()); }

DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
  if (hModule != nullptr || lpFilename == nullptr || nSize == 0) return 0;
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return 0;
  std::wstring path = Utf8ToWide(std::string(buf, static_cast<size_t>(n)));
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
