#include "platform/present/HeadlessPresenter.h"

namespace platform {

void HeadlessPresenter::TopLevelCreated(HWND hwnd, HWND owner, const CRect& screenRect) {
  WindowInfo info;
  info.owner = owner;
  info.screenRect = screenRect;
  m_windows[hwnd] = info;
}

void HeadlessPresenter::TopLevelDestroyed(HWND hwnd) { m_windows.erase(hwnd); }

void HeadlessPresenter::TopLevelMoved(HWND hwnd, const CRect& screenRect) { m_windows[hwnd].screenRect = screenRect; }

void HeadlessPresenter::TopLevelTitle(HWND hwnd, const std::wstring& title) {
  auto it = m_windows.find(hwnd);
  if (it != m_windows.end()) it->second.title = title;
}

void HeadlessPresenter::TopLevelDecorated(HWND hwnd, bool decorated) {
  auto it = m_windows.find(hwnd);
  if (it != m_windows.end()) it->second.decorated = decorated;
}

void HeadlessPresenter::TopLevelIcon(HWND hwnd, const IconImage* icon) {
  auto it = m_windows.find(hwnd);
  if (it != m_windows.end()) it->second.icon = icon;
}

void HeadlessPresenter::TopLevelShown(HWND hwnd, bool visible, PresentedState state) {
  m_windows[hwnd].visible = visible;
  m_windows[hwnd].state = state;
}

void HeadlessPresenter::SurfaceUpdated(HWND hwnd, const Surface&, const CRect&) { ++m_windows[hwnd].updates; }

int HeadlessPresenter::MessageBox(const MessageBoxRequest& request) {
  DialogAnswerer* answerer = GetDialogAnswerer();
  return answerer ? answerer->AnswerMessageBox(request) : DismissedMessageBoxResult(request.type);
}

bool HeadlessPresenter::ChooseFile(const FileRequest& request, std::wstring* path) {
  DialogAnswerer* answerer = GetDialogAnswerer();
  return answerer && answerer->AnswerFile(request, path);
}

bool HeadlessPresenter::ChooseFolder(const FolderRequest& request, std::wstring* path) {
  DialogAnswerer* answerer = GetDialogAnswerer();
  return answerer && answerer->AnswerFolder(request, path);
}

const HeadlessPresenter::WindowInfo* HeadlessPresenter::Info(HWND hwnd) const {
  auto it = m_windows.find(hwnd);
  return it == m_windows.end() ? nullptr : &it->second;
}

}  // namespace platform
