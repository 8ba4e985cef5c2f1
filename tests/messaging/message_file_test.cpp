// The device's message files as its messaging library reads them: outside data, so every
// byte sequence gives a whole message.
#include "standins/messaging/message_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace messaging {
namespace {

struct Case {
  const char* name;
  std::string bytes;
  std::optional<std::u16string> senderName, senderAddress, subject;
  std::u16string body;
};

TEST(MessageFileTest, ReadsHeadersAndBodyOfEveryShape) {
  const Case cases[] = {
      {"plain, LF",
       "Sender-Name: Anna Beispiel\nSender-Address: anna@example.org\nSubject: Termin\n\nHallo\n",
       u"Anna Beispiel", u"anna@example.org", u"Termin", u"Hallo\n"},
      {"CR LF, byte-order mark, names in any case",
       "\xEF\xBB\xBFsubject:B\xC3\xBCro\r\nSENDER-NAME:\t  X\r\n\r\nZeile\r\n", u"X", std::nullopt,
       u"B\u00fcro", u"Zeile\r\n"},
      {"nothing at all", "", std::nullopt, std::nullopt, std::nullopt, u""},
      {"no empty line: no body", "Subject: nur Betreff", std::nullopt, std::nullopt, u"nur Betreff",
       u""},
      {"empty line first: all body", "\nSubject: x", std::nullopt, std::nullopt, std::nullopt,
       u"Subject: x"},
      {"the first of a repeated name counts, odd lines are skipped",
       "Subject: eins\nkein Kopf\n: leer\nSubject: zwei\n\n", std::nullopt, std::nullopt, u"eins",
       u""},
      {"a shell command is only text", "Subject: $(touch /tmp/x)\n\n`rm -rf /`", std::nullopt,
       std::nullopt, u"$(touch /tmp/x)", u"`rm -rf /`"},
      {"empty values stay empty", "Sender-Name:\nSubject: \n\n", u"", std::nullopt, u"", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const MessageFile file = ParseMessageFile(c.bytes);
    EXPECT_EQ(file.Find(kSenderName), c.senderName);
    EXPECT_EQ(file.Find(kSenderAddress), c.senderAddress);
    EXPECT_EQ(file.Find(kSubject), c.subject);
    EXPECT_EQ(file.body, c.body);
  }
}

TEST(MessageFileTest, RecipientsAndAttachmentsMayRepeat) {
  const MessageFile file =
      ParseMessageFile("To: a@x\nCc: b@x\nTo: c@x\nAttachment: answer.wav\n\n");
  ASSERT_EQ(file.headers.size(), 4u);
  EXPECT_EQ(file.headers[2].name, "To");
  EXPECT_EQ(file.headers[2].value, u"c@x");
  EXPECT_EQ(file.Find("attachment"), u"answer.wav");
}

// Each byte outside a well-formed character reads as one U+FFFD; so does a zero, so that a
// text never ends early.
TEST(MessageFileTest, BytesThatAreNotUtf8ReadAsReplacementCharacters) {
  const struct {
    const char* name;
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"Latin-1", "B\xFCro", u"B\uFFFDro"},
      {"cut sequence at the end", "a\xE2\x82", u"a\uFFFD\uFFFD"},
      {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"zero", std::string("a\0b", 3), u"a\uFFFDb"},
      {"four bytes", "\xF0\x9F\x98\x80", u"\U0001F600"},
      {"euro sign", "\xE2\x82\xAC", u"\u20AC"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DecodeUtf8(c.bytes), c.text);
    EXPECT_EQ(ParseMessageFile("Subject: " + c.bytes + "\n\n" + c.bytes).body, c.text);
    EXPECT_EQ(ParseMessageFile("Subject: " + c.bytes + "\n\n").Find(kSubject), c.text);
  }
}

// What the device writes reads back: one line per header, in order, repeated names too; a
// line break in a value is a space, blanks before it go; a lone surrogate or a zero is U+FFFD.
TEST(MessageFileTest, AWrittenMessageReadsBack) {
  MessageFile file;
  file.headers = {{kTo, u"a@example.org"},
                  {kCc, u"  b@example.org;\r\nc@example.org"},
                  {kCc, u""},
                  {kSubject, u"AW: \u00c4rger \U0001F600 $(id)"},
                  {kAttachment, std::u16string(u"x\0y\xD800z", 5)}};
  file.body = u"Zeile 1\r\n\r\nSubject: keine\n\u20ac";
  const MessageFile read = ParseMessageFile(FormatMessageFile(file));
  ASSERT_EQ(read.headers.size(), 5u);
  EXPECT_EQ(read.headers[0].value, u"a@example.org");
  EXPECT_EQ(read.headers[1].name, "Cc");
  EXPECT_EQ(read.headers[1].value, u"b@example.org;  c@example.org");
  EXPECT_EQ(read.headers[2].value, u"");
  EXPECT_EQ(read.headers[3].value, file.headers[3].value);
  EXPECT_EQ(read.headers[4].value, u"x\uFFFDy\uFFFDz");
  EXPECT_EQ(read.body, file.body);
  EXPECT_EQ(ParseMessageFile(FormatMessageFile({{}, u"\nnur Text"})).body, u"\nnur Text");
}

TEST(MessageFileTest, ReadsAtMostTheLimit) {
  std::string bytes = "Subject: gross\n\n" + std::string(kMessageFileLimit, 'x');
  EXPECT_EQ(ParseMessageFile(bytes).body.size(), kMessageFileLimit - 16);
}

}  // namespace
}  // namespace messaging
