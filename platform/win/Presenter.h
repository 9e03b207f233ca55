#pragma once
// Where top-level windows appear. The window layer tells the presenter about each
// top-level window and the pixels that changed; the presenter hands input back through
// QueueInput (InputEvent.h) and reports moves and state changes the user made outside
// the program (platform/win/PresenterEvents.h).
#include <memory>
#include <string>

#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"
#include "platform/gdi/Surface.h"
#include "platform/win/DialogRequests.h"

namespace platform {

enum class PresentedState { Normal, Minimized, Maximized };
struct IconImage;

class Presenter {
public:
  virtual ~Presenter() = default;

  virtual void TopLevelCreated(HWND hwnd, HWND owner, const CRect& screenRect) = 0;
  virtual void TopLevelDestroyed(HWND hwnd) = 0;
  virtual void TopLevelMoved(HWND hwnd, const CRect& screenRect) = 0;
  virtual void TopLevelShown(HWND hwnd, bool visible, PresentedState state) = 0;
  virtual void TopLevelRaised(HWND) {}
  virtual void TopLevelTitle(HWND, const std::wstring&) {}
  // Whether the window manager frames the window and shows its title; the frame lies
  // outside screenRect, which stays the window's own area.
  virtual void TopLevelDecorated(HWND, bool) {}
  // The window's icon (its big one when it has both); null for none.
  virtual void TopLevelIcon(HWND, const IconImage*) {}
  // `dirty` (surface coordinates) of the window's surface changed.
  virtual void SurfaceUpdated(HWND hwnd, const Surface& surface, const CRect& dirty) = 0;
  virtual void PointerCaptured(HWND, bool) {}
  virtual void CursorChanged(int) {}  // a standard cursor id (32512 the arrow, ...)

  virtual CRect ScreenRect() const = 0;
  // The screen less the desktop's panels and docks.
  virtual CRect WorkArea() const { return ScreenRect(); }

  // Modal dialogs. Each runs until answered while the UI thread's queue keeps flowing;
  // the caller has already disabled the owner. MessageBox returns an ID value; the
  // choosers return false when cancelled.
  virtual int MessageBox(const MessageBoxRequest& request) { return DismissedMessageBoxResult(request.type); }
  virtual bool ChooseFile(const FileRequest&, std::wstring* /*path*/) { return false; }
  virtual bool ChooseFolder(const FolderRequest&, std::wstring* /*path*/) { return false; }
  // The open folder chooser of `browser` is asked to select `path`.
  virtual void FolderSelectionChanged(HWND /*browser*/, const std::wstring& /*path*/) {}
};

// The presenter in use: made on first use by detail::CreateDefaultPresenter, or set by a test.
Presenter& GetPresenter();
void SetPresenter(std::unique_ptr<Presenter> presenter);

namespace detail {
// The presenter the environment asks for; defined beside the presenters.
std::unique_ptr<Presenter> CreateDefaultPresenter();
}  // namespace detail

}  // namespace platform
