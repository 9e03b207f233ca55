#include "platform/win/DialogRequests.h"

#include "platform/win/MessageBox.h"

namespace platform {

namespace {
DialogAnswerer* g_answerer = nullptr;
}

void SetDialogAnswerer(DialogAnswerer* answerer) { g_answerer = answerer; }
DialogAnswerer* GetDialogAnswerer() { return g_answerer; }

int DismissedMessageBoxResult(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDCANCEL;
  }
}

}  // namespace platform
