// The device as the launcher's Wine tests and bench see it: the launcher's settings in the
// prefix's registry, its programs in the program folder, and the stand-in service's events.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/settings_record.h"

namespace lectavo::device {

inline constexpr wchar_t kLauncher[] = L"Lectavo_Start.exe";
inline constexpr wchar_t kService[] = L"Lectavo_Service.exe";
inline constexpr wchar_t kMonitor[] = L"Lectavo_Monitor.exe";

// Copies the package's program into the program folder; false when that fails.
bool Install(const wchar_t* name);
void Uninstall(const wchar_t* name);

// The launcher's four values and the heartbeat.
void PutSettings(DWORD speak, DWORD waitStartSeconds, DWORD alive);
std::optional<DWORD> Alive();

// Stops a program as the setup does: every copy found by the name given (in lower case),
// terminated with exit code 0; the ids of the copies found.
std::vector<DWORD> StopByName(const wchar_t* exeName);

// Sets one of the service's events (service/service_control.h); false when no
// service owns it.
bool SetServiceEvent(const char16_t* name);

}  // namespace lectavo::device
