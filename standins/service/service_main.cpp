// The device's reading service, reduced to what Lectavo relies on: while it runs it stores a
// new heartbeat in ValAlive every two seconds, a second copy leaves the work to the first and
// ends at once, and it ends cleanly when one of its events is set (service_control.h).
#include <windows.h>

#include <cstdint>

#include "platform/win32/win32_roles.h"
#include "settings/settings_store.h"
#include "service/service_control.h"

namespace {

constexpr DWORD kHeartbeatMilliseconds = 2000;
constexpr std::uint32_t kEndOfWatching = 0x7FFFFFFF;
// Held for as long as a copy runs; a later copy that finds it leaves.
constexpr wchar_t kRunningMutex[] = L"Lectavo_Service.Running";

// The next heartbeat differs from the last one and never tells the launcher to stop.
std::uint32_t NextHeartbeat(std::uint32_t last) {
  const std::uint32_t next = last + 1;
  return next == kEndOfWatching ? next + 1 : next;
}

class Heartbeat {
 public:
  Heartbeat() {
    // Go on from what the registry holds, so that the first beat is already a change; the
    // store reads ValAlive into the launcher's record.
    lectavo::LauncherSettings stored;
    store_.LoadAlive(stored);
    record_.ValAlive = stored.ValAlive;
  }

  // A failed write is tried again at the next beat.
  void Beat() {
    record_.ValAlive = NextHeartbeat(record_.ValAlive);
    store_.SaveAlive(record_);
  }

  void EndWatching() {
    record_.ValAlive = kEndOfWatching;
    store_.SaveAlive(record_);
  }

 private:
  lectavo::Registry& registry_ = lectavo::SystemRegistry();
  lectavo::SettingsStore store_{registry_};
  lectavo::SettingsRecord record_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const HANDLE running = CreateMutexW(nullptr, FALSE, kRunningMutex);
  if (running == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) return 0;

  // The only copy: whatever set the events before it ran is past.
  const HANDLE events[] = {CreateEventW(nullptr, TRUE, FALSE, reinterpret_cast<const wchar_t*>(kServiceQuitEvent)),
                           CreateEventW(nullptr, TRUE, FALSE, reinterpret_cast<const wchar_t*>(kServiceQuitForGoodEvent))};
  if (events[0] == nullptr || events[1] == nullptr) return 1;
  ResetEvent(events[0]);
  ResetEvent(events[1]);

  Heartbeat heartbeat;
  DWORD woken = WAIT_TIMEOUT;
  while (woken == WAIT_TIMEOUT) {
    heartbeat.Beat();
    woken = WaitForMultipleObjects(2, events, FALSE, kHeartbeatMilliseconds);
  }
  if (woken == WAIT_OBJECT_0 + 1) heartbeat.EndWatching();
  CloseHandle(events[0]);
  CloseHandle(events[1]);
  CloseHandle(running);
  return woken == WAIT_FAILED ? 1 : 0;
}
