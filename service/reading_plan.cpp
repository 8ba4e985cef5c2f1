#include "service/reading_plan.h"

#include "settings/bit_fields.h"

namespace lectavo {
namespace {

struct Phrases {
  const char16_t* newMessage;      // announcement when reading without asking
  const char16_t* newMessageFrom;  // followed by the sender
  const char16_t* readIt;          // the question itself
  const char16_t* from;
  const char16_t* subject;
  const char16_t* cut;
};

constexpr Phrases kGerman{u"Neue Nachricht.", u"Neue Nachricht von", kReadItQuestion[0],
                          u"Von",             u"Betreff:",           u"Die Nachricht wurde gekürzt."};
constexpr Phrases kEnglish{u"New message.", u"New message from", kReadItQuestion[1],
                           u"From",         u"Subject:",         u"The message was cut."};

const Phrases& PhrasesOf(std::uint32_t valSpeak) {
  return FlagDialogEnglish.Get(valSpeak) != 0 ? kEnglish : kGerman;
}

constexpr WStringView kBlanks = u" \t\r\n";

bool IsBlank(WStringView text) { return text.find_first_not_of(kBlanks) == WStringView::npos; }

// The sender as the user knows them: the name, or the address when there is no name.
WString SenderOf(const MailMessage& message) {
  return IsBlank(message.senderName) ? message.senderAddress : message.senderName;
}

bool IsHighSurrogate(WChar c) { return c >= 0xD800 && c <= 0xDBFF; }

bool EndsSentence(WStringView text, std::size_t at) {
  const WChar c = text[at];
  if (c == u'\n') return true;
  const bool mark = c == u'.' || c == u'!' || c == u'?' || c == u';';
  return mark && (at + 1 == text.size() || text[at + 1] == u' ' || text[at + 1] == u'\n' ||
                  text[at + 1] == u'\r' || text[at + 1] == u'\t');
}

}  // namespace

std::vector<WString> BodyPieces(WStringView body, bool* cut) {
  *cut = body.size() > kLongestBody;
  if (*cut) {
    std::size_t length = kLongestBody;
    if (IsHighSurrogate(body[length - 1])) --length;  // never half a character
    body = body.substr(0, length);
  }
  std::vector<WString> pieces;
  std::size_t start = 0;
  while (start < body.size()) {
    std::size_t end = start;
    std::size_t lastBlank = WStringView::npos;
    while (end < body.size() && end - start < kLongestPiece) {
      if (body[end] == u' ') lastBlank = end;
      if (EndsSentence(body, end++)) break;
    }
    // A long sentence breaks at its last blank, else before a whole character.
    const bool sentenceEnded = EndsSentence(body, end - 1);
    if (!sentenceEnded && end < body.size()) {
      if (lastBlank != WStringView::npos && lastBlank > start) {
        end = lastBlank + 1;
      } else if (IsHighSurrogate(body[end - 1])) {
        --end;
      }
    }
    // Blanks around a piece are not said; the pieces are said apart anyway.
    WStringView piece = body.substr(start, end - start);
    const std::size_t first = piece.find_first_not_of(kBlanks);
    if (first != WStringView::npos) {
      pieces.emplace_back(piece.substr(first, piece.find_last_not_of(kBlanks) - first + 1));
    }
    start = end;
  }
  return pieces;
}

std::vector<Utterance> Question(const MailMessage& message, std::uint32_t valSpeak) {
  const Phrases& say = PhrasesOf(valSpeak);
  const WString sender = SenderOf(message);
  if (FlagReadSender.Get(valSpeak) == 0 || IsBlank(sender)) {
    WString announcement = say.newMessage;
    return {{announcement + u" " + say.readIt, Language::kDialog}};
  }
  return {{say.newMessageFrom, Language::kDialog},
          {sender + u".", Language::kReading},
          {say.readIt, Language::kDialog}};
}

std::vector<Utterance> Reading(const MailMessage& message, std::uint32_t valSpeak, bool asked) {
  const Phrases& say = PhrasesOf(valSpeak);
  std::vector<Utterance> said;
  if (!asked) said.push_back({say.newMessage, Language::kDialog});
  const WString sender = SenderOf(message);
  if (FlagReadSender.Get(valSpeak) != 0 && !IsBlank(sender)) {
    said.push_back({say.from, Language::kDialog});
    said.push_back({sender + u".", Language::kReading});
  }
  if (FlagReadSubject.Get(valSpeak) != 0 && !IsBlank(message.subject)) {
    said.push_back({say.subject, Language::kDialog});
    said.push_back({message.subject, Language::kReading});
  }
  if (FlagReadContents.Get(valSpeak) != 0) {
    bool cut = false;
    for (WString& piece : BodyPieces(message.body, &cut)) {
      said.push_back({std::move(piece), Language::kReading});
    }
    if (cut) said.push_back({say.cut, Language::kDialog});
  }
  return said;
}

}  // namespace lectavo
