#pragma once
// The main window over temporary folders standing in for memory cards: cards with their
// three recording folders, recordings of a given size, answers for the drive and day
// choosers, and the rows of both recording lists.
#include <fcntl.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/base/UiDispatch.h"
#include "platform/win/ComboBox.h"
#include "tests/player/PlayerDlgFixture.h"

namespace cataloguetest {

class CatalogueFixture : public playertest::PlayerDlgFixture {
protected:
  // A card named `name` with "Driving", "Event" and "Parking"; returns its root.
  CString MakeCard(const std::string& name) {
    CString root = AddCard(name);
    for (const char* folder : {"Driving", "Event", "Parking"}) mkdir((Dir(root) + folder).c_str(), 0755);
    return root;
  }
  static std::string Dir(const CString& root) { return WideToFileSystem(root.str()); }
  static void MakeFile(const std::string& path, off_t bytes = 4096) {
    int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(ftruncate(fd, bytes), 0);
    close(fd);
  }
  // A recording file in `folder` under the card root.
  static void Record(const CString& root, const std::string& folder, const std::string& name, off_t bytes = 4096) {
    MakeFile(Dir(root) + folder + "/" + name, bytes);
  }

  // The next modal dialog other than the main window is answered with `id` once it is
  // active, after `before` ran on it. Gives up after many rounds when none opens.
  void AnswerDialog(int id, std::function<void(HWND)> before = nullptr, int rounds = 2000) {
    ++pendingAnswers;
    platform::PostToUiThread([this, id, before, rounds] {
      HWND active = ::GetActiveWindow();
      if (!active || !dlg || active == dlg->GetSafeHwnd()) {
        if (rounds > 0) AnswerDialog(id, before, rounds - 1);
        --pendingAnswers;
        return;
      }
      --pendingAnswers;
      ++answered;
      if (before) before(active);
      ::SendMessage(active, WM_COMMAND, id, 0);
    });
  }
  // A click on the control that opens a modal dialog, answered with `id`. The answer is
  // posted between press and release, so that it waits inside the dialog's loop.
  void ClickAnswering(int control, int id, std::function<void(HWND)> before = nullptr) {
    const CPoint at = Rect(control).CenterPoint() - Rect(control).TopLeft();
    harness.MoveTo(Item(control), at);
    harness.Press(Item(control), at);
    AnswerDialog(id, before);
    harness.Release(Item(control), at);
    Pump();
  }
  // Confirms the drive chooser on the entry at `index`.
  void ChooseDrive(int index = 0) {
    AnswerDialog(IDOK, [index](HWND chooser) { ::SendMessage(::GetDlgItem(chooser, 1024), CB_SETCURSEL, index, 0); });
  }

  CConfigListCtrl& Main() { return dlg->m_listFiles; }
  CConfigListCtrl& Panel() { return dlg->m_dlgFileList.m_listFiles; }
  bool PanelListExists() { return ::IsWindow(Panel().GetSafeHwnd()) != FALSE; }

  static std::vector<CString> Column(CConfigListCtrl& list, int column) {
    std::vector<CString> texts;
    for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column));
    return texts;
  }
  static std::vector<CString> Names(CConfigListCtrl& list) { return Column(list, 0); }
  static std::vector<int> Selected(CConfigListCtrl& list) {
    std::vector<int> rows;
    for (int row = 0; row < list.GetItemCount(); ++row)
      if (list.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) rows.push_back(row);
    return rows;
  }
  bool PanelChecked(COktSkinButton& button) { return button.GetCheck() == BST_CHECKED; }

  int pendingAnswers = 0;
  int answered = 0;
};

}  // namespace cataloguetest
