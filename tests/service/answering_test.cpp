// Answering by voice on fakes: after a message was read the service asks, records from the
// microphone and sends through the outbox, and says what happened; whatever happens the
// heartbeat goes on, and nothing is sent that was not recorded whole.
#include <gtest/gtest.h>

#include "service/answer_recording.h"
#include "service/rendered_speech.h"
#include "settings/bit_fields.h"
#include "tests/service/service_world.h"

namespace lectavo {
namespace {

constexpr std::uint32_t kAnswering = 0xF8B23232;  // kUnaskedAll with FlagAnswerOn
constexpr std::int16_t kVoice = 3000;
const WString kRead = u"Neue Nachricht. Von Anna Beispiel. Betreff: Treffen Bis morgen.";

struct AnswerWorld : ServiceWorld {
  AnswerWorld() { SetSpeak(kAnswering); }

  // Anna's message arrives at 1 s; the script answers the question "Antworten?" with reply
  // (none: no answer) and speaks into the microphone from speakFrom to speakTo after it opened.
  void Answer(const char16_t* reply, std::uint64_t speakFrom = 500, std::uint64_t speakTo = 2500,
              std::uint64_t quitAt = 60000,
              const std::function<void(std::uint64_t)>& more = nullptr) {
    microphone.sound = [this, speakFrom, speakTo](std::uint64_t now) -> std::int16_t {
      const std::uint64_t opened = microphone.starts.back();
      return !silent && now >= opened + speakFrom && now < opened + speakTo ? kVoice : 0;
    };
    RunUntil(quitAt, [&](std::uint64_t now) {
      if (Reached(now, 1000)) mail.Deliver(u"Büro", kAnna);
      if (reply != nullptr && !answered && !Said().empty() && Said().back() == u"Antworten?") {
        Set(reply);
        answered = true;
      }
      if (more) more(now);
    });
  }

  bool answered = false;
  bool silent = false;
};

class AnsweringTest : public ::testing::Test, protected AnswerWorld {};

TEST_F(AnsweringTest, AYesRecordsTheSpokenAnswerAndSendsItToTheSender) {
  registry.PutText(kSettingsKey, u"StrAddressCC", u"chef@example.org");
  std::uint64_t promptEnds = 0;
  Answer(kServiceAnswerYesEvent, 500, 2500, 60000, [&](std::uint64_t now) {
    if (promptEnds == 0 && !Said().empty() && Said().back() == u"Bitte sprechen Sie jetzt." &&
        !audio.Playing()) {
      promptEnds = now;
    }
  });
  EXPECT_EQ(Said(), (std::vector<WString>{kRead, u"Antworten?", u"Bitte sprechen Sie jetzt.",
                                          u"Antwort gesendet."}));
  EXPECT_TRUE(mail.messages[0].read);
  ASSERT_EQ(outbox.sent.size(), 1u);
  EXPECT_EQ(outbox.sent[0].store, mail.stores.at(u"Büro")) << "the store the message came from";
  const OutgoingAnswer& answer = outbox.sent[0].answer;
  EXPECT_EQ(answer.toAddress, u"anna@example.org");
  EXPECT_EQ(answer.cc, u"chef@example.org");
  EXPECT_EQ(answer.subject, u"AW: Treffen");
  const std::optional<Pcm> wav = ReadWav(std::string(answer.wav.begin(), answer.wav.end()));
  ASSERT_TRUE(wav.has_value());
  EXPECT_EQ(wav->sampleRate, kAnswerSampleRate);
  EXPECT_NEAR(double(wav->samples.size()) / kAnswerSampleRate, 2.0 + 0.25, 0.02)
      << "from the first sound to the quiet after it";
  EXPECT_EQ(wav->samples[220], kVoice) << "the first sounding window begins it";
  ASSERT_EQ(microphone.starts.size(), 1u);
  EXPECT_GE(microphone.starts[0], promptEnds) << "open only after the prompt was heard";
  EXPECT_LE(microphone.stops[0] - microphone.starts[0], 2500u + 1500u + 100u);
  EXPECT_FALSE(microphone.open());
  EXPECT_LE(longestStill, 2000u);
}

TEST_F(AnsweringTest, WhatTheUserHearsWhenNothingIsSent) {
  struct Case {
    const char* name;
    const char16_t* reply;
    std::function<void(AnswerWorld&)> arrange;
    std::vector<WString> after;  // said after the reading
    std::size_t sent;
  };
  const auto none = [](AnswerWorld&) {};
  const Case cases[] = {
      {"no", kServiceAnswerNoEvent, none, {u"Antworten?"}, 0},
      {"no answer", nullptr, none, {u"Antworten?"}, 0},
      {"silence after yes",
       kServiceAnswerYesEvent,
       [](AnswerWorld& w) { w.silent = true; },
       {u"Antworten?", u"Bitte sprechen Sie jetzt.",
        u"Keine Antwort gehört. Es wurde nichts gesendet."},
       0},
      {"no microphone",
       kServiceAnswerYesEvent,
       [](AnswerWorld& w) { w.microphone.present = false; },
       {u"Antworten?", u"Bitte sprechen Sie jetzt.",
        u"Die Aufnahme ist nicht möglich. Es wurde nichts gesendet."},
       0},
      {"microphone fails while recording",
       kServiceAnswerYesEvent,
       [](AnswerWorld& w) { w.microphone.failsAt = 0; },
       {u"Antworten?", u"Bitte sprechen Sie jetzt.",
        u"Die Aufnahme ist nicht möglich. Es wurde nichts gesendet."},
       0},
      {"microphone stops delivering",
       kServiceAnswerYesEvent,
       [](AnswerWorld& w) { w.microphone.stallsAt = 0; },
       {u"Antworten?", u"Bitte sprechen Sie jetzt.",
        u"Die Aufnahme ist nicht möglich. Es wurde nichts gesendet."},
       0},
      {"outbox cannot be written",
       kServiceAnswerYesEvent,
       [](AnswerWorld& w) { w.outbox.result = Sending::kNotMade; },
       {u"Antworten?", u"Bitte sprechen Sie jetzt.", u"Die Antwort konnte nicht gesendet werden."},
       1},
      {"submitting fails",
       kServiceAnswerYesEvent,
       [](AnswerWorld& w) { w.outbox.result = Sending::kKeptUnsent; },
       {u"Antworten?", u"Bitte sprechen Sie jetzt.",
        u"Die Antwort konnte nicht gesendet werden. Sie liegt ungesendet im Postausgang."},
       1},
  };
  for (const Case& c : cases) {
    AnswerWorld world;
    c.arrange(world);
    world.Answer(c.reply);
    std::vector<WString> expected{kRead};
    expected.insert(expected.end(), c.after.begin(), c.after.end());
    EXPECT_EQ(world.Said(), expected) << c.name;
    EXPECT_EQ(world.outbox.sent.size(), c.sent) << c.name;
    EXPECT_FALSE(world.microphone.open()) << c.name;
    EXPECT_LE(world.longestStill, 2000u) << c.name;
  }
}

TEST_F(AnsweringTest, SwitchedOffOrQuitWhileRecordingEndsItAndSendsNothing) {
  struct Case {
    const char* name;
    std::function<void(AnswerWorld&)> stop;
  };
  const Case cases[] = {
      {"reading off", [](AnswerWorld& w) { w.SetSpeak(FlagReadOn.Set(kAnswering, 0)); }},
      {"answering off", [](AnswerWorld& w) { w.SetSpeak(FlagAnswerOn.Set(kAnswering, 0)); }},
      {"quit", [](AnswerWorld& w) { w.Set(kServiceQuitEvent); }},
  };
  for (const Case& c : cases) {
    AnswerWorld world;
    std::uint64_t stoppedAt = 0;
    // A long answer, stopped in its middle.
    world.Answer(kServiceAnswerYesEvent, 500, 50000, 60000, [&](std::uint64_t now) {
      if (stoppedAt == 0 && world.microphone.open() && now >= world.microphone.starts[0] + 5000) {
        c.stop(world);
        stoppedAt = now;
      }
    });
    ASSERT_EQ(world.microphone.stops.size(), 1u) << c.name;
    EXPECT_LE(world.microphone.stops[0] - stoppedAt, 200u) << c.name;
    EXPECT_TRUE(world.outbox.sent.empty()) << c.name;
    EXPECT_EQ(world.Said().back(), u"Bitte sprechen Sie jetzt.") << c.name << ": nothing more";
  }
}

TEST_F(AnsweringTest, TheHeartbeatGoesOnThroughTheLongestAnswer) {
  registry.PutDword(kSettingsKey, u"ValAnswerTime", 1);
  Answer(kServiceAnswerYesEvent, 500, 200000, 120000);
  ASSERT_EQ(outbox.sent.size(), 1u);
  EXPECT_EQ(outbox.sent[0].answer.wav.size(), 44u + 60u * kAnswerSampleRate * 2)
      << "cut at ValAnswerTime's one minute";
  EXPECT_LE(longestStill, 2000u);
}

TEST_F(AnsweringTest, NobodyToAnswerOrAnsweringOff) {
  SetSpeak(FlagDialogEnglish.Set(kAnswering, 1));
  RunUntil(30000, [&](std::uint64_t now) {
    if (Reached(now, 1000)) mail.Deliver(u"Büro", {u"Newsletter", u" ", u"News", u"Text"});
  });
  ASSERT_GE(Said().size(), 2u);
  EXPECT_EQ(Said().back(), u"No sender address: a reply is not possible.") << "not asked";
  EXPECT_TRUE(microphone.starts.empty());

  AnswerWorld off;
  off.SetSpeak(FlagAnswerOn.Set(kAnswering, 0));
  off.Answer(kServiceAnswerYesEvent);
  EXPECT_EQ(off.Said(), std::vector<WString>{kRead});
}

}  // namespace
}  // namespace lectavo
