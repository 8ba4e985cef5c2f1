// The six toggle programs are one program; each build picks one of these commands.
#pragma once

#include <cstdint>

#include "platform/types.h"
#include "settings/settings_record.h"

namespace lectavo {

struct ToggleCommand {
  BitField bit;          // the one bit of ValSpeak this build switches
  std::uint32_t target;  // the state the bit is switched to
  const WChar* prompt;   // file name in "VoiceCommand\", after the language prefix
};

inline constexpr ToggleCommand kVorlesenEin{FlagReadOn, 1, u"VorlesenEin.WAV"};
inline constexpr ToggleCommand kVorlesenAus{FlagReadOn, 0, u"VorlesenAus.WAV"};
// FlagReadUnasked means "read without asking": asking on clears it.
inline constexpr ToggleCommand kNachfrageEin{FlagReadUnasked, 0, u"NachfrageEin.WAV"};
inline constexpr ToggleCommand kNachfrageAus{FlagReadUnasked, 1, u"NachfrageAus.WAV"};
inline constexpr ToggleCommand kAntwortEin{FlagAnswerOn, 1, u"AntwortEin.WAV"};
inline constexpr ToggleCommand kAntwortAus{FlagAnswerOn, 0, u"AntwortAus.WAV"};

}  // namespace lectavo
