#pragma once
// The table of live windows and registered classes. Handles are never reused, so a
// handle kept past its window's end is refused rather than reaching a new window.
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/win/detail/WindowNode.h"

namespace platform::detail {

class WindowTree {
public:
  static WindowTree& Get();

  WindowNode* Find(HWND hwnd) const;
  WindowNode* Add(std::unique_ptr<WindowNode> node);  // assigns the handle
  void Remove(HWND hwnd);

  // Top-level windows in z-order, topmost first.
  const std::vector<HWND>& TopLevels() const { return m_topLevels; }
  void RaiseTopLevel(HWND hwnd);
  // Moves the window (and the pop-ups it owns, above it) to the top of its siblings.
  void Raise(HWND hwnd);

  void RegisterClass(std::shared_ptr<const WindowClassEntry> entry);
  std::shared_ptr<const WindowClassEntry> FindClass(const std::wstring& name) const;

  // The window's client area (RectInTopLevel) or whole rectangle (WindowRectInTopLevel)
  // in its top-level window's surface, before clipping.
  CRect RectInTopLevel(const WindowNode& node) const;
  CRect WindowRectInTopLevel(const WindowNode& node) const;
  // The part of the window's client area (or whole window) that can be seen: clipped by
  // every ancestor's client area and window region; empty when the window or an ancestor
  // is hidden. Surface coordinates.
  CRect VisibleRectInTopLevel(const WindowNode& node) const;
  CRect VisibleWindowRectInTopLevel(const WindowNode& node) const;
  WindowNode* TopLevelOf(const WindowNode& node) const;
  bool IsVisibleOnScreen(const WindowNode& node) const;
  // Calls `fn` for the window and its descendants, parents before children, siblings
  // bottom of the z-order first (the order they are painted in).
  void ForEachInPaintOrder(HWND root, const std::function<void(WindowNode&)>& fn) const;

private:
  std::unordered_map<HWND, std::unique_ptr<WindowNode>> m_nodes;
  std::vector<HWND> m_topLevels;
  std::unordered_map<std::wstring, std::shared_ptr<const WindowClassEntry>> m_classes;
  UINT_PTR m_nextHandle = 0x10000;
};

inline WindowNode* FindWindowNode(HWND hwnd) { return WindowTree::Get().Find(hwnd); }

}  // namespace platform::detail
