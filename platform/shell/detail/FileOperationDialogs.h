#pragma once
// What the file operation's questions and errors say, in the thread's UI language: the
// title (the operation's name), the text, and the buttons with the answer each gives.
#include <string>
#include <utility>
#include <vector>

#include "platform/shell/FileOperation.h"

namespace platform::detail {

struct FileOperationDialog {
  enum class Kind { Question, Error };
  Kind kind = Kind::Question;
  std::wstring title;
  std::wstring text;
  std::vector<std::pair<std::wstring, FileOperationUi::Answer>> buttons;  // labels with "_" access keys
};

// The name of FO_COPY or FO_DELETE.
std::wstring OperationName(UINT func);
// `more`: further files follow, so the "for all" answers are offered.
FileOperationDialog ReplaceDialog(const CString& target, bool more);
FileOperationDialog DeleteDialog(int count);
FileOperationDialog ErrorDialog(UINT func, const CString& file, int error);

}  // namespace platform::detail
