// Opens, in turn, a message box, the folder browser (to be cancelled), the folder browser
// again (to be accepted) and once more without a folder to open on (to be accepted) over a
// plain window, and prints what each returned and whether the window's timer kept running
// meanwhile. Usage: dialogs_e2e_app <folder>
#include <cstdio>
#include <string>

#include "platform/base/String.h"
#include "platform/win/FolderBrowser.h"
#include "platform/win/Input.h"
#include "platform/win/MessageBox.h"
#include "platform/win/Resources.h"
#include "platform/win/Timer.h"
#include "platform/win/WinApp.h"
#include "platform/win/WindowClass.h"

namespace {

int g_ticks = 0;

LRESULT OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    ++g_ticks;
    return 0;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

int FolderBrowseCallback(HWND hwnd, UINT uMsg, LPARAM, LPARAM lpData) {
  if (uMsg == BFFM_INITIALIZED) {
    SetWindowText(hwnd, L"Browse Folders");
    SendMessage(hwnd, BFFM_SETSELECTIONW, TRUE, lpData);
  }
  return 0;
}

std::wstring Browse(HWND owner, const std::wstring& folder) {
  wchar_t name[MAX_PATH] = {};
  BROWSEINFOW bi;
  bi.hwndOwner = owner;
  bi.pszDisplayName = name;
  bi.lpszTitle = L"Select Folder";
  bi.ulFlags = BIF_RETURNONLYFSDIRS;
  bi.lpfn = FolderBrowseCallback;
  bi.lParam = reinterpret_cast<LPARAM>(folder.c_str());
  PIDLIST_ABSOLUTE pidl = SHBrowseForFolderW(&bi);
  if (!pidl) return L"(cancelled)";
  wchar_t path[MAX_PATH] = {};
  SHGetPathFromIDListW(pidl, path);
  ILFree(pidl);
  return path;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::wstring folder = Utf8ToWide(argv[1]);
  platform::RegisterStringResource(AFX_IDS_APP_TITLE, L"Dialogs E2E");
  WNDCLASS wc;
  wc.lpszClassName = L"E2eOwner";
  wc.lpfnWndProc = OwnerProc;
  wc.hbrBackground = COLOR_BTNFACE + 1;
  RegisterClass(&wc);
  HWND owner = CreateWindowEx(0, L"E2eOwner", L"E2E owner", WS_POPUP | WS_VISIBLE, 400, 300, 500, 400, nullptr, nullptr,
                              nullptr);
  SetActiveWindow(owner);
  SetTimer(owner, 100, 200, nullptr);

  int box = AfxMessageBox(L"Delete selected file?", MB_OKCANCEL);
  std::printf("box=%d ticks=%s\n", box, g_ticks > 0 ? "yes" : "no");
  g_ticks = 0;
  std::wstring first = Browse(owner, folder);
  std::printf("first=%s\n", WideToUtf8(first).c_str());
  std::wstring second = Browse(owner, folder);
  std::printf("second=%s ticks=%s\n", WideToUtf8(second).c_str(), g_ticks > 0 ? "yes" : "no");
  std::fflush(stdout);
  std::wstring third = Browse(owner, L"");
  std::printf("third=%s\n", WideToUtf8(third).c_str());
  std::fflush(stdout);
  DestroyWindow(owner);
  return box == IDOK && first == L"(cancelled)" && second == folder && g_ticks > 0 ? 0 : 1;
}
