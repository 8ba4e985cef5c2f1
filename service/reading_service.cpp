#include "service/reading_service.h"

#include "service/reading_plan.h"
#include "service/service_control.h"
#include "service/voice_table.h"
#include "settings/bit_fields.h"

namespace lectavo {
namespace {

constexpr std::uint32_t kSliceMilliseconds = 50;
// A reading switched off in the registry is noticed within this time.
constexpr std::uint32_t kReadingCheckMilliseconds = 100;

constexpr const char16_t* kEventNames[] = {kServiceQuitEvent, kServiceQuitForGoodEvent,
                                           kServiceAnswerYesEvent, kServiceAnswerNoEvent};

// The next heartbeat differs from the last one and never tells the launcher to stop.
std::uint32_t NextHeartbeat(std::uint32_t last) {
  const std::uint32_t next = last + 1;
  return next == kEndOfWatching ? next + 1 : next;
}

}  // namespace

ReadingService::ReadingService(const ServiceRoles& roles)
    : roles_(roles), store_(roles.registry), speaker_(roles.speech, roles.audio, roles.clock) {}

int ReadingService::Run() {
  if (!roles_.instance.Claim(kServiceRunningName)) return 0;
  // The only copy: whatever set the events before it ran is past.
  for (int event = 0; event < static_cast<int>(Event::kCount); ++event) {
    events_[event] = roles_.events.Create(kEventNames[event]);
    if (events_[event] == kNoHandle) return 1;
    roles_.events.Reset(events_[event]);
  }
  // Go on from what the registry holds, so that the first beat is already a change.
  LauncherSettings stored;
  store_.LoadAlive(stored);
  alive_ = stored.ValAlive;
  Beat();
  roles_.audio.Open(kSpeechSampleRate);
  // Mail that is there before the service runs is not new.
  for (const MessageRef& ref : roles_.mail.Inboxes(u"")) seen_.insert(ref);

  while (Pause(kMailLookMilliseconds)) LookForMail();

  if (forGood_) {
    SettingsRecord record;
    record.ValAlive = kEndOfWatching;
    store_.SaveAlive(record);
  }
  return 0;
}

// A failed write is tried again at the next beat.
void ReadingService::Beat() {
  alive_ = NextHeartbeat(alive_);
  SettingsRecord record;
  record.ValAlive = alive_;
  store_.SaveAlive(record);
  lastBeat_ = roles_.clock.Milliseconds();
}

bool ReadingService::Alive() {
  if (quit_) return false;
  if (roles_.clock.Milliseconds() - lastBeat_ >= kHeartbeatMilliseconds) Beat();
  forGood_ = roles_.events.IsSet(events_[static_cast<int>(Event::kQuitForGood)]);
  quit_ = forGood_ || roles_.events.IsSet(events_[static_cast<int>(Event::kQuit)]);
  return !quit_;
}

bool ReadingService::GoOnReading() {
  if (!Alive()) return false;
  if (roles_.clock.Milliseconds() - lastReadingCheck_ >= kReadingCheckMilliseconds) {
    std::uint32_t speak = 0;
    speak_ = store_.LoadDword(u"ValSpeak", speak) == 0 ? speak : 0;
    lastReadingCheck_ = roles_.clock.Milliseconds();
  }
  return FlagReadOn.Get(speak_) != 0;
}

bool ReadingService::GoOnAnswering() { return GoOnReading() && FlagAnswerOn.Get(speak_) != 0; }

bool ReadingService::Pause(std::uint32_t milliseconds) {
  const std::uint64_t end = roles_.clock.Milliseconds() + milliseconds;
  while (Alive()) {
    const std::uint64_t now = roles_.clock.Milliseconds();
    if (now >= end) return true;
    roles_.clock.Sleep(
        static_cast<std::uint32_t>(std::min<std::uint64_t>(end - now, kSliceMilliseconds)));
  }
  return false;
}

// Without the record nothing is read; a missing StrLangPath leaves the engine's own voices.
bool ReadingService::LoadSettings(SettingsRecord& record) {
  record = SettingsRecord{};
  if (store_.LoadSettings(record) != 0) return false;
  store_.LoadLangPath(record);
  return true;
}

void ReadingService::LookForMail() {
  SettingsRecord record;
  const bool readingOn = LoadSettings(record) && FlagReadOn.Get(record.ValSpeak) != 0;
  std::vector<MessageRef> arrived;
  for (const MessageRef& ref : roles_.mail.Inboxes(record.StrAccounts)) {
    // Each message is handled once; mail that arrives while reading is off stays unread.
    if (seen_.insert(ref).second && readingOn && ref.chosen) arrived.push_back(ref);
  }
  for (const MessageRef& ref : arrived) {
    if (!Alive()) return;
    HandleMessage(ref);
  }
}

void ReadingService::HandleMessage(const MessageRef& ref) {
  SettingsRecord record;
  if (!LoadSettings(record) || FlagReadOn.Get(record.ValSpeak) == 0) return;
  const std::optional<MailMessage> message = roles_.mail.Open(ref);
  if (!message) return;
  speak_ = record.ValSpeak;
  lastReadingCheck_ = roles_.clock.Milliseconds();
  const bool ask = FlagReadUnasked.Get(record.ValSpeak) == 0;
  if (ask) {
    ResetAnswer();
    if (Say(Question(*message, record.ValSpeak), record) == Said::kStopped) return;
    if (!AnsweredYes([this] { return GoOnReading(); })) return;
  }
  if (Say(Reading(*message, record.ValSpeak, ask), record) != Said::kAll) return;
  roles_.mail.MarkRead(ref);
  OfferAnswer(ref, *message);
}

void ReadingService::ResetAnswer() {
  roles_.events.Reset(events_[static_cast<int>(Event::kYes)]);
  roles_.events.Reset(events_[static_cast<int>(Event::kNo)]);
}

bool ReadingService::AnsweredYes(const KeepGoing& keepGoing) {
  const std::uint64_t end = roles_.clock.Milliseconds() + kAnswerMilliseconds;
  while (keepGoing() && roles_.clock.Milliseconds() < end) {
    if (roles_.events.IsSet(events_[static_cast<int>(Event::kYes)])) return true;
    if (roles_.events.IsSet(events_[static_cast<int>(Event::kNo)])) return false;
    roles_.clock.Sleep(kSliceMilliseconds);
  }
  return false;
}

std::vector<Voiced> ReadingService::InVoices(const std::vector<Utterance>& said,
                                             const SettingsRecord& record) {
  const int dialog = FlagDialogEnglish.Get(record.ValSpeak) != 0 ? kEnglish : kGerman;
  const SpokenVoice dialogVoice =
      VoiceFor(record.ValSpeak, dialog, record.StrLangPath, roles_.files);
  const SpokenVoice readingVoice = VoiceFor(record.ValSpeak, ReadingLanguage(record.ValUsedLang),
                                            record.StrLangPath, roles_.files);
  std::vector<Voiced> voiced;
  for (const Utterance& utterance : said) {
    voiced.push_back(
        {utterance.text, utterance.language == Language::kDialog ? dialogVoice : readingVoice});
  }
  return Joined(std::move(voiced));
}

Said ReadingService::Say(const std::vector<Utterance>& said, const SettingsRecord& record) {
  return Say(said, record, [this] { return GoOnReading(); });
}

Said ReadingService::Say(const std::vector<Utterance>& said, const SettingsRecord& record,
                         const KeepGoing& keepGoing) {
  return speaker_.Say(InVoices(said, record), keepGoing);
}

}  // namespace lectavo
