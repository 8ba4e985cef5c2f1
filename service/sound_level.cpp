#include "service/sound_level.h"

#include <cmath>

namespace lectavo {

double LevelDb(const std::int16_t* samples, std::size_t count) {
  double energy = 0;
  for (std::size_t i = 0; i < count; ++i) energy += double(samples[i]) * double(samples[i]);
  const double rms = count > 0 ? std::sqrt(energy / double(count)) : 0;
  return rms > 0 ? 20 * std::log10(rms / 32768.0) : -120;
}

}  // namespace lectavo
