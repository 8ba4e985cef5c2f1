// What the device installer's four calls do. Each step handles its own failures; only an
// installation whose paths do not fit or whose program files cannot all be placed is handed
// back to the installer to be undone.
#pragma once

#include "platform/files.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/user_interface.h"
#include "setup/device_paths.h"

namespace lectavo {

// wParam of WM_SETTINGCHANGE that makes the Today screen reload its items.
inline constexpr std::uintptr_t kTodayReloadItems = 0xF2;

// Before the package's files are copied: stops the product's programs.
void InstallInit(Processes& processes);

// The longest installation folder the setup takes: every path it builds in it fits a path
// buffer, the longest being a voice's "\<31 characters>\svox.pil".
inline constexpr std::size_t kMaxInstallationFolder = kPathCapacity - 1 - 41;

// After the files are copied into the installation folder: moves the programs into the
// program folder unless they are there already, lays out the voices, prepares the settings
// and refreshes the Today screen. Without an installation folder only the refresh is done.
// False, with nothing done and problem saying why, when the installer could not copy every
// file, when the folder is longer than kMaxInstallationFolder, or when the programs cannot
// all be moved (the program folder keeps what it held): the installation is to be undone, and
// the Today screen is left for the installer to refresh.
bool InstallExit(Registry& registry, Files& files, UserInterface& userInterface,
                 WStringView installationFolder, std::uint16_t failedFiles, WString& problem);

// Before the package's files are removed: stops the product's programs.
void UninstallInit(Processes& processes);

// After the files are removed: refreshes the Today screen. Nothing is deleted.
void UninstallExit(UserInterface& userInterface);

}  // namespace lectavo
