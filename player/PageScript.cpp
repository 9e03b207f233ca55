#include "player/PageScript.h"

#include "platform/web/WebBrowser.h"
#include "platform/win/Wnd.h"

namespace {

bool IsArgumentBreak(wchar_t c) {
  switch (c) {
    case L' ':
    case L',':
    case L'\'':
    case L'"':
    case L'\t':
    case L'(':
    case L')':
    case L';': return true;
    default: return false;
  }
}

std::vector<CString> SplitArguments(const CString& text) {
  std::vector<CString> args;
  CString piece;
  for (int i = 0; i < text.GetLength(); ++i) {
    wchar_t c = text[i];
    if (!IsArgumentBreak(c)) {
      piece += c;
    } else if (!piece.IsEmpty()) {
      args.push_back(piece);
      piece.Empty();
    }
  }
  if (!piece.IsEmpty()) args.push_back(piece);
  return args;
}

}  // namespace

PageScriptCall ParsePageScript(const CString& script) {
  PageScriptCall call;
  CString code = script;
  int scheme = code.Find(L"javascript:");
  if (scheme >= 0) code = code.Mid(scheme + 11);
  int open = code.Find(L'(');
  if (open < 0) return call;
  call.name = code.Left(open);
  call.name.Trim();
  call.args = SplitArguments(code.Mid(open + 1));
  return call;
}

CString CallPageScript(CWnd* pBrowser, const CString& script) {
  if (script.IsEmpty() || !pBrowser) return CString();
  PageScriptCall call = ParsePageScript(script);
  platform::WebBrowser* browser = platform::WebBrowser::ForHost(pBrowser->GetSafeHwnd());
  if (call.name.IsEmpty() || !browser || !browser->HasDocument()) return CString();
  browser->CallFunction(call.name, call.args);
  return CString();
}
