// The toggle program's application object: one pass in InitInstance switches the build's bit
// of ValSpeak to its target state and plays the prompt that names the resulting state.
#pragma once

#include <cstdint>

#include "framework/application.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "platform/sound.h"
#include "voicecmd/toggle_commands.h"

namespace lectavo {

// Room for the prompt path, terminator included.
inline constexpr int kPromptPathUnits = 260;
// Pause after a save before the prompt.
inline constexpr std::uint32_t kPauseAfterSaveMilliseconds = 297;

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

// StrLangPath + "VoiceCommand\" + "ENG_" or "GER_" + prompt into path; false, with path
// empty, when the whole does not fit.
bool BuildPromptPath(const WChar* langPath, bool english, const WChar* prompt,
                     WChar (&path)[kPromptPathUnits]);

}  // namespace lectavo
