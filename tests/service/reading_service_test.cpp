// The service on fakes: what it says for new mail, when it asks and listens, how it stops,
// and that the heartbeat goes on whatever it does. Time is the fake clock's.
#include "service/reading_service.h"

#include <gtest/gtest.h>

#include "service/service_control.h"
#include "settings/bit_fields.h"
#include "tests/service/service_world.h"

namespace lectavo {
namespace {

class ReadingServiceTest : public ::testing::Test, protected ServiceWorld {};

TEST_F(ReadingServiceTest, ReadsNewMailOfAChosenStoreWithoutAskingAndMarksItRead) {
  EXPECT_EQ(RunUntil(20000,
                     [&](std::uint64_t now) {
                       if (Reached(now, 1000)) mail.Deliver(u"Büro", kAnna);
                     }),
            0);
  EXPECT_EQ(Said(), std::vector<WString>{u"Neue Nachricht. Von Anna Beispiel. Betreff: Treffen "
                                         u"Bis morgen."})
      << "dialog and reading language alike: one voice, one piece";
  EXPECT_EQ(speech.begun[0].voice.name, "de+f3");
  ASSERT_EQ(audio.played.size(), 1u);
  EXPECT_LE(audio.played[0].at - 1000, 1500u)
      << "first sound within 1.5 s of delivery, the look included";
  EXPECT_TRUE(mail.messages[0].read);
  EXPECT_EQ(audio.opened, std::vector<int>{kSpeechSampleRate}) << "opened at start-up";
  EXPECT_LE(longestStill, 2000u);
}

TEST_F(ReadingServiceTest, PhrasesInTheDialogLanguageAndMailInTheReadingLanguage) {
  SetSpeak(FlagDialogEnglish.Set(kUnaskedAll, 1));
  registry.PutDword(kSettingsKey, u"ValUsedLang", 1);
  RunUntil(20000, [&](std::uint64_t now) {
    if (Reached(now, 1000)) mail.Deliver(u"Büro", kAnna);
  });
  ASSERT_EQ(speech.begun.size(), 4u);
  EXPECT_EQ(speech.begun[0].text, u"New message. From");
  EXPECT_EQ(speech.begun[0].voice.name, "en+f3");
  EXPECT_EQ(speech.begun[1].text, u"Anna Beispiel.");
  EXPECT_EQ(speech.begun[1].voice.name, "de+f3");
  EXPECT_EQ(speech.begun[2].text, u"Subject:");
  EXPECT_EQ(speech.begun[2].voice.name, "en+f3");
  EXPECT_EQ(speech.begun[3].text, u"Treffen Bis morgen.");
  EXPECT_EQ(speech.begun[3].voice.name, "de+f3");
}

TEST_F(ReadingServiceTest, SilentForMailThatIsNotNew) {
  struct Case {
    const char* name;
    std::uint32_t speak;
    WStringView accounts;
    bool beforeStart;
  };
  const Case cases[] = {{"reading off", FlagReadOn.Set(kUnaskedAll, 0), u"Büro\t", false},
                        {"store not chosen", kUnaskedAll, u"Privat\t", false},
                        {"no store chosen (the install default)", kUnaskedAll, u"", false},
                        {"a name that differs in letter case", kUnaskedAll, u"büro\t", false},
                        {"there before the service started", kUnaskedAll, u"Büro\t", true}};
  for (const Case& c : cases) {
    ServiceWorld fresh;
    fresh.SetSpeak(c.speak);
    fresh.registry.PutText(kSettingsKey, u"StrAccounts", c.accounts);
    if (c.beforeStart) fresh.mail.Deliver(u"Büro", kAnna);
    fresh.RunUntil(10000, [&](std::uint64_t now) {
      if (fresh.Reached(now, 1000) && !c.beforeStart) fresh.mail.Deliver(u"Büro", kAnna);
    });
    EXPECT_TRUE(fresh.audio.played.empty()) << c.name;
    EXPECT_FALSE(fresh.mail.messages[0].read) << c.name;
    EXPECT_GT(fresh.mail.looks, 10) << c.name << ": it keeps looking";
  }
}

TEST_F(ReadingServiceTest, MailThatArrivedWhileReadingWasOffIsNotReadWhenItComesOn) {
  SetSpeak(FlagReadOn.Set(kUnaskedAll, 0));
  RunUntil(10000, [&](std::uint64_t now) {
    if (Reached(now, 1000)) mail.Deliver(u"Büro", kAnna);
    if (Reached(now, 3000)) SetSpeak(kUnaskedAll);
    if (Reached(now, 5000)) mail.Deliver(u"Büro", {u"Bert", u"", u"Zwei", u""});
  });
  EXPECT_EQ(Said(), std::vector<WString>{u"Neue Nachricht. Von Bert. Betreff: Zwei"});
  EXPECT_FALSE(mail.messages[0].read);
  EXPECT_TRUE(mail.messages[1].read);
}

struct AnswerCase {
  const char* name;
  const char16_t* answer;  // none: no answer
  std::uint64_t answerAt;  // after delivery at 1000
  bool read;
};

class AskingTest : public ReadingServiceTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(AskingTest, AsksFirstAndReadsOnlyAfterAYes) {
  const AnswerCase& c = GetParam();
  SetSpeak(kAskedAll);
  RunUntil(30000, [&](std::uint64_t now) {
    if (Reached(now, 1000)) mail.Deliver(u"Büro", kAnna);
    if (c.answer != nullptr && Reached(now, c.answerAt)) Set(c.answer);
  });
  std::vector<WString> expected{u"Neue Nachricht von Anna Beispiel. Vorlesen?"};
  if (c.read) expected.push_back(u"Von Anna Beispiel. Betreff: Treffen Bis morgen.");
  EXPECT_EQ(Said(), expected);
  EXPECT_EQ(mail.messages[0].read, c.read);
  EXPECT_LE(longestStill, 2000u) << "the heartbeat goes on while it waits";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AskingTest,
    ::testing::Values(AnswerCase{"Yes", kServiceAnswerYesEvent, 3000, true},
                      AnswerCase{"No", kServiceAnswerNoEvent, 3000, false},
                      AnswerCase{"NoAnswer", nullptr, 0, false},
                      AnswerCase{"YesBeforeTheQuestion", kServiceAnswerYesEvent, 500, false},
                      AnswerCase{"YesAfterTenSeconds", kServiceAnswerYesEvent, 13500, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadingServiceTest, EachMessageIsHandledOnce) {
  SetSpeak(kAskedAll);
  RunUntil(40000, [&](std::uint64_t now) {
    if (Reached(now, 1000)) mail.Deliver(u"Büro", kAnna);
  });
  EXPECT_EQ(Said().size(), 1u) << "declined by silence, never asked again";
}

TEST_F(ReadingServiceTest, ReadingSwitchedOffMidMessageStopsTheSoundAtOnce) {
  speech.pollsPerRender = 0;
  const WString body(3000, u'x');
  std::uint64_t offAt = 0;
  RunUntil(30000, [&](std::uint64_t now) {
    if (Reached(now, 1000)) mail.Deliver(u"Büro", {u"Anna", u"", u"", body});
    if (offAt == 0 && audio.played.size() == 4)
      SetSpeak(FlagReadOn.Set(kUnaskedAll, 0)), offAt = now;
  });
  ASSERT_EQ(audio.stops.size(), 1u);
  EXPECT_LE(audio.stops[0] - offAt, 500u);
  EXPECT_LT(audio.played.size(), 8u) << "the rest is not read";
  EXPECT_FALSE(mail.messages[0].read);
}

TEST_F(ReadingServiceTest, QuitEventsStopTheSoundAtOnceAndEndTheService) {
  for (const char16_t* event : {kServiceQuitEvent, kServiceQuitForGoodEvent}) {
    ServiceWorld fresh;
    std::uint64_t setAt = 0;
    fresh.clock.onSleep = [&](std::uint64_t now) {
      if (fresh.Reached(now, 1000))
        fresh.mail.Deliver(u"Büro", {u"Anna", u"", u"", WString(3000, u'x')});
      if (setAt == 0 && fresh.audio.played.size() == 2) fresh.Set(event), setAt = now;
    };
    EXPECT_EQ(fresh.service.Run(), 0);
    ASSERT_EQ(fresh.audio.stops.size(), 1u);
    EXPECT_LE(fresh.audio.stops[0] - setAt, 500u);
    EXPECT_LE(fresh.clock.now - setAt, 500u) << "and it ends";
    EXPECT_EQ(fresh.Alive() == kEndOfWatching, event == kServiceQuitForGoodEvent);
  }
}

TEST_F(ReadingServiceTest, HeartbeatGoesOnWhileASlowEngineRenders) {
  speech.pollsPerRender = 400;                      // 8 s per piece
  SetSpeak(FlagDialogEnglish.Set(kUnaskedAll, 1));  // four pieces in two voices
  RunUntil(60000, [&](std::uint64_t now) {
    if (Reached(now, 1000)) mail.Deliver(u"Büro", kAnna);
  });
  EXPECT_EQ(Said().size(), 4u);
  EXPECT_TRUE(mail.messages[0].read);
  EXPECT_LE(longestStill, 2000u);
  EXPECT_GT(Alive(), 30u) << "a new value every second";
}

TEST_F(ReadingServiceTest, WithoutSpeechNothingIsReadAndNothingMarked) {
  const std::pair<bool, bool> engines[] = {{false, false}, {true, true}};  // absent | failing
  for (const auto& [available, failing] : engines) {
    ServiceWorld fresh;
    fresh.speech.available = available;
    fresh.speech.failing = failing;
    fresh.RunUntil(10000, [&](std::uint64_t now) {
      if (fresh.Reached(now, 1000)) fresh.mail.Deliver(u"Büro", kAnna);
    });
    EXPECT_TRUE(fresh.audio.played.empty());
    EXPECT_FALSE(fresh.mail.messages[0].read);
    EXPECT_LE(fresh.longestStill, 2000u);
  }
}

TEST_F(ReadingServiceTest, ASecondCopyLeavesAtOnceWithoutTouchingAnything) {
  instance.heldElsewhere.insert(kServiceRunningName);
  registry.PutDword(kSettingsKey, u"ValAlive", 7);
  EXPECT_EQ(service.Run(), 0);
  EXPECT_EQ(Alive(), 7u);
  EXPECT_TRUE(events.set.empty());
  EXPECT_TRUE(audio.opened.empty());
}

TEST_F(ReadingServiceTest, EventsOfAnEarlierRunArePast) {
  events.set[kServiceQuitEvent] = true;
  events.set[kServiceAnswerYesEvent] = true;
  registry.PutDword(kSettingsKey, u"ValAlive", 0x7FFFFFFE);
  EXPECT_EQ(RunUntil(3000), 0);
  EXPECT_GE(clock.now, 3000u) << "it ran until asked again";
  EXPECT_GE(Alive(), 0x80000001u) << "beats skip the end of watching";
}

}  // namespace
}  // namespace lectavo
