#include "service/reading_plan.h"

#include <gtest/gtest.h>

#include "settings/bit_fields.h"

namespace lectavo {
namespace {

constexpr auto D = Language::kDialog;
constexpr auto R = Language::kReading;

// Reading on; the other switches as each case says.
std::uint32_t Switches(bool unasked, bool sender, bool subject, bool contents, bool english) {
  std::uint32_t speak = FlagReadOn.Set(0x00323232, 1);
  speak = FlagReadUnasked.Set(speak, unasked);
  speak = FlagReadSender.Set(speak, sender);
  speak = FlagReadSubject.Set(speak, subject);
  speak = FlagReadContents.Set(speak, contents);
  return FlagDialogEnglish.Set(speak, english);
}

const MailMessage kAnna{u"Anna Beispiel", u"anna@example.org", u"Treffen", u"Bis morgen."};

struct PlanCase {
  const char* name;
  std::uint32_t speak;
  MailMessage message;
  std::vector<Utterance> question;  // empty when nobody is asked
  std::vector<Utterance> reading;
};

const PlanCase kPlanCases[] = {
    {"UnaskedEverything",
     Switches(true, true, true, true, false),
     kAnna,
     {},
     {{u"Neue Nachricht.", D},
      {u"Von", D},
      {u"Anna Beispiel.", R},
      {u"Betreff:", D},
      {u"Treffen", R},
      {u"Bis morgen.", R}}},
    {"UnaskedEverythingEnglish",
     Switches(true, true, true, true, true),
     kAnna,
     {},
     {{u"New message.", D},
      {u"From", D},
      {u"Anna Beispiel.", R},
      {u"Subject:", D},
      {u"Treffen", R},
      {u"Bis morgen.", R}}},
    {"UnaskedNothingChosenOnlyAnnounces",
     Switches(true, false, false, false, false),
     kAnna,
     {},
     {{u"Neue Nachricht.", D}}},
    {"UnaskedSubjectOnly",
     Switches(true, false, true, false, true),
     kAnna,
     {},
     {{u"New message.", D}, {u"Subject:", D}, {u"Treffen", R}}},
    {"UnaskedBodyOnly",
     Switches(true, false, false, true, false),
     kAnna,
     {},
     {{u"Neue Nachricht.", D}, {u"Bis morgen.", R}}},
    {"AskedWithSender",
     Switches(false, true, true, true, false),
     kAnna,
     {{u"Neue Nachricht von", D}, {u"Anna Beispiel.", R}, {u"Vorlesen?", D}},
     {{u"Von", D}, {u"Anna Beispiel.", R}, {u"Betreff:", D}, {u"Treffen", R}, {u"Bis morgen.", R}}},
    {"AskedWithSenderEnglish",
     Switches(false, true, false, false, true),
     kAnna,
     {{u"New message from", D}, {u"Anna Beispiel.", R}, {u"Read it?", D}},
     {{u"From", D}, {u"Anna Beispiel.", R}}},
    {"AskedWithoutSender",
     Switches(false, false, true, false, false),
     kAnna,
     {{u"Neue Nachricht. Vorlesen?", D}},
     {{u"Betreff:", D}, {u"Treffen", R}}},
    {"AskedWithoutSenderEnglish",
     Switches(false, false, false, true, true),
     kAnna,
     {{u"New message. Read it?", D}},
     {{u"Bis morgen.", R}}},
    {"AskedNothingChosenReadsNothingAfterYes",
     Switches(false, false, false, false, false),
     kAnna,
     {{u"Neue Nachricht. Vorlesen?", D}},
     {}},
    {"SenderWithoutNameIsNamedByAddress",
     Switches(false, true, false, false, false),
     {u"", u"anna@example.org", u"", u""},
     {{u"Neue Nachricht von", D}, {u"anna@example.org.", R}, {u"Vorlesen?", D}},
     {{u"Von", D}, {u"anna@example.org.", R}}},
    {"SenderWithNeitherNameNorAddress",
     Switches(false, true, true, true, false),
     {u" ", u"", u"", u""},
     {{u"Neue Nachricht. Vorlesen?", D}},
     {}},
    {"NoSubjectAndEmptyBodyAreLeftOut",
     Switches(true, true, true, true, false),
     {u"Anna", u"", u"", u"  \r\n"},
     {},
     {{u"Neue Nachricht.", D}, {u"Von", D}, {u"Anna.", R}}},
    {"ASubjectThatLooksLikeACommandIsJustText",
     Switches(true, false, true, false, false),
     {u"", u"", u"$(touch /tmp/x) `id`", u""},
     {},
     {{u"Neue Nachricht.", D}, {u"Betreff:", D}, {u"$(touch /tmp/x) `id`", R}}},
};

class ReadingPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(ReadingPlanTest, SaysThePartsChosenInTheirLanguages) {
  const PlanCase& c = GetParam();
  const bool asked = FlagReadUnasked.Get(c.speak) == 0;
  if (asked) {
    EXPECT_EQ(Question(c.message, c.speak), c.question);
  }
  EXPECT_EQ(Reading(c.message, c.speak, asked), c.reading);
}

INSTANTIATE_TEST_SUITE_P(EverySwitch, ReadingPlanTest, ::testing::ValuesIn(kPlanCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The pieces as they are said: one after the other.
WString Joined(const std::vector<WString>& pieces) {
  WString all;
  for (const WString& piece : pieces) all += (all.empty() ? u"" : u" ") + piece;
  return all;
}

TEST(BodyPiecesTest, SentencesArePiecesAndNothingIsLost) {
  bool cut = true;
  const WString body = u"Hallo Anna! Wie geht es? Gut.\nBis bald";
  EXPECT_EQ(BodyPieces(body, &cut),
            (std::vector<WString>{u"Hallo Anna!", u"Wie geht es?", u"Gut.", u"Bis bald"}))
      << "a line end ends a sentence; a blank piece is not said";
  EXPECT_FALSE(cut);
  EXPECT_EQ(BodyPieces(u"3.5 Euro", &cut), std::vector<WString>{u"3.5 Euro"})
      << "a point inside a number ends nothing";
}

TEST(BodyPiecesTest, ALongSentenceBreaksAtABlankWithinThePieceLength) {
  bool cut = true;
  WString body;
  for (int i = 0; i < 200; ++i) body += u"Wort ";
  const std::vector<WString> pieces = BodyPieces(body, &cut);
  EXPECT_FALSE(cut);
  EXPECT_EQ(Joined(pieces), body.substr(0, body.size() - 1)) << "never inside a word";
  for (const WString& piece : pieces) EXPECT_LE(piece.size(), kLongestPiece);
}

TEST(BodyPiecesTest, ReadsTheFirstTenThousandCharactersAndSaysItWasCut) {
  struct Case {
    std::size_t length;
    bool cut;
    std::size_t read;
  };
  const Case cases[] = {{9999, false, 9999},
                        {10000, false, 10000},
                        {10001, true, 10000},
                        {1 << 20, true, 10000},
                        {0, false, 0}};
  for (const Case& c : cases) {
    bool cut = !c.cut;
    const std::vector<WString> pieces = BodyPieces(WString(c.length, u'x'), &cut);
    EXPECT_EQ(cut, c.cut) << c.length;
    std::size_t read = 0;
    for (const WString& piece : pieces) read += piece.size();
    EXPECT_EQ(read, c.read) << c.length;
    for (const WString& piece : pieces) EXPECT_LE(piece.size(), kLongestPiece);
  }
  const std::uint32_t speak = Switches(true, false, false, true, true);
  const std::vector<Utterance> said = Reading({u"", u"", u"", WString(20000, u'x')}, speak, false);
  EXPECT_EQ(said.back(), (Utterance{u"The message was cut.", D}));
}

TEST(BodyPiecesTest, NeverSplitsACharacterOfTwoCodeUnits) {
  // U+1F600 as a surrogate pair, placed across the piece length and the cut.
  const WString pair = u"\U0001F600";
  for (std::size_t before : {kLongestPiece - 1, kLongestBody - 1}) {
    WString body = WString(before, u'x') + pair + u"yz";
    bool cut = false;
    for (const WString& piece : BodyPieces(body, &cut)) {
      EXPECT_FALSE(piece.back() >= 0xD800 && piece.back() <= 0xDBFF) << before;
      EXPECT_FALSE(piece.front() >= 0xDC00 && piece.front() <= 0xDFFF) << before;
    }
  }
}

}  // namespace
}  // namespace lectavo
