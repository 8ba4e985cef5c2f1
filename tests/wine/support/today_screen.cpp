#include "tests/wine/support/today_screen.h"

#include "tests/wine/support/product_names.h"

namespace lectavo::wine {
namespace {

constexpr int kDiscX = 2;
constexpr int kLoudspeakerX = 22;

}  // namespace

HWND FindTodayScreen(DWORD hostProcessId) {
  HWND found = nullptr;
  while ((found = FindWindowExW(nullptr, found, L"TodayScreen", nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(found, &owner);
    if (owner == hostProcessId) return found;
  }
  return nullptr;
}

HWND FindLectavoItem(HWND screen) {
  return screen == nullptr ? nullptr : FindWindowExW(screen, nullptr, kItemClass, nullptr);
}

std::uintptr_t RefreshQueries(HWND screen) {
  return reinterpret_cast<std::uintptr_t>(GetPropW(screen, L"RefreshQueries"));
}

int CountInIcon(const Screenshot& shot, HWND screen, HWND item, int x, bool (*matches)(DWORD)) {
  RECT line{};
  if (!GetWindowRect(item, &line)) return 0;
  const RECT icon{line.left + x, line.top + 2, line.left + x + 16, line.top + 18};
  return CountIn(shot, screen, icon, matches);
}

bool ShowsLoudspeaker(const Screenshot& shot, HWND screen, HWND item) {
  return CountInIcon(shot, screen, item, kDiscX, IsYellow) > 60 &&
         CountInIcon(shot, screen, item, kLoudspeakerX, IsDark) > 20 &&
         CountInIcon(shot, screen, item, kLoudspeakerX, IsRed) == 0;
}

bool ShowsCrossedOutLoudspeaker(const Screenshot& shot, HWND screen, HWND item) {
  return CountInIcon(shot, screen, item, kDiscX, IsYellow) > 60 &&
         CountInIcon(shot, screen, item, kLoudspeakerX, IsRed) > 30;
}

}  // namespace lectavo::wine
