#pragma once
// The combo box's items and selection, shared between its procedure and its pop-up list.
#include <string>
#include <vector>

#include "platform/base/WinTypes.h"

namespace platform::detail {

struct ComboItem {
  std::wstring text;
  DWORD_PTR data = 0;
};

struct ComboState {
  std::vector<ComboItem> items;
  int cur = -1;
  int hot = -1;      // the item under the pointer or the arrows while the list is open
  int top = 0;       // first item shown in the list
  HWND list = nullptr;
  bool focused = false;
  int itemHeight = 16;
};

constexpr int kComboMaxVisible = 30;

// The pop-up list of an open combo box; closing reports the choice to the combo.
HWND OpenComboList(HWND combo, ComboState& state);
void CloseComboList(HWND combo, ComboState& state, bool accept);
void EnsureComboItemVisible(ComboState& state, int index);
void RegisterComboListClass();
// The list closed: selects `choice` when accepted (notifying), then CBN_SELENDOK or
// CBN_SELENDCANCEL and CBN_CLOSEUP.
void NotifyComboChoice(HWND combo, ComboState& state, bool accept, int choice);

}  // namespace platform::detail
