#include "framework/controls.h"

#include <algorithm>
#include <vector>

#include "framework/dialog.h"
#include "framework/window_messages.h"

namespace lectavo {
namespace {

constexpr int kLineMargin = 6;

}  // namespace

Handle Control::Window() const { return dialog_.GetDlgItem(id_); }

std::intptr_t Control::Send(std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) const {
  return dialog_.SendItemMessage(id_, message, wParam, lParam);
}

int Control::TextWidth(WStringView text) const {
  const Handle window = Window();
  return window == kNoHandle ? 0 : dialog_.System().TextWidth(window, text);
}

void Control::SetWindowText(WStringView text) const {
  const WString terminated(text);
  Send(kWmSetText, 0, reinterpret_cast<std::intptr_t>(terminated.c_str()));
}

int Control::GetWindowText(WChar* buffer, int capacity) const {
  if (capacity <= 0) return 0;
  buffer[0] = u'\0';
  return static_cast<int>(Send(kWmGetText, static_cast<std::uintptr_t>(capacity),
                               reinterpret_cast<std::intptr_t>(buffer)));
}

WString Control::GetWindowText() const {
  const auto length = Send(kWmGetTextLength);
  std::vector<WChar> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1);
  const int copied = GetWindowText(buffer.data(), static_cast<int>(buffer.size()));
  return WString(buffer.data(), static_cast<std::size_t>(copied));
}

void Control::EnableWindow(bool enable) const {
  if (const Handle window = Window(); window != kNoHandle) {
    dialog_.System().EnableWindow(window, enable);
  }
}

void Edit::LimitText(int characters) const {
  Send(kEmLimitText, static_cast<std::uintptr_t>(characters));
}

int CheckBox::GetCheck() const { return static_cast<int>(Send(kBmGetCheck)); }

void CheckBox::SetCheck(int state) const { Send(kBmSetCheck, static_cast<std::uintptr_t>(state)); }

int ComboBox::AddString(WStringView text) const {
  const WString terminated(text);
  return static_cast<int>(
      Send(kCbAddString, 0, reinterpret_cast<std::intptr_t>(terminated.c_str())));
}

int ComboBox::GetCount() const { return static_cast<int>(Send(kCbGetCount)); }

int ComboBox::GetCurSel() const { return static_cast<int>(Send(kCbGetCurSel)); }

int ComboBox::SetCurSel(int index) const {
  return static_cast<int>(Send(kCbSetCurSel, static_cast<std::uintptr_t>(index)));
}

void ComboBox::ResetContent() const { Send(kCbResetContent); }

int ListBox::AddString(WStringView text) const {
  const WString terminated(text);
  return static_cast<int>(
      Send(kLbAddString, 0, reinterpret_cast<std::intptr_t>(terminated.c_str())));
}

int ListBox::GetCount() const { return static_cast<int>(Send(kLbGetCount)); }

void ListBox::ResetContent() const { Send(kLbResetContent); }

void ListBox::SetSel(int index, bool select) const { Send(kLbSetSel, select ? 1 : 0, index); }

bool ListBox::GetSel(int index) const {
  return Send(kLbGetSel, static_cast<std::uintptr_t>(index)) > 0;
}

int ListBox::GetCaretIndex() const { return static_cast<int>(Send(kLbGetCaretIndex)); }

void ListBox::SetCaretIndex(int index) const {
  Send(kLbSetCaretIndex, static_cast<std::uintptr_t>(index), 1);
}

int ListBox::GetTopIndex() const { return static_cast<int>(Send(kLbGetTopIndex)); }

void ListBox::SetTopIndex(int index) const {
  Send(kLbSetTopIndex, static_cast<std::uintptr_t>(index));
}

// A little room after the text, as the list leaves before it.
void ListBox::FitHorizontalExtent(const std::vector<WString>& lines) const {
  int widest = 0;
  for (const WString& line : lines) widest = std::max(widest, TextWidth(line));
  Send(kLbSetHorizontalExtent, static_cast<std::uintptr_t>(widest + kLineMargin));
}

WString ListBox::GetText(int index) const {
  const auto length = Send(kLbGetTextLen, static_cast<std::uintptr_t>(index));
  if (length < 0) return {};
  std::vector<WChar> buffer(static_cast<std::size_t>(length) + 1);
  const auto copied = Send(kLbGetText, static_cast<std::uintptr_t>(index),
                           reinterpret_cast<std::intptr_t>(buffer.data()));
  return copied < 0 ? WString() : WString(buffer.data(), static_cast<std::size_t>(copied));
}

}  // namespace lectavo
