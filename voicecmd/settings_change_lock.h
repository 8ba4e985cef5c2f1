// The toggles' guard around one load-change-save of the settings record: one toggle at a time
// across processes, held for that step alone.
#pragma once

#include <cstdint>

#include "platform/named_mutexes.h"

namespace lectavo {

inline constexpr WChar kSettingsChangeMutex[] = u"Lectavo_Settings.Change";
// A change takes milliseconds; a holder that takes longer has stopped, and the change goes
// ahead unguarded rather than being lost.
inline constexpr std::uint32_t kSettingsChangeWaitMilliseconds = 5000;

class SettingsChangeLock {
 public:
  // Waits, bounded, for the other toggles' changes; an owner that ended without releasing
  // the lock leaves it to this one.
  explicit SettingsChangeLock(NamedMutexes& mutexes);
  ~SettingsChangeLock();
  SettingsChangeLock(const SettingsChangeLock&) = delete;
  SettingsChangeLock& operator=(const SettingsChangeLock&) = delete;

 private:
  NamedMutexes& mutexes_;
  Handle mutex_ = kNoHandle;
  bool held_ = false;
};

}  // namespace lectavo
