#include "setup/voice_layout.h"

#include "setup/device_paths.h"
#include "setup/file_move.h"

namespace lectavo {
namespace {

constexpr WStringView kVoiceExtension = u".pil";
// The voice-name buffer holds 32 characters with its terminator.
constexpr std::size_t kMaxVoiceName = 31;

// The file name less its extension; nothing for a name that is not "<1..31 characters>.pil".
// The extension is checked because a desktop search also matches names by their short form.
std::optional<WStringView> VoiceNameOf(WStringView fileName) {
  if (fileName.size() <= kVoiceExtension.size()) return std::nullopt;
  const WStringView voice = fileName.substr(0, fileName.size() - kVoiceExtension.size());
  if (voice.size() > kMaxVoiceName ||
      !EqualIgnoringCase(fileName.substr(voice.size()), kVoiceExtension)) {
    return std::nullopt;
  }
  return voice;
}

void PlaceVoiceFile(Files& files, WStringView installationFolder, WStringView fileName) {
  const auto voice = VoiceNameOf(fileName);
  if (!voice) return;
  const auto delivered = JoinPath({installationFolder, fileName});
  const auto placed = JoinPath({installationFolder, *voice, u"svox.pil"});
  if (delivered && placed) MoveFileReplacing(files, *delivered, *placed);
}

}  // namespace

bool IsVoiceFile(WStringView fileName) {
  return fileName.size() > kVoiceExtension.size() &&
         EqualIgnoringCase(fileName.substr(fileName.size() - kVoiceExtension.size()),
                           kVoiceExtension);
}

void CreateVoiceFolders(Files& files, WStringView installationFolder) {
  for (WStringView voice : kVoiceNames) {
    if (const auto folder = JoinPath({installationFolder, voice})) files.CreateFolder(*folder);
  }
}

void PlaceVoiceFiles(Files& files, WStringView installationFolder) {
  const auto pattern = JoinPath({installationFolder, u"*.pil"});
  if (!pattern) return;
  FindData found;
  const Handle search = files.FindFirst(*pattern, &found);
  if (search == kInvalidHandle) return;
  do {
    PlaceVoiceFile(files, installationFolder, FieldText(found.fileName));
  } while (files.FindNext(search, &found));
  files.FindClose(search);
}

}  // namespace lectavo
