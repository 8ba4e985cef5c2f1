// TextSource and TextConverter: captions by position, the shared buffer, conversions that
// never write past their destination, the error box.
#include <gtest/gtest.h>

#include "config/decimal_text.h"
#include "config/text_source.h"
#include "tests/support/fake_code_page.h"
#include "tests/support/fake_user_interface.h"

namespace lectavo {
namespace {

// A field limited to the digits of its largest value takes every value of its range.
TEST(DecimalTextTest, DigitsOfTheLargestValue) {
  const std::pair<std::uint32_t, int> cases[] = {{0, 1},   {9, 1},   {10, 2},  {99, 2},
                                                 {100, 3}, {500, 3}, {999, 3}, {0xFFFFFFFF, 10}};
  for (const auto& [value, digits] : cases) EXPECT_EQ(DecimalDigits(value), digits) << value;
}

TEST(TextSourceTest, CaptionsByPositionInOneSharedBuffer) {
  fake::FakeCodePage codePage;
  fake::FakeUserInterface userInterface;
  TextSource texts(codePage, userInterface);
  const WChar* first = texts.TabCaption(3);
  EXPECT_EQ(WString(first), u"Antwort-Text");
  EXPECT_EQ(texts.TabCaption(0), first) << "every call returns the same buffer";
  EXPECT_EQ(WString(first), u"Allgemein");
  texts.SetLanguage(1);
  EXPECT_EQ(WString(texts.TabCaption(3)), u"Text for answer");
  EXPECT_EQ(WString(texts.TabCaption(-1)), u"");
  EXPECT_EQ(WString(texts.TabCaption(7)), u"");
}

TEST(TextSourceTest, LanguageNamesByTablePositionConvertedFromAnsi) {
  fake::FakeCodePage codePage;
  fake::FakeUserInterface userInterface;
  TextSource texts(codePage, userInterface);
  EXPECT_EQ(WString(texts.LanguageName(2)), u"Französisch");
  EXPECT_EQ(WString(texts.LanguageName(5)), u"Niederländisch");
  EXPECT_EQ(WString(texts.LanguageName(11)), u"") << "positions 12 to 16 have no name";
  EXPECT_EQ(WString(texts.LanguageName(19)), u"Italienisch/Englisch");
  EXPECT_EQ(WString(texts.LanguageName(20)), u"");
  EXPECT_EQ(WString(texts.LanguageName(-1)), u"");
  texts.SetLanguage(1);
  EXPECT_EQ(WString(texts.LanguageName(0)), u"German");
  EXPECT_EQ(texts.LanguageName(16), texts.TabCaption(0)) << "the buffer is shared";
}

TEST(TextConverterTest, ConversionsStayInsideTheirDestination) {
  fake::FakeCodePage codePage;
  fake::FakeUserInterface userInterface;
  TextConverter converter(codePage, userInterface);

  WChar wide[8];
  std::fill(std::begin(wide), std::end(wide), u'#');
  EXPECT_EQ(converter.AnsiToWide(wide, 4, "Allgemein"), 0);
  EXPECT_EQ(wide[0], u'\0');
  EXPECT_EQ(wide[4], u'#') << "nothing written past the capacity";
  EXPECT_EQ(converter.AnsiToWide(wide, 8,
                                 "Gr\xF6\xDF"
                                 "e"),
            6);
  EXPECT_EQ(WString(wide), u"Größe");

  char ansi[8];
  EXPECT_EQ(converter.WideToAnsi(ansi, 8, u"ä€ł"), 4);
  EXPECT_EQ(std::string(ansi), "\xE4\x80?") << "what Windows-1252 lacks becomes '?'";
}

TEST(TextConverterTest, ErrorBoxShowsTheChosenLanguageCutTo255Characters) {
  fake::FakeCodePage codePage;
  fake::FakeUserInterface userInterface;
  TextConverter converter(codePage, userInterface);
  converter.ErrorBox(u"Deutsch", u"English", true, u"Lectavo");
  converter.ErrorBox(u"Deutsch", u"English", false, u"Lectavo");
  converter.ErrorBox(WString(300, u'x'), u"", false, u"Lectavo");
  ASSERT_EQ(userInterface.boxes.size(), 3u);
  EXPECT_EQ(userInterface.boxes[0].text, u"English");
  EXPECT_EQ(userInterface.boxes[1].text, u"Deutsch");
  EXPECT_EQ(userInterface.boxes[2].text, WString(255, u'x'));
  EXPECT_EQ(userInterface.boxes[0].style, 0x10u);
}

}  // namespace
}  // namespace lectavo
