// What the Today Wine tests share: the device folder with the programs in place, the item's
// registration, the settings, waiting, and the processes a test caused.
#pragma once

#include <tlhelp32.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace lectavo::wine {

inline const wchar_t kProgramFolder[] = L"C:\\ORBA-GMBH\\Lectavo";
inline const wchar_t kSettingsKey[] = L"SOFTWARE\\ORBA-GMBH\\Lectavo";
inline const wchar_t kItemKey[] = L"SOFTWARE\\Microsoft\\Today\\Items\\ORBToday";
inline const wchar_t kDevicePathOfLibrary[] = L"\\ORBA-GMBH\\Lectavo\\Lectavo_Today.dll";
inline constexpr DWORD kReadingOn = 0xE8323232;
inline constexpr DWORD kReadingOff = kReadingOn & ~(1u << 27);

// Build folders, as this build's Wine sees them through drive Z:.
inline std::wstring PackageFile(const wchar_t* name) {
  return std::wstring(L"Z:" LECTAVO_PACKAGE_DIR L"/") + name;
}

inline bool PutDword(HKEY root, const wchar_t* key, const wchar_t* name, DWORD value) {
  return RegSetKeyValueW(root, key, name, REG_DWORD, &value, sizeof value) == ERROR_SUCCESS;
}

inline bool PutText(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& text) {
  return RegSetKeyValueW(root, key, name, REG_SZ, text.c_str(),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

inline bool PutSettings(DWORD speak) {
  return PutDword(HKEY_LOCAL_MACHINE, kSettingsKey, L"ValSpeak", speak) &&
         PutDword(HKEY_LOCAL_MACHINE, kSettingsKey, L"ValUsedLang", 1) &&
         PutText(HKEY_LOCAL_MACHINE, kSettingsKey, L"StrAccounts", L"") &&
         PutDword(HKEY_LOCAL_MACHINE, kSettingsKey, L"ValWaitStart", 10);
}

// The item's library and the monitor where the device keeps them; the configuration
// program is not built here, so a copy of the monitor plays it.
inline bool PlacePrograms() {
  CreateDirectoryW(L"C:\\ORBA-GMBH", nullptr);
  CreateDirectoryW(kProgramFolder, nullptr);
  const std::wstring folder = std::wstring(kProgramFolder) + L"\\";
  return CopyFileW(PackageFile(L"Lectavo_Today.dll").c_str(),
                   (folder + L"Lectavo_Today.dll").c_str(), FALSE) &&
         CopyFileW(PackageFile(L"Lectavo_Monitor.exe").c_str(),
                   (folder + L"Lectavo_Monitor.exe").c_str(), FALSE) &&
         CopyFileW(PackageFile(L"Lectavo_Monitor.exe").c_str(),
                   (folder + L"Lectavo_Config.exe").c_str(), FALSE);
}

template <typename Condition>
bool WaitFor(Condition condition, int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

// Processes started by the given parent, optionally only those of one executable name.
inline std::vector<DWORD> ChildrenOf(DWORD parent, const wchar_t* exeName = nullptr) {
  std::vector<DWORD> children;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return children;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ParentProcessID == parent &&
        (exeName == nullptr || _wcsicmp(entry.szExeFile, exeName) == 0)) {
      children.push_back(entry.th32ProcessID);
    }
  }
  CloseHandle(snapshot);
  return children;
}

inline void EndProcess(DWORD id) {
  if (const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

}  // namespace lectavo::wine
