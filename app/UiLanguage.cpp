#include "app/UiLanguage.h"

#include "app/LangStringTable.h"
#include "platform/base/Registry.h"
#include "platform/base/System.h"
#include "platform/base/Thread.h"
#include "platform/win/Wnd.h"

WORD LanguageIDFromSetting(const CString& setting, WORD systemDefault) {
  WORD id = static_cast<WORD>(_wtoi(setting));
  if (id == 0) id = systemDefault;
  if (id == LANG_ID_JAPANESE || id == LANG_ID_KOREAN || id == LANG_ID_RUSSIAN) return id;
  return LANG_ID_ENGLISH;
}

WORD ChooseLanguageID() {
  CString setting;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\NIMB\\RODEMIR", 0, KEY_READ, &key) == ERROR_SUCCESS) {
    // At most 128 characters, whatever the size of a wide character; the rest of the buffer
    // stays zero, so the text ends inside it.
    wchar_t buffer[256] = {};
    DWORD bytes = 128 * sizeof(wchar_t);
    if (RegQueryValueExW(key, L"language", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &bytes) == ERROR_SUCCESS)
      setting = buffer;
    RegCloseKey(key);
  }
  return LanguageIDFromSetting(setting, GetSystemDefaultLangID());
}

bool GetUiLanguage(WORD& langID) {
  CWinThread* thread = AfxGetThread();
  CWnd* mainWnd = thread ? thread->m_pMainWnd : nullptr;
  const auto* source = dynamic_cast<const ILangSource*>(mainWnd);
  if (!source) return false;
  langID = source->GetLangID();
  return true;
}
