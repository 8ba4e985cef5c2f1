// Stopping the product's running programs before their files are replaced or removed.
#pragma once

#include "platform/processes.h"

namespace lectavo {

// The programs stopped before install and uninstall, in this order.
inline constexpr WStringView kProductPrograms[] = {u"lectavo_config.exe", u"lectavo_monitor.exe",
                                                   u"lectavo_service.exe"};

// Terminates, with exit code 0 and without waiting, every running process whose executable
// name equals exeName without regard to letter case. 1 when the process list was taken,
// else 0.
int KillProcessByName(Processes& processes, WStringView exeName);

// KillProcessByName for each of the product's programs; the results are not needed.
void StopProductPrograms(Processes& processes);

}  // namespace lectavo
