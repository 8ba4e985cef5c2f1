// How loud 16-bit samples are, and when a window of them counts as sound: the service hears
// the start and end of a spoken answer by it, and the device's tools judge what was played.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lectavo {

// A 10 ms window sounds when its level is above this: well clear of a silent recording's
// noise.
inline constexpr double kSoundingDb = -45;

// The level of a run of samples in dB below full scale (-120 for silence).
double LevelDb(const std::int16_t* samples, std::size_t count);

}  // namespace lectavo
