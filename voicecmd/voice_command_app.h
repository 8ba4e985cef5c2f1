// The toggle program's application object: one pass in InitInstance switches the build's bit
// of ValSpeak to its target state and plays the prompt that names the resulting state.
// Toggles started together change the record one after the other, so that none undoes
// another's change.
#pragma once

#include "framework/application.h"
#include "platform/clock.h"
#include "platform/named_mutexes.h"
#include "platform/registry.h"
#include "platform/sound.h"
#include "settings/settings_store.h"
#include "voicecmd/toggle_commands.h"

namespace lectavo {

class VoiceCommandApp final : public Application {
 public:
  VoiceCommandApp(const ToggleCommand& command, Registry& registry, NamedMutexes& mutexes,
                  Clock& clock, Sound& sound)
      : command_(command), registry_(registry), mutexes_(mutexes), clock_(clock), sound_(sound) {}

  // Always false: the program ends without a window.
  bool InitInstance() override;

 private:
  enum class Change { NotLoaded, AlreadySet, Saved, NotSaved };
  // Loads the record into record and, when the bit differs, switches it and saves.
  Change ChangeSettings(SettingsStore& store, SettingsRecord& record);

  const ToggleCommand& command_;
  Registry& registry_;
  NamedMutexes& mutexes_;
  Clock& clock_;
  Sound& sound_;
};

}  // namespace lectavo
