// The dialog class programs derive their dialogs and pages from: a window built from a
// template, a message map from (control id, notification) to handler methods, typed access
// to the controls by id.
#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>

#include "framework/controls.h"
#include "framework/dialog_template.h"
#include "framework/window_messages.h"
#include "framework/window_system.h"

namespace lectavo {

class Dialog {
 public:
  explicit Dialog(const DialogTemplate& dialogTemplate) : template_(dialogTemplate) {}
  // Destroys the window if it is still there.
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Shows the dialog modally; returns the result given to EndDialog.
  int DoModal(WindowSystem& system);
  // Creates the window as a child of parent; false when it could not be made.
  bool Create(Dialog& parent);
  void EndDialog(int result);
  bool DestroyWindow();

  const DialogTemplate& Template() const { return template_; }
  Handle GetSafeHwnd() const { return window_; }
  // The dialog a child dialog lies on; none for a modal dialog.
  Handle GetParentHwnd() const { return parent_; }
  WindowSystem& System() const { return *system_; }
  std::intptr_t SendItemMessage(int id, std::uint32_t message, std::uintptr_t wParam = 0,
                                std::intptr_t lParam = 0) const;
  Handle GetDlgItem(int id) const;

  // Called by the backends.
  void Attach(WindowSystem& system, Handle window) {
    system_ = &system;
    window_ = window;
  }
  void Detach() { window_ = kNoHandle; }
  bool HandleInitDialog() { return OnInitDialog(); }
  // A key pressed anywhere in the modal dialog, before the dialog's own keyboard handling;
  // true when the dialog took it.
  bool HandleKey(int virtualKey, bool control, bool shift) {
    return PreTranslateKey(virtualKey, control, shift);
  }
  // True when a handler ran.
  bool HandleCommand(int id, std::uint32_t code);
  bool HandleNotify(int id, std::uint32_t code, std::intptr_t* result);
  // A child control that handles its own notifications (the tab control).
  void Reflect(int id, TabCtrl* control);

 protected:
  virtual bool OnInitDialog() { return true; }
  virtual void OnOK() { EndDialog(kIdOkButton); }
  virtual void OnCancel() { EndDialog(kIdCancelButton); }
  virtual bool PreTranslateKey(int, bool, bool) { return false; }

  // Message map entry: handler runs on notification code of control id. The handler is a
  // method of the dialog, or any callable, such as a lambda that hands a shared method the
  // control's index or field.
  template <class Derived>
  void OnCommand(int id, std::uint32_t code, void (Derived::*handler)()) {
    OnCommand(id, code, [this, handler] { (static_cast<Derived*>(this)->*handler)(); });
  }
  template <std::invocable Handler>
  void OnCommand(int id, std::uint32_t code, Handler handler) {
    map_[{id, code}] = std::move(handler);
  }

  Edit GetEdit(int id) { return Edit(*this, id); }
  CheckBox GetCheckBox(int id) { return CheckBox(*this, id); }
  ComboBox GetComboBox(int id) { return ComboBox(*this, id); }
  ListBox GetListBox(int id) { return ListBox(*this, id); }
  Label GetLabel(int id) { return Label(*this, id); }
  PushButton GetPushButton(int id) { return PushButton(*this, id); }

 private:
  const DialogTemplate& template_;
  WindowSystem* system_ = nullptr;
  Handle window_ = kNoHandle;
  Handle parent_ = kNoHandle;
  bool modal_ = false;
  std::map<std::pair<int, std::uint32_t>, std::function<void()>> map_;
  std::map<int, TabCtrl*> reflected_;
};

}  // namespace lectavo
