#include "tests/support/fake_speech.h"

namespace lectavo::fake {
namespace {

void PutLittle(std::string& bytes, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string WavOf(std::size_t sampleCount, int sampleRate, std::int16_t value) {
  const auto dataBytes = static_cast<std::uint32_t>(sampleCount * 2);
  std::string wav = "RIFF";
  PutLittle(wav, 36 + dataBytes, 4);
  wav += "WAVEfmt ";
  PutLittle(wav, 16, 4);
  PutLittle(wav, 1, 2);  // PCM
  PutLittle(wav, 1, 2);  // mono
  PutLittle(wav, static_cast<std::uint32_t>(sampleRate), 4);
  PutLittle(wav, static_cast<std::uint32_t>(sampleRate) * 2, 4);
  PutLittle(wav, 2, 2);
  PutLittle(wav, 16, 2);
  wav += "data";
  PutLittle(wav, dataBytes, 4);
  for (std::size_t i = 0; i < sampleCount; ++i)
    PutLittle(wav, static_cast<std::uint16_t>(value), 2);
  return wav;
}

}  // namespace lectavo::fake
