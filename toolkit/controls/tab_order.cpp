// The order in which the focus moves between windowed controls: each parent
// keeps its windowed children in a list, the tab order.
#include <algorithm>

#include "toolkit/controls/win_control.h"

namespace toolkit {

int WinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tabList_;
  const auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void WinControl::SetTabOrder(int order) {
  if (!Parent()) return;
  auto& list = Parent()->tabList_;
  const auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  const int last = static_cast<int>(list.size());
  list.insert(list.begin() + std::clamp(order, 0, last), this);
}

void WinControl::GetTabOrderList(std::vector<WinControl*>& list) const {
  for (WinControl* child : tabList_) {
    list.push_back(child);
    child->GetTabOrderList(list);
  }
}

WinControl* WinControl::FindNextControl(WinControl* current, bool goForward, bool checkTabStop,
                                        bool checkParent) const {
  std::vector<WinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const int count = static_cast<int>(list.size());
  const auto found = std::find(list.begin(), list.end(), current);
  // Without a current control the search starts at the end it comes from.
  const int start = found != list.end() ? static_cast<int>(found - list.begin()) : goForward ? count - 1 : 0;
  int i = start;
  do {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    WinControl* candidate = list[static_cast<std::size_t>(i)];
    if (candidate != current && candidate->CanFocus() && (!checkTabStop || candidate->TabStop) &&
        (!checkParent || candidate->Parent() == this))
      return candidate;
  } while (i != start);
  return nullptr;
}

bool WinControl::SelectNext(WinControl* current, bool goForward, bool checkTabStop) {
  WinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop);
  if (!next) return false;
  next->SetFocus();
  return true;
}

}  // namespace toolkit
