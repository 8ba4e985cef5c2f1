// The device as the launcher's Wine tests and bench see it: the settings in the prefix's
// registry, the program folder on its drive C:, processes started by the test, top-level
// windows and the stand-in service's events.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/wine/support/device.h"

namespace lectavo::device {

inline constexpr wchar_t kLauncher[] = L"Lectavo_Start.exe";
inline constexpr wchar_t kService[] = L"Lectavo_Service.exe";
inline constexpr wchar_t kMonitor[] = L"Lectavo_Monitor.exe";

// A file of build/windows/package, as Wine sees it through drive Z:.
std::wstring PackageFile(const wchar_t* name);

// A program's place in the program folder "\ORBA-GMBH\Lectavo" of drive C:.
std::wstring InstalledFile(const wchar_t* name);
// Copies the package's program into the program folder; false when that fails.
bool Install(const wchar_t* name);
void Uninstall(const wchar_t* name);

// The launcher's four values and the heartbeat; ClearSettings removes the whole key.
void PutSettings(DWORD speak, DWORD waitStartSeconds, DWORD alive);
void ClearSettings();
std::optional<DWORD> Alive();

// Sets one of the service's events (standins/service/service_control.h); false when no
// service owns it.
bool SetServiceEvent(const wchar_t* name);

// A visible message box (class "#32770") of that process, or null.
HWND FindMessageBox(DWORD processId);
std::wstring WindowText(HWND window);
// The texts of the box's static controls: its message among them.
std::vector<std::wstring> StaticTexts(HWND box);
// Presses the box's OK button, as the user would.
void PressOk(HWND box);

}  // namespace lectavo::device
