#pragma once
// CString: the class library's string, on wide characters. Text converts to and from
// UTF-8; paths to and from the file system's bytes (FileSystemToWide below).
#include <cstdarg>
#include <functional>
#include <iosfwd>
#include <string>

#include "platform/base/WinTypes.h"

class CString {
public:
  CString() = default;
  CString(const wchar_t* s) : m_str(s ? s : L"") {}
  CString(const wchar_t* s, int nLength)
      : m_str(s ? std::wstring(s, static_cast<size_t>(nLength > 0 ? nLength : 0)) : std::wstring()) {}
  CString(wchar_t ch, int nRepeat = 1) : m_str(static_cast<size_t>(nRepeat > 0 ? nRepeat : 0), ch) {}
  CString(const std::wstring& s) : m_str(s) {}
  // Narrow text is UTF-8.
  explicit CString(const char* utf8);
  explicit CString(const std::string& utf8);

  static CString FromUtf8(const std::string& utf8);
  std::string ToUtf8() const;

  int GetLength() const { return static_cast<int>(m_str.size()); }
  BOOL IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }
  wchar_t GetAt(int i) const;
  void SetAt(int i, wchar_t ch);
  wchar_t operator[](int i) const { return GetAt(i); }
  operator const wchar_t*() const { return m_str.c_str(); }
  const wchar_t* GetString() const { return m_str.c_str(); }
  const std::wstring& str() const { return m_str; }

  CString& operator=(const wchar_t* s) {
    m_str = s ? s : L"";
    return *this;
  }
  CString& operator=(wchar_t ch) {
    m_str.assign(1, ch);
    return *this;
  }
  CString& operator+=(const CString& s) {
    m_str += s.m_str;
    return *this;
  }
  CString& operator+=(const wchar_t* s) {
    if (s) m_str += s;
    return *this;
  }
  CString& operator+=(wchar_t ch) {
    m_str += ch;
    return *this;
  }

  int Compare(const wchar_t* s) const;
  int CompareNoCase(const wchar_t* s) const;

  CString Left(int nCount) const;
  CString Right(int nCount) const;
  CString Mid(int nFirst) const;
  CString Mid(int nFirst, int nCount) const;

  int Find(wchar_t ch, int nStart = 0) const;
  int Find(const wchar_t* sub, int nStart = 0) const;
  int ReverseFind(wchar_t ch) const;
  int FindOneOf(const wchar_t* chars) const;

  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();
  int Replace(wchar_t chOld, wchar_t chNew);
  int Replace(const wchar_t* oldText, const wchar_t* newText);
  int Remove(wchar_t ch);
  int Insert(int nIndex, const wchar_t* s);
  int Insert(int nIndex, wchar_t ch);
  int Delete(int nIndex, int nCount = 1);
  CString& Trim();
  CString& Trim(wchar_t ch);
  CString& Trim(const wchar_t* chars);
  CString& TrimLeft();
  CString& TrimLeft(wchar_t ch);
  CString& TrimLeft(const wchar_t* chars);
  CString& TrimRight();
  CString& TrimRight(wchar_t ch);
  CString& TrimRight(const wchar_t* chars);

  // printf-style formatting where, as in the class library's wide functions, %s and %c
  // take wide arguments and %S and %C narrow ones.
  void Format(const wchar_t* fmt, ...);
  void FormatV(const wchar_t* fmt, va_list args);
  void AppendFormat(const wchar_t* fmt, ...);

  // A writable buffer of at least nMinLength characters plus a terminator; ReleaseBuffer
  // takes the length up to the first zero (or nNewLength when given).
  wchar_t* GetBuffer(int nMinLength = 0);
  wchar_t* GetBufferSetLength(int nLength);
  void ReleaseBuffer(int nNewLength = -1);

  friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
  friend bool operator==(const CString& a, const wchar_t* b) { return a.m_str == (b ? b : L""); }
  friend bool operator==(const wchar_t* a, const CString& b) { return b == a; }
  friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
  friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
  friend bool operator!=(const wchar_t* a, const CString& b) { return !(b == a); }
  friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }
  friend bool operator>(const CString& a, const CString& b) { return a.m_str > b.m_str; }
  friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
  friend CString operator+(const CString& a, const wchar_t* b) { return CString(a.m_str + (b ? b : L"")); }
  friend CString operator+(const wchar_t* a, const CString& b) { return CString((a ? a : L"") + b.m_str); }
  friend CString operator+(const CString& a, wchar_t b) { return CString(a.m_str + b); }
  friend CString operator+(wchar_t a, const CString& b) { return CString(a + b.m_str); }

private:
  std::wstring m_str;
};

namespace std {
template <>
struct hash<CString> {
  size_t operator()(const CString& s) const noexcept { return hash<wstring>()(s.str()); }
};
}  // namespace std

// Writes the text as UTF-8.
std::ostream& operator<<(std::ostream& os, const CString& s);

// UTF-8 <-> wide conversions of text; invalid input bytes become U+FFFD, and so does a
// code point that stands for a file name's byte (below): what goes to the screen is text.
std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);

// File-system names (bytes) <-> wide paths, losslessly: valid UTF-8 decodes as text, and
// each byte b that is not part of valid UTF-8 becomes U+DC00 + b (U+DC80..U+DCFF, lone
// surrogates, which no valid UTF-8 decodes to) and maps back to b. Every path that
// crosses between the program and the operating system goes through these two.
std::wstring FileSystemToWide(const std::string& bytes);
std::string WideToFileSystem(const std::wstring& path);
// The code point FileSystemToWide gives a byte that is not text.
inline bool IsRawByteCodePoint(wchar_t c) { return c >= 0xDC80 && c <= 0xDCFF; }

// Parses the class library's wide printf format into the C library's.
std::wstring TranslateWideFormat(const wchar_t* fmt);
