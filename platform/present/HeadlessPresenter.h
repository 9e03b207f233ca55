#pragma once
// The presenter for tests: nothing is shown; it records what the layer told it, and a
// DialogAnswerer answers its dialogs.
#include <map>
#include <string>

#include "platform/win/Presenter.h"

namespace platform {

class HeadlessPresenter : public Presenter {
public:
  struct WindowInfo {
    HWND owner = nullptr;
    CRect screenRect;
    bool visible = false;
    PresentedState state = PresentedState::Normal;
    int updates = 0;
    const IconImage* icon = nullptr;
    bool decorated = false;
    std::wstring title;
  };

  void TopLevelCreated(HWND hwnd, HWND owner, const CRect& screenRect) override;
  void TopLevelDestroyed(HWND hwnd) override;
  void TopLevelMoved(HWND hwnd, const CRect& screenRect) override;
  void TopLevelShown(HWND hwnd, bool visible, PresentedState state) override;
  void TopLevelTitle(HWND hwnd, const std::wstring& title) override;
  void TopLevelDecorated(HWND hwnd, bool decorated) override;
  void TopLevelIcon(HWND hwnd, const IconImage* icon) override;
  void SurfaceUpdated(HWND hwnd, const Surface& surface, const CRect& dirty) override;
  CRect ScreenRect() const override { return CRect(0, 0, 1920, 1080); }
  // Dialogs go to the installed DialogAnswerer (DialogRequests.h).
  int MessageBox(const MessageBoxRequest& request) override;
  bool ChooseFile(const FileRequest& request, std::wstring* path) override;
  bool ChooseFolder(const FolderRequest& request, std::wstring* path) override;

  const WindowInfo* Info(HWND hwnd) const;

private:
  std::map<HWND, WindowInfo> m_windows;
};

// The presenter in use is the headless one.
bool IsHeadlessPresenter();
// The environment asks for the headless presenter (RODEMIR_PRESENTER=headless).
bool HeadlessPresenterRequested();

}  // namespace platform
