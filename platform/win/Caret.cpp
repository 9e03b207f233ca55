#include "platform/win/Caret.h"

#include "platform/win/Window.h"

namespace {

struct CaretState {
  HWND owner = nullptr;
  CSize size;
  CPoint pos;
  int hideCount = 1;  // a new caret starts hidden
};

CaretState& Caret() {
  static CaretState caret;
  return caret;
}

bool Owned(HWND hwnd) { return Caret().owner && IsWindow(Caret().owner) && (!hwnd || hwnd == Caret().owner); }

}  // namespace

BOOL CreateCaret(HWND hWnd, HBITMAP, int nWidth, int nHeight) {
  if (!IsWindow(hWnd)) return FALSE;
  Caret() = CaretState{hWnd, CSize(nWidth, nHeight), CPoint(), 1};
  return TRUE;
}

BOOL DestroyCaret() {
  if (!Caret().owner) return FALSE;
  Caret() = CaretState{};
  return TRUE;
}

BOOL ShowCaret(HWND hWnd) {
  if (!Owned(hWnd) || Caret().hideCount == 0) return FALSE;
  --Caret().hideCount;
  return TRUE;
}

BOOL HideCaret(HWND hWnd) {
  if (!Owned(hWnd)) return FALSE;
  ++Caret().hideCount;
  return TRUE;
}

BOOL SetCaretPos(int x, int y) {
  if (!Owned(nullptr)) return FALSE;
  Caret().pos = CPoint(x, y);
  return TRUE;
}

BOOL GetCaretPos(LPPOINT lpPoint) {
  if (!lpPoint) return FALSE;
  *lpPoint = Caret().pos;
  return TRUE;
}

namespace platform {

HWND CaretOwner(bool* shown) {
  if (shown) *shown = Owned(nullptr) && Caret().hideCount == 0;
  return Owned(nullptr) ? Caret().owner : nullptr;
}

}  // namespace platform
