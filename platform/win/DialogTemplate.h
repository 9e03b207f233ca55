#pragma once
// Dialog templates as tables: the dialog's id, styles, caption, font and size in dialog
// units, then its controls in template order (which is their tab and z-order). Dialog
// units become pixels through fixed base units for the template's font size.
#include <string>
#include <vector>

#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"

struct DialogControlTemplate {
  std::wstring className;  // "Button", "Static", ...
  std::wstring text;
  int id = 0;
  DWORD style = 0;  // WS_CHILD is implied
  DWORD exStyle = 0;
  CRect rect;  // dialog units: left, top, right, bottom
};

struct DialogTemplate {
  UINT id = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
  CRect rect;  // dialog units
  std::wstring caption;
  std::wstring fontFace;
  int fontPointSize = 8;
  std::vector<DialogControlTemplate> controls;
};

namespace platform {

void RegisterDialogTemplate(DialogTemplate dialogTemplate);
const DialogTemplate* FindDialogTemplate(UINT id);
// Base units (average character width and height in pixels) for a template font size.
CSize DialogBaseUnits(int fontPointSize);
CRect DialogUnitsToPixels(const CRect& rect, int fontPointSize);

}  // namespace platform

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect);
