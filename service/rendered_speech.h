// Rendered speech as the wave-out device takes it: the 16-bit mono samples of a PCM WAV file,
// at the volume the user set.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace lectavo {

struct Pcm {
  std::vector<std::int16_t> samples;
  int sampleRate = 0;
};

// The samples of a WAV file of 16-bit mono PCM; none for anything else. A data chunk that
// claims more than the file holds gives what the file holds.
std::optional<Pcm> ReadWav(std::string_view bytes);

// The samples scaled by gain (0..1), rounded to the nearest value.
void ApplyGain(std::vector<std::int16_t>& samples, double gain);

}  // namespace lectavo
