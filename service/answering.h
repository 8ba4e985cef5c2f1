// Answering a message by voice, after it was read: what the service says while it asks,
// records and sends, in the dialog language.
#pragma once

#include <cstdint>
#include <vector>

#include "service/reading_plan.h"

namespace lectavo {

enum class AnswerStep {
  kQuestion,      // "Antworten?"
  kSpeakNow,      // the recording begins after it
  kNoAddress,     // the sender has no address: nobody to answer
  kNothingHeard,  // no sound within 10 s
  kCannotRecord,  // no microphone, or it failed
  kSent,
  kNotSent,     // nothing is in the outbox
  kKeptUnsent,  // in the outbox, marked as not sent
};

std::vector<Utterance> AnswerPhrase(AnswerStep step, std::uint32_t valSpeak);

// How recording an answer ended.
enum class Recording { kAnswer, kNothingHeard, kCannotRecord, kStopped };

}  // namespace lectavo
