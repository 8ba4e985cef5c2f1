// Following what the device says after mail arrives or a question is answered, as it comes:
// the recording of its sound server grows, and the speech engine notes each text it was given.
// Listening is over once the device has been quiet for a while after its last sound, longer
// after a question, whose answer may still bring more.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lectavo {

// Quiet after the last sound that ends listening; after a question it lasts until the
// question's 10 s have passed unanswered.
inline constexpr double kQuietAfterSoundSeconds = 2.0;
inline constexpr double kQuietAfterQuestionSeconds = 10.5;
// Mail without asking is heard within 1.5 s: nothing within this is nothing at all.
inline constexpr double kFirstSoundSeconds = 5.0;

enum class ListeningOver { kQuiet, kUnanswered, kNothingHeard };

class Listening {
 public:
  // questionEnds: how each text ends that asks something.
  Listening(int rate, std::vector<std::string> questionEnds)
      : rate_(rate), window_(static_cast<std::size_t>(rate / 100)),
        questionEnds_(std::move(questionEnds)) {}

  // Samples that arrived at the recording's end.
  void Hear(const std::int16_t* samples, std::size_t count);
  // A text the speech engine was given to say: its sound is due.
  void Given(const std::string& text);
  // Whether the text asks something.
  bool Asks(const std::string& text) const;
  // A question asked before listening began is still open: its answer, or its time running
  // out, comes before anything new is said.
  void QuestionOpen() { firstSoundSeconds_ += kQuietAfterQuestionSeconds; }
  std::optional<ListeningOver> Over() const;

  // From the first to the last sounding window.
  double SoundSeconds() const;
  double PeakDb() const { return peakDb_; }
  // Whether the last text given asks something.
  bool Asking() const { return question_; }

 private:
  double Seconds(std::uint64_t windows) const { return double(windows * window_) / rate_; }

  int rate_;
  std::size_t window_;
  std::vector<std::string> questionEnds_;
  std::vector<std::int16_t> partial_;
  std::uint64_t windows_ = 0;
  std::optional<std::uint64_t> first_;
  std::uint64_t last_ = 0;
  // Where the present quiet began: the last sound, or a text given since, whose sound is due.
  std::uint64_t quietFrom_ = 0;
  double peakDb_ = -120;
  double firstSoundSeconds_ = kFirstSoundSeconds;
  bool question_ = false;
};

}  // namespace lectavo
