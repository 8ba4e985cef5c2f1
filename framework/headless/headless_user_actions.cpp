// The user's side: what a test does as a user, and what the user sees.
#include <algorithm>
#include <stdexcept>
#include <string>

#include "framework/dialog.h"
#include "framework/headless/headless_geometry.h"
#include "framework/headless/headless_window_system.h"
#include "framework/window_messages.h"

namespace lectavo {

using headless::ClientOrigin;
using headless::Offset;

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
    // A digits-only edit refuses any other key without a word, as Wine's edit does.
    if ((window.style & kEsNumber) != 0 && (c < u'0' || c > u'9')) continue;
    // A character past the limit is dropped, yet reported as a change, as Wine's edit does.
    if (static_cast<int>(window.text.size()) < window.limit) window.text += c;
    Notify(handle, kEnChange);
  }
}

void HeadlessWindowSystem::Paste(int id, WStringView text) {
  const Handle handle = Control(id);
  Window& window = windows_.at(handle);
  // Pasted text is not filtered for digits; a single-line edit takes its first line, and
  // only as much as the limit leaves room for, yet reports a change, as Wine's edit does.
  if (const auto end = text.find(u'\n'); (window.style & kEsMultiline) == 0 && end != text.npos) {
    text = text.substr(0, end > 0 && text[end - 1] == u'\r' ? end - 1 : end);
  }
  if (text.empty()) return;
  const int room = std::max(0, window.limit - static_cast<int>(window.text.size()));
  window.text += text.substr(0, static_cast<std::size_t>(room));
  Notify(handle, kEnChange);
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

void HeadlessWindowSystem::MoveCaret(int id, int index) {
  const Handle handle = Control(id);
  Window& window = windows_.at(handle);
  if (!window.enabled || index < 0 || index >= static_cast<int>(window.items.size())) {
    throw std::out_of_range("no such line to move to");
  }
  window.current = index;
  Notify(handle, kLbnSelChange);
}

void HeadlessWindowSystem::PressKey(int virtualKey, bool control, bool shift) {
  windows_.at(modal_).dialog->HandleKey(virtualKey, control, shift);
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

int HeadlessWindowSystem::FocusedId() const {
  const Window* focused = Find(focus_);
  return focused == nullptr ? 0 : focused->id;
}

// Only a page, which has no frame, is asked for.
Rect HeadlessWindowSystem::ControlRect(int id) const {
  const Window& control = ControlWindow(id);
  const Rect& page = windows_.at(control.parent).rect;
  return Offset(control.rect, -page.left, -page.top);
}

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
