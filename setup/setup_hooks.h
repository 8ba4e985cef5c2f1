// What the device installer's four calls do. None of them reports a failure: each step
// handles its own and the installer always goes on.
#pragma once

#include "platform/files.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/user_interface.h"

namespace lectavo {

// wParam of WM_SETTINGCHANGE that makes the Today screen reload its items.
inline constexpr std::uintptr_t kTodayReloadItems = 0xF2;

// Before the package's files are copied: stops the product's programs.
void InstallInit(Processes& processes);

// After the files are copied into the installation folder: prepares the settings, lays out
// the voices, moves the programs into the program folder unless they are there already, and
// refreshes the Today screen. Without an installation folder only the refresh is done.
void InstallExit(Registry& registry, Files& files, UserInterface& userInterface,
                 WStringView installationFolder);

// Before the package's files are removed: stops the product's programs.
void UninstallInit(Processes& processes);

// After the files are removed: refreshes the Today screen. Nothing is deleted.
void UninstallExit(UserInterface& userInterface);

}  // namespace lectavo
