#include "platform/win/DialogTemplate.h"

#include <map>

#include "platform/win/Window.h"

namespace platform {

namespace {

std::map<UINT, DialogTemplate>& Templates() {
  static std::map<UINT, DialogTemplate> templates;
  return templates;
}


int MulDivRound(int v, int num, int den) {
  long long p = static_cast<long long>(v) * num;
  return static_cast<int>(p >= 0 ? (p + den / 2) / den : -((-p + den / 2) / den));
}

}  // namespace

void RegisterDialogTemplate(DialogTemplate dialogTemplate) {
  UINT id = dialogTemplate.id;
  Templates()[id] = std::move(dialogTemplate);
}

const DialogTemplate* FindDialogTemplate(UINT id) {
  auto it = Templates().find(id);
  return it == Templates().end() ? nullptr : &it->second;
}

// The averages of the usual dialog faces at 96 DPI, so that a dialog has the pixel size
// it has there.
CSize DialogBaseUnits(int fontPointSize) {
  switch (fontPointSize) {
    case 8: return CSize(6, 13);
    case 9: return CSize(7, 15);
    case 10: return CSize(7, 16);
    case 11: return CSize(8, 18);
    case 12: return CSize(9, 20);
    default: return CSize(MulDivRound(fontPointSize, 6, 8), MulDivRound(fontPointSize, 13, 8));
  }
}

// Position and size convert apart, as template coordinates do, so that a control's
// pixel size does not depend on where it stands.
CRect DialogUnitsToPixels(const CRect& rect, int fontPointSize) {
  CSize base = DialogBaseUnits(fontPointSize);
  int left = MulDivRound(rect.left, base.cx, 4), top = MulDivRound(rect.top, base.cy, 8);
  return CRect(left, top, left + MulDivRound(rect.Width(), base.cx, 4), top + MulDivRound(rect.Height(), base.cy, 8));
}

}  // namespace platform
