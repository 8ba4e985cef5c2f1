// The tab control: a child window created by code, which handles its own selection-change
// notification through its message map (the parent reflects it back).
#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "framework/window_system.h"

namespace lectavo {

class Dialog;

class TabCtrl {
 public:
  TabCtrl() = default;
  virtual ~TabCtrl();
  TabCtrl(const TabCtrl&) = delete;
  TabCtrl& operator=(const TabCtrl&) = delete;

  bool Create(Dialog& parent, std::uint32_t style, const Rect& rect, int id);
  Handle GetSafeHwnd() const { return window_; }
  Dialog* Parent() const { return parent_; }

  int InsertItem(int position, WStringView text);
  int GetItemCount() const;
  int GetCurSel() const;
  void SetCurSel(int index);
  // Marks only the selected tab as pressed, as a click leaves the tabs.
  void ClearPressedTabs();
  // TCM_ADJUSTRECT: larger false turns a window rectangle into its display area.
  void AdjustRect(bool larger, Rect* rect) const;

  // Called by the backends.
  void Detach() { window_ = kNoHandle; }
  bool HandleReflectedNotify(std::uint32_t code, std::intptr_t* result);

 protected:
  // Message map entry for a reflected notification; the handler's result goes back.
  template <class Derived>
  void OnReflectedNotify(std::uint32_t code, std::intptr_t (Derived::*handler)()) {
    map_[code] = [this, handler] { return (static_cast<Derived*>(this)->*handler)(); };
  }

 private:
  std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) const;

  Dialog* parent_ = nullptr;
  Handle window_ = kNoHandle;
  int id_ = 0;
  std::map<std::uint32_t, std::function<std::intptr_t()>> map_;
};

}  // namespace lectavo
