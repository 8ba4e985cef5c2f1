#include "framework/headless/headless_window_system.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "framework/dialog.h"
#include "framework/tab_ctrl.h"
#include "framework/window_messages.h"

namespace lectavo {
namespace {

// A dialog unit is taken as two pixels; a dialog's frame and caption as on a desktop.
constexpr int kPixelsPerDialogUnit = 2;
constexpr int kFrame = 3;
constexpr int kCaption = 20;
// What TCM_ADJUSTRECT takes off a tab control's window rectangle for its display area.
constexpr Rect kTabMargins{2, 22, 2, 2};

Rect Offset(Rect rect, int dx, int dy) {
  return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

// The top-left corner of the client area; only a top-level dialog has a frame and caption.
Point ClientOrigin(const Rect& rect, bool framed) {
  return framed ? Point{rect.left + kFrame, rect.top + kFrame + kCaption}
                : Point{rect.left, rect.top};
}

}  // namespace

HeadlessWindowSystem::Window* HeadlessWindowSystem::Find(Handle window) {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

const HeadlessWindowSystem::Window* HeadlessWindowSystem::Find(Handle window) const {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

Handle HeadlessWindowSystem::MakeDialogWindow(Dialog& dialog, Handle parent) {
  const DialogTemplate& t = dialog.Template();
  const Handle handle = next_++;
  Window window;
  window.kind = Kind::kDialog;
  window.parent = parent;
  window.style = t.style;
  window.dialog = &dialog;
  window.text = t.caption;
  const int width = t.cx * kPixelsPerDialogUnit;
  const int height = t.cy * kPixelsPerDialogUnit;
  if (const Window* owner = Find(parent)) {
    const Point origin = ClientOrigin(owner->rect, owner->parent == kNoHandle);
    window.rect = {origin.x, origin.y, origin.x + width, origin.y + height};
  } else {
    window.rect = {100, 50, 100 + width + 2 * kFrame, 50 + height + 2 * kFrame + kCaption};
  }
  windows_[handle] = window;
  dialog.Attach(*this, handle);

  static const std::map<ControlKind, Kind> kinds = {{ControlKind::kButton, Kind::kButton},
                                                    {ControlKind::kEdit, Kind::kEdit},
                                                    {ControlKind::kStatic, Kind::kStatic},
                                                    {ControlKind::kListBox, Kind::kListBox},
                                                    {ControlKind::kComboBox, Kind::kComboBox}};
  for (const ControlTemplate& c : t.controls) {
    Window control;
    control.kind = kinds.at(c.kind);
    control.parent = handle;
    control.id = c.id;
    control.style = c.style;
    control.text = c.text;
    control.visible = true;
    for (const WChar* item : c.items) {
      control.items.emplace_back(item);
      control.selected.push_back(false);
    }
    windows_[next_++] = control;
  }
  dialog.HandleInitDialog();
  return handle;
}

int HeadlessWindowSystem::RunModal(Dialog& dialog) {
  const Handle handle = MakeDialogWindow(dialog, kNoHandle);
  const Handle outer = modal_;
  modal_ = handle;
  windows_[handle].visible = true;
  if (whileModal && !windows_[handle].ended) whileModal(*this);
  if (!windows_[handle].ended) dialog.HandleCommand(kIdCancelButton, kBnClicked);
  const int result = windows_[handle].ended ? windows_[handle].result : kIdCancelButton;
  Destroy(handle);
  modal_ = outer;
  return result;
}

Handle HeadlessWindowSystem::CreateChildDialog(Dialog& dialog, Handle parent) {
  if (failChildWindows || Find(parent) == nullptr) return kNoHandle;
  return MakeDialogWindow(dialog, parent);
}

Handle HeadlessWindowSystem::CreateTabControl(TabCtrl& tab, Handle parent, std::uint32_t style,
                                              const Rect& rect, int id) {
  const Window* owner = Find(parent);
  if (failChildWindows || owner == nullptr) return kNoHandle;
  const Point origin = ClientOrigin(owner->rect, owner->parent == kNoHandle);
  Window window;
  window.kind = Kind::kTab;
  window.parent = parent;
  window.id = id;
  window.style = style;
  window.tab = &tab;
  window.rect = Offset(rect, origin.x, origin.y);
  window.visible = true;
  windows_[next_] = window;
  return next_++;
}

void HeadlessWindowSystem::EndDialog(Handle dialog, int result) {
  if (Window* window = Find(dialog)) {
    window->ended = true;
    window->result = result;
  }
}

void HeadlessWindowSystem::Destroy(Handle handle) {
  std::vector<Handle> children;
  for (const auto& [child, window] : windows_) {
    if (window.parent == handle) children.push_back(child);
  }
  for (Handle child : children) Destroy(child);
  Window& window = windows_.at(handle);
  if (window.dialog != nullptr) window.dialog->Detach();
  if (window.tab != nullptr) window.tab->Detach();
  windows_.erase(handle);
}

bool HeadlessWindowSystem::DestroyWindow(Handle window) {
  if (Find(window) == nullptr) return false;
  Destroy(window);
  return true;
}

Handle HeadlessWindowSystem::GetDlgItem(Handle dialog, int id) {
  for (const auto& [handle, window] : windows_) {
    if (window.parent == dialog && window.id == id) return handle;
  }
  return kNoHandle;
}

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

bool HeadlessWindowSystem::EnableWindow(Handle handle, bool enable) {
  Window* window = Find(handle);
  if (window == nullptr) return false;
  const bool wasDisabled = !window->enabled;
  window->enabled = enable;
  return wasDisabled;
}

bool HeadlessWindowSystem::GetWindowRect(Handle handle, Rect* rect) {
  const Window* window = Find(handle);
  if (window == nullptr) return false;
  *rect = window->rect;
  return true;
}

bool HeadlessWindowSystem::GetClientRect(Handle handle, Rect* rect) {
  const Window* window = Find(handle);
  if (window == nullptr) return false;
  const Rect& r = window->rect;
  const bool framed = window->kind == Kind::kDialog && window->parent == kNoHandle;
  const int inset = framed ? 2 * kFrame : 0;
  *rect = {0, 0, r.right - r.left - inset, r.bottom - r.top - inset - (framed ? kCaption : 0)};
  return true;
}

bool HeadlessWindowSystem::ScreenToClient(Handle handle, Point* point) {
  const Window* window = Find(handle);
  if (window == nullptr) return false;
  const Point origin =
      ClientOrigin(window->rect, window->kind == Kind::kDialog && window->parent == kNoHandle);
  point->x -= origin.x;
  point->y -= origin.y;
  return true;
}

bool HeadlessWindowSystem::SetWindowPos(Handle handle, Handle, const Rect& rect,
                                        std::uint32_t flags) {
  Window* window = Find(handle);
  if (window == nullptr) return false;
  const Window& parent = windows_.at(window->parent);
  const Point origin = ClientOrigin(parent.rect, parent.parent == kNoHandle);
  window->rect = Offset(rect, origin.x, origin.y);
  if ((flags & kSwpShowWindow) != 0) window->visible = true;
  return true;
}

bool HeadlessWindowSystem::ShowWindow(Handle handle, int command) {
  Window* window = Find(handle);
  if (window == nullptr) return false;
  const bool wasVisible = window->visible;
  window->visible = command != 0;
  return wasVisible;
}

void HeadlessWindowSystem::CenterWindow(Handle) {}

Handle HeadlessWindowSystem::LoadSmallIcon(int resourceId) {
  return static_cast<Handle>(0x10000 + resourceId);
}

Rect HeadlessWindowSystem::LayoutArea(Handle dialog) {
  Rect client;
  GetClientRect(dialog, &client);
  return client;
}

// The user's side.

Handle HeadlessWindowSystem::Control(int id) const {
  for (auto window = windows_.rbegin(); window != windows_.rend(); ++window) {
    const Window* parent = Find(window->second.parent);
    if (window->second.id == id && parent != nullptr && parent->kind == Kind::kDialog) {
      return window->first;
    }
  }
  throw std::out_of_range("no control with id " + std::to_string(id));
}

Handle HeadlessWindowSystem::TabWindow() const {
  for (const auto& [handle, window] : windows_) {
    if (window.kind == Kind::kTab) return handle;
  }
  throw std::out_of_range("no tab control");
}

void HeadlessWindowSystem::Type(int id, WStringView text) {
  const Handle handle = Control(id);
  for (WChar c : text) {
    Window& window = windows_.at(handle);
    // A character past the limit is dropped, yet reported as a change, as Wine's edit does.
    if (static_cast<int>(window.text.size()) < window.limit) window.text += c;
    Notify(handle, kEnChange);
  }
}

void HeadlessWindowSystem::Erase(int id) {
  const Handle handle = Control(id);
  if (windows_.at(handle).text.empty()) return;
  windows_.at(handle).text.clear();
  Notify(handle, kEnChange);
}

void HeadlessWindowSystem::Click(int id) {
  const Handle handle = Control(id);
  Window& window = windows_.at(handle);
  if (!window.enabled) return;
  if ((window.style & kBsTypeMask) == kBsAutoCheckBox) window.check = window.check == 0 ? 1 : 0;
  Notify(handle, kBnClicked);
}

void HeadlessWindowSystem::ChooseItem(int id, int index) {
  const Handle handle = Control(id);
  Window& window = windows_.at(handle);
  if (!window.enabled || index < 0 || index >= static_cast<int>(window.items.size())) {
    throw std::out_of_range("no such line to choose");
  }
  window.current = index;
  Notify(handle, kCbnSelChange);
}

void HeadlessWindowSystem::ClickLine(int id, int index) {
  const Handle handle = Control(id);
  Window& window = windows_.at(handle);
  if (!window.enabled || index < 0 || index >= static_cast<int>(window.items.size())) {
    throw std::out_of_range("no such line to click");
  }
  // A multiple-selection list toggles the clicked line and makes it the focus line.
  window.selected[static_cast<std::size_t>(index)] =
      !window.selected[static_cast<std::size_t>(index)];
  window.current = index;
  Notify(handle, kLbnSelChange);
}

void HeadlessWindowSystem::SelectTab(int index) {
  const Handle handle = TabWindow();
  Window& window = windows_.at(handle);
  if (index < 0 || index >= static_cast<int>(window.items.size())) {
    throw std::out_of_range("no such tab");
  }
  if (window.current == index) return;  // a click on the selected tab changes nothing
  window.current = index;
  std::intptr_t result = 0;
  windows_.at(window.parent).dialog->HandleNotify(window.id, kTcnSelChange, &result);
}

void HeadlessWindowSystem::PressOk() {
  windows_.at(modal_).dialog->HandleCommand(kIdOkButton, kBnClicked);
}

void HeadlessWindowSystem::Close() {
  windows_.at(modal_).dialog->HandleCommand(kIdCancelButton, kBnClicked);
}

bool HeadlessWindowSystem::Exists(int id) const {
  try {
    Control(id);
    return true;
  } catch (const std::out_of_range&) {
    return false;
  }
}

WString HeadlessWindowSystem::Text(int id) const { return ControlWindow(id).text; }

int HeadlessWindowSystem::Check(int id) const { return ControlWindow(id).check; }

int HeadlessWindowSystem::Selection(int id) const { return ControlWindow(id).current; }

std::vector<WString> HeadlessWindowSystem::Items(int id) const { return ControlWindow(id).items; }

std::vector<int> HeadlessWindowSystem::SelectedLines(int id) const {
  const Window& window = ControlWindow(id);
  std::vector<int> lines;
  for (std::size_t line = 0; line < window.selected.size(); ++line) {
    if (window.selected[line]) lines.push_back(static_cast<int>(line));
  }
  return lines;
}

bool HeadlessWindowSystem::Enabled(int id) const { return ControlWindow(id).enabled; }

std::vector<WString> HeadlessWindowSystem::TabCaptions() const {
  return windows_.at(TabWindow()).items;
}

int HeadlessWindowSystem::SelectedTab() const { return windows_.at(TabWindow()).current; }

std::vector<int> HeadlessWindowSystem::Dialogs() const {
  std::vector<int> ids;
  for (const auto& [handle, window] : windows_) {
    if (window.kind == Kind::kDialog) ids.push_back(window.dialog->Template().id);
  }
  return ids;
}

Rect HeadlessWindowSystem::PageRect() const {
  for (auto window = windows_.rbegin(); window != windows_.rend(); ++window) {
    if (window->second.kind == Kind::kDialog && window->second.parent != kNoHandle) {
      const Window& parent = windows_.at(window->second.parent);
      const Point origin = ClientOrigin(parent.rect, parent.parent == kNoHandle);
      return Offset(window->second.rect, -origin.x, -origin.y);
    }
  }
  throw std::out_of_range("no child dialog");
}

}  // namespace lectavo
