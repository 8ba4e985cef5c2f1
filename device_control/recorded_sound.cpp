#include "device_control/recorded_sound.h"

#include <algorithm>

namespace lectavo {
namespace {

std::uint32_t Little(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | std::uint8_t(bytes[at + i]);
  return value;
}

std::vector<std::int16_t> Values(const std::string& bytes, std::size_t from, std::size_t count) {
  std::vector<std::int16_t> values(count);
  for (std::size_t i = 0; i < count; ++i) {
    values[i] = static_cast<std::int16_t>(Little(bytes, from + 2 * i, 2));
  }
  return values;
}

}  // namespace

Samples RawSamples(const std::string& bytes, int rate) {
  return {Values(bytes, 0, bytes.size() / 2), rate};
}

std::optional<Samples> WavSamples(const std::string& bytes) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
    return std::nullopt;
  }
  bool monoPcm16 = false;
  int rate = 0;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::size_t size = Little(bytes, at + 4, 4);
    const std::size_t body = at + 8;
    if (bytes.compare(at, 4, "fmt ") == 0 && size >= 16 && body + 16 <= bytes.size()) {
      monoPcm16 = Little(bytes, body, 2) == 1 && Little(bytes, body + 2, 2) == 1 &&
                  Little(bytes, body + 14, 2) == 16;
      rate = static_cast<int>(Little(bytes, body + 4, 4));
    } else if (bytes.compare(at, 4, "data") == 0) {
      if (!monoPcm16 || rate <= 0) return std::nullopt;
      const std::size_t available = std::min(size, bytes.size() - body);
      return Samples{Values(bytes, body, available / 2), rate};
    }
    at = body + size + (size & 1);
  }
  return std::nullopt;
}

Heard Listen(const Samples& samples) {
  Heard heard;
  const std::size_t window = std::max(1, samples.rate / 100);
  std::size_t first = 0;
  std::size_t last = 0;
  bool any = false;
  for (std::size_t at = 0; at + window <= samples.values.size(); at += window) {
    const double db = LevelDb(&samples.values[at], window);
    heard.peakDb = std::max(heard.peakDb, db);
    if (db > kSoundingDb) {
      if (!any) first = at;
      last = at + window;
      any = true;
    }
  }
  if (any) heard.seconds = double(last - first) / samples.rate;
  return heard;
}

}  // namespace lectavo
