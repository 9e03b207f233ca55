#pragma once
// The combo box's items and selection, shared between its procedure and its pop-up list.
#include <string>
#include <vector>

#include "platform/base/WinTypes.h"
#include "platform/gdi/GdiTypes.h"

namespace platform::detail {

struct ComboItem {
  std::wstring text;
  DWORD_PTR data = 0;
};

struct ComboState {
  std::vector<ComboItem> items;
  int cur = -1;
  int hot = -1;  // the item under the pointer or the arrows while the list is open
  int top = 0;   // first item shown in the list
  HWND list = nullptr;
  bool focused = false;
  int itemHeight = 16;
  int droppedWidth = 0;  // the open list's least width; the combo's own width when wider
};

constexpr int kComboMaxVisible = 30;
// How the face and the list draw an item.
constexpr UINT kComboItemFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS;

// The pop-up list of an open combo box; closing reports the choice to the combo.
HWND OpenComboList(HWND combo, ComboState& state);
void CloseComboList(HWND combo, ComboState& state, bool accept);
void EnsureComboItemVisible(ComboState& state, int index);
void RegisterComboListClass();
// The open list's width: the least width asked for, or the combo's when that is wider.
int ComboListWidth(HWND combo, const ComboState& state);
// The list closed: selects `choice` when accepted (notifying), then CBN_SELENDOK or
// CBN_SELENDCANCEL and CBN_CLOSEUP.
void NotifyComboChoice(HWND combo, ComboState& state, bool accept, int choice);

}  // namespace platform::detail
