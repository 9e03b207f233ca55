#include "platform/win/MessageBox.h"

#include "platform/base/PlatformText.h"
#include "platform/win/Presenter.h"
#include "platform/win/Resources.h"
#include "platform/win/WinApp.h"
#include "platform/win/detail/ModalOwner.h"

namespace {

// A box the caller gave no caption is titled with the application's title, else "Error".
std::wstring Caption(LPCWSTR given) {
  if (given && *given) return given;
  LPCTSTR app = AfxGetAppName();
  if (app && *app) return app;
  return platform::GetPlatformText(platform::PlatformText::ErrorCaption);
}

}  // namespace

int MessageBox(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
  if (hWnd && !IsWindow(hWnd)) return 0;
  platform::MessageBoxRequest request;
  request.text = lpText ? lpText : L"";
  request.caption = Caption(lpCaption);
  request.type = uType;
  platform::detail::ModalOwner owner(hWnd);
  request.owner = owner.handle();
  return platform::GetPresenter().MessageBox(request);
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT) {
  UINT buttons = nType & MB_TYPEMASK;
  if (!(nType & MB_ICONMASK) && (buttons == MB_OK || buttons == MB_OKCANCEL)) nType |= MB_ICONEXCLAMATION;
  HWND owner = platform::detail::SafeOwner(nullptr);
  return MessageBox(owner, lpszText, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  std::wstring text = platform::LoadStringResource(nIDPrompt);
  return AfxMessageBox(text.c_str(), nType, nIDHelp == UINT(-1) ? nIDPrompt : nIDHelp);
}
