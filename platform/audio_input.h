// Audio input role: the wave-in device (waveInOpen, waveInAddBuffer, waveInStart, waveInReset,
// waveInClose). Records 16-bit mono samples from the device's microphone while the caller goes
// on; the microphone is open only between Start and Stop.
#pragma once

#include <cstdint>
#include <vector>

namespace lectavo {

class AudioInput {
 public:
  virtual ~AudioInput() = default;

  // Opens the microphone at this rate and starts recording; false when there is none or it
  // cannot be opened.
  virtual bool Start(int sampleRate) = 0;
  // Appends the samples recorded since the last call; false when recording failed.
  virtual bool Take(std::vector<std::int16_t>& samples) = 0;
  // Stops recording and closes the microphone; samples not taken are dropped.
  virtual void Stop() = 0;
};

}  // namespace lectavo
