#include "tests/wine/lifecycle/running_device.h"

#include "tests/wine/support/paths.h"
#include "tests/wine/support/settings_record.h"
#include "tests/wine/support/today_screen.h"

#include <tlhelp32.h>

#include <algorithm>
#include <string_view>

namespace lectavo::lifecycle {
namespace {

using namespace device;
using wine::HostPath;

std::wstring PackageFolder(char marker) { return L"\\LectavoPackage" + std::wstring(1, marker); }

constexpr std::string_view kMarkerPrefix = "Lectavo package ";

std::string MarkerText(char marker) { return std::string(kMarkerPrefix) + marker; }

bool EndsWith(const std::wstring& name, const wchar_t* suffix) {
  const std::wstring end = suffix;
  return name.size() >= end.size() &&
         CompareStringOrdinal(name.c_str() + name.size() - end.size(), -1, end.c_str(), -1,
                              TRUE) == CSTR_EQUAL;
}

int RunInstaller(const std::wstring& arguments, std::string* said) {
  return RunAndPump(HostPath(LECTAVO_INSTALLER), arguments, said);
}

BOOL CALLBACK CountBox(HWND window, LPARAM count) {
  wchar_t title[64] = {};
  wchar_t kind[16] = {};
  GetWindowTextW(window, title, 64);
  GetClassNameW(window, kind, 16);
  if (IsWindowVisible(window) && std::wstring(kind) == L"#32770" &&
      (std::wstring(title) == L"Lectavo" || std::wstring(title) == L"Fehler")) {
    ++*reinterpret_cast<int*>(count);
  }
  return TRUE;
}

}  // namespace

std::wstring MakePackage(char marker) {
  const std::wstring folder = PackageFolder(marker);
  RemoveTree(folder);
  CopyTree(HostPath(LECTAVO_PACKAGE_DIR), folder);
  for (const std::wstring& name : ProgramFiles(folder)) {
    const std::wstring path = folder + L"\\" + name;
    Write(path, Content(path).value_or("") + MarkerText(marker));
  }
  return folder;
}

char MarkerOf(const std::wstring& path) {
  const auto content = Content(path);
  if (!content) return '-';
  const std::size_t size = kMarkerPrefix.size() + 1;
  if (content->size() < size ||
      content->compare(content->size() - size, kMarkerPrefix.size(), kMarkerPrefix) != 0) {
    return '?';
  }
  return content->back();
}

std::vector<std::wstring> ProgramFiles(const std::wstring& package) {
  std::vector<std::wstring> programs;
  for (const std::wstring& name : Names(package)) {
    if ((EndsWith(name, L".exe") || EndsWith(name, L".dll")) &&
        !EndsWith(name, L"Lectavo_Setup.dll")) {
      programs.push_back(name);
    }
  }
  return programs;
}

int Install(const std::wstring& package, const std::wstring& folder, std::string* said) {
  return RunInstaller(
      L"install \"" + package + L"\"" + (folder.empty() ? L"" : L" \"" + folder + L"\""), said);
}

int Uninstall(std::string* said) {
  return RunInstaller(L"uninstall \"" + kPackageName + L"\"", said);
}

void Forget() {
  EndProductPrograms();
  for (const std::wstring& tree : {kProgramFolder, kDefaultFolder, PackageFolder('A'),
                                   PackageFolder('B')}) {
    RemoveTree(tree);
  }
  wine::RemoveProgramFolderParent();
  for (const wchar_t* file : {L".dll", L".dat"}) {
    DeleteFileW((L"\\Windows\\AppMgr\\" + kPackageName + file).c_str());
  }
  RemoveTree(L"\\Windows\\AppMgr\\" + kPackageName + L".old");
  device::RemoveSettings();
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Today\\Items");
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"SOFTWARE\\Apps\\" + kPackageName).c_str());
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Init", L"Launch90");
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Init", L"Depend90");
}

void StartAfresh() {
  Forget();
  PutStartSettings(0xE8323232, 1);
}

DWORD Speak() {
  const auto value = ReadValue(kSettingsKey, L"ValSpeak");
  DWORD speak = 0;
  if (value && value->bytes.size() == sizeof speak) {
    std::copy(value->bytes.begin(), value->bytes.end(), reinterpret_cast<BYTE*>(&speak));
  }
  return speak;
}

int CountProductProcesses() {
  int count = 0;
  for (const wchar_t* program : kProductPrograms) count += CountProcesses(program);
  return count;
}

void EndProductPrograms() {
  for (const wchar_t* program : kProductPrograms) {
    for (DWORD id : ProcessIds(program)) EndProcess(id);
  }
}

int MessageBoxes() {
  int count = 0;
  EnumWindows(CountBox, reinterpret_cast<LPARAM>(&count));
  return count;
}

std::wstring LoadedTodayLibrary(DWORD processId) {
  const HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (modules == INVALID_HANDLE_VALUE) return {};
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  std::wstring found;
  for (BOOL more = Module32FirstW(modules, &module); more; more = Module32NextW(modules, &module)) {
    if (lstrcmpiW(module.szModule, L"Lectavo_Today.dll") == 0) found = module.szExePath;
  }
  CloseHandle(modules);
  return found;
}

TodayScreen::TodayScreen()
    : host_(std::make_unique<StartedProcess>(HostPath(LECTAVO_TODAY_HOST))) {}

HWND TodayScreen::Item() const { return wine::FindLectavoItem(wine::FindTodayScreen(Id())); }

bool TodayScreen::TwoMoreRefreshQueries() const {
  const HWND screen = wine::FindTodayScreen(Id());
  const std::uintptr_t seen = wine::RefreshQueries(screen);
  return WaitUntil([&] { return wine::RefreshQueries(screen) >= seen + 2; }, 10000);
}

}  // namespace lectavo::lifecycle
