#include "device_control/listening.h"

#include <gtest/gtest.h>

#include <vector>

namespace lectavo {
namespace {

constexpr int kRate = 22050;
const std::vector<std::string> kQuestions = {"Vorlesen?", "Read it?"};

// Seconds of a tone loud enough to sound, or of silence, fed in pieces of odd sizes as the
// recording grows.
void Feed(Listening& listening, double seconds, bool sound) {
  std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * kRate));
  for (std::size_t i = 0; sound && i < samples.size(); ++i) samples[i] = i % 20 < 10 ? 3000 : -3000;
  for (std::size_t at = 0; at < samples.size(); at += 1013) {
    listening.Hear(&samples[at], std::min<std::size_t>(1013, samples.size() - at));
  }
}

TEST(ListeningTest, EndsTwoSecondsAfterTheLastSoundAndMeasuresTheSound) {
  Listening listening(kRate, kQuestions);
  Feed(listening, 0.5, false);
  Feed(listening, 1.0, true);
  Feed(listening, 1.0, false);  // a pause between pieces does not end it
  Feed(listening, 0.8, true);
  Feed(listening, 1.9, false);
  EXPECT_FALSE(listening.Over());
  Feed(listening, 0.12, false);  // a window's 10 ms more
  EXPECT_EQ(listening.Over(), ListeningOver::kQuiet);
  EXPECT_NEAR(listening.SoundSeconds(), 2.8, 0.02);
  EXPECT_GT(listening.PeakDb(), -30);
}

TEST(ListeningTest, AQuestionKeepsListeningUntilItsTimeIsUp) {
  Listening listening(kRate, kQuestions);
  listening.Given("Neue Nachricht von Anna Beispiel. Vorlesen?");
  Feed(listening, 1.0, true);
  Feed(listening, 10.0, false);
  EXPECT_FALSE(listening.Over()) << "the answer may still come";
  Feed(listening, 0.52, false);
  EXPECT_EQ(listening.Over(), ListeningOver::kUnanswered);

  Listening nextQuestion(kRate, kQuestions);
  nextQuestion.Given("Neue Nachricht von Anna. Vorlesen?");
  Feed(nextQuestion, 1.0, true);
  Feed(nextQuestion, 10.4, false);
  nextQuestion.Given("Neue Nachricht von Bert. Vorlesen?");
  Feed(nextQuestion, 0.5, false);
  EXPECT_FALSE(nextQuestion.Over()) << "the next question is due";

  Listening answered(kRate, kQuestions);
  answered.Given("New message. Read it?");
  Feed(answered, 1.0, true);
  Feed(answered, 3.0, false);
  answered.Given("From Anna. Subject: Lunch? Are you coming?");
  Feed(answered, 1.0, true);
  Feed(answered, 2.02, false);
  EXPECT_EQ(answered.Over(), ListeningOver::kQuiet)
      << "after the reading, 2 s are enough, though the message asks something";
}

TEST(ListeningTest, NoSoundAtAllEndsAfterFiveSecondsOrOnceAnOpenQuestionIsOver) {
  Listening listening(kRate, kQuestions);
  Feed(listening, 4.9, false);
  EXPECT_FALSE(listening.Over());
  Feed(listening, 0.12, false);
  EXPECT_EQ(listening.Over(), ListeningOver::kNothingHeard);
  EXPECT_EQ(listening.SoundSeconds(), 0);

  Listening afterAQuestion(kRate, kQuestions);
  afterAQuestion.QuestionOpen();
  Feed(afterAQuestion, 15.4, false);
  EXPECT_FALSE(afterAQuestion.Over()) << "new mail waits for the open question";
  Feed(afterAQuestion, 0.12, false);
  EXPECT_EQ(afterAQuestion.Over(), ListeningOver::kNothingHeard);
}

}  // namespace
}  // namespace lectavo
