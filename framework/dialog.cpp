#include "framework/dialog.h"

#include "framework/tab_ctrl.h"

namespace lectavo {

Dialog::~Dialog() { DestroyWindow(); }

int Dialog::DoModal(WindowSystem& system) {
  system_ = &system;
  modal_ = true;
  const int result = system.RunModal(*this);
  modal_ = false;
  return result;
}

bool Dialog::Create(Dialog& parent) {
  if (parent.system_ == nullptr || parent.window_ == kNoHandle) return false;
  system_ = parent.system_;
  parent_ = parent.window_;
  return system_->CreateChildDialog(*this, parent.window_) != kNoHandle;
}

void Dialog::EndDialog(int result) {
  if (window_ != kNoHandle) system_->EndDialog(window_, result);
}

bool Dialog::DestroyWindow() {
  if (window_ == kNoHandle) return false;
  const Handle window = window_;
  window_ = kNoHandle;
  return system_->DestroyWindow(window);
}

std::intptr_t Dialog::SendItemMessage(int id, std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) const {
  const Handle item = GetDlgItem(id);
  return item == kNoHandle ? 0 : system_->Send(item, message, wParam, lParam);
}

Handle Dialog::GetDlgItem(int id) const {
  return window_ == kNoHandle ? kNoHandle : system_->GetDlgItem(window_, id);
}

bool Dialog::HandleCommand(int id, std::uint32_t code) {
  if (auto entry = map_.find({id, code}); entry != map_.end()) {
    entry->second();
    return true;
  }
  // Only a modal dialog ends on OK or cancel; a page leaves them to the dialog it lies on.
  if (!modal_ || code != kBnClicked) return false;
  if (id == kIdOkButton) {
    OnOK();
  } else if (id == kIdCancelButton) {
    OnCancel();
  } else {
    return false;
  }
  return true;
}

bool Dialog::HandleNotify(int id, std::uint32_t code, std::intptr_t* result) {
  auto control = reflected_.find(id);
  return control != reflected_.end() && control->second->HandleReflectedNotify(code, result);
}

void Dialog::Reflect(int id, TabCtrl* control) {
  if (control == nullptr) {
    reflected_.erase(id);
  } else {
    reflected_[id] = control;
  }
}

}  // namespace lectavo
