// The settings record as the speech engine hears it: speed, pitch and volume, and the voice
// of a language, chosen by the voice folders under StrLangPath where their svox.pil exists.
#pragma once

#include <cstdint>
#include <string>

#include "platform/files.h"
#include "platform/speech.h"

namespace lectavo {

inline constexpr int kGerman = 1;
inline constexpr int kEnglish = 2;

// A voice and the gain its samples get before playing (0..1).
struct SpokenVoice {
  EngineVoice engine;
  double gain = 1.0;
};

// The reading language of ValUsedLang: its LangNumber, with 0, 12 to 16 and above 20 taken
// as German.
int ReadingLanguage(std::uint32_t valUsedLang);

// Speed, pitch and volume of ValSpeak as the engine takes them; halves out of range are
// taken as the Speak page takes them (speed, pitch, volume 100).
SpokenVoice VoiceSettings(std::uint32_t valSpeak);

// The engine's voice name for a language (1..20): the name in its voice folder's svox.pil
// when that file exists and names a voice, else the engine's own voice of the language. The
// masculine voice applies to German only.
std::string VoiceName(int language, bool male, WStringView langPath, Files& files);

// Both together: how the service speaks a language.
SpokenVoice VoiceFor(std::uint32_t valSpeak, int language, WStringView langPath, Files& files);

}  // namespace lectavo
