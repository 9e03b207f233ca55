#pragma once
// Resources by numeric id, other than bitmaps: strings, icons and cursors. The program's
// tables register themselves at start; icons not registered are looked for as
// "<id>.png" in the build tree's icon folder.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/System.h"
#include "platform/base/WinTypes.h"

#ifndef MAKEINTRESOURCE
#define MAKEINTRESOURCE(i) (reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))
#endif
inline bool IS_INTRESOURCE(LPCWSTR p) { return (reinterpret_cast<ULONG_PTR>(p) >> 16) == 0; }

#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_IBEAM MAKEINTRESOURCE(32513)
#define IDC_WAIT MAKEINTRESOURCE(32514)
#define IDC_CROSS MAKEINTRESOURCE(32515)
#define IDC_SIZEALL MAKEINTRESOURCE(32646)
#define IDC_SIZEWE MAKEINTRESOURCE(32644)
#define IDC_SIZENS MAKEINTRESOURCE(32645)
#define IDC_NO MAKEINTRESOURCE(32648)
#define IDC_HAND MAKEINTRESOURCE(32649)
#define IDI_APPLICATION MAKEINTRESOURCE(32512)

// The application's own resources (there is one module).
HINSTANCE AfxGetResourceHandle();
HINSTANCE AfxGetInstanceHandle();

int LoadString(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax);
HICON LoadIcon(HINSTANCE hInstance, LPCWSTR lpIconName);  // null when there is no such icon
HCURSOR LoadCursor(HINSTANCE hInstance, LPCWSTR lpCursorName);
BOOL DestroyIcon(HICON hIcon);
// Draws the icon's opaque pixels with its top-left corner at (x, y).
BOOL DrawIcon(HDC hDC, int x, int y, HICON hIcon);

namespace platform {

void RegisterStringResource(UINT id, const std::wstring& text);
// The string with the id, or an empty string.
std::wstring LoadStringResource(UINT id);

struct IconImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xAARRGGBB, rows of width pixels
};
void RegisterIconResource(UINT id, IconImage image);
const IconImage* GetIconImage(HICON icon);
// The id a standard or registered cursor was loaded with (32512 for the arrow).
int CursorId(HCURSOR cursor);

}  // namespace platform
