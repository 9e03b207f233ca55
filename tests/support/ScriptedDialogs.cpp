#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include "platform/win/detail/MessageLoop.h"

namespace platform::test {

namespace {
const char* KindName(int kind) { return kind == 0 ? "message box" : kind == 1 ? "file chooser" : "folder chooser"; }
}  // namespace

ScriptedDialogs::ScriptedDialogs() : m_previous(GetDialogAnswerer()) { SetDialogAnswerer(this); }

ScriptedDialogs::~ScriptedDialogs() { SetDialogAnswerer(m_previous); }

ScriptedDialogs& ScriptedDialogs::MessageBoxAnswer(int id, std::function<void()> whileOpen) {
  m_script.push_back({Kind::MessageBox, id, true, L"", std::move(whileOpen)});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::FileAnswer(std::wstring path, std::function<void()> whileOpen) {
  m_script.push_back({Kind::File, 0, true, std::move(path), std::move(whileOpen)});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::FolderAnswer(std::wstring path, std::function<void()> whileOpen) {
  m_script.push_back({Kind::Folder, 0, true, std::move(path), std::move(whileOpen)});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::FileCancel(std::function<void()> whileOpen) {
  m_script.push_back({Kind::File, 0, false, L"", std::move(whileOpen)});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::FolderCancel(std::function<void()> whileOpen) {
  m_script.push_back({Kind::Folder, 0, false, L"", std::move(whileOpen)});
  return *this;
}

bool ScriptedDialogs::Next(Kind kind, Answer* answer) {
  if (m_script.empty() || m_script.front().kind != kind) {
    ADD_FAILURE() << "unscripted " << KindName(static_cast<int>(kind));
    return false;
  }
  *answer = std::move(m_script.front());
  m_script.pop_front();
  detail::PumpReady();
  if (answer->whileOpen) answer->whileOpen();
  return true;
}

int ScriptedDialogs::AnswerMessageBox(const MessageBoxRequest& request) {
  m_boxes.push_back(request);
  Answer answer;
  return Next(Kind::MessageBox, &answer) ? answer.id : DismissedMessageBoxResult(request.type);
}

bool ScriptedDialogs::AnswerFile(const FileRequest& request, std::wstring* path) {
  m_files.push_back(request);
  Answer answer;
  if (!Next(Kind::File, &answer) || !answer.ok) return false;
  *path = answer.path;
  return true;
}

bool ScriptedDialogs::AnswerFolder(const FolderRequest& request, std::wstring* path) {
  m_folders.push_back(request);
  Answer answer;
  if (!Next(Kind::Folder, &answer) || !answer.ok) return false;
  *path = answer.path;
  return true;
}

}  // namespace platform::test
