#pragma once
// Where top-level windows appear. The window layer tells the presenter about each
// top-level window and the pixels that changed; the presenter hands input back through
// QueueInput (InputEvent.h) and reports moves and state changes the user made outside
// the program (platform/present/PresenterEvents.h).
#include <memory>
#include <string>

#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"
#include "platform/gdi/Surface.h"

namespace platform {

enum class PresentedState { Normal, Minimized, Maximized };

class Presenter {
public:
  virtual ~Presenter() = default;

  virtual void TopLevelCreated(HWND hwnd, HWND owner, const CRect& screenRect) = 0;
  virtual void TopLevelDestroyed(HWND hwnd) = 0;
  virtual void TopLevelMoved(HWND hwnd, const CRect& screenRect) = 0;
  virtual void TopLevelShown(HWND hwnd, bool visible, PresentedState state) = 0;
  virtual void TopLevelRaised(HWND) {}
  virtual void TopLevelTitle(HWND, const std::wstring&) {}
  // `dirty` (surface coordinates) of the window's surface changed.
  virtual void SurfaceUpdated(HWND hwnd, const Surface& surface, const CRect& dirty) = 0;
  virtual void PointerCaptured(HWND, bool) {}
  virtual void CursorChanged(int) {}  // a standard cursor id (32512 the arrow, ...)

  virtual CRect ScreenRect() const = 0;

  // Modal choosers the later dialogs use; the defaults answer as cancelled.
  virtual int MessageBox(HWND, const std::wstring&, const std::wstring&, UINT) { return 2; }
  virtual bool ChooseFile(HWND, bool /*save*/, const std::wstring& /*title*/, const std::wstring& /*filter*/,
                          std::wstring* /*path*/) {
    return false;
  }
  virtual bool ChooseFolder(HWND, const std::wstring& /*title*/, std::wstring* /*path*/) { return false; }
};

// The presenter in use: chosen on first use by RODEMIR_PRESENTER ("gtk" or "headless";
// gtk unless the variable says otherwise), or set by a test.
Presenter& GetPresenter();
void SetPresenter(std::unique_ptr<Presenter> presenter);
bool IsHeadlessPresenter();

}  // namespace platform
