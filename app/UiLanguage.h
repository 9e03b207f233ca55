#pragma once
// The language of the program's texts: chosen once at start from the registry value
// "language" or the system's language, and read back through the main window.
#include "platform/base/String.h"
#include "platform/base/WinTypes.h"

// Implemented by the main window, which carries the language id.
class ILangSource {
public:
  virtual ~ILangSource() = default;
  virtual WORD GetLangID() const = 0;
};

// The main window's language id; false when there is no main window that carries one.
bool GetUiLanguage(WORD& langID);

// The id for a "language" text (as _wtoi reads it, low 16 bits) and the system's default
// id: 0 takes the system's id; Korean, Japanese and Russian stay; anything else is English.
WORD LanguageIDFromSetting(const CString& setting, WORD systemDefault);

// Reads "language" under HKEY_CURRENT_USER "SOFTWARE\NIMB\RODEMIR" and applies the rule.
WORD ChooseLanguageID();
