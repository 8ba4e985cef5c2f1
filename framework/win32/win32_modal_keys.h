// The keys of a modal dialog: while one lives, every key pressed in the dialog is offered to
// it (Dialog::HandleKey) before its dialog loop sees it, and Space in a multiple-selection list
// is reported to the list's parent as a click is.
#pragma once

#include <windows.h>

namespace lectavo {

class Dialog;

class ModalKeys {
 public:
  // For the thread's new modal dialog; the outer one gets its keys back afterwards.
  explicit ModalKeys(Dialog& dialog);
  ~ModalKeys();
  ModalKeys(const ModalKeys&) = delete;
  ModalKeys& operator=(const ModalKeys&) = delete;

 private:
  Dialog* outer_;
  HHOOK hook_;
};

}  // namespace lectavo
