// The Today screen's items of a package, let go of while their files are replaced or removed:
// an item the Today screen has loaded holds its library, and it starts programs of its own.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace installer {

// Below HKEY_LOCAL_MACHINE: one key per Today item, holding its library ("DLL") and whether
// the Today screen shows it ("Enabled").
inline constexpr wchar_t kTodayItemsKey[] = L"SOFTWARE\\Microsoft\\Today\\Items";

// Whether a registry key below HKEY_LOCAL_MACHINE is a Today item's.
bool IsTodayItemKey(const std::wstring& key);

// WM_SETTINGCHANGE 0xF2 to every top-level window: the Today screen reloads its items.
void RefreshTodayScreen();

class TodayItems {
 public:
  explicit TodayItems(std::vector<std::wstring> keys);

  // Switches off every registered item among the keys, makes the Today screen reload and
  // waits until no process holds an item's library any more. False, with the items switched
  // on again, when one is still held after a while.
  bool Release();
  // Switches the items back as they were before Release, but for those whose "Enabled" the
  // installation has set anew, and makes the Today screen reload if any was switched back.
  void Restore(const std::vector<std::wstring>& setAnew = {});
  // The library that still held on when Release gave up.
  const std::wstring& Held() const { return held_; }

 private:
  struct Released {
    std::wstring key;
    std::wstring library;
    bool hadEnabled;
    DWORD enabled;
  };

  std::vector<std::wstring> keys_;
  std::vector<Released> released_;
  std::wstring held_;
};

}  // namespace installer
