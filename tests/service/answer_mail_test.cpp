// The answer's composition: addressed to the sender, copied to StrAddressCC as typed, its
// subject and body in the dialog language, with the note and the original as the flags say.
#include "service/answer_mail.h"

#include <gtest/gtest.h>

#include "settings/answer_note.h"
#include "settings/bit_fields.h"
#include "tests/support/fake_code_page.h"
#include "tests/support/fake_files.h"
#include "tests/support/text.h"

namespace lectavo {
namespace {

const MailMessage kAnna{u"Anna Beispiel", u"anna@example.org", u"Treffen", u"Bis morgen.\r\nAnna"};
// The note file holds 8-bit text in the ANSI code page: 0xFC is "ü".
const std::string kNoteFile =
    "Gr\xFC\xDF"
    "e aus dem Zug.\r\n";
const WString kNote = u"Grüße aus dem Zug.\r\n";
const WString kGermanOriginal =
    u"-----Ursprüngliche Nachricht-----\r\nVon: Anna Beispiel <anna@example.org>\r\n"
    u"Betreff: Treffen\r\n\r\nBis morgen.\r\nAnna";
const WString kEnglishOriginal =
    u"-----Original Message-----\r\nFrom: Anna Beispiel <anna@example.org>\r\n"
    u"Subject: Treffen\r\n\r\nBis morgen.\r\nAnna";

struct Composer {
  fake::FakeFiles files;
  fake::FakeCodePage codePage;
  SettingsRecord record;

  Composer(std::uint32_t speak, WStringView cc) {
    record.ValSpeak = speak;
    std::copy(cc.begin(), cc.end(), record.StrAddressCC);
    files.PutFolder(u"\\ORBA-GMBH\\Lectavo");
  }
  OutgoingAnswer Compose(const MailMessage& original = kAnna) {
    return ComposeAnswer(original, record, files, codePage);
  }
};

std::uint32_t Flags(bool note, bool original, bool english) {
  return FlagAnswerNote.Set(
      FlagAnswerOriginal.Set(FlagDialogEnglish.Set(0xF8B23232, english), original), note);
}

TEST(AnswerMailTest, EveryCombinationOfNoteOriginalLanguageAndCc) {
  for (int combination = 0; combination < 16; ++combination) {
    const bool note = combination & 1, original = combination & 2, english = combination & 4;
    const WString cc = combination & 8 ? u"chef@example.org; team@example.org " : u"";
    Composer composer(Flags(note, original, english), cc);
    composer.files.PutFile(kAnswerTextPath, kNoteFile);
    const OutgoingAnswer answer = composer.Compose();
    SCOPED_TRACE(combination);
    EXPECT_EQ(answer.toName, u"Anna Beispiel");
    EXPECT_EQ(answer.toAddress, u"anna@example.org");
    EXPECT_EQ(answer.cc, cc) << "as typed, neither checked nor split";
    EXPECT_EQ(answer.subject, english ? u"RE: Treffen" : u"AW: Treffen");
    WString body = note ? kNote : u"";
    if (note && original) body += u"\r\n";
    if (original) body += english ? kEnglishOriginal : kGermanOriginal;
    EXPECT_EQ(answer.body, body);
    EXPECT_TRUE(answer.wav.empty());
  }
}

TEST(AnswerMailTest, NoteFromTheFileAsThePageKeepsIt) {
  struct Case {
    const char* name;
    std::optional<std::string> file;  // none: no file
    WString body;
  };
  const std::string longest(kAnswerTextLength, 'x');
  const Case cases[] = {
      {"missing: the page's default note", std::nullopt,
       u"----\r\nEmail-Antwort wurde mit Lectavo im WAV-Format erstellt.\r\n"
       u"Datei ist im Anhang. Bitte WAV-Datei anhören.\r\n----\r\n"
       u"Email contents was provided with Lectavo in WAV-Format.\r\n"
       u"File is in the appendix. Please, listen to the wave-file.\r\n----\r\n"},
      {"empty: no note", "", u""},
      {"2,047 bytes: all of it", longest, WString(kAnswerTextLength, u'x')},
      {"longer: its first 2,047 bytes", longest + "yz", WString(kAnswerTextLength, u'x')},
      {"a zero byte ends it", std::string("vorn\0hinten", 11), u"vorn"},
  };
  for (const Case& c : cases) {
    Composer composer(Flags(true, false, false), u"");
    if (c.file) composer.files.PutFile(kAnswerTextPath, *c.file);
    EXPECT_EQ(composer.Compose().body, c.body) << c.name;
    EXPECT_EQ(composer.files.OpenHandles(), 0) << c.name;
  }
}

TEST(AnswerMailTest, TheOriginalBeginsOnALineOfItsOwn) {
  Composer composer(Flags(true, true, false), u"");
  composer.files.PutFile(kAnswerTextPath, "Gesendet unterwegs");
  EXPECT_EQ(composer.Compose().body, u"Gesendet unterwegs\r\n\r\n" + kGermanOriginal);
}

TEST(AnswerMailTest, SenderAndCcAsTheMessageAndTheUserGiveThem) {
  Composer composer(Flags(false, true, false), u"  \t");
  const OutgoingAnswer nameless = composer.Compose({u"", u"bert@example.org", u"", u"Hallo"});
  EXPECT_EQ(nameless.cc, u"") << "a field of blanks is no copy";
  EXPECT_EQ(nameless.subject, u"AW: ");
  EXPECT_EQ(nameless.body,
            u"-----Ursprüngliche Nachricht-----\r\nVon: bert@example.org\r\n"
            u"Betreff: \r\n\r\nHallo");
}

}  // namespace
}  // namespace lectavo
