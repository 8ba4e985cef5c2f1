// The controls' side: the messages a program sends to a control and what they do to it.
#include <algorithm>

#include "framework/dialog.h"
#include "framework/headless/headless_geometry.h"
#include "framework/headless/headless_window_system.h"
#include "framework/window_messages.h"

namespace lectavo {

using headless::kTabMargins;

void HeadlessWindowSystem::Notify(Handle control, std::uint32_t code) {
  const Window& window = windows_.at(control);
  if (const Window* parent = Find(window.parent); parent != nullptr && parent->dialog != nullptr) {
    parent->dialog->HandleCommand(window.id, code);
  }
}

std::intptr_t HeadlessWindowSystem::Send(Handle handle, std::uint32_t message,
                                         std::uintptr_t wParam, std::intptr_t lParam) {
  Window* found = Find(handle);
  if (found == nullptr) return 0;
  Window& w = *found;
  const auto index = static_cast<int>(static_cast<std::intptr_t>(wParam));
  const int count = static_cast<int>(w.items.size());
  const auto* text = reinterpret_cast<const WChar*>(lParam);
  switch (message) {
    case kWmSetText:
      w.text = text != nullptr ? text : u"";
      // A single-line edit reports a text set by the program as a change, like typing.
      if (w.kind == Kind::kEdit && (w.style & kEsMultiline) == 0) Notify(handle, kEnChange);
      return 1;
    case kWmGetText: {
      if (wParam == 0) return 0;
      const auto n = std::min(w.text.size(), static_cast<std::size_t>(wParam) - 1);
      std::copy_n(w.text.data(), n, reinterpret_cast<WChar*>(lParam));
      reinterpret_cast<WChar*>(lParam)[n] = u'\0';
      return static_cast<std::intptr_t>(n);
    }
    case kWmGetTextLength:
      return static_cast<std::intptr_t>(w.text.size());
    case kWmSetIcon:
      return 0;
    case kEmLimitText:
      w.limit = wParam == 0 ? 0x7FFFFFFE : static_cast<int>(wParam);
      return 0;
    case kBmGetCheck:
      return w.check;
    case kBmSetCheck:
      w.check = static_cast<int>(wParam);
      return 0;
    case kCbAddString:
    case kLbAddString:
      w.items.emplace_back(text);
      w.selected.push_back(false);
      return count;
    case kCbGetCount:
    case kLbGetCount:
    case kTcmGetItemCount:
      return count;
    case kCbGetCurSel:
    case kTcmGetCurSel:
    case kLbGetCaretIndex:
      return w.current;
    case kLbSetCaretIndex:
      if (index < 0 || index >= count) return kCbErr;
      w.current = index;
      return 0;
    case kLbGetTopIndex:
      return w.top;
    case kLbSetTopIndex:
      if (index < 0 || index >= std::max(count, 1)) return kCbErr;
      w.top = index;
      return 0;
    case kLbSetHorizontalExtent:
      w.extent = index;
      return 0;
    case kTcmSetItem: {
      if (index < 0 || index >= count) return 0;
      const auto* item = reinterpret_cast<const TabItem*>(lParam);
      if ((item->mask & kTcifState) != 0 && (item->stateMask & kTcisButtonPressed) != 0) {
        w.selected[static_cast<std::size_t>(index)] = (item->state & kTcisButtonPressed) != 0;
      }
      return 1;
    }
    case kCbSetCurSel:
    case kTcmSetCurSel: {
      const int previous = w.current;
      const bool valid = index >= 0 && index < count;
      if (w.kind == Kind::kTab) {
        if (valid) w.current = index;
        return valid ? previous : -1;
      }
      // Wine's combo box keeps its selection for an index past the list; -1 clears it.
      if (valid || index == -1) w.current = index;
      return valid ? index : kCbErr;
    }
    case kCbResetContent:
    case kLbResetContent:
      w.items.clear();
      w.selected.clear();
      w.current = w.kind == Kind::kListBox ? 0 : -1;
      w.top = 0;
      return 0;
    case kLbSetSel: {
      const int line = static_cast<int>(lParam);
      if (line < -1 || line >= count) return kCbErr;
      for (int i = 0; i < count; ++i) {
        if (line == -1 || line == i) w.selected[static_cast<std::size_t>(i)] = wParam != 0;
      }
      return 0;
    }
    case kLbGetSel:
      return index >= 0 && index < count
                 ? static_cast<int>(w.selected[static_cast<std::size_t>(index)])
                 : kCbErr;
    case kLbGetTextLen:
      return index >= 0 && index < count
                 ? static_cast<std::intptr_t>(w.items[static_cast<std::size_t>(index)].size())
                 : kCbErr;
    case kLbGetText: {
      if (index < 0 || index >= count) return kCbErr;
      const WString& line = w.items[static_cast<std::size_t>(index)];
      std::copy(line.begin(), line.end(), reinterpret_cast<WChar*>(lParam));
      reinterpret_cast<WChar*>(lParam)[line.size()] = u'\0';
      return static_cast<std::intptr_t>(line.size());
    }
    case kTcmInsertItem: {
      const auto* item = reinterpret_cast<const TabItem*>(lParam);
      const int at = std::clamp(index, 0, count);
      w.items.insert(w.items.begin() + at, (item->mask & kTcifText) != 0 ? item->text : u"");
      w.selected.push_back(false);
      if (count == 0) w.current = 0;
      return at;
    }
    case kTcmAdjustRect: {
      auto* rect = reinterpret_cast<Rect*>(lParam);
      const int sign = wParam != 0 ? -1 : 1;
      *rect = {rect->left + sign * kTabMargins.left, rect->top + sign * kTabMargins.top,
               rect->right - sign * kTabMargins.right, rect->bottom - sign * kTabMargins.bottom};
      return 0;
    }
    default:
      return 0;
  }
}

}  // namespace lectavo
