// The device's lifecycle while it runs, everything real: the installer with the setup
// library, the launcher and service it starts, the Today screen with the item and the monitor
// it keeps, and toggles started together. The install cases run on both installation folders:
// the package's default folder, from which the programs move into the program folder, and the
// program folder itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/wine/lifecycle/running_device.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/device.h"

namespace lectavo::lifecycle {
namespace {

using device::Content;
using device::CountProcesses;
using device::FilesBelow;
using wine::HostPath;
using device::Names;
using device::ProcessIds;
using device::WaitUntil;

constexpr DWORD kInstallSpeak = 0xE8323232;
constexpr DWORD kReadOn = 1u << 27;
constexpr DWORD kReadUnasked = 1u << 28;
constexpr DWORD kAnswerOn = 1u << 23;

// The files at the top of a folder, but a package's description, setup library and voices
// (the setup places those in their voice folders).
std::vector<std::wstring> FilesIn(const std::wstring& folder) {
  std::vector<std::wstring> files;
  for (const std::wstring& name : Names(folder)) {
    if (name.back() != L'\\' && name != L"Package.ini" && name != L"Lectavo_Setup.dll" &&
        !name.ends_with(L".pil")) {
      files.push_back(name);
    }
  }
  return files;
}

// The voice files the setup places from a package, "GER_W\svox.pil" for "GER_W.pil".
std::vector<std::wstring> PlacedVoices(const std::wstring& package) {
  std::vector<std::wstring> voices;
  for (const std::wstring& name : Names(package)) {
    if (name.ends_with(L".pil")) voices.push_back(name.substr(0, name.size() - 4) + L"\\svox.pil");
  }
  std::sort(voices.begin(), voices.end());
  return voices;
}

// Where an installed file came from in its package.
std::wstring Packaged(const std::wstring& installed) {
  const std::wstring voice = L"\\svox.pil";
  return installed.ends_with(voice) ? installed.substr(0, installed.size() - voice.size()) + L".pil"
                                    : installed;
}

class LifecycleWineTest : public ::testing::TestWithParam<std::wstring> {
 protected:
  void SetUp() override { StartAfresh(); }
  void TearDown() override {
    today.reset();
    Forget();
  }

  // The installation folder the installer is given (none: the package's default one).
  const std::wstring& Given() const { return GetParam(); }
  std::wstring Folder() const { return Given().empty() ? kDefaultFolder : Given(); }

  // The device after an install: one launcher, after its second the reading service, and with
  // the Today screen open the item and one monitor.
  void ExpectRunning() {
    EXPECT_TRUE(WaitUntil([] { return CountProcesses(L"Lectavo_Start.exe") == 1; }, 5000))
        << "one launcher, started from its start-up entry";
    EXPECT_TRUE(WaitUntil([] { return CountProcesses(L"Lectavo_Service.exe") == 1; }, 10000))
        << "the launcher starts the reading service";
    if (!today) return;
    EXPECT_TRUE(WaitUntil([&] { return today->Item() != nullptr; }, 10000));
    EXPECT_TRUE(WaitUntil([] { return CountProcesses(L"Lectavo_Monitor.exe") == 1; }, 5000));
  }

  // Every program file of the program folder carries the marker, and the Today screen has the
  // item's library loaded from there.
  void ExpectEveryProgram(char marker, const std::wstring& package) {
    for (const std::wstring& name : ProgramFiles(package)) {
      EXPECT_EQ(MarkerOf(kProgramFolder + L"\\" + name), marker) << testing::PrintToString(name);
    }
    const std::wstring loaded = LoadedTodayLibrary(today->Id());
    EXPECT_EQ(lstrcmpiW(loaded.c_str(), (L"C:" + kProgramFolder + L"\\Lectavo_Today.dll").c_str()),
              0)
        << testing::PrintToString(loaded);
  }

  void StartDevice(const std::wstring& package) {
    ASSERT_EQ(Install(package, Given()), 0);
    today = std::make_unique<TodayScreen>();
    ExpectRunning();
  }

  std::unique_ptr<TodayScreen> today;
};

INSTANTIATE_TEST_SUITE_P(BothFolders, LifecycleWineTest,
                         ::testing::Values(std::wstring(), kProgramFolder),
                         [](const auto& info) {
                           return info.param.empty() ? "DefaultFolder" : "ProgramFolder";
                         });

// Nobody starts the launcher by hand: an installation ends with the device running.
TEST_P(LifecycleWineTest, InstallLeavesTheDeviceRunningWithoutUserAction) {
  ASSERT_EQ(Install(MakePackage('A'), Given()), 0);
  ExpectRunning();
  EXPECT_EQ(MessageBoxes(), 0);
}

// A reinstall over the running device replaces every program, the loaded Today item
// included, and the device runs again with one launcher, the new one.
TEST_P(LifecycleWineTest, ReinstallOverTheRunningDeviceReplacesEveryProgram) {
  StartDevice(MakePackage('A'));
  const std::vector<DWORD> oldLauncher = ProcessIds(L"Lectavo_Start.exe");
  const std::wstring packageB = MakePackage('B');

  ASSERT_EQ(Install(packageB, Given()), 0);
  ExpectRunning();
  ExpectEveryProgram('B', packageB);
  EXPECT_NE(ProcessIds(L"Lectavo_Start.exe"), oldLauncher);
  EXPECT_EQ(MessageBoxes(), 0);

  // The item keeps its own monitor: an ended one is started again, and only once.
  const std::vector<DWORD> monitor = ProcessIds(L"Lectavo_Monitor.exe");
  ASSERT_EQ(monitor.size(), 1u);
  device::EndProcess(monitor[0]);
  EXPECT_TRUE(WaitUntil(
      [&] {
        const auto now = ProcessIds(L"Lectavo_Monitor.exe");
        return now.size() == 1 && now != monitor;
      },
      8000));
  ASSERT_TRUE(today->TwoMoreRefreshQueries());
  EXPECT_EQ(CountProcesses(L"Lectavo_Monitor.exe"), 1);
}

// A program file that cannot be replaced makes the reinstall fail, loudly, and the device goes
// on as it was: every file the earlier installation's, its item loaded, its launcher running.
TEST_P(LifecycleWineTest, ReinstallThatCannotReplaceAProgramLeavesTheEarlierOneWhole) {
  const std::wstring packageA = MakePackage('A');
  StartDevice(packageA);
  const auto installed = FilesBelow(Folder());
  const auto programs = Names(kProgramFolder);
  // Someone has a program file open and shares it with nobody.
  const HANDLE held = CreateFileW((kProgramFolder + L"\\Lectavo_VC_AntwortEin.exe").c_str(),
                                  GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);

  EXPECT_NE(Install(MakePackage('B'), Given()), 0) << "the failure is reported";
  CloseHandle(held);
  ExpectRunning();
  ExpectEveryProgram('A', packageA);
  EXPECT_EQ(Names(kProgramFolder), programs);
  EXPECT_EQ(FilesBelow(Folder()), installed);
  for (const std::wstring& file : installed) {
    EXPECT_EQ(Content(Folder() + L"\\" + file), Content(packageA + L"\\" + Packaged(file)))
        << testing::PrintToString(file);
  }
  EXPECT_EQ(MessageBoxes(), 0);
}

// Uninstall stops every program of the product, the launcher included, so nothing starts the
// service again or reports it missing; every file the installer put there is removed, and
// what the setup library moved stays.
TEST_P(LifecycleWineTest, UninstallWhileTheDeviceRunsStopsEverythingAndRemovesItsFiles) {
  const std::wstring package = MakePackage('A');
  StartDevice(package);
  const auto settings = device::ValuesOf(kSettingsKey);

  ASSERT_EQ(Uninstall(), 0);
  EXPECT_TRUE(WaitUntil([] { return CountProductProcesses() == 0; }, 3000));
  EXPECT_TRUE(WaitUntil([&] { return today->Item() == nullptr; }, 5000));
  EXPECT_TRUE(LoadedTodayLibrary(today->Id()).empty());
  const bool moved = Given().empty();
  EXPECT_EQ(FilesIn(kProgramFolder), moved ? FilesIn(package) : std::vector<std::wstring>{})
      << "moved programs are the setup's to keep; installed ones go";
  // The voices the setup placed are the setup's, as the moved programs are: they stay where
  // they were placed, in the installation folder.
  EXPECT_EQ(FilesBelow(kDefaultFolder), moved ? PlacedVoices(package) : std::vector<std::wstring>{});
  if (!moved) {
    std::vector<std::wstring> voices;
    for (const std::wstring& file : FilesBelow(kProgramFolder)) {
      if (file.ends_with(L"\\svox.pil")) voices.push_back(file);
    }
    EXPECT_EQ(voices, PlacedVoices(package));
  }
  ASSERT_TRUE(today->TwoMoreRefreshQueries());
  EXPECT_EQ(CountProductProcesses(), 0);
  EXPECT_EQ(MessageBoxes(), 0);
  EXPECT_TRUE(today->Running());
  EXPECT_EQ(device::ValuesOf(kSettingsKey).size(), settings.size()) << "the settings stay";
}

// Faults only the device shows: a held file, a running voice command, a long folder. Each case
// runs the real installer and reads what it says.
class LifecycleFaultsWineTest : public ::testing::Test {
 protected:
  void SetUp() override { StartAfresh(); }
  void TearDown() override {
    Forget();
    device::RemoveTree(kLongRoot);
  }

  // An installation folder of that many characters below kLongRoot.
  static std::wstring LongFolder(std::size_t length) {
    return kLongRoot + L"\\" + std::wstring(length - kLongRoot.size() - 1, L'f');
  }
  static bool Registered() { return device::KeyExists(L"SOFTWARE\\Apps\\" + kPackageName); }
  static std::wstring LangPath() {
    return device::ReadText(kSettingsKey, L"StrLangPath").value_or(L"(none)");
  }

  inline static const std::wstring kLongRoot = L"\\LectavoLong";
};

// A reinstall undone because a program of the earlier version is held leaves the settings as
// they were (the voice path above all) and no voice folders where nothing was installed; the
// setup names the file in the way.
TEST_F(LifecycleFaultsWineTest, UndoneReinstallKeepsTheSettingsAndNamesTheFileInTheWay) {
  ASSERT_EQ(Install(MakePackage('B'), kProgramFolder), 0);
  const std::wstring program = kProgramFolder + L"\\Lectavo_VC_AntwortEin.exe";
  const HANDLE held =
      CreateFileW(program.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::string said;
  EXPECT_EQ(Install(MakePackage('A'), L"", &said), 1) << said;
  CloseHandle(held);
  EXPECT_NE(said.find("Lectavo_Setup: " LECTAVO_PROGRAM_FOLDER "\\Lectavo_VC_AntwortEin.exe"),
            std::string::npos)
      << said;
  EXPECT_EQ(LangPath(), kProgramFolder + L"\\");
  EXPECT_FALSE(device::Exists(kDefaultFolder)) << "no voice folders left behind";
  EXPECT_EQ(MarkerOf(kProgramFolder + L"\\Lectavo_Config.exe"), 'B');
}

// The setup stops a voice command still at work, so that its program can go; a file that
// cannot be removed all the same keeps the package registered, so that uninstall can be run
// again once nothing holds it.
TEST_F(LifecycleFaultsWineTest, UninstallStopsVoiceCommandsAndKeepsWhatItCannotRemoveRegistered) {
  ASSERT_EQ(Install(MakePackage('A'), kProgramFolder), 0);
  const std::wstring toggle = kProgramFolder + L"\\Lectavo_VC_AntwortAus.exe";
  const std::wstring prompt = kProgramFolder + L"\\VoiceCommand\\GER_AntwortAus.WAV";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION running{};
  ASSERT_TRUE(CreateProcessW(toggle.c_str(), nullptr, nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                             nullptr, nullptr, &startup, &running));
  const HANDLE held =
      CreateFileW(prompt.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::string said;
  EXPECT_EQ(Uninstall(&said), 2) << said;
  CloseHandle(held);
  EXPECT_EQ(WaitForSingleObject(running.hProcess, 5000), WAIT_OBJECT_0);
  EXPECT_FALSE(device::Exists(toggle));
  EXPECT_NE(said.find("GER_AntwortAus.WAV"), std::string::npos) << said;
  EXPECT_TRUE(Registered());
  EXPECT_EQ(Uninstall(&said), 0) << said;
  EXPECT_FALSE(device::Exists(prompt));
  EXPECT_FALSE(Registered());
  TerminateProcess(running.hProcess, 1);
  CloseHandle(running.hThread);
  CloseHandle(running.hProcess);
}

// A folder longer than the setup takes is refused and undone, saying so, with the earlier
// programs and settings kept; the longest it takes is installed and removed whole.
TEST_F(LifecycleFaultsWineTest, LongInstallationFolderIsRefusedOrInstalledWhole) {
  ASSERT_EQ(Install(MakePackage('A'), kProgramFolder), 0);
  const std::wstring packageB = MakePackage('B');
  struct Case {
    std::size_t length;
    int exitCode;
    char programs;
  };
  for (const Case& c : {Case{256, 1, 'A'}, Case{219, 1, 'A'}, Case{218, 0, 'B'}}) {
    SCOPED_TRACE(c.length);
    const std::wstring folder = LongFolder(c.length);
    ASSERT_EQ(folder.size(), c.length);
    std::string said;
    EXPECT_EQ(Install(packageB, folder, &said), c.exitCode) << said;
    EXPECT_EQ(MarkerOf(kProgramFolder + L"\\Lectavo_Config.exe"), c.programs);
    if (c.exitCode != 0) {
      EXPECT_NE(said.find("longer than 218 characters"), std::string::npos) << said;
      EXPECT_EQ(LangPath(), kProgramFolder + L"\\");
      EXPECT_FALSE(device::Exists(folder));
    } else {
      EXPECT_EQ(LangPath(), folder + L"\\");
      EXPECT_TRUE(device::Exists(folder + L"\\VoiceCommand\\ENG_NachfrageAus.WAV"));
    }
  }
  std::string said;
  EXPECT_EQ(Uninstall(&said), 0) << said;
  for (const std::wstring& file : device::FilesBelow(kLongRoot)) {
    EXPECT_TRUE(file.ends_with(L"\\svox.pil"))
        << "only placed voices stay: " << testing::PrintToString(file);
  }
  EXPECT_FALSE(Registered());
}

// Three toggles of different bits started together, round after round from a known state:
// each one's change survives the others' saves.
TEST(ConcurrentTogglesWineTest, TogglesStartedTogetherKeepEveryChange) {
  StartAfresh();
  // Without StrLangPath the toggles play no prompt and end at once.
  const std::wstring folder = L"\\LectavoToggles";
  CreateDirectoryW(folder.c_str(), nullptr);
  const wchar_t* const toggles[] = {L"Lectavo_VC_VorlesenAus.exe", L"Lectavo_VC_NachfrageAus.exe",
                                    L"Lectavo_VC_AntwortEin.exe"};
  for (const wchar_t* toggle : toggles) {
    ASSERT_TRUE(CopyFileW((HostPath(LECTAVO_PACKAGE_DIR) + L"\\" + toggle).c_str(),
                          (folder + L"\\" + toggle).c_str(), FALSE));
  }
  constexpr int kRounds = 25;
  int lost = 0;
  for (int round = 0; round < kRounds; ++round) {
    device::WriteDword(kSettingsKey, L"ValSpeak", kInstallSpeak);
    std::vector<PROCESS_INFORMATION> started;
    for (const wchar_t* toggle : toggles) {
      STARTUPINFOW startup{};
      startup.cb = sizeof startup;
      PROCESS_INFORMATION process{};
      ASSERT_TRUE(CreateProcessW((folder + L"\\" + toggle).c_str(), nullptr, nullptr, nullptr,
                                 FALSE, CREATE_SUSPENDED, nullptr, nullptr, &startup, &process));
      started.push_back(process);
    }
    for (const PROCESS_INFORMATION& process : started) ResumeThread(process.hThread);
    for (const PROCESS_INFORMATION& process : started) {
      EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
    lost += Speak() != ((kInstallSpeak & ~kReadOn) | kReadUnasked | kAnswerOn);
  }
  RecordProperty("rounds", kRounds);
  RecordProperty("rounds with a lost change", lost);
  EXPECT_EQ(lost, 0);
  device::RemoveTree(folder);
  Forget();
}

}  // namespace
}  // namespace lectavo::lifecycle
