#include "service/rendered_speech.h"

#include <cmath>

namespace lectavo {
namespace {

std::uint32_t Little(std::string_view bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

}  // namespace

std::optional<Pcm> ReadWav(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return std::nullopt;
  }
  bool formatSeen = false;
  Pcm pcm;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::string_view id = bytes.substr(at, 4);
    const std::size_t size = Little(bytes, at + 4, 4);
    const std::size_t body = at + 8;
    const std::size_t available = std::min(size, bytes.size() - body);
    if (id == "fmt ") {
      if (available < 16) return std::nullopt;
      const bool pcm16Mono = Little(bytes, body, 2) == 1 && Little(bytes, body + 2, 2) == 1 &&
                             Little(bytes, body + 14, 2) == 16;
      pcm.sampleRate = static_cast<int>(Little(bytes, body + 4, 4));
      if (!pcm16Mono || pcm.sampleRate <= 0) return std::nullopt;
      formatSeen = true;
    } else if (id == "data") {
      if (!formatSeen) return std::nullopt;
      pcm.samples.resize(available / 2);
      for (std::size_t i = 0; i < pcm.samples.size(); ++i) {
        pcm.samples[i] = static_cast<std::int16_t>(Little(bytes, body + 2 * i, 2));
      }
      return pcm;
    }
    if (size > bytes.size() - body) break;
    at = body + size + (size & 1);
  }
  return std::nullopt;
}

void ApplyGain(std::vector<std::int16_t>& samples, double gain) {
  if (gain >= 1.0) return;
  for (std::int16_t& sample : samples) {
    sample = static_cast<std::int16_t>(std::lround(sample * gain));
  }
}

}  // namespace lectavo
