// The toggle program's application object: one pass in InitInstance switches the build's bit
// of ValSpeak to its target state and plays the prompt that names the resulting state.
#pragma once

#include "framework/application.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "platform/sound.h"
#include "voicecmd/toggle_commands.h"

namespace lectavo {

class VoiceCommandApp final : public Application {
 public:
  VoiceCommandApp(const ToggleCommand& command, Registry& registry, Clock& clock, Sound& sound)
      : command_(command), registry_(registry), clock_(clock), sound_(sound) {}

  // Always false: the program ends without a window.
  bool InitInstance() override;

 private:
  const ToggleCommand& command_;
  Registry& registry_;
  Clock& clock_;
  Sound& sound_;
};

}  // namespace lectavo
