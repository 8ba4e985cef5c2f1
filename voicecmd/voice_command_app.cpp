#include "voicecmd/voice_command_app.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "settings/settings_store.h"
#include "voicecmd/settings_change_lock.h"

namespace lectavo {
namespace {

constexpr WStringView kPromptFolder = u"VoiceCommand\\";
constexpr WStringView kEnglishPrefix = u"ENG_";
constexpr WStringView kGermanPrefix = u"GER_";
// Room for the prompt path, terminator included.
constexpr std::size_t kPromptPathUnits = 260;
// Pause after a save before the prompt.
constexpr std::uint32_t kPauseAfterSaveMilliseconds = 297;

// StrLangPath + "VoiceCommand\" + "ENG_" or "GER_" + prompt into path; false, with path
// empty, when the whole does not fit.
bool BuildPromptPath(const WChar* langPath, bool english, const WChar* prompt,
                     WChar (&path)[kPromptPathUnits]) {
  const WStringView parts[] = {langPath, kPromptFolder, english ? kEnglishPrefix : kGermanPrefix,
                               prompt};
  std::size_t length = 0;
  for (WStringView part : parts) length += part.size();
  path[0] = u'\0';
  // StrLangPath may hold 255 characters: a path that leaves no room for its terminator plays
  // nothing rather than a cut-off name.
  if (length >= kPromptPathUnits) return false;
  WChar* end = path;
  for (WStringView part : parts) end = std::copy(part.begin(), part.end(), end);
  *end = u'\0';
  return true;
}

}  // namespace

VoiceCommandApp::Change VoiceCommandApp::ChangeSettings(SettingsStore& store,
                                                        SettingsRecord& record) {
  // Held for the load, the change and the save only: never for the pause or the prompt.
  const SettingsChangeLock lock(mutexes_);
  if (store.LoadSettings(record) != 0) return Change::NotLoaded;
  if (command_.bit.Get(record.ValSpeak) == command_.target) return Change::AlreadySet;
  record.ValSpeak = command_.bit.Set(record.ValSpeak, command_.target);
  return store.SaveSettings(record) == 0 ? Change::Saved : Change::NotSaved;
}

bool VoiceCommandApp::InitInstance() {
  SettingsStore store(registry_);
  SettingsRecord record;
  const Change change = ChangeSettings(store, record);
  // A save that failed is not confirmed: the prompt would announce a state the record may not
  // hold. The user hears nothing, as with every other failure, and can say it again.
  if (change == Change::NotLoaded || change == Change::NotSaved) return false;
  const bool english = FlagDialogEnglish.Get(record.ValSpeak) != 0;
  if (change == Change::Saved) clock_.Sleep(kPauseAfterSaveMilliseconds);

  if (store.LoadLangPath(record) != 0) return false;
  WChar path[kPromptPathUnits];
  if (!BuildPromptPath(record.StrLangPath, english, command_.prompt, path)) return false;
  // A missing or unplayable prompt is silence, never a default sound.
  sound_.Play(path, kSndFilename | kSndNoDefault);
  return false;
}

}  // namespace lectavo
