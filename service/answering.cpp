// The reading service's answering: after a message was read, it asks whether to answer,
// records the spoken answer from the microphone and sends it through the outbox, telling the
// user at each step what happened. The heartbeat goes on throughout.
#include "service/answering.h"

#include "service/answer_mail.h"
#include "service/answer_recording.h"
#include "service/reading_service.h"
#include "settings/bit_fields.h"

namespace lectavo {
namespace {

constexpr std::uint32_t kSliceMilliseconds = 50;
// A microphone that falls this far behind the clock has stopped delivering.
constexpr std::uint64_t kStalledMilliseconds = 3000;

struct AnswerPhrases {
  const char16_t* question;
  const char16_t* speakNow;
  const char16_t* noAddress;
  const char16_t* nothingHeard;
  const char16_t* cannotRecord;
  const char16_t* sent;
  const char16_t* notSent;
  const char16_t* keptUnsent;
};

constexpr AnswerPhrases kGermanPhrases{
    kAnswerQuestion[0],
    kSpeakNowPrompt[0],
    u"Keine Absenderadresse: Antworten ist nicht möglich.",
    u"Keine Antwort gehört. Es wurde nichts gesendet.",
    u"Die Aufnahme ist nicht möglich. Es wurde nichts gesendet.",
    u"Antwort gesendet.",
    u"Die Antwort konnte nicht gesendet werden.",
    u"Die Antwort konnte nicht gesendet werden. Sie liegt ungesendet im Postausgang.",
};
constexpr AnswerPhrases kEnglishPhrases{
    kAnswerQuestion[1],
    kSpeakNowPrompt[1],
    u"No sender address: a reply is not possible.",
    u"No reply heard. Nothing was sent.",
    u"Recording is not possible. Nothing was sent.",
    u"Reply sent.",
    u"The reply could not be sent.",
    u"The reply could not be sent. It lies unsent in the outbox.",
};

bool IsBlank(WStringView text) { return text.find_first_not_of(u" \t") == WStringView::npos; }

}  // namespace

std::vector<Utterance> AnswerPhrase(AnswerStep step, std::uint32_t valSpeak) {
  const AnswerPhrases& say = FlagDialogEnglish.Get(valSpeak) != 0 ? kEnglishPhrases : kGermanPhrases;
  const char16_t* const phrases[] = {say.question,     say.speakNow,     say.noAddress,
                                     say.nothingHeard, say.cannotRecord, say.sent,
                                     say.notSent,      say.keptUnsent};
  return {{phrases[static_cast<int>(step)], Language::kDialog}};
}

void ReadingService::OfferAnswer(const MessageRef& ref, const MailMessage& message) {
  SettingsRecord record;
  if (!LoadSettings(record) || FlagAnswerOn.Get(record.ValSpeak) == 0) return;
  speak_ = record.ValSpeak;
  lastReadingCheck_ = roles_.clock.Milliseconds();
  if (IsBlank(message.senderAddress)) {
    Say(AnswerPhrase(AnswerStep::kNoAddress, record.ValSpeak), record);
    return;
  }
  const KeepGoing answering = [this] { return GoOnAnswering(); };
  ResetAnswer();
  if (Say(AnswerPhrase(AnswerStep::kQuestion, record.ValSpeak), record, answering) ==
          Said::kStopped ||
      !AnsweredYes(answering)) {
    return;
  }
  if (Say(AnswerPhrase(AnswerStep::kSpeakNow, record.ValSpeak), record, answering) ==
      Said::kStopped) {
    return;
  }
  std::vector<std::int16_t> answer;
  switch (RecordAnswer(record.ValAnswerTime, answer)) {
    case Recording::kAnswer:
      SendAnswer(ref, message, record, answer);
      return;
    case Recording::kNothingHeard:
      Say(AnswerPhrase(AnswerStep::kNothingHeard, record.ValSpeak), record);
      return;
    case Recording::kCannotRecord:
      Say(AnswerPhrase(AnswerStep::kCannotRecord, record.ValSpeak), record);
      return;
    case Recording::kStopped:
      return;
  }
}

Recording ReadingService::RecordAnswer(std::uint32_t valAnswerTime,
                                       std::vector<std::int16_t>& answer) {
  AudioInput& microphone = roles_.microphone;
  if (!microphone.Start(kAnswerSampleRate)) return Recording::kCannotRecord;
  AnswerRecording recording(kAnswerSampleRate, valAnswerTime);
  const std::uint64_t begun = roles_.clock.Milliseconds();
  std::vector<std::int16_t> samples;
  Recording result = Recording::kCannotRecord;
  while (GoOnAnswering()) {
    samples.clear();
    if (!microphone.Take(samples)) break;
    const Recorded state = recording.Hear(samples.data(), samples.size());
    if (state != Recorded::kGoingOn) {
      result = state == Recorded::kAnswer ? Recording::kAnswer : Recording::kNothingHeard;
      break;
    }
    if (roles_.clock.Milliseconds() - begun > recording.Milliseconds() + kStalledMilliseconds) {
      break;
    }
    roles_.clock.Sleep(kSliceMilliseconds);
  }
  microphone.Stop();
  // Switched off or told to quit: what was recorded is dropped.
  if (!GoOnAnswering() && result != Recording::kAnswer) return Recording::kStopped;
  if (result == Recording::kAnswer) answer = recording.Answer();
  return result;
}

void ReadingService::SendAnswer(const MessageRef& ref, const MailMessage& message,
                                const SettingsRecord& record,
                                const std::vector<std::int16_t>& answer) {
  OutgoingAnswer outgoing = ComposeAnswer(message, record, roles_.files, roles_.codePage);
  outgoing.wav = WavFile(answer, kAnswerSampleRate);
  AnswerStep told = AnswerStep::kNotSent;
  switch (roles_.outbox.Send(ref.store, outgoing)) {
    case Sending::kSent:
      told = AnswerStep::kSent;
      break;
    case Sending::kKeptUnsent:
      told = AnswerStep::kKeptUnsent;
      break;
    case Sending::kNotMade:
      break;
  }
  Say(AnswerPhrase(told, record.ValSpeak), record);
}

}  // namespace lectavo
