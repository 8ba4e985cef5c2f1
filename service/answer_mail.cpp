#include "service/answer_mail.h"

#include <vector>

#include "settings/answer_note.h"
#include "settings/bit_fields.h"

namespace lectavo {
namespace {

struct Words {
  const char16_t* subjectPrefix;
  const char16_t* originalFollows;
  const char16_t* from;
  const char16_t* subject;
};

constexpr Words kGerman{u"AW: ", u"-----Ursprüngliche Nachricht-----", u"Von: ", u"Betreff: "};
constexpr Words kEnglish{u"RE: ", u"-----Original Message-----", u"From: ", u"Subject: "};

// Lines end as the note's lines do, as the page's edit field makes them.
constexpr WStringView kLineEnd = u"\r\n";

bool IsBlank(WStringView text) { return text.find_first_not_of(u" \t") == WStringView::npos; }

// The note in UTF-16; a note that does not convert is left out rather than garbled.
WString Note(Files& files, CodePage& codePage) {
  const std::string note = ReadAnswerNote(files);
  if (note.empty()) return {};
  std::vector<WChar> wide(note.size() + 1);
  const int units = codePage.ToWide(note.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  return units > 1 ? WString(wide.data(), static_cast<std::size_t>(units - 1)) : WString();
}

// "Anna Beispiel <anna@example.org>", or whichever of the two the message has.
WString Sender(const MailMessage& message) {
  if (IsBlank(message.senderName)) return message.senderAddress;
  if (IsBlank(message.senderAddress)) return message.senderName;
  return message.senderName + u" <" + message.senderAddress + u">";
}

void EndLine(WString& text) {
  if (!text.empty() && !text.ends_with(u"\n")) text += kLineEnd;
}

}  // namespace

OutgoingAnswer ComposeAnswer(const MailMessage& original, const SettingsRecord& record,
                             Files& files, CodePage& codePage) {
  const Words& words = FlagDialogEnglish.Get(record.ValSpeak) != 0 ? kEnglish : kGerman;
  OutgoingAnswer answer;
  answer.toName = original.senderName;
  answer.toAddress = original.senderAddress;
  // As the user typed it; only a field of blanks counts as empty.
  const WString cc(record.StrAddressCC);
  if (!IsBlank(cc)) answer.cc = cc;
  answer.subject = words.subjectPrefix + original.subject;
  if (FlagAnswerNote.Get(record.ValSpeak) != 0) answer.body = Note(files, codePage);
  if (FlagAnswerOriginal.Get(record.ValSpeak) != 0) {
    EndLine(answer.body);
    if (!answer.body.empty()) answer.body += kLineEnd;
    answer.body += words.originalFollows;
    answer.body += kLineEnd;
    answer.body += words.from + Sender(original);
    answer.body += kLineEnd;
    answer.body += words.subject + original.subject;
    answer.body += kLineEnd;
    answer.body += kLineEnd;
    answer.body += original.body;
  }
  return answer;
}

}  // namespace lectavo
