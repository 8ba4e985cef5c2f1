#include "service/answer_recording.h"

#include <algorithm>

#include "service/sound_level.h"
#include "settings/record_values.h"

namespace lectavo {
namespace {

// Writes value as count little-endian bytes at the cursor and moves it on.
void Put(std::uint8_t*& at, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) *at++ = static_cast<std::uint8_t>(value >> (8 * i));
}

void PutTag(std::uint8_t*& at, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) *at++ = static_cast<std::uint8_t>(tag[i]);
}

}  // namespace

std::uint32_t LongestAnswerMinutes(std::uint32_t valAnswerTime) {
  const bool listed =
      valAnswerTime >= kAnswerTimeValue.lowest && valAnswerTime <= kAnswerTimeValue.highest;
  return listed ? valAnswerTime : kAnswerTimeValue.standard;
}

AnswerRecording::AnswerRecording(int sampleRate, std::uint32_t valAnswerTime)
    : sampleRate_(sampleRate),
      window_(static_cast<std::size_t>(std::max(1, sampleRate / 100))),
      longest_(Samples(std::uint64_t{LongestAnswerMinutes(valAnswerTime)} * 60000)) {}

std::uint64_t AnswerRecording::Samples(std::uint64_t milliseconds) const {
  return milliseconds * static_cast<std::uint64_t>(sampleRate_) / 1000;
}

Recorded AnswerRecording::Hear(const std::int16_t* samples, std::size_t count) {
  if (state_ != Recorded::kGoingOn) return state_;
  delivered_ += count;
  partial_.insert(partial_.end(), samples, samples + count);
  std::size_t at = 0;
  for (; at + window_ <= partial_.size() && state_ == Recorded::kGoingOn; at += window_) {
    HearWindow(&partial_[at]);
  }
  partial_.erase(partial_.begin(), partial_.begin() + static_cast<std::ptrdiff_t>(at));
  return state_;
}

void AnswerRecording::HearWindow(const std::int16_t* window) {
  ++windows_;
  const bool sounds = LevelDb(window, window_) > kSoundingDb;
  if (!sounded_) {
    if (!sounds) {
      if (windows_ * window_ >= Samples(kFirstSoundMilliseconds)) state_ = Recorded::kNothing;
      return;
    }
    sounded_ = true;
  }
  answer_.insert(answer_.end(), window, window + window_);
  const std::uint64_t answerWindows = answer_.size() / window_;
  if (sounds) lastSound_ = answerWindows;
  if ((answerWindows - lastSound_) * window_ >= Samples(kQuietEndMilliseconds) ||
      answer_.size() >= longest_) {
    state_ = Recorded::kAnswer;
  }
}

std::uint64_t AnswerRecording::Milliseconds() const {
  return delivered_ * 1000 / static_cast<std::uint64_t>(sampleRate_);
}

std::vector<std::int16_t> AnswerRecording::Answer() const {
  const std::size_t end = std::min<std::uint64_t>(
      {answer_.size(), lastSound_ * window_ + Samples(kKeptQuietMilliseconds), longest_});
  return {answer_.begin(), answer_.begin() + static_cast<std::ptrdiff_t>(end)};
}

std::vector<std::uint8_t> WavFile(const std::vector<std::int16_t>& samples, int sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  const auto rate = static_cast<std::uint32_t>(sampleRate);
  std::vector<std::uint8_t> bytes(44 + std::size_t{dataBytes});
  std::uint8_t* at = bytes.data();
  PutTag(at, "RIFF");
  Put(at, 36 + dataBytes, 4);
  PutTag(at, "WAVE");
  PutTag(at, "fmt ");
  Put(at, 16, 4);
  Put(at, 1, 2);  // PCM
  Put(at, 1, 2);  // mono
  Put(at, rate, 4);
  Put(at, rate * 2, 4);  // bytes a second
  Put(at, 2, 2);         // bytes a sample
  Put(at, 16, 2);        // bits a sample
  PutTag(at, "data");
  Put(at, dataBytes, 4);
  for (const std::int16_t sample : samples) Put(at, static_cast<std::uint16_t>(sample), 2);
  return bytes;
}

}  // namespace lectavo
