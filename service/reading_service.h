// Lectavo_Service: keeps its heartbeat, watches the chosen stores' inboxes and reads new mail
// aloud as the settings say, asking first when they say so; with answering on it offers to
// record a spoken answer and send it. A second copy leaves at once; the quit events end it.
#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "platform/audio.h"
#include "platform/audio_input.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/service_events.h"
#include "platform/single_instance.h"
#include "platform/speech.h"
#include "service/answering.h"
#include "service/mail_source.h"
#include "service/outbox.h"
#include "service/speaker.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"

namespace lectavo {

struct ServiceRoles {
  Registry& registry;
  Files& files;
  Clock& clock;
  Speech& speech;
  AudioOutput& audio;
  ServiceEvents& events;
  SingleInstance& instance;
  MailSource& mail;
  AudioInput& microphone;
  CodePage& codePage;
  Outbox& outbox;
};

// Held for as long as a copy runs; a later copy that finds it leaves.
inline constexpr WChar kServiceRunningName[] = u"Lectavo_Service.Running";
// The heartbeat moves on at least this often, also while the service speaks or waits.
inline constexpr std::uint32_t kHeartbeatMilliseconds = 1000;
// How often the inboxes are looked at.
inline constexpr std::uint32_t kMailLookMilliseconds = 250;
// How long a question waits for its answer; no answer counts as no.
inline constexpr std::uint32_t kAnswerMilliseconds = 10000;
// The end of watching for the launcher.
inline constexpr std::uint32_t kEndOfWatching = 0x7FFFFFFF;

class ReadingService {
 public:
  explicit ReadingService(const ServiceRoles& roles);

  // Runs until a quit event; the exit code.
  int Run();

 private:
  enum class Event { kQuit, kQuitForGood, kYes, kNo, kCount };

  void Beat();
  // Beats when due and looks at the quit events; false once one is set.
  bool Alive();
  // Alive and reading still switched on.
  bool GoOnReading();
  // And answering too.
  bool GoOnAnswering();
  // Waits, alive; false when a quit event ended the wait.
  bool Pause(std::uint32_t milliseconds);
  bool LoadSettings(SettingsRecord& record);
  void LookForMail();
  void HandleMessage(const MessageRef& ref);
  // Clears a yes or no given before the question.
  void ResetAnswer();
  // Waits for a yes or a no while the caller goes on; no answer counts as no.
  bool AnsweredYes(const KeepGoing& keepGoing);
  std::vector<Voiced> InVoices(const std::vector<Utterance>& said, const SettingsRecord& record);
  Said Say(const std::vector<Utterance>& said, const SettingsRecord& record);
  Said Say(const std::vector<Utterance>& said, const SettingsRecord& record,
           const KeepGoing& keepGoing);

  // Answering (answering.cpp): asks, records and sends when the settings say so.
  void OfferAnswer(const MessageRef& ref, const MailMessage& message);
  Recording RecordAnswer(std::uint32_t valAnswerTime, std::vector<std::int16_t>& answer);
  void SendAnswer(const MessageRef& ref, const MailMessage& message, const SettingsRecord& record,
                  const std::vector<std::int16_t>& answer);

  ServiceRoles roles_;
  SettingsStore store_;
  Speaker speaker_;
  Handle events_[static_cast<int>(Event::kCount)] = {};
  std::uint32_t alive_ = 0;
  std::uint64_t lastBeat_ = 0;
  std::uint64_t lastReadingCheck_ = 0;
  std::uint32_t speak_ = 0;  // ValSpeak as last looked at
  bool quit_ = false;
  bool forGood_ = false;
  std::set<MessageRef> seen_;
};

}  // namespace lectavo
