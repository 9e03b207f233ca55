#pragma once
// Accelerator tables by id: a key with its modifiers turns into WM_COMMAND(id, 1).
#include <vector>

#include "platform/base/WinTypes.h"
#include "platform/win/Messages.h"
#include "platform/win/Resources.h"

constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FNOINVERT = 0x02;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct ACCEL {
  BYTE fVirt = 0;
  WORD key = 0;
  WORD cmd = 0;
};

HACCEL LoadAccelerators(HINSTANCE hInstance, LPCWSTR lpTableName);  // null when there is no such table
// A key message matching an entry sends WM_COMMAND(MAKEWPARAM(cmd, 1), 0) to hWnd at
// once and returns nonzero.
int TranslateAccelerator(HWND hWnd, HACCEL hAccTable, LPMSG lpMsg);

namespace platform {
void RegisterAcceleratorResource(UINT id, std::vector<ACCEL> table);
}
