#pragma once
// Running a global function of the page shown in a browser control, from a script text
// such as "javascript:DrawCurrent('37.500000', '127.250000','9')".
#include <vector>

#include "platform/base/String.h"

class CWnd;

struct PageScriptCall {
  CString name;  // empty when the code has no "("
  std::vector<CString> args;
};

// The code after "javascript:" (or the whole text): the name before the first "(",
// trimmed, and the text after it split at space , ' " tab ( ) ; with empty pieces dropped.
PageScriptCall ParsePageScript(const CString& script);

// Runs the function in the control of `pBrowser`. The engine runs the page in another
// process, so the call does not wait for the page (that would run the message loop inside
// the caller) and the result is always empty text; nothing is run without a loaded page or
// a function name.
CString CallPageScript(CWnd* pBrowser, const CString& script);
