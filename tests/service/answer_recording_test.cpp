// The spoken answer's beginning and end, heard in the samples: first sound, the quiet after it,
// the longest time ValAnswerTime allows, no sound at all; and the WAV it is sent as.
#include "service/answer_recording.h"

#include <gtest/gtest.h>

#include "service/rendered_speech.h"

namespace lectavo {
namespace {

// 1,000 samples a second: a 10 ms window is 10 samples, and ten minutes stay small.
constexpr int kRate = 1000;
constexpr std::int16_t kSpeech = 3000;  // about -21 dB
constexpr std::int16_t kHiss = 100;     // about -50 dB: below the sounding level

struct Stretch {
  std::uint32_t milliseconds;
  std::int16_t level;
};

std::vector<std::int16_t> Sound(const std::vector<Stretch>& stretches, int rate = kRate) {
  std::vector<std::int16_t> samples;
  for (const Stretch& s : stretches)
    samples.insert(samples.end(), s.milliseconds * rate / 1000, s.level);
  return samples;
}

struct Outcome {
  Recorded recorded;
  std::uint64_t overAtMs;  // how much had been delivered when it was over
  std::vector<std::int16_t> answer;
};

// Delivers the samples in pieces of the given size, as the microphone's buffers come.
Outcome Record(const std::vector<std::int16_t>& samples, std::uint32_t valAnswerTime = 3,
               std::size_t piece = 37, int rate = kRate) {
  AnswerRecording recording(rate, valAnswerTime);
  for (std::size_t at = 0; at < samples.size(); at += piece) {
    const Recorded state = recording.Hear(&samples[at], std::min(piece, samples.size() - at));
    if (state != Recorded::kGoingOn) return {state, recording.Milliseconds(), recording.Answer()};
  }
  return {Recorded::kGoingOn, recording.Milliseconds(), recording.Answer()};
}

TEST(AnswerRecordingTest, NoSoundWithinTenSecondsIsNoAnswer) {
  const Outcome hiss = Record(Sound({{12000, kHiss}}));
  EXPECT_EQ(hiss.recorded, Recorded::kNothing);
  EXPECT_NEAR(hiss.overAtMs, 10000, 40);
  EXPECT_EQ(Record(Sound({{9990, 0}, {20, kSpeech}, {3000, 0}})).recorded, Recorded::kAnswer)
      << "a sound in the last window of the ten seconds counts";
}

TEST(AnswerRecordingTest, BeginsAtTheFirstSoundAndEndsAfterQuietOfOneAndAHalfSeconds) {
  const Outcome outcome =
      Record(Sound({{3000, kHiss}, {2000, kSpeech}, {1400, kHiss}, {500, kSpeech}, {4000, kHiss}}));
  ASSERT_EQ(outcome.recorded, Recorded::kAnswer);
  EXPECT_NEAR(outcome.overAtMs, 3000 + 2000 + 1400 + 500 + 1500, 40) << "a pause of 1.4 s goes on";
  // The answer keeps 250 ms of the quiet that ended it.
  const std::vector<std::int16_t> expected =
      Sound({{2000, kSpeech}, {1400, kHiss}, {500, kSpeech}, {250, kHiss}});
  EXPECT_EQ(outcome.answer, expected);
}

TEST(AnswerRecordingTest, LongestAnswerIsValAnswerTimeMinutesOrThreeOutsideOneToTen) {
  const std::pair<std::uint32_t, std::uint32_t> cases[] = {{1, 1}, {3, 3},  {10, 10},
                                                           {0, 3}, {11, 3}, {0xFFFFFFFF, 3}};
  const std::vector<std::int16_t> talk = Sound({{500, 0}, {11 * 60000, kSpeech}});
  for (const auto& [value, minutes] : cases) {
    EXPECT_EQ(LongestAnswerMinutes(value), minutes) << value;
    const Outcome outcome = Record(talk, value, 4410);
    EXPECT_EQ(outcome.recorded, Recorded::kAnswer) << value;
    EXPECT_EQ(outcome.answer.size(), minutes * 60000 * kRate / 1000)
        << value << ": from the first sound";
  }
}

TEST(AnswerRecordingTest, OverIsOver) {
  AnswerRecording recording(kRate, 3);
  const std::vector<std::int16_t> first = Sound({{1000, kSpeech}, {1500, 0}});
  ASSERT_EQ(recording.Hear(first.data(), first.size()), Recorded::kAnswer);
  const std::vector<std::int16_t> more = Sound({{1000, kSpeech}});
  EXPECT_EQ(recording.Hear(more.data(), more.size()), Recorded::kAnswer);
  EXPECT_EQ(recording.Answer().size(), 1250u);
}

TEST(AnswerRecordingTest, AtTheDevicesRateInAnyPieces) {
  const std::vector<std::int16_t> samples =
      Sound({{700, 0}, {1200, kSpeech}, {2000, 0}}, kAnswerSampleRate);
  for (const std::size_t piece : {1u, 220u, 2205u, 100000u}) {
    const Outcome outcome = Record(samples, 3, piece, kAnswerSampleRate);
    ASSERT_EQ(outcome.recorded, Recorded::kAnswer) << piece;
    // 10 ms windows of 220 samples: the sound begins inside the window at 700 ms.
    EXPECT_NEAR(double(outcome.answer.size()) / kAnswerSampleRate, 1.2 + 0.25, 0.02) << piece;
    EXPECT_EQ(outcome.answer[outcome.answer.size() / 2], kSpeech) << piece;
  }
}

TEST(AnswerRecordingTest, TheWavHoldsTheSamplesAsSixteenBitMonoPcm) {
  const std::vector<std::int16_t> samples{0, 1, -1, 32767, -32768, 1234};
  const std::vector<std::uint8_t> wav = WavFile(samples, kAnswerSampleRate);
  ASSERT_EQ(wav.size(), 44u + 12u);
  const std::string bytes(wav.begin(), wav.end());
  EXPECT_EQ(bytes.substr(0, 4), "RIFF");
  EXPECT_EQ(bytes[4], char(48)) << "the RIFF size: all that follows it";
  const std::optional<Pcm> pcm = ReadWav(bytes);
  ASSERT_TRUE(pcm.has_value());
  EXPECT_EQ(pcm->sampleRate, kAnswerSampleRate);
  EXPECT_EQ(pcm->samples, samples);
  EXPECT_EQ(bytes.substr(28, 4), std::string("\x44\xAC\x00\x00", 4)) << "44,100 bytes a second";
}

}  // namespace
}  // namespace lectavo
