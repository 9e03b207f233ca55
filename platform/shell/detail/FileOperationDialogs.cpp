#include "platform/shell/detail/FileOperationDialogs.h"

#include "platform/base/PlatformText.h"
#include "platform/shell/detail/ErrnoCodes.h"

namespace platform::detail {

namespace {

using Answer = FileOperationUi::Answer;

std::wstring BaseName(const CString& path) {
  std::wstring text(static_cast<LPCWSTR>(path));
  return text.substr(text.find_last_of(L'/') + 1);
}

std::pair<std::wstring, Answer> Button(PlatformText label, Answer answer) { return {GetPlatformText(label), answer}; }

std::wstring Reason(int error) {
  switch (error) {
    case DE_SAMEFILE: return GetPlatformText(PlatformText::ReasonSameFile);
    case DE_INVALIDFILES: return GetPlatformText(PlatformText::ReasonInvalidFiles);
    case DE_FILEDESTISFLD: return GetPlatformText(PlatformText::ReasonFolderInTheWay);
    case ERROR_DISK_FULL_CODE: return GetPlatformText(PlatformText::ReasonDiskFull);
    case 5: return GetPlatformText(PlatformText::ReasonAccessDenied);
    case 2: return GetPlatformText(PlatformText::ReasonFileNotFound);
    case 21: return GetPlatformText(PlatformText::ReasonNotReady);
    default: return FormatPlatformText(PlatformText::ReasonOther, {std::to_wstring(error)});
  }
}

}  // namespace

std::wstring OperationName(UINT func) {
  return GetPlatformText(func == FO_DELETE ? PlatformText::DeleteOperation : PlatformText::CopyOperation);
}

FileOperationDialog ReplaceDialog(const CString& target, bool more) {
  FileOperationDialog d;
  d.title = OperationName(FO_COPY);
  d.text = FormatPlatformText(PlatformText::ReplaceQuestion, {BaseName(target)});
  d.buttons.push_back(Button(PlatformText::ButtonYes, Answer::Yes));
  if (more) d.buttons.push_back(Button(PlatformText::ButtonYesToAll, Answer::YesToAll));
  d.buttons.push_back(Button(PlatformText::ButtonNo, Answer::No));
  if (more) d.buttons.push_back(Button(PlatformText::ButtonNoToAll, Answer::NoToAll));
  d.buttons.push_back(Button(PlatformText::ButtonCancel, Answer::Cancel));
  return d;
}

FileOperationDialog DeleteDialog(int count) {
  FileOperationDialog d;
  d.title = OperationName(FO_DELETE);
  d.text = count == 1 ? GetPlatformText(PlatformText::DeleteOneQuestion)
                      : FormatPlatformText(PlatformText::DeleteManyQuestion, {std::to_wstring(count)});
  d.buttons = {Button(PlatformText::ButtonYes, Answer::Yes), Button(PlatformText::ButtonNo, Answer::No)};
  return d;
}

FileOperationDialog ErrorDialog(UINT func, const CString& file, int error) {
  FileOperationDialog d;
  d.kind = FileOperationDialog::Kind::Error;
  d.title = OperationName(func);
  PlatformText what = func == FO_DELETE ? PlatformText::CannotDelete : PlatformText::CannotCopy;
  d.text = FormatPlatformText(what, {BaseName(file)}) + L"\n" + Reason(error);
  d.buttons = {Button(PlatformText::ButtonOk, Answer::Cancel)};
  return d;
}

}  // namespace platform::detail
