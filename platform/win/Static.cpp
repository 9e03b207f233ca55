#include "platform/win/Static.h"

#include "platform/win/Dialog.h"
#include "platform/win/WindowClass.h"
#include "platform/win/detail/StandardClasses.h"

namespace platform::detail {

namespace {

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE)); }

void Notify(HWND hwnd, UINT code) {
  HWND parent = GetParent(hwnd);
  if (parent) SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), code), reinterpret_cast<LPARAM>(hwnd));
}

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
  if (auto font = reinterpret_cast<HFONT>(SendMessage(hwnd, WM_GETFONT, 0, 0))) dc.SelectObject(reinterpret_cast<HGDIOBJ>(font));
  dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
  dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
  HBRUSH brush = nullptr;
  if (HWND parent = GetParent(hwnd))
    brush = reinterpret_cast<HBRUSH>(SendMessage(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), reinterpret_cast<LPARAM>(hwnd)));
  if (!IsWindow(hwnd)) return;
  if ((style & SS_TYPEMASK) != SS_SIMPLE) {
    if (brush) FillRect(dc.GetSafeHdc(), &client, brush);
    else dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
  }
  if (!IsWindowEnabled(hwnd)) dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
  int length = GetWindowTextLength(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowText(hwnd, text.data(), length + 1)));
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
  PAINTSTRUCT ps;
  BeginPaint(hwnd, &ps);
  if (CDC* dc = CDC::FromHandle(ps.hdc)) {
    CDCStateRestorer restore(dc);
    CRect client;
    GetClientRect(hwnd, &client);
    DWORD style = StyleOf(hwnd);
    DWORD type = style & SS_TYPEMASK;
    if (type >= SS_BLACKRECT && type <= SS_WHITEFRAME) PaintShape(*dc, client, type);
    else PaintText(hwnd, *dc, client, style);
  }
  if (IsWindow(hwnd)) EndPaint(hwnd, &ps);
}

LRESULT StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      return (StyleOf(hwnd) & SS_NOTIFY) ? DefWindowProc(hwnd, message, wParam, lParam) : HTTRANSPARENT;
    case WM_LBUTTONDOWN:
      if (StyleOf(hwnd) & SS_NOTIFY) Notify(hwnd, STN_CLICKED);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (StyleOf(hwnd) & SS_NOTIFY) Notify(hwnd, STN_DBLCLK);
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
