#pragma once
// Sending and posting window messages. SendMessage calls the window procedure at once on
// the UI thread; PostMessage queues the message and is safe from any thread. A message to
// a destroyed or unknown window is dropped (SendMessage returns 0, PostMessage FALSE).
#include "platform/base/WinTypes.h"

constexpr UINT WM_USER = 0x0400;

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL IsWindow(HWND hWnd);
