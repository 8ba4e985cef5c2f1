// Typed access to a dialog's controls by id. A control object holds only its dialog and id,
// so it stays bound to the control whatever window the dialog has at the moment.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace lectavo {

class Dialog;

class Control {
 public:
  Control(Dialog& dialog, int id) : dialog_(dialog), id_(id) {}
  int Id() const { return id_; }
  Handle Window() const;
  void SetWindowText(WStringView text) const;
  // Copies at most capacity - 1 characters and a terminator; returns the characters copied.
  int GetWindowText(WChar* buffer, int capacity) const;
  WString GetWindowText() const;
  void EnableWindow(bool enable) const;

 protected:
  std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam = 0,
                     std::intptr_t lParam = 0) const;
  // The width in pixels of text in the control's font.
  int TextWidth(WStringView text) const;

 private:
  Dialog& dialog_;
  int id_;
};

class Edit : public Control {
 public:
  using Control::Control;
  // Applies to typing only: a text set by the program is not cut.
  void LimitText(int characters) const;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  int GetCheck() const;
  void SetCheck(int state) const;
};

class ComboBox : public Control {
 public:
  using Control::Control;
  int AddString(WStringView text) const;
  int GetCount() const;
  // -1 when nothing is selected.
  int GetCurSel() const;
  // An index outside the list clears the selection and returns -1.
  int SetCurSel(int index) const;
  void ResetContent() const;
};

class ListBox : public Control {
 public:
  using Control::Control;
  int AddString(WStringView text) const;
  int GetCount() const;
  void ResetContent() const;
  // Multiple-selection lists: selects or deselects one line, -1 for every line.
  void SetSel(int index, bool select) const;
  bool GetSel(int index) const;
  int GetCaretIndex() const;
  // Moves the focus line; the list scrolls only as far as the line needs to be seen.
  void SetCaretIndex(int index) const;
  int GetTopIndex() const;
  void SetTopIndex(int index) const;
  // The width in pixels the list can be scrolled across: the widest of its lines, given by the
  // caller that added them, can be read whole.
  void FitHorizontalExtent(const std::vector<WString>& lines) const;
  WString GetText(int index) const;
};

class Label : public Control {
 public:
  using Control::Control;
};

class PushButton : public Control {
 public:
  using Control::Control;
};

}  // namespace lectavo
