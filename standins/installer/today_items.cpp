#include "standins/installer/today_items.h"

#include <tlhelp32.h>

#include <algorithm>

#include "standins/installer/registry_text.h"

namespace installer {
namespace {

constexpr WPARAM kReloadItems = 0xF2;
constexpr UINT kBroadcastWindowTimeoutMs = 5000;
// The Today screen reloads from its message loop: an item inside a message box of its own
// lets go only once the box is closed.
constexpr ULONGLONG kUnloadTimeoutMs = 15000;
constexpr DWORD kPollMs = 100;

bool SameName(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::wstring FullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return full;
}

bool HasModule(DWORD processId, const std::wstring& library) {
  const HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (modules == INVALID_HANDLE_VALUE) return false;
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  bool found = false;
  for (BOOL more = Module32FirstW(modules, &module); more && !found;
       more = Module32NextW(modules, &module)) {
    found = SameName(module.szExePath, library);
  }
  CloseHandle(modules);
  return found;
}

// Whether the library could be replaced: Wine lets go of an unloaded library's file a while
// after the library has left the process's module list.
bool Replaceable(const std::wstring& library) {
  const HANDLE file = CreateFileW(library.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError() != ERROR_SHARING_VIOLATION;
  CloseHandle(file);
  return true;
}

bool LoadedAnywhere(const std::wstring& library) {
  const HANDLE processes = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (processes == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32W process{};
  process.dwSize = sizeof process;
  bool found = false;
  for (BOOL more = Process32FirstW(processes, &process); more && !found;
       more = Process32NextW(processes, &process)) {
    found = process.th32ProcessID != 0 && HasModule(process.th32ProcessID, library);
  }
  CloseHandle(processes);
  return found;
}

}  // namespace

bool IsTodayItemKey(const std::wstring& key) {
  const std::wstring prefix = std::wstring(kTodayItemsKey) + L"\\";
  return key.size() > prefix.size() && SameName(key.substr(0, prefix.size()), prefix);
}

void RefreshTodayScreen() {
  SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, kReloadItems, 0, SMTO_ABORTIFHUNG,
                      kBroadcastWindowTimeoutMs, nullptr);
}

TodayItems::TodayItems(std::vector<std::wstring> keys) {
  for (std::wstring& key : keys) {
    const bool known = std::any_of(keys_.begin(), keys_.end(),
                                   [&](const std::wstring& kept) { return SameName(kept, key); });
    if (!known) keys_.push_back(std::move(key));
  }
}

bool TodayItems::Release() {
  for (const std::wstring& key : keys_) {
    const auto library = ReadRegistryText(key, L"DLL");
    if (!library) continue;  // not registered: nothing loads it
    Released item{key, FullPath(*library), false, 0};
    DWORD size = sizeof item.enabled;
    item.hadEnabled = RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"Enabled", RRF_RT_REG_DWORD,
                                   nullptr, &item.enabled, &size) == ERROR_SUCCESS;
    const DWORD off = 0;
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"Enabled", REG_DWORD, &off, sizeof off);
    released_.push_back(std::move(item));
  }
  if (released_.empty()) return true;
  RefreshTodayScreen();
  const ULONGLONG deadline = GetTickCount64() + kUnloadTimeoutMs;
  for (const Released& item : released_) {
    while (LoadedAnywhere(item.library) || !Replaceable(item.library)) {
      if (GetTickCount64() >= deadline) {
        held_ = item.library;
        Restore();
        return false;
      }
      Sleep(kPollMs);
    }
  }
  return true;
}

void TodayItems::Restore(const std::vector<std::wstring>& setAnew) {
  bool restored = false;
  for (const Released& item : released_) {
    if (std::any_of(setAnew.begin(), setAnew.end(),
                    [&](const std::wstring& key) { return SameName(key, item.key); })) {
      continue;
    }
    if (item.hadEnabled) {
      RegSetKeyValueW(HKEY_LOCAL_MACHINE, item.key.c_str(), L"Enabled", REG_DWORD, &item.enabled,
                      sizeof item.enabled);
    } else {
      RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, item.key.c_str(), L"Enabled");
    }
    restored = true;
  }
  released_.clear();
  if (restored) RefreshTodayScreen();
}

}  // namespace installer
