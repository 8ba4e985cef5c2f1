#include "setup/setup_hooks.h"

#include "setup/process_shutdown.h"
#include "setup/program_folder.h"
#include "setup/settings_preparation.h"
#include "setup/voice_layout.h"

namespace lectavo {
namespace {

void RefreshTodayScreen(UserInterface& userInterface) {
  userInterface.SendToAllTopLevelWindows(kWmSettingChange, kTodayReloadItems, 0);
}

}  // namespace

void InstallInit(Processes& processes) { StopProductPrograms(processes); }

bool InstallExit(Registry& registry, Files& files, UserInterface& userInterface,
                 WStringView installationFolder, std::uint16_t failedFiles) {
  // A program the installer could not copy would leave the old version beside the new ones.
  if (failedFiles != 0) return false;
  // An empty folder would stand for the root of the device: no settings path, no voice
  // folders and no files moved from there.
  if (!installationFolder.empty()) {
    PrepareSettings(registry, installationFolder);
    CreateVoiceFolders(files, installationFolder);
    PlaceVoiceFiles(files, installationFolder);
    if (!IsProgramFolder(installationFolder) && !MoveToProgramFolder(files, installationFolder)) {
      return false;
    }
  }
  RefreshTodayScreen(userInterface);
  return true;
}

void UninstallInit(Processes& processes) { StopProductPrograms(processes); }

void UninstallExit(UserInterface& userInterface) { RefreshTodayScreen(userInterface); }

}  // namespace lectavo
