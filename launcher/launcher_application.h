// Lectavo_Start: waits the start delay after a device start, starts the reading service and
// watches its heartbeat ValAlive, starting it again while the heartbeat stands still.
#pragma once

#include <cstdint>

#include "framework/application.h"
#include "platform/clock.h"
#include "platform/power.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/user_interface.h"
#include "settings/program_paths.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"

namespace lectavo {

// The heartbeat value by which the service tells the launcher to stop watching for good.
inline constexpr std::uint32_t kAliveEndOfWatching = 0x7FFFFFFF;
inline constexpr std::uint32_t kPollIntervalMilliseconds = 17138;

class LauncherApplication final : public Application {
 public:
  LauncherApplication(Registry& registry, Processes& processes, Power& power,
                      UserInterface& userInterface, Clock& clock);

  // Runs the whole watch; returns false so that no main window is made.
  bool InitInstance() override;

 private:
  enum class Failure { kStartFailed, kGivingUp };

  void WaitStartDelay();
  // True when the service could be started.
  bool StartService();
  void Watch();
  void ShowFailure(Failure failure);

  Processes& processes_;
  Power& power_;
  UserInterface& userInterface_;
  Clock& clock_;
  SettingsStore store_;
  LauncherSettings record_;
};

}  // namespace lectavo
