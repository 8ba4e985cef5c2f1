#include "tests/wine/launcher/device.h"

namespace lectavo::device {
namespace {

constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\ORBA-GMBH\\Lectavo\\";

void PutDword(HKEY key, const wchar_t* name, DWORD value) {
  RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

}  // namespace

std::wstring PackageFile(const wchar_t* name) {
  return HostPath(LECTAVO_PACKAGE_DIR) + L"\\" + name;
}

std::wstring InstalledFile(const wchar_t* name) {
  return std::wstring(L"C:\\ORBA-GMBH\\Lectavo\\") + name;
}

bool Install(const wchar_t* name) {
  CreateDirectoryW(L"C:\\ORBA-GMBH", nullptr);
  CreateDirectoryW(L"C:\\ORBA-GMBH\\Lectavo", nullptr);
  return CopyFileW(PackageFile(name).c_str(), InstalledFile(name).c_str(), FALSE) != 0;
}

void Uninstall(const wchar_t* name) { DeleteFileW(InstalledFile(name).c_str()); }

void PutSettings(DWORD speak, DWORD waitStartSeconds, DWORD alive) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  PutDword(key, L"ValSpeak", speak);
  PutDword(key, L"ValUsedLang", 1);
  RegSetValueExW(key, L"StrAccounts", 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), 2);
  PutDword(key, L"ValWaitStart", waitStartSeconds);
  PutDword(key, L"ValAlive", alive);
  RegCloseKey(key);
}

void ClearSettings() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH"); }

std::optional<DWORD> Alive() {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kSettingsKey, L"ValAlive", RRF_RT_REG_DWORD, nullptr, &value,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

bool SetServiceEvent(const wchar_t* name) {
  const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
  if (event == nullptr) return false;
  const bool set = SetEvent(event) != 0;
  CloseHandle(event);
  return set;
}

HWND FindMessageBox(DWORD processId) {
  struct Search {
    DWORD processId;
    HWND found;
  } search{processId, nullptr};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<Search*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->processId || !IsWindowVisible(window) || ClassName(window) != L"#32770") {
          return TRUE;
        }
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring WindowText(HWND window) {
  std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  return text;
}

std::vector<std::wstring> StaticTexts(HWND box) {
  std::vector<std::wstring> texts;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM parameter) -> BOOL {
        if (lstrcmpiW(ClassName(child).c_str(), L"Static") == 0) {
          reinterpret_cast<std::vector<std::wstring>*>(parameter)->push_back(WindowText(child));
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

void PressOk(HWND box) { PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0); }

}  // namespace lectavo::device
