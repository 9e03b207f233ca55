#include "platform/win/detail/Painter.h"

#include <map>
#include <set>

#include "platform/gdi/DC.h"
#include "platform/win/Presenter.h"
#include "platform/win/detail/OverlayComposer.h"
#include "platform/win/detail/WindowTree.h"

namespace platform::detail {

namespace {

std::set<HWND>& Dirty() {
  static std::set<HWND> dirty;
  return dirty;
}

std::map<HWND, CRect>& Damage() {
  static std::map<HWND, CRect> damage;
  return damage;
}

bool CanPaint(const WindowNode& node) { return !node.redrawSuspended && WindowTree::Get().IsVisibleOnScreen(node); }

void PaintOne(WindowNode& node) {
  if (node.update.IsEmpty() && !node.frameDirty) return;
  if (!CanPaint(node)) {
    // Hidden windows are invalidated whole when shown again; suspended ones keep
    // their region until WM_SETREDRAW TRUE marks them again.
    if (!node.redrawSuspended) {
      node.update.Clear();
      node.frameDirty = false;
    }
    Dirty().erase(node.handle);
    return;
  }
  if (node.painting) return;
  HWND hwnd = node.handle;
  if (node.frameDirty) {
    node.frameDirty = false;
    if (node.HasFrame()) SendMessage(hwnd, WM_NCPAINT, 1, 0);
  }
  WindowNode* again = FindWindowNode(hwnd);
  if (again && !again->update.IsEmpty()) {
    ++again->painting;
    SendMessage(hwnd, WM_PAINT, 0, 0);
    if ((again = FindWindowNode(hwnd))) --again->painting;
  }
  if (again && again->update.IsEmpty() && !again->frameDirty) Dirty().erase(hwnd);
}

void PaintTree(HWND root) {
  WindowTree::Get().ForEachInPaintOrder(root, [](WindowNode& node) {
    if (Dirty().count(node.handle)) PaintOne(node);
  });
}

void Present(HWND top) {
  auto it = Damage().find(top);
  if (it == Damage().end()) return;
  CRect damage = it->second;
  Damage().erase(it);
  WindowNode* node = FindWindowNode(top);
  if (!node || !node->surface) return;
  ComposeOverlays(*node, damage);
  GetPresenter().SurfaceUpdated(top, *node->surface, damage);
}

}  // namespace

void MarkDirty(HWND hwnd) { Dirty().insert(hwnd); }

void InvalidateFrame(WindowNode& node) {
  if (!node.HasFrame()) return;
  node.frameDirty = true;
  MarkDirty(node.handle);
}

void ForgetWindow(HWND hwnd) {
  Dirty().erase(hwnd);
  Damage().erase(hwnd);
}

namespace {

// `r` is in the node's client area.
void InvalidateChildren(WindowNode& node, const CRect& r, bool erase) {
  for (HWND child : node.children) {
    WindowNode* c = FindWindowNode(child);
    if (!c || !c->IsVisible()) continue;
    CRect inChild = r;
    inChild.OffsetRect(-c->rect.left, -c->rect.top);
    CRect touched;
    if (c->HasFrame() && touched.IntersectRect(inChild, c->LocalWindowRect())) InvalidateFrame(*c);
    inChild.OffsetRect(-c->insets.left, -c->insets.top);
    bool grandChildren = (c->style & WS_CLIPCHILDREN) == 0;
    Invalidate(*c, inChild, erase, grandChildren);
  }
}

}  // namespace

void Invalidate(WindowNode& node, const CRect& clientRect, bool erase, bool withChildren) {
  CRect r;
  if (!r.IntersectRect(clientRect, node.ClientRect())) return;
  node.update.Add(r, erase);
  MarkDirty(node.handle);
  if (withChildren) InvalidateChildren(node, r, erase);
}

bool HasPaintWork() {
  if (!Damage().empty()) return true;
  for (HWND hwnd : Dirty()) {
    WindowNode* node = FindWindowNode(hwnd);
    if (!node || (node->update.IsEmpty() && !node->frameDirty) || node->painting) continue;
    if (CanPaint(*node) || !node->redrawSuspended) return true;
  }
  return false;
}

void PaintPass() {
  // A pass that only shows new video pictures has no window to paint: no walk of the trees.
  if (!Dirty().empty()) {
    std::vector<HWND> tops = WindowTree::Get().TopLevels();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) PaintTree(*it);
  }
  // Windows left over (destroyed, or outside every tree) are dropped.
  for (auto it = Dirty().begin(); it != Dirty().end();) {
    WindowNode* node = FindWindowNode(*it);
    it = (!node || (node->update.IsEmpty() && !node->frameDirty)) ? Dirty().erase(it) : std::next(it);
  }
  std::vector<HWND> damaged;
  for (const auto& [top, rect] : Damage()) damaged.push_back(top);
  for (HWND top : damaged) Present(top);
}

void PaintNow(HWND hwnd, bool children) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return;
  if (!children) {
    if (Dirty().count(hwnd)) PaintOne(*node);
  } else {
    PaintTree(hwnd);
  }
  if (WindowNode* again = FindWindowNode(hwnd)) {
    if (WindowNode* top = WindowTree::Get().TopLevelOf(*again)) Present(top->handle);
  }
}

void AddDamage(HWND topLevel, const CRect& surfaceRect) {
  if (surfaceRect.IsRectEmpty()) return;
  CRect& d = Damage()[topLevel];
  d.UnionRect(d, surfaceRect);
}

void BeginPaintInto(HWND hwnd, PAINTSTRUCT* ps, CDC* dc) {
  *ps = PAINTSTRUCT{};
  ps->hdc = dc->GetSafeHdc();
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return;
  WindowTree& tree = WindowTree::Get();
  WindowNode* top = tree.TopLevelOf(*node);
  CRect origin = tree.RectInTopLevel(*node);
  CRect update = node->update.Bounds();
  bool erase = node->update.NeedsErase();
  node->update.Clear();
  // The paint covers the bounds of the region, children included (their pixels are in the
  // same surface): the children there are drawn again after it.
  InvalidateChildren(*node, update, erase);
  ps->rcPaint = update;
  CRect clip = update;
  clip.OffsetRect(origin.left, origin.top);
  clip.IntersectRect(clip, tree.VisibleRectInTopLevel(*node));
  if (!top || !top->surface) return;
  dc->AttachSurface(top->surface.get(), origin.TopLeft(), clip);
  AddDamage(top->handle, clip);
  if (erase) {
    LRESULT erased = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0);
    ps->fErase = erased ? FALSE : TRUE;
  }
}

void EndPaintFrom(HWND, CDC* dc) { dc->DetachSurface(); }

void EraseNow(HWND hwnd) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node || !node->update.NeedsErase() || node->update.IsEmpty()) return;
  CDC dc;
  if (!AttachClientDC(hwnd, &dc)) return;
  CRect bounds = node->update.Bounds();
  dc.IntersectClipRect(&bounds);
  node->update.ClearErase();
  InvalidateChildren(*node, bounds, true);
  SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  ReleaseClientDC(hwnd, &dc);
}

bool AttachClientDC(HWND hwnd, CDC* dc) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return false;
  WindowTree& tree = WindowTree::Get();
  WindowNode* top = tree.TopLevelOf(*node);
  if (!top || !top->surface) return false;
  CRect origin = tree.RectInTopLevel(*node);
  CRect clip = tree.VisibleRectInTopLevel(*node);
  dc->AttachSurface(top->surface.get(), origin.TopLeft(), clip);
  AddDamage(top->handle, clip);
  return true;
}

// The damage was recorded at attachment; it is presented at the next pass.
void ReleaseClientDC(HWND, CDC* dc) { dc->DetachSurface(); }

void OverlayChanged(HWND hwnd, const CRect& oldDest, bool hadOld, const CRect& newDest, bool hasNew) {
  WindowNode* node = FindWindowNode(hwnd);
  if (!node) return;
  if (hadOld && (!hasNew || oldDest != newDest)) Invalidate(*node, oldDest, true, true);
  if (!hasNew) return;
  WindowTree& tree = WindowTree::Get();
  WindowNode* top = tree.TopLevelOf(*node);
  if (!top) return;
  CRect dest = newDest;
  CRect origin = tree.RectInTopLevel(*node);
  dest.OffsetRect(origin.left, origin.top);
  dest.IntersectRect(dest, tree.VisibleRectInTopLevel(*node));
  AddDamage(top->handle, dest);
}

}  // namespace platform::detail
