#include "platform/win/detail/WindowTree.h"

#include <algorithm>
#include <cwctype>

namespace platform::detail {

namespace {

std::wstring Folded(const std::wstring& name) {
  std::wstring out = name;
  for (auto& c : out) c = static_cast<wchar_t>(std::towlower(c));
  return out;
}

}  // namespace

WindowTree& WindowTree::Get() {
  static WindowTree tree;
  return tree;
}

WindowNode* WindowTree::Find(HWND hwnd) const {
  if (!hwnd) return nullptr;
  auto it = m_nodes.find(hwnd);
  return it == m_nodes.end() ? nullptr : it->second.get();
}

WindowNode* WindowTree::Add(std::unique_ptr<WindowNode> node) {
  m_nextHandle += 2;
  node->handle = reinterpret_cast<HWND>(m_nextHandle);
  WindowNode* raw = node.get();
  m_nodes.emplace(raw->handle, std::move(node));
  if (raw->IsChild()) {
    if (WindowNode* parent = Find(raw->parent)) parent->children.push_back(raw->handle);
  } else {
    m_topLevels.insert(m_topLevels.begin(), raw->handle);
  }
  return raw;
}

void WindowTree::Remove(HWND hwnd) {
  WindowNode* node = Find(hwnd);
  if (!node) return;
  if (WindowNode* parent = Find(node->parent)) {
    auto& list = parent->children;
    list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
  }
  m_topLevels.erase(std::remove(m_topLevels.begin(), m_topLevels.end(), hwnd), m_topLevels.end());
  m_nodes.erase(hwnd);
}

void WindowTree::RaiseTopLevel(HWND hwnd) {
  auto it = std::find(m_topLevels.begin(), m_topLevels.end(), hwnd);
  if (it == m_topLevels.end()) return;
  m_topLevels.erase(it);
  m_topLevels.insert(m_topLevels.begin(), hwnd);
  // Owned pop-ups stay above their owner.
  std::vector<HWND> owned;
  for (HWND h : m_topLevels) {
    WindowNode* n = Find(h);
    if (n && n->owner == hwnd) owned.push_back(h);
  }
  for (auto o = owned.rbegin(); o != owned.rend(); ++o) RaiseTopLevel(*o);
}

void WindowTree::Raise(HWND hwnd) {
  WindowNode* node = Find(hwnd);
  if (!node) return;
  if (!node->IsChild()) {
    RaiseTopLevel(hwnd);
    return;
  }
  if (WindowNode* parent = Find(node->parent)) {
    auto& list = parent->children;
    list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
    list.insert(list.begin(), hwnd);
  }
}

void WindowTree::RegisterClass(std::shared_ptr<const WindowClassEntry> entry) {
  m_classes[Folded(entry->name)] = std::move(entry);
}

std::shared_ptr<const WindowClassEntry> WindowTree::FindClass(const std::wstring& name) const {
  auto it = m_classes.find(Folded(name));
  return it == m_classes.end() ? nullptr : it->second;
}

CRect WindowTree::WindowRectInTopLevel(const WindowNode& node) const {
  if (!node.IsChild()) return node.LocalWindowRect();
  const WindowNode* parent = Find(node.parent);
  if (!parent) return CRect();
  CPoint origin = RectInTopLevel(*parent).TopLeft();
  return CRect(origin + node.rect.TopLeft(), node.rect.Size());
}

CRect WindowTree::RectInTopLevel(const WindowNode& node) const {
  CRect window = WindowRectInTopLevel(node);
  return CRect(window.TopLeft() + node.ClientOffset(), node.ClientRect().Size());
}

namespace {

// Clips `r` (surface coordinates) by the node's window region, if it has one.
void ClipByRegion(const WindowNode& node, const CRect& windowInSurface, CRect* r) {
  if (!node.region) return;
  CRect region = *node.region;
  region.OffsetRect(windowInSurface.left, windowInSurface.top);
  r->IntersectRect(*r, region);
}

}  // namespace

CRect WindowTree::VisibleWindowRectInTopLevel(const WindowNode& node) const {
  if (!node.IsVisible()) return CRect();
  CRect visible = WindowRectInTopLevel(node);
  ClipByRegion(node, WindowRectInTopLevel(node), &visible);
  const WindowNode* cur = &node;
  while (cur->IsChild()) {
    const WindowNode* parent = Find(cur->parent);
    if (!parent || !parent->IsVisible()) return CRect();
    if (!visible.IntersectRect(visible, RectInTopLevel(*parent))) return CRect();
    ClipByRegion(*parent, WindowRectInTopLevel(*parent), &visible);
    cur = parent;
  }
  return visible.IsRectEmpty() ? CRect() : visible;
}

CRect WindowTree::VisibleRectInTopLevel(const WindowNode& node) const {
  CRect visible;
  if (!visible.IntersectRect(VisibleWindowRectInTopLevel(node), RectInTopLevel(node))) return CRect();
  return visible;
}

WindowNode* WindowTree::TopLevelOf(const WindowNode& node) const {
  const WindowNode* cur = &node;
  while (cur && cur->IsChild()) cur = Find(cur->parent);
  return const_cast<WindowNode*>(cur);
}

bool WindowTree::IsVisibleOnScreen(const WindowNode& node) const {
  WindowNode* top = TopLevelOf(node);
  return top && top->show != ShowState::Minimized && !VisibleRectInTopLevel(node).IsRectEmpty();
}

void WindowTree::ForEachInPaintOrder(HWND root, const std::function<void(WindowNode&)>& fn) const {
  WindowNode* node = Find(root);
  if (!node) return;
  fn(*node);
  node = Find(root);  // fn may have destroyed it
  if (!node) return;
  std::vector<HWND> children = node->children;
  for (auto it = children.rbegin(); it != children.rend(); ++it) ForEachInPaintOrder(*it, fn);
}

}  // namespace platform::detail
