#pragma once
// Answers message boxes and the file and folder choosers in headless tests, from a script
// of answers given in order, and records what each one asked. While an instance lives it
// is the installed answerer. Before answering it runs what is ready on the UI thread (as
// a modal loop would) and then the answer's `whileOpen` action, if any: a test can
// advance the clock or deliver a notification there while the dialog is "open".
// An unscripted dialog fails the test and is dismissed (box) or cancelled (chooser).
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/win/DialogRequests.h"

namespace platform::test {

class ScriptedDialogs : public DialogAnswerer {
public:
  ScriptedDialogs();
  ~ScriptedDialogs() override;

  // Script: the next message box answers `id`; the next file or folder chooser returns
  // `path` (OK) or is cancelled.
  ScriptedDialogs& MessageBoxAnswer(int id, std::function<void()> whileOpen = nullptr);
  ScriptedDialogs& FileAnswer(std::wstring path, std::function<void()> whileOpen = nullptr);
  ScriptedDialogs& FolderAnswer(std::wstring path, std::function<void()> whileOpen = nullptr);
  ScriptedDialogs& FileCancel(std::function<void()> whileOpen = nullptr);
  ScriptedDialogs& FolderCancel(std::function<void()> whileOpen = nullptr);

  // What was asked, in order per kind. The folder request's title and selection are as
  // they stood when the chooser opened, after the browser's callback ran.
  const std::vector<MessageBoxRequest>& messageBoxes() const { return m_boxes; }
  const std::vector<FileRequest>& fileRequests() const { return m_files; }
  const std::vector<FolderRequest>& folderRequests() const { return m_folders; }
  // Answers scripted but not used yet.
  size_t pending() const { return m_script.size(); }

  int AnswerMessageBox(const MessageBoxRequest& request) override;
  bool AnswerFile(const FileRequest& request, std::wstring* path) override;
  bool AnswerFolder(const FolderRequest& request, std::wstring* path) override;

private:
  enum class Kind { MessageBox, File, Folder };
  struct Answer {
    Kind kind;
    int id = 0;
    bool ok = false;
    std::wstring path;
    std::function<void()> whileOpen;
  };
  bool Next(Kind kind, Answer* answer);

  std::deque<Answer> m_script;
  std::vector<MessageBoxRequest> m_boxes;
  std::vector<FileRequest> m_files;
  std::vector<FolderRequest> m_folders;
  DialogAnswerer* m_previous = nullptr;
};

}  // namespace platform::test
