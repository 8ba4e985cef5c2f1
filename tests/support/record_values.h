// Settings records for the tests, native and under Wine alike: every value of a complete
// record, each one a test can choose, and the record as an installation leaves it.
#pragma once

#include <cstdint>

#include "settings/bit_fields.h"
#include "settings/record_values.h"

namespace lectavo::fake {

// Bit 22 of ValSpeak: the dialogs and prompts in English.
inline constexpr std::uint32_t kEnglish = FlagDialogEnglish.Mask();

// By default a record whose every value differs from the install defaults.
struct RecordValues {
  std::uint32_t speak = kDefaultSpeak;
  std::uint32_t usedLang = 651;
  WStringView accounts = u"Outlook\tFirma\t";
  std::uint32_t waitStart = 25;
  std::uint32_t answerTime = 7;
  WStringView addressCC = u"copy@example.org";
  WStringView langPath = u"\\Storage Card\\Lectavo\\";
  std::uint32_t alive = 42;
};

// The record as the setup writes it when it installs into the folder langPath (with its
// trailing backslash), ValSpeak as given.
constexpr RecordValues InstallRecord(std::uint32_t speak, WStringView langPath) {
  return {speak, kDefaultUsedLang, u"", kDefaultWaitStart, kDefaultAnswerTime, u"", langPath, 0};
}

}  // namespace lectavo::fake
