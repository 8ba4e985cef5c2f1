// How long sound was heard in a recording of the device's sound server or in a WAV prompt:
// 16-bit mono samples, looked at in windows of 10 ms.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "service/sound_level.h"

namespace lectavo {

struct Samples {
  std::vector<std::int16_t> values;
  int rate = 0;
};

struct Heard {
  // From the first to the last window that sounds, pauses between words included.
  double seconds = 0;
  // The loudest window's level in dB below full scale (0 is the loudest possible).
  double peakDb = -120;
};

// A raw recording: little-endian signed 16-bit mono at the given rate.
Samples RawSamples(const std::string& bytes, int rate);
// The samples of a PCM WAV file of 16-bit mono; none for any other format.
std::optional<Samples> WavSamples(const std::string& bytes);
Heard Listen(const Samples& samples);

}  // namespace lectavo
