#include "setup/setup_hooks.h"

#include "setup/process_shutdown.h"
#include "setup/program_folder.h"
#include "setup/settings_preparation.h"
#include "setup/voice_layout.h"

namespace lectavo {
namespace {

WString ToDecimal(std::size_t number) {
  WString digits;
  do {
    digits.insert(digits.begin(), static_cast<WChar>(u'0' + number % 10));
    number /= 10;
  } while (number != 0);
  return digits;
}

void RefreshTodayScreen(UserInterface& userInterface) {
  userInterface.SendToAllTopLevelWindows(kWmSettingChange, kTodayReloadItems, 0);
}

}  // namespace

void InstallInit(Processes& processes) { StopProductPrograms(processes); }

bool InstallExit(Registry& registry, Files& files, UserInterface& userInterface,
                 WStringView installationFolder, std::uint16_t failedFiles, WString& problem) {
  // A program the installer could not copy would leave the old version beside the new ones.
  if (failedFiles != 0) {
    problem = u"the installer could not copy every file of the package";
    return false;
  }
  // An empty folder would stand for the root of the device: no settings path, no voice
  // folders and no files moved from there.
  if (!installationFolder.empty()) {
    if (installationFolder.size() > kMaxInstallationFolder) {
      problem = u"the installation folder is longer than " + ToDecimal(kMaxInstallationFolder) +
                u" characters";
      return false;
    }
    // The only step that can fail comes first, so that an undone installation has changed
    // neither the voices nor the settings.
    if (!IsProgramFolder(installationFolder) &&
        !MoveToProgramFolder(files, installationFolder, problem)) {
      return false;
    }
    CreateVoiceFolders(files, installationFolder);
    PlaceVoiceFiles(files, installationFolder);
    PrepareSettings(registry, installationFolder);
  }
  RefreshTodayScreen(userInterface);
  return true;
}

void UninstallInit(Processes& processes) { StopProductPrograms(processes); }

void UninstallExit(UserInterface& userInterface) { RefreshTodayScreen(userInterface); }

}  // namespace lectavo
