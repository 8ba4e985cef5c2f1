#include "device_control/listening.h"

#include <algorithm>

#include "device_control/recorded_sound.h"

namespace lectavo {

void Listening::Hear(const std::int16_t* samples, std::size_t count) {
  partial_.insert(partial_.end(), samples, samples + count);
  std::size_t at = 0;
  for (; at + window_ <= partial_.size(); at += window_) {
    const double db = LevelDb(&partial_[at], window_);
    peakDb_ = std::max(peakDb_, db);
    ++windows_;
    if (db > kSoundingDb) {
      if (!first_) first_ = windows_ - 1;
      last_ = windows_;
      quietFrom_ = windows_;
    }
  }
  partial_.erase(partial_.begin(), partial_.begin() + static_cast<std::ptrdiff_t>(at));
}

void Listening::Given(const std::string& text) {
  question_ = Asks(text);
  quietFrom_ = windows_;
}

bool Listening::Asks(const std::string& text) const {
  return std::any_of(questionEnds_.begin(), questionEnds_.end(), [&](const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
  });
}

std::optional<ListeningOver> Listening::Over() const {
  const double quiet = Seconds(windows_ - quietFrom_);
  if (!first_) {
    const bool over = Seconds(windows_) >= firstSoundSeconds_ && quiet >= kFirstSoundSeconds;
    return over ? std::optional(ListeningOver::kNothingHeard) : std::nullopt;
  }
  if (question_) {
    if (quiet >= kQuietAfterQuestionSeconds) return ListeningOver::kUnanswered;
  } else if (quiet >= kQuietAfterSoundSeconds) {
    return ListeningOver::kQuiet;
  }
  return std::nullopt;
}

double Listening::SoundSeconds() const { return first_ ? Seconds(last_ - *first_) : 0; }

}  // namespace lectavo
