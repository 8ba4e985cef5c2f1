// The device of the lifecycle tests: the real installer installs packages that differ only in
// a marker at the end of every program file, the real Today screen runs, and what the test
// caused on the device is ended by process id.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/settings_record.h"

namespace lectavo::lifecycle {

inline const std::wstring kPackageName = L"ORBA-GMBH Lectavo";
inline const std::wstring kDefaultFolder = L"\\Program Files\\Lectavo";
using device::kSettingsKey;
using wine::kProgramFolder;
inline const wchar_t* const kProductPrograms[] = {L"Lectavo_Config.exe", L"Lectavo_Monitor.exe",
                                                  L"Lectavo_Start.exe", L"Lectavo_Service.exe",
                                                  L"Lectavo_VC_AntwortAus.exe"};

// A copy of the package whose programs and libraries end in "Lectavo package <marker>".
std::wstring MakePackage(char marker);
// The marker a file ends in; '?' for none, '-' for no file.
char MarkerOf(const std::wstring& path);
// The package's programs and libraries: its top-level .exe and .dll files but the setup
// library.
std::vector<std::wstring> ProgramFiles(const std::wstring& package);

// The installer as a person runs it; its exit code, and with said what it told. No folder:
// the package's default one.
int Install(const std::wstring& package, const std::wstring& folder, std::string* said = nullptr);
int Uninstall(std::string* said = nullptr);

// The device without Lectavo and without the test's packages, but for a complete settings
// record whose launcher waits one second; reading on, asking, answering off.
void StartAfresh();
void Forget();
DWORD Speak();

int CountProductProcesses();
// Every running program of the product, ended by its id.
void EndProductPrograms();
// Visible message boxes titled "Lectavo" or "Fehler", of any process.
int MessageBoxes();
// The full path of the Today item's library as the process has loaded it; empty for none.
std::wstring LoadedTodayLibrary(DWORD processId);

// The Today screen stand-in, ended with its object.
class TodayScreen {
 public:
  TodayScreen();
  DWORD Id() const { return host_->Id(); }
  bool Running() const { return host_->Running(); }
  // The Lectavo item's window; null while the screen shows none.
  HWND Item() const;
  // Waits for two more refresh queries: whatever the item does at a query has been done.
  bool TwoMoreRefreshQueries() const;

 private:
  std::unique_ptr<device::StartedProcess> host_;
};

}  // namespace lectavo::lifecycle
