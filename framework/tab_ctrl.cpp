#include "framework/tab_ctrl.h"

#include "framework/dialog.h"
#include "framework/window_messages.h"

namespace lectavo {

TabCtrl::~TabCtrl() {
  if (parent_ != nullptr) parent_->Reflect(id_, nullptr);
}

bool TabCtrl::Create(Dialog& parent, std::uint32_t style, const Rect& rect, int id) {
  if (parent.GetSafeHwnd() == kNoHandle) return false;
  window_ = parent.System().CreateTabControl(*this, parent.GetSafeHwnd(), style, rect, id);
  if (window_ == kNoHandle) return false;
  parent_ = &parent;
  id_ = id;
  parent.Reflect(id, this);
  return true;
}

std::intptr_t TabCtrl::Send(std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) const {
  return window_ == kNoHandle ? -1 : parent_->System().Send(window_, message, wParam, lParam);
}

int TabCtrl::InsertItem(int position, WStringView text) {
  WString terminated(text);
  TabItem item;
  item.mask = kTcifText;
  item.text = terminated.data();
  return static_cast<int>(Send(kTcmInsertItem, static_cast<std::uintptr_t>(position),
                               reinterpret_cast<std::intptr_t>(&item)));
}

int TabCtrl::GetItemCount() const { return static_cast<int>(Send(kTcmGetItemCount, 0, 0)); }

int TabCtrl::GetCurSel() const { return static_cast<int>(Send(kTcmGetCurSel, 0, 0)); }

void TabCtrl::SetCurSel(int index) { Send(kTcmSetCurSel, static_cast<std::uintptr_t>(index), 0); }

void TabCtrl::ClearPressedTabs() {
  const int selected = GetCurSel();
  for (int index = 0; index < GetItemCount(); ++index) {
    TabItem item;
    item.mask = kTcifState;
    item.stateMask = kTcisButtonPressed;
    item.state = index == selected ? kTcisButtonPressed : 0;
    Send(kTcmSetItem, static_cast<std::uintptr_t>(index), reinterpret_cast<std::intptr_t>(&item));
  }
}

void TabCtrl::AdjustRect(bool larger, Rect* rect) const {
  Send(kTcmAdjustRect, larger ? 1 : 0, reinterpret_cast<std::intptr_t>(rect));
}

bool TabCtrl::HandleReflectedNotify(std::uint32_t code, std::intptr_t* result) {
  auto entry = map_.find(code);
  if (entry == map_.end()) return false;
  *result = entry->second();
  return true;
}

}  // namespace lectavo
