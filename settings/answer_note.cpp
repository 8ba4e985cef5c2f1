#include "settings/answer_note.h"

#include <algorithm>

namespace lectavo {

std::string ReadAnswerNote(Files& files) {
  const Handle file = files.OpenForReading(kAnswerTextPath);
  if (file == kInvalidHandle) return kDefaultAnswerNote;
  std::string note(kAnswerTextLength, '\0');
  std::uint32_t total = 0;
  bool failed = false;
  while (total < kAnswerTextLength) {
    std::uint32_t read = 0;
    if (!files.Read(file, note.data() + total, kAnswerTextLength - total, &read)) {
      failed = true;
      break;
    }
    if (read == 0) break;
    total += std::min<std::uint32_t>(read, kAnswerTextLength - total);
  }
  files.CloseFile(file);
  // A file that cannot be read counts as one that cannot be opened.
  if (failed) return kDefaultAnswerNote;
  note.resize(total);
  return note.substr(0, note.find('\0'));
}

}  // namespace lectavo
