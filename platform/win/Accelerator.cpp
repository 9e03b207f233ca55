#include "platform/win/Accelerator.h"

#include <map>

#include "platform/win/Keys.h"
#include "platform/win/Window.h"

namespace {

std::map<UINT, std::vector<ACCEL>>& Tables() {
  static std::map<UINT, std::vector<ACCEL>> tables;
  return tables;
}

bool Matches(const ACCEL& a, const MSG& msg) {
  bool shift = GetKeyState(VK_SHIFT) < 0, control = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0;
  if (a.fVirt & FVIRTKEY) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    if (msg.wParam != a.key) return false;
    return shift == ((a.fVirt & FSHIFT) != 0) && control == ((a.fVirt & FCONTROL) != 0) &&
           alt == ((a.fVirt & FALT) != 0);
  }
  return (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) && msg.wParam == a.key && alt == ((a.fVirt & FALT) != 0);
}

}  // namespace

HACCEL LoadAccelerators(HINSTANCE, LPCWSTR lpTableName) {
  if (!IS_INTRESOURCE(lpTableName)) return nullptr;
  auto it = Tables().find(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpTableName)));
  return it == Tables().end() ? nullptr : reinterpret_cast<HACCEL>(&it->second);
}

int TranslateAccelerator(HWND hWnd, HACCEL hAccTable, LPMSG lpMsg) {
  if (!hAccTable || !lpMsg || !IsWindow(hWnd)) return 0;
  const auto* table = reinterpret_cast<const std::vector<ACCEL>*>(hAccTable);
  bool known = false;
  for (const auto& [id, t] : Tables()) known = known || &t == table;
  if (!known) return 0;
  for (const ACCEL& a : *table) {
    if (!Matches(a, *lpMsg)) continue;
    SendMessage(hWnd, WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
    return 1;
  }
  return 0;
}

namespace platform {
void RegisterAcceleratorResource(UINT id, std::vector<ACCEL> table) { Tables()[id] = std::move(table); }
}  // namespace platform
