#include "platform/win/Static.h"

#include "platform/win/Dialog.h"
#include "platform/win/WindowClass.h"
#include "platform/win/detail/ControlSupport.h"
#include "platform/win/detail/StandardClasses.h"

namespace platform::detail {

namespace {

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE)); }

UINT TextFormat(DWORD style) {
  UINT format = DT_EXPANDTABS | DT_WORDBREAK;
  switch (style & SS_TYPEMASK) {
    case SS_CENTER: format |= DT_CENTER; break;
    case SS_RIGHT: format |= DT_RIGHT; break;
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: format = DT_EXPANDTABS | DT_SINGLELINE; break;
    default: break;
  }
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
  return format;
}

void PaintText(HWND hwnd, CDC& dc, const CRect& client, DWORD style) {
  SelectWindowFont(hwnd, dc);
  // A simple static asks for its colours but leaves the background alone.
  CRect fill = (style & SS_TYPEMASK) == SS_SIMPLE ? CRect() : client;
  FillWithParentColour(hwnd, WM_CTLCOLORSTATIC, dc, fill);
  if (!IsWindow(hwnd)) return;
  if (!IsWindowEnabled(hwnd)) dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
  std::wstring text = WindowText(hwnd);
  CRect rect = client;
  dc.DrawText(text.c_str(), static_cast<int>(text.size()), &rect, TextFormat(style));
}

void PaintShape(CDC& dc, const CRect& client, DWORD type) {
  static const int kColour[] = {COLOR_WINDOWFRAME, COLOR_BTNSHADOW, COLOR_WINDOW};
  bool frame = type >= SS_BLACKFRAME;
  COLORREF colour = GetSysColor(kColour[frame ? type - SS_BLACKFRAME : type - SS_BLACKRECT]);
  if (frame) dc.Draw3dRect(&client, colour, colour);
  else dc.FillSolidRect(&client, colour);
}

void Paint(HWND hwnd) {
  PaintControl(hwnd, [hwnd](CDC& dc, const CRect& client) {
    DWORD style = StyleOf(hwnd);
    DWORD type = style & SS_TYPEMASK;
    if (type >= SS_BLACKRECT && type <= SS_WHITEFRAME) PaintShape(dc, client, type);
    else PaintText(hwnd, dc, client, style);
  });
}

LRESULT StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      return (StyleOf(hwnd) & SS_NOTIFY) ? DefWindowProc(hwnd, message, wParam, lParam) : HTTRANSPARENT;
    case WM_LBUTTONDOWN:
      if (StyleOf(hwnd) & SS_NOTIFY) NotifyParent(hwnd, STN_CLICKED);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (StyleOf(hwnd) & SS_NOTIFY) NotifyParent(hwnd, STN_DBLCLK);
      return 0;
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProc(hwnd, message, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_PAINT: Paint(hwnd); return 0;
    default: return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterStaticClass() {
  WNDCLASS wc;
  wc.lpszClassName = WC_STATIC;
  wc.lpfnWndProc = StaticProc;
  wc.style = CS_DBLCLKS | CS_PARENTDC;
  RegisterClass(&wc);
}

}  // namespace platform::detail

IMPLEMENT_DYNAMIC(CStatic, CWnd)

CStatic::CStatic() { platform::detail::EnsureStandardClasses(); }

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_STATIC, lpszText, dwStyle, rect, pParentWnd, nID);
}
