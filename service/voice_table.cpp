#include "service/voice_table.h"

#include <algorithm>

#include "settings/bit_fields.h"

namespace lectavo {
namespace {

struct LanguageVoice {
  const char16_t* folder;  // none for languages without a voice folder
  const char* engine;      // the engine's own voice of the language
};

// By LangNumber - 1. Mixed languages speak with the voice of the first-named language.
constexpr LanguageVoice kVoices[20] = {
    {u"GER_W", "de+f3"},    {u"ENG_W", "en+f3"},    {u"FRA_W", "fr+f3"},    {u"SPA_W", "es+f3"},
    {u"ITA_W", "it+f3"},    {nullptr, "nl+f3"},     {nullptr, "pt+f3"},     {nullptr, "sv+f3"},
    {nullptr, "ru+f3"},     {nullptr, "pl+f3"},     {nullptr, "cmn+f3"},    {nullptr, "de+f3"},
    {nullptr, "de+f3"},     {nullptr, "de+f3"},     {nullptr, "de+f3"},     {nullptr, "de+f3"},
    {u"GERENG_W", "de+f3"}, {u"FRAENG_W", "fr+f3"}, {u"SPAENG_W", "es+f3"}, {u"ITAENG_W", "it+f3"},
};
constexpr char16_t kMaleFolder[] = u"GER_M";
constexpr char16_t kVoiceFile[] = u"\\svox.pil";

// The engine's slowest rate; slower speech lengthens the pauses between words instead.
constexpr int kSlowestWordsPerMinute = 80;
constexpr int kHighestPitch = 99;
// A voice file names a voice in a few plain characters; anything else is no voice.
constexpr std::size_t kLongestVoiceName = 32;

bool IsVoiceName(const std::string& name) {
  return !name.empty() && name.size() <= kLongestVoiceName &&
         std::all_of(name.begin(), name.end(), [](char c) {
           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                  c == '+' || c == '-' || c == '_';
         });
}

// The voice a voice file names; empty when the file is missing or names none.
std::string VoiceInFile(WStringView langPath, WStringView folder, Files& files) {
  const WString path = WString(langPath) + WString(folder) + kVoiceFile;
  const Handle file = files.OpenForReading(path);
  if (file == kInvalidHandle) return {};
  char buffer[kLongestVoiceName + 8];
  std::uint32_t read = 0;
  const bool ok = files.Read(file, buffer, sizeof buffer, &read);
  files.CloseFile(file);
  if (!ok) return {};
  std::string name(buffer, read);
  while (!name.empty() && (name.back() == '\n' || name.back() == '\r' || name.back() == ' ')) {
    name.pop_back();
  }
  return IsVoiceName(name) ? name : std::string();
}

}  // namespace

int ReadingLanguage(std::uint32_t valUsedLang) {
  const int number = static_cast<int>(LangNumber.Get(valUsedLang));
  const bool known = (number >= 1 && number <= 11) || (number >= 17 && number <= 20);
  return known ? number : kGerman;
}

SpokenVoice VoiceSettings(std::uint32_t valSpeak) {
  int speed = 2 * static_cast<int>(SpeedHalf.Get(valSpeak));
  int pitch = 2 * static_cast<int>(PitchHalf.Get(valSpeak));
  int volume = 2 * static_cast<int>(VolumeHalf.Get(valSpeak));
  if (speed < 20 || speed > 500) speed = 100;
  if (pitch < 50 || pitch > 200) pitch = 100;
  if (volume > 100) volume = 100;

  SpokenVoice voice;
  const int wordsPerMinute = 175 * speed / 100;
  voice.engine.wordsPerMinute = std::max(wordsPerMinute, kSlowestWordsPerMinute);
  if (wordsPerMinute < kSlowestWordsPerMinute) {
    // Each word then takes as long as it would at the asked rate: the time missing at the
    // slowest rate goes into the pause, in the engine's units of 10 ms.
    const double missingSeconds = 60.0 / wordsPerMinute - 60.0 / kSlowestWordsPerMinute;
    voice.engine.wordGap = static_cast<int>(missingSeconds * 100 + 0.5);
  }
  voice.engine.pitch = std::min(pitch / 2, kHighestPitch);
  voice.gain = volume / 100.0;
  return voice;
}

std::string VoiceName(int language, bool male, WStringView langPath, Files& files) {
  const LanguageVoice& voice = kVoices[std::clamp(language, 1, 20) - 1];
  if (male && language == kGerman) {
    std::string name = VoiceInFile(langPath, kMaleFolder, files);
    if (!name.empty()) return name;
  }
  if (voice.folder != nullptr) {
    std::string name = VoiceInFile(langPath, voice.folder, files);
    if (!name.empty()) return name;
  }
  return voice.engine;
}

SpokenVoice VoiceFor(std::uint32_t valSpeak, int language, WStringView langPath, Files& files) {
  SpokenVoice voice = VoiceSettings(valSpeak);
  voice.engine.name = VoiceName(language, FlagMaleVoice.Get(valSpeak) != 0, langPath, files);
  return voice;
}

}  // namespace lectavo
