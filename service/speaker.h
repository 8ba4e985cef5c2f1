// Says utterances with the speech engine and the wave-out device: the next piece renders
// while one plays, and between short slices the caller is asked whether to go on, so the
// heartbeat keeps beating and a stop silences the output at once.
#pragma once

#include <functional>
#include <vector>

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/speech.h"
#include "service/voice_table.h"

namespace lectavo {

struct Voiced {
  WString text;
  SpokenVoice voice;
};

enum class Said { kAll, kStopped, kFailed };

// Called between slices; false stops the speaking at once.
using KeepGoing = std::function<bool()>;

// The engine renders at this rate; the output is opened for it at start-up.
inline constexpr int kSpeechSampleRate = 22050;
// How long one piece may take to render before the engine counts as stuck.
inline constexpr std::uint32_t kLongestRenderMilliseconds = 30000;

class Speaker {
 public:
  Speaker(Speech& speech, AudioOutput& audio, Clock& clock)
      : speech_(speech), audio_(audio), clock_(clock) {}

  // kAll when every piece was played to its end; kFailed when a piece could not be rendered
  // or played (the rest is not said).
  Said Say(const std::vector<Voiced>& said, const KeepGoing& keepGoing);

 private:
  // Waits for the rendering begun last; false when it failed or the caller stopped.
  bool Rendered(std::string& wav, const KeepGoing& keepGoing, bool* stopped);
  bool Played(const KeepGoing& keepGoing);

  Speech& speech_;
  AudioOutput& audio_;
  Clock& clock_;
};

// Neighbours in the same voice become one utterance while it stays a short piece: fewer
// pauses, and the engine speaks the sentence as one.
std::vector<Voiced> Joined(std::vector<Voiced> said);

}  // namespace lectavo
