#pragma once
// Every caption, tooltip and message of the program in Korean, English, Japanese and
// Russian, looked up by key in the main window's language.
#include "platform/base/Map.h"
#include "platform/base/String.h"

constexpr WORD LANG_ID_KOREAN = 1042;
constexpr WORD LANG_ID_ENGLISH = 1033;
constexpr WORD LANG_ID_JAPANESE = 1041;
constexpr WORD LANG_ID_RUSSIAN = 1049;

class CLangStringTable {
public:
  CLangStringTable();
  ~CLangStringTable();
  CLangStringTable(const CLangStringTable&) = delete;
  CLangStringTable& operator=(const CLangStringTable&) = delete;

  // The text in the main window's language; empty for an unknown key or language.
  CString GetString(CString key) const;
  // The text in the given language; empty for an unknown key or language.
  CString GetString(CString key, WORD langID) const;
  // How many keys the language has; 0 for an unknown language.
  INT_PTR GetCount(WORD langID) const;

private:
  using StringMap = CMap<LPCWSTR, LPCWSTR, CString, LPCWSTR>;

  void LoadStrings();
  void AddString(LPCWSTR key, LPCWSTR korean, LPCWSTR english, LPCWSTR japanese, LPCWSTR russian);
  const StringMap* MapFor(WORD langID) const;

  StringMap m_mapKorean;
  StringMap m_mapEnglish;
  StringMap m_mapJapanese;
  StringMap m_mapRussian;
};
