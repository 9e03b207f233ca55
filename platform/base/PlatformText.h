#pragma once
// The texts the layer itself shows a person in place of the system's own (its dialogs'
// questions, errors, buttons and default titles, the calendar's names), in Korean,
// English, Japanese and Russian. The language is the thread's UI language; any language
// other than Korean, Japanese and Russian reads English.
#include <initializer_list>
#include <string>

#include "platform/base/WinTypes.h"

namespace platform {

enum class PlatformText {
  // Message boxes and the buttons of every dialog; "_" marks the access key.
  ErrorCaption,
  ButtonOk,
  ButtonCancel,
  ButtonYes,
  ButtonNo,
  ButtonYesToAll,
  ButtonNoToAll,
  ButtonAbort,
  ButtonRetry,
  ButtonIgnore,
  ButtonOpen,
  ButtonSave,
  ButtonSelect,
  // Default titles of the choosers.
  OpenTitle,
  SaveTitle,
  BrowseForFolderTitle,
  // Copy and delete of files.
  CopyOperation,
  DeleteOperation,
  ReplaceQuestion,  // %1 the file's name
  DeleteOneQuestion,
  DeleteManyQuestion,  // %1 how many
  CannotCopy,          // %1 the file's name
  CannotDelete,        // %1 the file's name
  ReasonSameFile,
  ReasonInvalidFiles,
  ReasonFolderInTheWay,
  ReasonDiskFull,
  ReasonAccessDenied,
  ReasonFileNotFound,
  ReasonNotReady,
  ReasonOther,  // %1 the error code
  // Helper programs.
  ProgramNotFound,    // %1 the program's name
  ProgramNotStarted,  // %1 the program's name
  InstallPackage,     // %1 the package's name
  // The month calendar.
  CalendarSunday,
  CalendarMonday,
  CalendarTuesday,
  CalendarWednesday,
  CalendarThursday,
  CalendarFriday,
  CalendarSaturday,
  CalendarJanuary,
  CalendarFebruary,
  CalendarMarch,
  CalendarApril,
  CalendarMay,
  CalendarJune,
  CalendarJuly,
  CalendarAugust,
  CalendarSeptember,
  CalendarOctober,
  CalendarNovember,
  CalendarDecember,
  CalendarMonthTitle,  // %1 the month's name, %2 the year
  CalendarToday,
  Count
};

// The four languages the texts come in.
constexpr LANGID kTextLanguages[] = {1042, 1033, 1041, 1049};

// The text in the thread's UI language.
std::wstring GetPlatformText(PlatformText id);
// The text in `language`.
std::wstring GetPlatformText(PlatformText id, LANGID language);
// The text in the thread's UI language with "%1", "%2", ... replaced by the arguments.
std::wstring FormatPlatformText(PlatformText id, std::initializer_list<std::wstring> arguments);
// `text` with "%1" to "%9" replaced by the arguments; other "%" signs stay.
std::wstring ReplacePlaceholders(const std::wstring& text, std::initializer_list<std::wstring> arguments);

}  // namespace platform
