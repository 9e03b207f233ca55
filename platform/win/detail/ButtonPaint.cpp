#include "platform/gdi/DC.h"
#include "platform/win/Button.h"
#include "platform/win/detail/ButtonGlyph.h"
#include "platform/win/detail/ButtonProc.h"
#include "platform/win/detail/ControlSupport.h"

namespace platform::detail {

namespace {

struct Face {
  HWND hwnd;
  CDC& dc;
  CRect client;
  UINT state;
  bool disabled;
  std::wstring text;
};

void FillBackground(Face& f, UINT message) { FillWithParentColour(f.hwnd, message, f.dc, f.client); }

void DrawCaption(Face& f, CRect rect, UINT format) {
  f.dc.SetBkMode(TRANSPARENT);
  if (f.disabled) f.dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
  f.dc.DrawText(f.text.c_str(), static_cast<int>(f.text.size()), &rect, format);
}

void PaintPush(Face& f, bool isDefault) {
  FillBackground(f, WM_CTLCOLORBTN);
  CRect rect = f.client;
  f.dc.FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
  if (isDefault) {
    f.dc.Draw3dRect(&rect, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
    rect.DeflateRect(1, 1);
  }
  bool pushed = (f.state & BST_PUSHED) != 0;
  f.dc.DrawEdge(&rect, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  CRect text = rect;
  if (pushed) text.OffsetRect(1, 1);
  DrawCaption(f, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (f.state & BST_FOCUS) {
    CRect focus = rect;
    focus.DeflateRect(3, 3);
    f.dc.DrawFocusRect(&focus);
  }
}

void PaintCheck(Face& f, bool radio) {
  FillBackground(f, WM_CTLCOLORSTATIC);
  GlyphLook look;
  look.radio = radio;
  look.check = f.state & 3;
  look.pushed = (f.state & BST_PUSHED) != 0;
  look.disabled = f.disabled;
  int top = f.client.top + (f.client.Height() - kGlyphSize) / 2;
  DrawButtonGlyph(f.dc, CPoint(f.client.left, top), look);
  CRect text = f.client;
  text.left += kGlyphSize + 4;
  DrawCaption(f, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (f.state & BST_FOCUS) {
    CRect focus = text;
    f.dc.DrawText(f.text.c_str(), static_cast<int>(f.text.size()), &focus, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    focus.OffsetRect(0, (text.Height() - focus.Height()) / 2);
    focus.InflateRect(1, 1);
    if (!f.text.empty()) f.dc.DrawFocusRect(&focus);
  }
}

void PaintGroupBox(Face& f) {
  FillBackground(f, WM_CTLCOLORSTATIC);
  CSize extent = f.dc.GetTextExtent(f.text.c_str(), static_cast<int>(f.text.size()));
  CRect frame = f.client;
  frame.top += extent.cy / 2;
  f.dc.DrawEdge(&frame, EDGE_ETCHED, BF_RECT);
  if (f.text.empty()) return;
  CRect label(f.client.left + 8, f.client.top, f.client.left + 12 + extent.cx, f.client.top + extent.cy);
  f.dc.FillSolidRect(&label, f.dc.GetBkColor());
  label.left += 2;
  DrawCaption(f, label, DT_LEFT | DT_TOP | DT_SINGLELINE);
}

void PaintOwnerDrawn(Face& f) {
  HWND parent = GetParent(f.hwnd);
  if (!parent) return;
  // Asked as for every button, though the owner draws everything.
  SendMessage(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(f.dc.GetSafeHdc()), reinterpret_cast<LPARAM>(f.hwnd));
  DRAWITEMSTRUCT dis;
  dis.CtlType = ODT_BUTTON;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(f.hwnd));
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = ((f.state & BST_PUSHED) ? ODS_SELECTED : 0) | ((f.state & BST_FOCUS) ? ODS_FOCUS : 0) |
                  (f.disabled ? ODS_DISABLED : 0);
  dis.hwndItem = f.hwnd;
  dis.hDC = f.dc.GetSafeHdc();
  dis.rcItem = f.client;
  if (IsWindow(parent) && IsWindow(f.hwnd)) SendMessage(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

}  // namespace

void PaintButton(HWND hwnd, UINT state) {
  PaintControl(hwnd, [hwnd, state](CDC& dc, const CRect& client) {
    SelectWindowFont(hwnd, dc);
    Face f{hwnd, dc, client, state, !IsWindowEnabled(hwnd), WindowText(hwnd)};
    switch (static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE)) & BS_TYPEMASK) {
      case BS_OWNERDRAW: PaintOwnerDrawn(f); break;
      case BS_GROUPBOX: PaintGroupBox(f); break;
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE: PaintCheck(f, false); break;
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON: PaintCheck(f, true); break;
      default: PaintPush(f, (GetWindowLong(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON); break;
    }
  });
}

}  // namespace platform::detail
