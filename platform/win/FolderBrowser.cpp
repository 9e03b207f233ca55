#include "platform/win/FolderBrowser.h"

#include <glib.h>

#include <cwchar>
#include <memory>
#include <string>

#include "platform/base/PlatformText.h"
#include "platform/base/String.h"
#include "platform/win/Presenter.h"
#include "platform/win/WindowClass.h"
#include "platform/win/detail/ControlSupport.h"
#include "platform/win/detail/ModalOwner.h"

namespace {

constexpr wchar_t kBrowserClass[] = L"RodemirFolderBrowser";

struct BrowserState {
  std::wstring selection;
  bool open = false;  // the presenter shows the chooser
};

// BFFM_SETSELECTIONW: a path, or an item-id list when wParam is FALSE.
LRESULT SetSelection(HWND hwnd, BrowserState& s, WPARAM byPath, LPARAM lParam) {
  wchar_t path[MAX_PATH] = {};
  if (byPath) {
    if (auto* text = reinterpret_cast<LPCWSTR>(lParam)) std::wcsncpy(path, text, MAX_PATH - 1);
  } else if (!SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path)) {
    return FALSE;
  }
  s.selection = path;
  if (s.open) platform::GetPresenter().FolderSelectionChanged(hwnd, s.selection);
  return TRUE;
}

LRESULT CALLBACK_BrowserProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto s = platform::GetWindowState<BrowserState>(hwnd);
  if (!s) return DefWindowProc(hwnd, message, wParam, lParam);
  switch (message) {
    case BFFM_SETSELECTIONW: return SetSelection(hwnd, *s, wParam, lParam);
    case BFFM_ENABLEOK:
    case BFFM_SETSTATUSTEXTW: return 0;
    default: return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

void RegisterBrowserClass() {
  static const bool registered = [] {
    WNDCLASS wc;
    wc.lpszClassName = kBrowserClass;
    wc.lpfnWndProc = CALLBACK_BrowserProc;
    return RegisterClass(&wc) != FALSE;
  }();
  (void)registered;
}

// The browser's window: hidden, owned by the owner, destroyed with the object.
struct BrowserWindow {
  HWND hwnd = nullptr;
  ~BrowserWindow() {
    if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
  }
};

void FillDisplayName(LPWSTR buffer, const std::wstring& path) {
  if (!buffer) return;
  size_t slash = path.find_last_of(L'/');
  std::wstring name = slash == std::wstring::npos || slash + 1 == path.size() ? path : path.substr(slash + 1);
  std::wcsncpy(buffer, name.c_str(), MAX_PATH - 1);
  buffer[MAX_PATH - 1] = 0;
}

// The folder the chooser opens on: the one preselected, while it exists, else the home folder.
std::wstring OpeningFolder(const std::wstring& selection) {
  if (!selection.empty() && g_file_test(WideToFileSystem(selection).c_str(), G_FILE_TEST_IS_DIR)) return selection;
  return FileSystemToWide(g_get_home_dir());
}

}  // namespace

PIDLIST_ABSOLUTE SHBrowseForFolderW(LPBROWSEINFOW lpbi) {
  if (!lpbi) return nullptr;
  RegisterBrowserClass();
  platform::detail::ModalOwner owner(lpbi->hwndOwner);
  BrowserWindow browser;
  std::wstring title = platform::GetPlatformText(platform::PlatformText::BrowseForFolderTitle);
  browser.hwnd =
      CreateWindowEx(0, kBrowserClass, title.c_str(), WS_POPUP, 0, 0, 0, 0, owner.handle(), nullptr, nullptr);
  if (!browser.hwnd) return nullptr;
  auto state = std::make_shared<BrowserState>();
  platform::SetWindowState(browser.hwnd, state);
  if (lpbi->lpfn) lpbi->lpfn(browser.hwnd, BFFM_INITIALIZED, 0, lpbi->lParam);
  if (!IsWindow(browser.hwnd)) return nullptr;

  platform::FolderRequest request;
  request.owner = owner.handle();
  request.browser = browser.hwnd;
  request.title = platform::detail::WindowText(browser.hwnd);
  request.prompt = lpbi->lpszTitle ? lpbi->lpszTitle : L"";
  request.selection = OpeningFolder(state->selection);
  request.newFolderButton = (lpbi->ulFlags & BIF_NEWDIALOGSTYLE) && !(lpbi->ulFlags & BIF_NONEWFOLDERBUTTON);
  state->open = true;
  std::wstring path;
  bool chosen = platform::GetPresenter().ChooseFolder(request, &path);
  state->open = false;
  if (!chosen || path.empty()) return nullptr;
  FillDisplayName(lpbi->pszDisplayName, path);
  return ILCreateFromPathW(path.c_str());
}
