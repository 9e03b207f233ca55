#pragma once
// What the layer asks a presenter to show modally: a message box, a file chooser, a folder
// chooser. Paths are POSIX paths.
#include <string>
#include <utility>
#include <vector>

#include "platform/base/WinTypes.h"

namespace platform {

struct MessageBoxRequest {
  HWND owner = nullptr;  // disabled while the box is up
  std::wstring text;
  std::wstring caption;
  UINT type = 0;  // MB_ buttons, icon and default-button bits
};

struct FileRequest {
  HWND owner = nullptr;
  bool save = true;
  std::wstring title;                                          // empty: the chooser's own
  std::wstring initialFolder;                                  // empty: the chooser's choice
  std::wstring fileName;                                       // proposed name, may carry a folder
  std::vector<std::pair<std::wstring, std::wstring>> filters;  // (description, patterns separated by ';')
  int filterIndex = 0;                                         // 0-based
  bool overwritePrompt = false;
};

struct FolderRequest {
  HWND owner = nullptr;
  HWND browser = nullptr;  // the chooser's own window: its text is the title
  std::wstring title;
  std::wstring prompt;     // shown above the folders
  std::wstring selection;  // the folder it opens on: the preselected one, else home
  bool newFolderButton = false;
};

// Answers the requests where no person can: the headless presenter hands them to the one
// installed (tests), and answers "dismissed" when there is none.
class DialogAnswerer {
public:
  virtual ~DialogAnswerer() = default;
  virtual int AnswerMessageBox(const MessageBoxRequest& request) = 0;
  virtual bool AnswerFile(const FileRequest& request, std::wstring* path) = 0;
  virtual bool AnswerFolder(const FolderRequest& request, std::wstring* path) = 0;
};

void SetDialogAnswerer(DialogAnswerer* answerer);  // null removes it
DialogAnswerer* GetDialogAnswerer();

// The answer of a box nobody answered: its only button, else Cancel, else No.
int DismissedMessageBoxResult(UINT type);

}  // namespace platform
