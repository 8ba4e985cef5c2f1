#include "standins/installer/start_up.h"

#include <windows.h>

#include "standins/installer/console.h"
#include "standins/installer/registry_text.h"

namespace installer {
namespace {

constexpr wchar_t kStartUpKey[] = L"Init";
constexpr wchar_t kLaunchPrefix[] = L"Launch";

bool IsStartUpEntry(const RegistryEntry& entry) {
  const std::wstring prefix = kLaunchPrefix;
  return CompareStringOrdinal(entry.key.c_str(), -1, kStartUpKey, -1, TRUE) == CSTR_EQUAL &&
         entry.name.size() > prefix.size() &&
         CompareStringOrdinal(entry.name.c_str(), static_cast<int>(prefix.size()), prefix.c_str(),
                              -1, TRUE) == CSTR_EQUAL;
}

bool Start(const std::wstring& path) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    return false;
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return true;
}

}  // namespace

int RunStartUpEntries(const std::vector<RegistryEntry>& packageEntries) {
  int failed = 0;
  for (const RegistryEntry& entry : packageEntries) {
    if (!IsStartUpEntry(entry)) continue;
    const auto path = ReadRegistryText(kStartUpKey, entry.name.c_str());
    if (!path) continue;
    if (Start(*path)) {
      Say(L"Started " + *path + L" (start-up entry " + entry.name + L").");
    } else {
      Complain(L"start-up entry " + entry.name + L": " + *path + L" cannot be started (error " +
               std::to_wstring(GetLastError()) + L")");
      ++failed;
    }
  }
  return failed;
}

}  // namespace installer
