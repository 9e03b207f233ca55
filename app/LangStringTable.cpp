#include "app/LangStringTable.h"

#include "app/UiLanguage.h"

CLangStringTable::CLangStringTable() {
  for (StringMap* map : {&m_mapKorean, &m_mapEnglish, &m_mapJapanese, &m_mapRussian}) map->InitHashTable(17);
  LoadStrings();
}

CLangStringTable::~CLangStringTable() {
  for (StringMap* map : {&m_mapRussian, &m_mapJapanese, &m_mapEnglish, &m_mapKorean}) map->RemoveAll();
}

void CLangStringTable::AddString(LPCWSTR key, LPCWSTR korean, LPCWSTR english, LPCWSTR japanese, LPCWSTR russian) {
  m_mapKorean.SetAt(key, korean);
  m_mapEnglish.SetAt(key, english);
  m_mapJapanese.SetAt(key, japanese);
  m_mapRussian.SetAt(key, russian);
}

const CLangStringTable::StringMap* CLangStringTable::MapFor(WORD langID) const {
  switch (langID) {
    case LANG_ID_KOREAN: return &m_mapKorean;
    case LANG_ID_ENGLISH: return &m_mapEnglish;
    case LANG_ID_JAPANESE: return &m_mapJapanese;
    case LANG_ID_RUSSIAN: return &m_mapRussian;
    default: return nullptr;
  }
}

CString CLangStringTable::GetString(CString key) const {
  WORD langID = 0;
  if (!GetUiLanguage(langID)) return CString();
  return GetString(key, langID);
}

CString CLangStringTable::GetString(CString key, WORD langID) const {
  CString text;
  const StringMap* map = MapFor(langID);
  if (map && map->Lookup(key, text)) return text;
  return CString();
}

INT_PTR CLangStringTable::GetCount(WORD langID) const {
  const StringMap* map = MapFor(langID);
  return map ? map->GetCount() : 0;
}
