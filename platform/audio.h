// Audio role: the wave-out device (waveOutOpen, waveOutWrite, waveOutReset). Plays 16-bit
// mono samples while the caller goes on, and stops at once when asked.
#pragma once

#include <cstdint>
#include <vector>

namespace lectavo {

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;

  // Opens the output for this sample rate, so that the first sound does not wait for the
  // device to wake; an output already open at that rate stays as it is.
  virtual bool Open(int sampleRate) = 0;
  // Starts playing; false when the output could not take the samples.
  virtual bool Play(const std::vector<std::int16_t>& samples, int sampleRate) = 0;
  // True while samples handed to Play are still sounding.
  virtual bool Playing() = 0;
  // Silences the output at once.
  virtual void Stop() = 0;
};

}  // namespace lectavo
