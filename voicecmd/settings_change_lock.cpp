#include "voicecmd/settings_change_lock.h"

namespace lectavo {

SettingsChangeLock::SettingsChangeLock(NamedMutexes& mutexes) : mutexes_(mutexes) {
  mutex_ = mutexes_.Create(kSettingsChangeMutex);
  if (mutex_ == kNoHandle) return;
  const std::uint32_t result = mutexes_.Wait(mutex_, kSettingsChangeWaitMilliseconds);
  held_ = result == kWaitObject0 || result == kWaitAbandoned;
}

SettingsChangeLock::~SettingsChangeLock() {
  if (held_) mutexes_.Release(mutex_);
  if (mutex_ != kNoHandle) mutexes_.Close(mutex_);
}

}  // namespace lectavo
