// What the Today Wine tests share: the device folder with the programs in place, the item's
// registration and the settings it reads.
#pragma once

#include <windows.h>

#include <string>

#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/product_names.h"
#include "tests/wine/support/settings_record.h"

namespace lectavo::wine {

inline const wchar_t kItemKey[] = L"SOFTWARE\\Microsoft\\Today\\Items\\ORBToday";
inline const std::wstring kDevicePathOfLibrary = ProgramFile(L"Lectavo_Today.dll");
inline constexpr DWORD kReadingOn = 0xE8323232;
inline constexpr DWORD kReadingOff = kReadingOn & ~(1u << 27);

inline bool PutSettings(DWORD speak) { return device::PutStartSettings(speak, 10); }

// The item's library and the monitor where the device keeps them; the configuration
// program is not built here, so a copy of the monitor plays it.
inline bool PlacePrograms() {
  MakeProgramFolder();
  const auto place = [](const wchar_t* from, const wchar_t* to) {
    return CopyFileW(PackagePath(from).c_str(), ProgramFile(to).c_str(), FALSE) != FALSE;
  };
  return place(L"Lectavo_Today.dll", L"Lectavo_Today.dll") &&
         place(L"Lectavo_Monitor.exe", L"Lectavo_Monitor.exe") &&
         place(L"Lectavo_Monitor.exe", L"Lectavo_Config.exe");
}

}  // namespace lectavo::wine
