// The Today item's logic, one per loaded library: the reading state it last showed, the
// monitor it keeps running, the programs it starts and the icons it paints. It runs on the
// Today screen's window thread and reaches the device only through the roles it is given.
#pragma once

#include <array>
#include <cstdint>

#include "platform/named_events.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/user_interface.h"
#include "settings/program_paths.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"

namespace lectavo {

inline constexpr int kIconProduct = 102;
inline constexpr int kIconReadingOn = 109;
inline constexpr int kIconReadingOff = 110;

inline constexpr std::uint32_t kItemHeight = 30;

inline constexpr WChar kShellReadyEvent[] = u"SYSTEM/ShellAPIReady";
// What a screen reader announces for the item, by the reading state.
inline constexpr WChar kNameReadingOn[] = u"Lectavo: Vorlesen ein";
inline constexpr WChar kNameReadingOff[] = u"Lectavo: Vorlesen aus";

struct IconPlacement {
  int icon;
  int x;
  int y;
};

class TodayItem {
 public:
  TodayItem(Registry& registry, Processes& processes, NamedEvents& events,
            UserInterface& userInterface);

  // Library attach: no item window yet; the reading state as the settings hold it.
  void Attach();
  // Library detach: the monitor's kept handle is given back.
  void Detach();
  // The host made a new item window: it owns the item's message boxes from now on; the
  // monitor is started, even if one already runs.
  void Initialise(Handle window);
  // The host's periodic question: true when it must lay out and redraw the item. itemHeight
  // is the host's record of the item's height in pixels.
  bool QueryRefresh(std::uint32_t& itemHeight);
  // A tap anywhere on the item.
  void Tap();
  // The icons to draw, in order, from the settings as they are now.
  std::array<IconPlacement, 2> Paint();
  // The item's name for a screen reader, from the settings as last read (reading off when
  // none were); a refresh query that reads a changed state changes it.
  WStringView Name() const;

  Handle Window() const { return window_; }
  int LastSeenReadingState() const { return lastSeenReadingState_; }
  const ProcessInfo& MonitorProcess() const { return monitor_; }
  const ProcessInfo& ConfigProcess() const { return config_; }

 private:
  // True when the reading state differs from the one last seen; unreadable settings count
  // as unchanged.
  bool ReadingStateChanged();
  // True when started; the process handle is closed unless keepProcess.
  bool StartProgram(WStringView path, ProcessInfo& record, WStringView failureMessage,
                    bool keepProcess);
  void StartMonitor();
  bool MonitorRunning();

  Processes& processes_;
  NamedEvents& events_;
  UserInterface& userInterface_;
  SettingsStore store_;

  Handle window_ = kNoHandle;
  int lastSeenReadingState_ = -1;
  // The monitor's process handle stays open: it names the monitor itself, while its id may
  // be given to another program once the monitor has ended.
  ProcessInfo monitor_;
  ProcessInfo config_;
  TodaySettings settings_;
  // While one of the item's message boxes is open the host keeps sending refresh queries;
  // they must not open further boxes inside it.
  int openMessageBoxes_ = 0;
};

}  // namespace lectavo
