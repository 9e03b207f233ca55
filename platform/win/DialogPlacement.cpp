#include "platform/win/detail/DialogPlacement.h"

#include "platform/win/DialogTemplate.h"
#include "platform/win/Presenter.h"
#include "platform/win/Window.h"

namespace platform::detail {

CRect WorkArea() { return GetPresenter().WorkArea(); }

CRect KeptInside(CRect rect, const CRect& area) {
  int dx = 0, dy = 0;
  if (rect.right > area.right) dx = area.right - rect.right;
  if (rect.bottom > area.bottom) dy = area.bottom - rect.bottom;
  if (rect.left + dx < area.left) dx = area.left - rect.left;
  if (rect.top + dy < area.top) dy = area.top - rect.top;
  rect.OffsetRect(dx, dy);
  return rect;
}

CRect CentringArea(HWND around) {
  CRect area;
  if (around && IsWindowVisible(around) && !IsIconic(around) && GetWindowRect(around, &area)) return area;
  return WorkArea();
}

CRect CentredOn(CSize size, const CRect& around) {
  CPoint topLeft((around.left + around.right) / 2 - size.cx / 2, (around.top + around.bottom) / 2 - size.cy / 2);
  return KeptInside(CRect(topLeft, size), WorkArea());
}

CRect DialogOpeningRect(const DialogTemplate& t, HWND owner) {
  CRect rect = DialogUnitsToPixels(t.rect, t.fontPointSize);
  if (t.style & WS_CHILD) return rect;
  if (t.style & DS_CENTER) return CentredOn(rect.Size(), CentringArea(owner));
  CPoint origin;
  if (owner) ClientToScreen(owner, &origin);
  rect.OffsetRect(origin);
  return KeptInside(rect, WorkArea());
}

}  // namespace platform::detail
