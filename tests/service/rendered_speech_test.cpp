#include "service/rendered_speech.h"

#include <gtest/gtest.h>

#include "tests/support/fake_speech.h"

namespace lectavo {
namespace {

TEST(RenderedSpeechTest, ReadsSixteenBitMonoPcm) {
  const std::optional<Pcm> pcm = ReadWav(fake::WavOf(3, 22050, -7));
  ASSERT_TRUE(pcm);
  EXPECT_EQ(pcm->sampleRate, 22050);
  EXPECT_EQ(pcm->samples, (std::vector<std::int16_t>{-7, -7, -7}));
}

TEST(RenderedSpeechTest, RefusesWhatIsNoSixteenBitMonoWavAndKeepsToTheFile) {
  std::string stereo = fake::WavOf(4, 22050, 1);
  stereo[22] = 2;
  std::string eightBit = fake::WavOf(4, 22050, 1);
  eightBit[34] = 8;
  std::string noFormat = fake::WavOf(4, 22050, 1);
  noFormat.replace(12, 4, "junk");
  for (const std::string& bytes : {std::string(), std::string("RIFF"), stereo, eightBit, noFormat,
                                   std::string("RIFF\0\0\0\0WAVEdata\xFF\xFF\xFF\xFF", 20)}) {
    EXPECT_FALSE(ReadWav(bytes));
  }
  // A data chunk claiming more than there is (as a rendering cut short leaves it).
  std::string claimsMore = fake::WavOf(4, 22050, 5);
  claimsMore[40] = '\x7F';
  claimsMore.pop_back();
  const std::optional<Pcm> pcm = ReadWav(claimsMore);
  ASSERT_TRUE(pcm);
  EXPECT_EQ(pcm->samples.size(), 3u);
}

TEST(RenderedSpeechTest, GainScalesEverySample) {
  const std::pair<double, std::vector<std::int16_t>> cases[] = {{1.0, {32767, -32768, 3}},
                                                                {0.5, {16384, -16384, 2}},
                                                                {0.02, {655, -655, 0}},
                                                                {0.0, {0, 0, 0}}};
  for (const auto& [gain, expected] : cases) {
    std::vector<std::int16_t> samples{32767, -32768, 3};
    ApplyGain(samples, gain);
    EXPECT_EQ(samples, expected) << gain;
  }
}

}  // namespace
}  // namespace lectavo
