#include "platform/base/String.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <ostream>
#include <stdexcept>
#include <vector>

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Decodes one UTF-8 sequence at s[i]; advances i. Returns U+FFFD for a malformed one.
wchar_t DecodeOne(const std::string& s, size_t& i) {
  unsigned char c = static_cast<unsigned char>(s[i++]);
  if (c < 0x80) return c;
  int extra = (c >= 0xF0 && c < 0xF5) ? 3 : (c >= 0xE0) && c < 0xF0 ? 2 : (c >= 0xC2 && c < 0xE0) ? 1 : -1;
  if (extra < 0) return 0xFFFD;
  char32_t cp = c & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size() || !IsContinuation(static_cast<unsigned char>(s[i]))) return 0xFFFD;
    cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  static const char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0xFFFD;
  return static_cast<wchar_t>(cp);
}

void EncodeOne(char32_t cp, std::string& out) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsSpace(wchar_t c) {
  return std::iswspace(static_cast<wint_t>(c)) != 0 || c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

wchar_t FoldCase(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c - L'A' + L'a');
  return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
}

wchar_t ToUpperChar(wchar_t c) {
  if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - L'a' + L'A');
  return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
}

}  // namespace

std::wstring Utf8ToWide(const std::string& utf8) {
  std::wstring out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) out += DecodeOne(utf8, i);
  return out;
}

std::string WideToUtf8(const std::wstring& wide) {
  std::string out;
  out.reserve(wide.size());
  for (wchar_t c : wide) EncodeOne(static_cast<char32_t>(c), out);
  return out;
}

std::wstring FileSystemToWide(const std::string& bytes) {
  static const std::string kReplacement = "\xEF\xBF\xBD";
  std::wstring out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    const size_t start = i;
    wchar_t c = DecodeOne(bytes, i);
    if (c == 0xFFFD && bytes.compare(start, i - start, kReplacement) != 0) {
      // Not text: this one byte stands for itself, and decoding goes on after it.
      c = static_cast<wchar_t>(0xDC00 | static_cast<unsigned char>(bytes[start]));
      i = start + 1;
    }
    out += c;
  }
  return out;
}

std::string WideToFileSystem(const std::wstring& path) {
  std::string out;
  out.reserve(path.size());
  for (wchar_t c : path) {
    if (IsRawByteCodePoint(c)) out += static_cast<char>(c & 0xFF);
    else EncodeOne(static_cast<char32_t>(c), out);
  }
  return out;
}

CString::CString(const char* utf8) : m_str(utf8 ? Utf8ToWide(utf8) : std::wstring()) {}
CString::CString(const std::string& utf8) : m_str(Utf8ToWide(utf8)) {}

CString CString::FromUtf8(const std::string& utf8) { return CString(utf8); }
std::string CString::ToUtf8() const { return WideToUtf8(m_str); }

wchar_t CString::GetAt(int i) const {
  if (i < 0 || i >= GetLength()) throw std::invalid_argument("CString::GetAt index out of range");
  return m_str[static_cast<size_t>(i)];
}

void CString::SetAt(int i, wchar_t ch) {
  if (i < 0 || i >= GetLength()) throw std::invalid_argument("CString::SetAt index out of range");
  m_str[static_cast<size_t>(i)] = ch;
}

int CString::Compare(const wchar_t* s) const { return m_str.compare(s ? s : L""); }

int CString::CompareNoCase(const wchar_t* s) const {
  const wchar_t* a = m_str.c_str();
  const wchar_t* b = s ? s : L"";
  for (;; ++a, ++b) {
    wchar_t ca = FoldCase(*a), cb = FoldCase(*b);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
}

CString CString::Left(int nCount) const {
  nCount = std::clamp(nCount, 0, GetLength());
  return CString(m_str.substr(0, static_cast<size_t>(nCount)));
}

CString CString::Right(int nCount) const {
  nCount = std::clamp(nCount, 0, GetLength());
  return CString(m_str.substr(static_cast<size_t>(GetLength() - nCount)));
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const {
  nFirst = std::clamp(nFirst, 0, GetLength());
  nCount = std::clamp(nCount, 0, GetLength() - nFirst);
  return CString(m_str.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)));
}

int CString::Find(wchar_t ch, int nStart) const {
  if (nStart < 0 || nStart >= GetLength()) return -1;
  size_t at = m_str.find(ch, static_cast<size_t>(nStart));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* sub, int nStart) const {
  if (sub == nullptr || nStart < 0 || nStart > GetLength()) return -1;
  size_t at = m_str.find(sub, static_cast<size_t>(nStart));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const {
  size_t at = m_str.rfind(ch);
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(const wchar_t* chars) const {
  size_t at = m_str.find_first_of(chars ? chars : L"");
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

CString& CString::MakeUpper() {
  for (wchar_t& c : m_str) c = ToUpperChar(c);
  return *this;
}

CString& CString::MakeLower() {
  for (wchar_t& c : m_str) c = FoldCase(c);
  return *this;
}

CString& CString::MakeReverse() {
  std::reverse(m_str.begin(), m_str.end());
  return *this;
}

int CString::Replace(wchar_t chOld, wchar_t chNew) {
  int n = 0;
  for (wchar_t& c : m_str)
    if (c == chOld) {
      c = chNew;
      ++n;
    }
  return n;
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText) {
  if (oldText == nullptr || *oldText == 0) return 0;
  std::wstring from(oldText), to(newText ? newText : L"");
  int n = 0;
  for (size_t at = m_str.find(from); at != std::wstring::npos; at = m_str.find(from, at + to.size())) {
    m_str.replace(at, from.size(), to);
    ++n;
  }
  return n;
}

int CString::Remove(wchar_t ch) {
  size_t before = m_str.size();
  m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
  return static_cast<int>(before - m_str.size());
}

int CString::Insert(int nIndex, const wchar_t* s) {
  nIndex = std::clamp(nIndex, 0, GetLength());
  m_str.insert(static_cast<size_t>(nIndex), s ? s : L"");
  return GetLength();
}

int CString::Insert(int nIndex, wchar_t ch) {
  wchar_t s[2] = {ch, 0};
  return Insert(nIndex, s);
}

int CString::Delete(int nIndex, int nCount) {
  nIndex = std::max(nIndex, 0);
  if (nCount > 0 && nIndex < GetLength())
    m_str.erase(static_cast<size_t>(nIndex), static_cast<size_t>(std::min(nCount, GetLength() - nIndex)));
  return GetLength();
}

CString& CString::TrimLeft() {
  size_t i = 0;
  while (i < m_str.size() && IsSpace(m_str[i])) ++i;
  m_str.erase(0, i);
  return *this;
}

CString& CString::TrimRight() {
  size_t n = m_str.size();
  while (n > 0 && IsSpace(m_str[n - 1])) --n;
  m_str.resize(n);
  return *this;
}

CString& CString::TrimLeft(const wchar_t* chars) {
  size_t at = m_str.find_first_not_of(chars ? chars : L"");
  m_str.erase(0, at == std::wstring::npos ? m_str.size() : at);
  return *this;
}

CString& CString::TrimRight(const wchar_t* chars) {
  size_t at = m_str.find_last_not_of(chars ? chars : L"");
  m_str.resize(at == std::wstring::npos ? 0 : at + 1);
  return *this;
}

CString& CString::TrimLeft(wchar_t ch) {
  wchar_t s[2] = {ch, 0};
  return TrimLeft(s);
}
CString& CString::TrimRight(wchar_t ch) {
  wchar_t s[2] = {ch, 0};
  return TrimRight(s);
}
CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(wchar_t ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(const wchar_t* chars) { return TrimRight(chars).TrimLeft(chars); }

std::wstring TranslateWideFormat(const wchar_t* fmt) {
  std::wstring out;
  for (const wchar_t* p = fmt; p && *p; ++p) {
    out += *p;
    if (*p != L'%') continue;
    ++p;
    if (*p == L'%') {
      out += L'%';
      continue;
    }
    // Flags, width, precision.
    while (*p && std::wcschr(L"-+ #0123456789.*", *p)) out += *p++;
    bool narrow = false, wide = false;
    if (*p == L'h' && (p[1] == L's' || p[1] == L'c')) {
      narrow = true;
      ++p;
    } else if ((*p == L'l' || *p == L'w') && (p[1] == L's' || p[1] == L'c')) {
      wide = true;
      ++p;
    } else if (std::wcsncmp(p, L"I64", 3) == 0) {
      out += L"ll";
      p += 3;
    } else if (*p == L'I' && (p[1] == L'd' || p[1] == L'u' || p[1] == L'x' || p[1] == L'X')) {
      out += L'z';
      ++p;
    } else {
      while (*p && std::wcschr(L"hlLqjzt", *p)) out += *p++;
    }
    if (*p == 0) break;
    switch (*p) {
      case L's': out += narrow ? L"s" : L"ls"; break;
      case L'c': out += narrow ? L"c" : L"lc"; break;
      case L'S': out += wide ? L"ls" : L"s"; break;
      case L'C': out += wide ? L"lc" : L"c"; break;
      default: out += *p; break;
    }
  }
  return out;
}

void CString::FormatV(const wchar_t* fmt, va_list args) {
  std::wstring f = TranslateWideFormat(fmt);
  std::vector<wchar_t> buf(256);
  for (;;) {
    va_list copy;
    va_copy(copy, args);
    int n = std::vswprintf(buf.data(), buf.size(), f.c_str(), copy);
    va_end(copy);
    if (n >= 0 && static_cast<size_t>(n) < buf.size()) {
      m_str.assign(buf.data(), static_cast<size_t>(n));
      return;
    }
    if (buf.size() > (1u << 20)) {  // an encoding error, not a short buffer
      m_str.clear();
      return;
    }
    buf.resize(buf.size() * 4);
  }
}

void CString::Format(const wchar_t* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  FormatV(fmt, args);
  va_end(args);
}

void CString::AppendFormat(const wchar_t* fmt, ...) {
  CString tail;
  va_list args;
  va_start(args, fmt);
  tail.FormatV(fmt, args);
  va_end(args);
  m_str += tail.m_str;
}

wchar_t* CString::GetBuffer(int nMinLength) {
  if (nMinLength > GetLength()) m_str.resize(static_cast<size_t>(nMinLength));
  return m_str.data();
}

wchar_t* CString::GetBufferSetLength(int nLength) {
  m_str.resize(static_cast<size_t>(std::max(nLength, 0)));
  return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength) {
  if (nNewLength < 0) nNewLength = static_cast<int>(std::wcslen(m_str.c_str()));
  m_str.resize(static_cast<size_t>(std::min(nNewLength, GetLength())));
}

std::ostream& operator<<(std::ostream& os, const CString& s) { return os << s.ToUtf8(); }
