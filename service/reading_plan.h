// What the service says about a message, by the reading switches of ValSpeak: the question
// when it asks first, then the parts chosen. Phrases are in the dialog language and spoken
// in its voice; the sender's name, the subject and the body in the reading language's voice.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace lectavo {

struct MailMessage {
  WString senderName;
  WString senderAddress;
  WString subject;
  WString body;
};

// Which language's voice says it.
enum class Language { kDialog, kReading };

struct Utterance {
  WString text;
  Language language = Language::kDialog;
  bool operator==(const Utterance&) const = default;
};

// A body is read in pieces of at most this many characters, ended at a sentence where one
// ends, so the first word comes quickly and a stop takes effect at once.
inline constexpr std::size_t kLongestPiece = 300;
// Only this much of a body is read; then the service says that the message was cut.
inline constexpr std::size_t kLongestBody = 10000;

// The last words of the question, in German and in English: after them the service waits for
// a yes or a no.
inline constexpr const char16_t* kReadItQuestion[] = {u"Vorlesen?", u"Read it?"};
// The question after a message was read, when answering is on.
inline constexpr const char16_t* kAnswerQuestion[] = {u"Antworten?", u"Reply?"};
// After it the microphone records a spoken answer.
inline constexpr const char16_t* kSpeakNowPrompt[] = {u"Bitte sprechen Sie jetzt.",
                                                      u"Please speak now."};

// "Neue Nachricht von Anna Beispiel. Vorlesen?" and the like.
std::vector<Utterance> Question(const MailMessage& message, std::uint32_t valSpeak);
// What is read: "Neue Nachricht." first when nobody was asked, then the chosen parts.
std::vector<Utterance> Reading(const MailMessage& message, std::uint32_t valSpeak, bool asked);
// The body's text in pieces, cut after kLongestBody characters.
std::vector<WString> BodyPieces(WStringView body, bool* cut);

}  // namespace lectavo
