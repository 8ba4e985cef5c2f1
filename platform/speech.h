// Speech role: the device's speech engine, a library found by a fixed name. Text, the
// engine's voice, speed and pitch go in; rendered speech comes out as a WAV file's bytes.
// One rendering is in progress at a time; it is polled, so the caller stays responsive.
#pragma once

#include <string>

#include "platform/types.h"

namespace lectavo {

// How the engine is to speak: its voice name ("de+f3"), words per minute, the pause between
// words (in the engine's units of 10 ms) and its pitch (0..99).
struct EngineVoice {
  std::string name;
  int wordsPerMinute = 175;
  int wordGap = 0;
  int pitch = 50;
  bool operator==(const EngineVoice&) const = default;
};

enum class RenderState { kRendering, kDone, kFailed };

class Speech {
 public:
  virtual ~Speech() = default;

  // False when the device has no speech engine.
  virtual bool Available() = 0;
  // Starts rendering the text, ending any rendering still in progress; false when it could
  // not be started.
  virtual bool Begin(WStringView text, const EngineVoice& voice) = 0;
  // The state of the last rendering begun; when done, wav holds the rendered WAV file.
  virtual RenderState Poll(std::string& wav) = 0;
};

}  // namespace lectavo
