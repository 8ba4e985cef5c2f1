// A spoken answer heard in the microphone's samples as they come: it begins at the first 10 ms
// window that sounds and ends after 1.5 s of quiet that follows sound, or once it has lasted
// the longest time ValAnswerTime allows; nothing sounding within the first 10 s is no answer.
#pragma once

#include <cstdint>
#include <vector>

namespace lectavo {

// The answer is recorded and sent at this rate, 16-bit mono.
inline constexpr int kAnswerSampleRate = 22050;
// How long the microphone waits for the first sound.
inline constexpr std::uint32_t kFirstSoundMilliseconds = 10000;
// Quiet after sound that ends the answer.
inline constexpr std::uint32_t kQuietEndMilliseconds = 1500;
// Of that quiet, the answer keeps this much, so that its last syllable fades out whole.
inline constexpr std::uint32_t kKeptQuietMilliseconds = 250;

// The longest answer in minutes: ValAnswerTime as the settings load takes it, 1 to 10, any
// other value as its default.
std::uint32_t LongestAnswerMinutes(std::uint32_t valAnswerTime);

enum class Recorded { kGoingOn, kAnswer, kNothing };

class AnswerRecording {
 public:
  AnswerRecording(int sampleRate, std::uint32_t valAnswerTime);

  // Samples as the microphone delivers them; once the recording is over, more change nothing.
  Recorded Hear(const std::int16_t* samples, std::size_t count);
  // How much the microphone has delivered, in milliseconds.
  std::uint64_t Milliseconds() const;
  // The answer, from its first sounding window on, without the quiet that ended it.
  std::vector<std::int16_t> Answer() const;

 private:
  void HearWindow(const std::int16_t* window);
  std::uint64_t Samples(std::uint64_t milliseconds) const;

  int sampleRate_;
  std::size_t window_;
  std::uint64_t longest_;  // samples
  std::vector<std::int16_t> partial_;
  std::vector<std::int16_t> answer_;
  std::uint64_t windows_ = 0;  // heard so far
  std::uint64_t delivered_ = 0;
  bool sounded_ = false;
  std::uint64_t lastSound_ = 0;  // the window after the last sounding one, counted in answer_
  Recorded state_ = Recorded::kGoingOn;
};

// A WAV file of 16-bit mono PCM.
std::vector<std::uint8_t> WavFile(const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace lectavo
