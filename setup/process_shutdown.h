// Stopping the product's running programs before their files are replaced or removed.
#pragma once

#include "platform/processes.h"

namespace lectavo {

// The programs stopped before install and uninstall, in this order: the launcher before the
// service, which it would otherwise start again; then the voice commands, one-shot programs
// with nothing worth saving, which hold their program file while a prompt plays.
inline constexpr WStringView kProductPrograms[] = {
    u"lectavo_config.exe",          u"lectavo_monitor.exe",         u"lectavo_start.exe",
    u"lectavo_service.exe",         u"lectavo_vc_vorlesenein.exe",  u"lectavo_vc_vorlesenaus.exe",
    u"lectavo_vc_nachfrageein.exe", u"lectavo_vc_nachfrageaus.exe", u"lectavo_vc_antwortein.exe",
    u"lectavo_vc_antwortaus.exe"};

// How long a terminated program is given to end, so that its files are free afterwards.
inline constexpr std::uint32_t kEndWaitMilliseconds = 5000;

// Terminates, with exit code 0, every running process whose executable name equals exeName
// without regard to letter case, and waits a bounded time for each to end. 1 when the process
// list was taken, else 0.
int KillProcessByName(Processes& processes, WStringView exeName);

// KillProcessByName for each of the product's programs; the results are not needed.
void StopProductPrograms(Processes& processes);

}  // namespace lectavo
