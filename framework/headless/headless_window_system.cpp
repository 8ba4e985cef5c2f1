// The windows' side: making, destroying and placing dialogs, controls and tab controls.
#include "framework/headless/headless_window_system.h"

#include <map>
#include <vector>

#include "framework/dialog.h"
#include "framework/headless/headless_geometry.h"
#include "framework/tab_ctrl.h"
#include "framework/window_messages.h"

namespace lectavo {

using headless::ClientOrigin;
using headless::kCaption;
using headless::kFrame;
using headless::kPixelsPerDialogUnit;
using headless::Offset;

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
    const Point origin = ClientOrigin(window.rect, parent == kNoHandle);
    control.rect = {origin.x + c.x * kPixelsPerDialogUnit, origin.y + c.y * kPixelsPerDialogUnit,
                    origin.x + (c.x + c.cx) * kPixelsPerDialogUnit,
                    origin.y + (c.y + c.cy) * kPixelsPerDialogUnit};
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
  const Rect moved = Offset(rect, origin.x, origin.y);
  // A dialog's controls travel with it.
  for (Handle child : Children(handle)) {
    Rect& r = windows_.at(child).rect;
    r = Offset(r, moved.left - window->rect.left, moved.top - window->rect.top);
  }
  window->rect = moved;
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

std::vector<Handle> HeadlessWindowSystem::Children(Handle window) {
  std::vector<Handle> children;
  for (const auto& [handle, child] : windows_) {
    if (child.parent == window) children.push_back(handle);
  }
  return children;
}

void HeadlessWindowSystem::FocusFirstControl(Handle, Handle page, Handle fallback) {
  focus_ = fallback;
  for (Handle child : Children(page)) {
    const Window& control = windows_.at(child);
    const bool takesFocus = control.kind != Kind::kStatic &&
                            (control.kind != Kind::kButton ||
                             (control.style & kBsTypeMask) != kBsGroupBox);
    if (takesFocus && control.enabled) {
      focus_ = child;
      return;
    }
  }
}

Rect HeadlessWindowSystem::LayoutArea(Handle dialog) {
  Rect client;
  GetClientRect(dialog, &client);
  return client;
}

// The template's size already fits every page: nothing grows.
void HeadlessWindowSystem::FitTabDisplayArea(Handle, Handle, int, int) {}

// No message waits in a queue here.
void HeadlessWindowSystem::RemoveOnePendingMessage() {}

// Every character is taken as 6 pixels wide.
int HeadlessWindowSystem::TextWidth(Handle, WStringView text) {
  return static_cast<int>(text.size()) * 6;
}

}  // namespace lectavo
