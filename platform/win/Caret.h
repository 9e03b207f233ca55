#pragma once
// The caret: one per thread, kept as state only (position, size, shown). Nothing in this
// program shows a caret, so none is drawn.
#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"

BOOL CreateCaret(HWND hWnd, HBITMAP hBitmap, int nWidth, int nHeight);
BOOL DestroyCaret();
BOOL ShowCaret(HWND hWnd);
BOOL HideCaret(HWND hWnd);
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(LPPOINT lpPoint);

namespace platform {
// The window owning the caret and whether it is shown (tests).
HWND CaretOwner(bool* shown = nullptr);
}  // namespace platform
