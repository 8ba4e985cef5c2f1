#include "today/today_item.h"

namespace lectavo {
namespace {

constexpr WChar kMonitorFailed[] = u"Lectavo-Monitor konnte nicht gestartet werden.";
constexpr WChar kConfigFailed[] = u"Lectavo-Konfiguration konnte nicht gestartet werden.";
constexpr WChar kErrorCaption[] = u"Fehler";

}  // namespace

TodayItem::TodayItem(Registry& registry, Processes& processes, NamedEvents& events,
                     UserInterface& userInterface)
    : processes_(processes), events_(events), userInterface_(userInterface), store_(registry) {}

void TodayItem::Attach() {
  window_ = kNoHandle;
  if (store_.LoadTodaySettings(settings_) == 0) {
    lastSeenReadingState_ = static_cast<int>(FlagReadOn.Get(settings_.ValSpeak));
  }
}

void TodayItem::Detach() {
  if (monitor_.process != kNoHandle) processes_.Close(monitor_.process);
  monitor_.process = kNoHandle;
}

void TodayItem::Initialise(Handle window) {
  window_ = window;
  StartMonitor();
  ReadingStateChanged();
}

bool TodayItem::QueryRefresh(std::uint32_t& itemHeight) {
  if (events_.Wait(kShellReadyEvent, 0) == kWaitTimeout) return false;
  bool refresh = false;
  if (itemHeight == 0) {
    itemHeight = kItemHeight;
    refresh = true;
  }
  if (ReadingStateChanged()) refresh = true;
  // The check waits until the open box is closed: the query after it tries again.
  if (openMessageBoxes_ == 0 && !MonitorRunning()) StartMonitor();
  return refresh;
}

void TodayItem::Tap() { StartProgram(kConfigPath, config_, kConfigFailed, false); }

std::array<IconPlacement, 2> TodayItem::Paint() {
  // A failed load keeps what was read last, even a ValSpeak read before the failure.
  store_.LoadTodaySettings(settings_);
  const int reading = FlagReadOn.Get(settings_.ValSpeak) != 0 ? kIconReadingOn : kIconReadingOff;
  return {{{kIconProduct, 2, 2}, {reading, 22, 2}}};
}

WStringView TodayItem::Name() const {
  return FlagReadOn.Get(settings_.ValSpeak) != 0 ? kNameReadingOn : kNameReadingOff;
}

bool TodayItem::ReadingStateChanged() {
  if (store_.LoadTodaySettings(settings_) != 0) return false;
  const int state = static_cast<int>(FlagReadOn.Get(settings_.ValSpeak));
  if (state == lastSeenReadingState_) return false;
  lastSeenReadingState_ = state;
  return true;
}

bool TodayItem::MonitorRunning() {
  return monitor_.process != kNoHandle && processes_.Wait(monitor_.process, 0) == kWaitTimeout;
}

void TodayItem::StartMonitor() {
  const Handle earlier = monitor_.process;
  if (StartProgram(kMonitorPath, monitor_, kMonitorFailed, true) && earlier != kNoHandle) {
    processes_.Close(earlier);
  }
}

bool TodayItem::StartProgram(WStringView path, ProcessInfo& record, WStringView failureMessage,
                             bool keepProcess) {
  // The record changes only when the start succeeds.
  ProcessInfo started;
  if (!processes_.Start(path, &started)) {
    ++openMessageBoxes_;
    userInterface_.ShowMessageBox(window_, failureMessage, kErrorCaption, kMbIconHand);
    --openMessageBoxes_;
    return false;
  }
  if (!keepProcess) {
    processes_.Close(started.process);
    started.process = kNoHandle;
  }
  processes_.Close(started.thread);
  started.thread = kNoHandle;
  record = started;
  return true;
}

}  // namespace lectavo
