// The real installer installs the real package, with a voice of the test's own, on Wine's
// drive C: and registry, calling the real setup library; and the library's exports as the
// installer finds them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "platform/win32/win32_roles.h"
#include "setup/setup_entry_points.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/installer.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/settings_record.h"

namespace lectavo {
namespace {

using namespace device;
using device::kSettingsKey;
using wine::kProgramFolder;

const std::wstring kTestPackage = L"\\LectavoTestPackage";
const std::wstring kCard = L"\\Storage Card\\Lectavo";
const std::wstring kTodayItemKey = L"SOFTWARE\\Microsoft\\Today\\Items\\\"ORBToday\"";
const std::wstring kAppKey = L"SOFTWARE\\Apps\\ORBA-GMBH Lectavo";
const std::string kVoice = "German voice data of the test";
const wchar_t* const kVoices[] = {L"ENG_W", L"FRA_W",    L"GER_M",    L"GER_W",    L"ITA_W",
                                  L"SPA_W", L"GERENG_W", L"FRAENG_W", L"SPAENG_W", L"ITAENG_W"};

Value Dword(DWORD value) {
  const auto* bytes = reinterpret_cast<const BYTE*>(&value);
  return {REG_DWORD, {bytes, bytes + sizeof value}};
}

Value Text(const std::wstring& text) {
  const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
  return {REG_SZ, {bytes, bytes + (text.size() + 1) * sizeof(wchar_t)}};
}

template <typename Call>
Call Export(HMODULE library, const char* name) {
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// The WM_SETTINGCHANGE wParams that reached the test's top-level window.
std::vector<WPARAM> settingChanges;

LRESULT CALLBACK WatchSettingChanges(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTINGCHANGE) settingChanges.push_back(wParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

class SetupWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartAfresh();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WatchSettingChanges;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"SetupWineTestWindow";
    RegisterClassW(&windowClass);
    window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10,
                             nullptr, nullptr, windowClass.hInstance, nullptr);
    settingChanges.clear();
  }

  void TearDown() override {
    for (HANDLE process : started) {
      TerminateProcess(process, 1);
      CloseHandle(process);
    }
    DestroyWindow(window);
    Clean();
  }

  // A device without Lectavo, and the test's package: the real one with a German voice and,
  // until the real prompts exist, a prompt of the test's own.
  static void StartAfresh() {
    Clean();
    CopyTree(wine::PackageFolder(), kTestPackage);
    Write(kTestPackage + L"\\GER_W.pil", kVoice);
    if (!Exists(kTestPackage + L"\\VoiceCommand")) {
      CreateDirectoryW((kTestPackage + L"\\VoiceCommand").c_str(), nullptr);
      Write(kTestPackage + L"\\VoiceCommand\\GER_VorlesenEin.WAV", "prompt of the test");
    }
  }

  // An installation starts the launcher, which starts the service: they hold their files.
  static void EndStartedPrograms() {
    for (const wchar_t* program :
         {L"Lectavo_Start.exe", L"Lectavo_Service.exe", L"Lectavo_Monitor.exe"}) {
      for (DWORD id : ProcessIds(program)) {
        if (const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
          TerminateProcess(process, 1);
          WaitForSingleObject(process, 5000);
          CloseHandle(process);
        }
      }
    }
  }

  static void Clean() {
    EndStartedPrograms();
    for (const wchar_t* tree :
         {L"\\Storage Card", L"\\Program Files\\Lectavo", L"\\LectavoTestPackage"}) {
      RemoveTree(tree);
    }
    RemoveTree(ToApi(kProgramFolderParent));
    DeleteFileW(L"\\Windows\\AppMgr\\ORBA-GMBH Lectavo.dll");
    DeleteFileW(L"\\Windows\\AppMgr\\ORBA-GMBH Lectavo.dat");
    RemoveSettings();
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kTodayItemKey.c_str());
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kAppKey.c_str());
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Init", L"Launch90");
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Init", L"Depend90");
  }

  static int Install(const std::wstring& folder) {
    return wine::InstallPackage(kTestPackage, folder);
  }

  // The package's program files: its top-level files but the voices, the description and the
  // setup library.
  static std::vector<std::wstring> ProgramFiles() {
    std::vector<std::wstring> files;
    for (const std::wstring& name : Names(kTestPackage)) {
      if (name.back() != L'\\' && !name.ends_with(L".pil") && name != L"Package.ini" &&
          name != L"Lectavo_Setup.dll") {
        files.push_back(name);
      }
    }
    return files;
  }

  HANDLE StartMonitor() {
    const std::wstring path = kProgramFolder + L"\\Lectavo_Monitor.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    CloseHandle(process.hThread);
    started.push_back(process.hProcess);
    return process.hProcess;
  }

  static void ExpectEndedWithZero(HANDLE process) {
    ASSERT_EQ(WaitForSingleObject(process, 5000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process, &exitCode);
    EXPECT_EQ(exitCode, 0u);
  }

  static void ExpectOneTodayRefresh() {
    EXPECT_EQ(std::count(settingChanges.begin(), settingChanges.end(), WPARAM{0xF2}), 1)
        << testing::PrintToString(settingChanges);
  }

  HWND window = nullptr;
  std::vector<HANDLE> started;
};

TEST_F(SetupWineTest, SetupLibraryExportsTheFourCallsByNameAndEachAnswersAsTheInstallerExpects) {
  const HMODULE library = LoadLibraryW(wine::PackagePath(L"Lectavo_Setup.dll").c_str());
  ASSERT_NE(library, nullptr);
  const auto* base = reinterpret_cast<const BYTE*>(library);
  const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(
      base + headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  std::vector<std::string> exported;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    exported.emplace_back(reinterpret_cast<const char*>(base + names[i]));
  }
  EXPECT_EQ(exports->NumberOfFunctions, 4u);
  EXPECT_EQ(exported, (std::vector<std::string>{"Install_Exit", "Install_Init", "Uninstall_Exit",
                                                "Uninstall_Init"}));

  const auto installInit = Export<InstallInitCall>(library, "Install_Init");
  const auto installExit = Export<InstallExitCall>(library, "Install_Exit");
  const auto uninstallInit = Export<UninstallInitCall>(library, "Uninstall_Init");
  const auto uninstallExit = Export<UninstallExitCall>(library, "Uninstall_Exit");
  EXPECT_EQ(installInit(nullptr, TRUE, FALSE, kCard.c_str()), codeINSTALL_INIT_CONTINUE);
  EXPECT_EQ(installExit(nullptr, nullptr, 1, 0, 3, 4, 5), codeINSTALL_EXIT_DONE)
      << "without a folder only the Today screen is refreshed";
  EXPECT_EQ(installExit(nullptr, kCard.c_str(), 0, 2, 0, 0, 0), codeINSTALL_EXIT_UNINSTALL)
      << "files the installer could not copy: the installation is to be undone";
  EXPECT_EQ(uninstallInit(nullptr, nullptr), codeUNINSTALL_INIT_CONTINUE);
  EXPECT_EQ(uninstallExit(nullptr), codeUNINSTALL_EXIT_DONE);
  FreeLibrary(library);
  EXPECT_FALSE(KeyExists(kSettingsKey));
  EXPECT_EQ(settingChanges, (std::vector<WPARAM>{0xF2, 0xF2}));
}

TEST_F(SetupWineTest, InstallOnTheStorageCardGivesTheDeviceItsLayout) {
  ASSERT_EQ(Install(kCard), 0);

  EXPECT_EQ(ValuesOf(kSettingsKey), (std::vector<std::pair<std::wstring, Value>>{
                                        {L"StrAccounts", Text(L"")},
                                        {L"StrAddressCC", Text(L"")},
                                        {L"StrLangPath", Text(L"\\Storage Card\\Lectavo\\")},
                                        {L"ValAlive", Dword(0)},
                                        {L"ValAnswerTime", Dword(3)},
                                        {L"ValSpeak", Dword(0xE8323232)},
                                        {L"ValUsedLang", Dword(1)},
                                        {L"ValWaitStart", Dword(10)}}));
  EXPECT_EQ(ValuesOf(kTodayItemKey), (std::vector<std::pair<std::wstring, Value>>{
                                         {L"DLL", Text(wine::ProgramFile(L"Lectavo_Today.dll"))},
                                         {L"Enabled", Dword(1)},
                                         {L"Flags", Dword(0)},
                                         {L"Options", Dword(0)},
                                         {L"Order", Dword(10)},
                                         {L"Type", Dword(4)}}));
  EXPECT_EQ(ReadText(L"Init", L"Launch90"), wine::ProgramFile(L"Lectavo_Start.exe"));
  EXPECT_EQ(ReadText(kAppKey, L"InstallDir"), kCard);

  std::vector<std::wstring> folders;
  for (const wchar_t* voice : kVoices) folders.push_back(std::wstring(voice) + L"\\");
  for (const std::wstring& name : Names(kTestPackage)) {
    if (name.back() == L'\\') folders.push_back(name);
  }
  std::sort(folders.begin(), folders.end());
  EXPECT_EQ(Names(kCard), folders) << "only folders stay on the card";
  for (const wchar_t* voice : kVoices) {
    const std::wstring folder = kCard + L"\\" + voice;
    EXPECT_EQ(Names(folder), std::vector<std::wstring>{L"svox.pil"}) << "every voice is delivered";
    EXPECT_EQ(Content(folder + L"\\svox.pil"), Content(kTestPackage + L"\\" + voice + L".pil"));
  }
  EXPECT_EQ(Content(kCard + L"\\GER_W\\svox.pil"), kVoice);
  for (const std::wstring& file : FilesBelow(kTestPackage + L"\\VoiceCommand")) {
    EXPECT_EQ(Content(kCard + L"\\VoiceCommand\\" + file),
              Content(kTestPackage + L"\\VoiceCommand\\" + file));
  }

  EXPECT_EQ(Names(kProgramFolder), ProgramFiles());
  for (const std::wstring& file : ProgramFiles()) {
    EXPECT_EQ(Content(kProgramFolder + L"\\" + file), Content(kTestPackage + L"\\" + file));
  }
  EXPECT_EQ(WaitForSingleObject(StartMonitor(), 500), static_cast<DWORD>(WAIT_TIMEOUT))
      << "the monitor runs from the program folder";
  ExpectOneTodayRefresh();
}

TEST_F(SetupWineTest, ReinstallStopsTheRunningProgramsAndKeepsTheSettings) {
  ASSERT_EQ(Install(kCard), 0);
  WriteDword(kSettingsKey, L"ValSpeak", 0x08404040);
  WriteText(kSettingsKey, L"StrAccounts", L"Outlook\t");
  WriteDword(kSettingsKey, L"ValAlive", 77);
  auto expected = ValuesOf(kSettingsKey);
  for (auto& [name, value] : expected) {
    if (name == L"ValAlive") value = Dword(0);
  }
  const HANDLE first = StartMonitor();
  const HANDLE second = StartMonitor();
  ASSERT_EQ(WaitForSingleObject(second, 300), static_cast<DWORD>(WAIT_TIMEOUT));

  ASSERT_EQ(Install(kCard), 0);

  ExpectEndedWithZero(first);
  ExpectEndedWithZero(second);
  EXPECT_EQ(ValuesOf(kSettingsKey), expected);
  EXPECT_EQ(Names(kProgramFolder), ProgramFiles());
  EXPECT_FALSE(Exists(kCard + L"\\Lectavo_Monitor.exe"));
}

TEST_F(SetupWineTest, InstallElsewhereRelocatesOnlyOutsideTheProgramFolder) {
  struct Case {
    std::wstring given;
    std::wstring folder;
  };
  for (const Case& c :
       {Case{kProgramFolder, kProgramFolder}, Case{L"", L"\\Program Files\\Lectavo"}}) {
    SCOPED_TRACE(testing::PrintToString(c.folder));
    StartAfresh();
    ASSERT_EQ(Install(c.given), 0);
    EXPECT_EQ(ReadText(kAppKey, L"InstallDir"), c.folder);
    EXPECT_EQ(ReadText(kSettingsKey, L"StrLangPath"), c.folder + L"\\");
    EXPECT_EQ(Content(c.folder + L"\\GER_W\\svox.pil"), kVoice);
    for (const std::wstring& file : ProgramFiles()) {
      EXPECT_EQ(Content(kProgramFolder + L"\\" + file), Content(kTestPackage + L"\\" + file));
    }
    const bool relocated = c.folder != kProgramFolder;
    EXPECT_EQ(Exists(c.folder + L"\\Lectavo_Monitor.exe"), !relocated);
  }
}

TEST_F(SetupWineTest, UninstallStopsTheProgramsAndLeavesTheSettings) {
  ASSERT_EQ(Install(kCard), 0);
  const auto settings = ValuesOf(kSettingsKey);
  const HANDLE monitor = StartMonitor();
  settingChanges.clear();

  ASSERT_EQ(wine::UninstallPackage(), 0);

  ExpectEndedWithZero(monitor);
  EXPECT_EQ(ValuesOf(kSettingsKey), settings);
  EXPECT_FALSE(KeyExists(kTodayItemKey));
  EXPECT_FALSE(ReadValue(L"Init", L"Launch90"));
  EXPECT_FALSE(KeyExists(kAppKey));
  EXPECT_FALSE(Exists(L"\\Windows\\AppMgr\\ORBA-GMBH Lectavo.dll"));
  std::vector<std::wstring> placed;
  for (const wchar_t* voice : kVoices) placed.push_back(std::wstring(voice) + L"\\svox.pil");
  std::sort(placed.begin(), placed.end());
  EXPECT_EQ(FilesBelow(kCard), placed)
      << "the installed prompts are removed; the voices the setup placed stay";
  EXPECT_FALSE(Exists(kCard + L"\\VoiceCommand")) << "a folder the installation made and emptied";
  EXPECT_EQ(Names(kProgramFolder), ProgramFiles()) << "moved programs are the setup's to keep";
  // One to let go of the Today item before anything is removed, one after the removal.
  EXPECT_EQ(std::count(settingChanges.begin(), settingChanges.end(), WPARAM{0xF2}), 2)
      << testing::PrintToString(settingChanges);
  EXPECT_EQ(wine::UninstallPackage(), 1) << "not installed now";
}

TEST_F(SetupWineTest, BrokenPackageIsRefusedBeforeAnythingIsMade) {
  struct Case {
    const char* name;
    void (*spoil)();
    const char* said = "";
  };
  const Case cases[] = {
      {"no description", [] { DeleteFileW((kTestPackage + L"\\Package.ini").c_str()); }},
      {"no setup library", [] { DeleteFileW((kTestPackage + L"\\Lectavo_Setup.dll").c_str()); }},
      {"unknown registry type",
       [] {
         Write(kTestPackage + L"\\Package.ini",
               *Content(kTestPackage + L"\\Package.ini") + "Init | Extra | REG_QWORD | 1\n");
       }},
      {"unknown section", [] { Write(kTestPackage + L"\\Package.ini", "[Extras]\n"); }},
      {"no package folder", [] { RemoveTree(kTestPackage); }},
      // A damaged package: it lacks a file its description lists.
      {"no Lectavo_Monitor.exe",
       [] { DeleteFileW((kTestPackage + L"\\Lectavo_Monitor.exe").c_str()); },
       "lacks Lectavo_Monitor.exe"},
      {"no Lectavo_Today.dll, no prompt",
       [] {
         DeleteFileW((kTestPackage + L"\\Lectavo_Today.dll").c_str());
         DeleteFileW((kTestPackage + L"\\VoiceCommand\\ENG_AntwortAus.WAV").c_str());
       },
       "lacks Lectavo_Today.dll, VoiceCommand\\ENG_AntwortAus.WAV,"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartAfresh();
    c.spoil();
    std::string said;
    EXPECT_EQ(wine::InstallPackage(kTestPackage, kCard, &said), 1) << said;
    EXPECT_NE(said.find(c.said), std::string::npos) << said;
    EXPECT_FALSE(Exists(L"\\Storage Card"));
    EXPECT_FALSE(KeyExists(kSettingsKey));
    EXPECT_FALSE(KeyExists(kTodayItemKey));
    EXPECT_FALSE(KeyExists(kAppKey));
  }
}

// A window whose thread has stopped answering must not hold up the Today refresh for good.
TEST(TodayRefreshWineTest, HungWindowDelaysTheBroadcastOnlyForAWhile) {
  struct Hung {
    HANDLE created = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  } hung;
  const HANDLE thread = CreateThread(
      nullptr, 0,
      [](void* parameter) -> DWORD {
        auto* state = static_cast<Hung*>(parameter);
        const HWND window = CreateWindowExW(0, L"STATIC", L"hung", WS_OVERLAPPED, 0, 0, 10, 10,
                                            nullptr, nullptr, nullptr, nullptr);
        SetEvent(state->created);
        WaitForSingleObject(state->release, INFINITE);
        DestroyWindow(window);
        return 0;
      },
      &hung, 0, nullptr);
  ASSERT_EQ(WaitForSingleObject(hung.created, 5000), WAIT_OBJECT_0);

  const ULONGLONG start = GetTickCount64();
  Win32UserInterface().SendToAllTopLevelWindows(RegisterWindowMessageW(L"LectavoProbe"), 0, 0);
  const ULONGLONG elapsed = GetTickCount64() - start;

  SetEvent(hung.release);
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  CloseHandle(hung.created);
  CloseHandle(hung.release);
  EXPECT_LT(elapsed, 10000u);
}

}  // namespace
}  // namespace lectavo
