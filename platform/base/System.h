#pragma once
// Process-wide services: sleeping, the millisecond tick, the executable's own path.
#include "platform/base/String.h"
#include "platform/base/WinTypes.h"

struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;

void Sleep(DWORD dwMilliseconds);
// Milliseconds since an arbitrary start, wrapping at 2^32.
DWORD GetTickCount();
ULONGLONG GetTickCount64();
// The executable's full path (FileSystemToWide); hModule must be null.
DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);
// The folder of the executable, with a trailing "/".
CString GetModuleFolder();
// _wtoi: optional white space and sign, then decimal digits up to the first other character.
int _wtoi(const wchar_t* s);

[[noreturn]] void AfxThrowInvalidArgException();

// The language id of the user's locale (LC_ALL, then LC_MESSAGES, then LANG): ko 1042,
// ja 1041, ru 1049, en_US 1033, en_GB 2057, ...; C, POSIX or unknown give 1033.
LANGID GetSystemDefaultLangID();
// The same mapping for one locale name such as "ru_RU.UTF-8".
LANGID LangIDFromLocaleName(const char* name);
// The language of the texts the layer shows on this thread: the one set, else the system's.
LANGID GetThreadUILanguage();
// Sets it for this thread (0 returns to the system's) and returns it.
LANGID SetThreadUILanguage(LANGID LangId);
