// A device around one reading service, on fakes: stores with inboxes, the record, the voices,
// the speech engine, the wave-out and wave-in devices and the outbox. Time is the fake clock's.
#pragma once

#include <functional>
#include <map>
#include <set>

#include "service/reading_service.h"
#include "service/service_control.h"
#include "tests/support/complete_record.h"
#include "tests/support/fake_code_page.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_microphone.h"
#include "tests/support/fake_single_instance.h"
#include "tests/support/fake_speech.h"

namespace lectavo {

// Stores with inboxes; a test delivers into them while the service sleeps.
class FakeMailSource final : public MailSource {
 public:
  struct Stored {
    MessageRef ref;
    MailMessage message;
    bool read = false;
  };
  std::map<WString, EntryId> stores{{u"Büro", {1}}, {u"Privat", {2}}};
  std::vector<Stored> messages;
  int looks = 0;

  void Deliver(WStringView store, MailMessage message) {
    MessageRef ref{stores.at(WString(store)), {static_cast<std::uint8_t>(messages.size() + 10)}};
    messages.push_back({ref, std::move(message)});
  }
  std::vector<MessageRef> Inboxes(WStringView accounts) override {
    ++looks;
    std::vector<MessageRef> refs;
    for (const Stored& stored : messages) {
      MessageRef ref = stored.ref;
      for (const auto& [name, id] : stores) {
        if (id == ref.store) ref.chosen = accounts.find(name + u"\t") != WStringView::npos;
      }
      refs.push_back(ref);
    }
    return refs;
  }
  std::optional<MailMessage> Open(const MessageRef& ref) override {
    for (const Stored& stored : messages) {
      if (!(stored.ref < ref) && !(ref < stored.ref)) return stored.message;
    }
    return std::nullopt;
  }
  bool MarkRead(const MessageRef& ref) override {
    for (Stored& stored : messages) {
      if (!(stored.ref < ref) && !(ref < stored.ref)) stored.read = true;
    }
    return true;
  }
};

inline constexpr std::uint32_t kUnaskedAll = 0xF8323232;  // reading on, without asking, all parts
inline constexpr std::uint32_t kAskedAll = 0xE8323232;    // the install default
inline const MailMessage kAnna{u"Anna Beispiel", u"anna@example.org", u"Treffen", u"Bis morgen."};

// Keeps what was sent; a test chooses how sending ends.
class FakeOutbox final : public Outbox {
 public:
  struct Sent {
    EntryId store;
    OutgoingAnswer answer;
  };
  Sending result = Sending::kSent;
  std::vector<Sent> sent;

  Sending Send(const EntryId& store, const OutgoingAnswer& answer) override {
    sent.push_back({store, answer});
    return result;
  }
};

// A device around one service.
struct ServiceWorld {
  ServiceWorld() {
    fake::PutRecord(registry, {.speak = kUnaskedAll,
                               .usedLang = 1,
                               .accounts = u"Büro\t",
                               .langPath = u"\\Voices\\",
                               .alive = 0});
    files.PutFile(u"\\Voices\\GER_W\\svox.pil", "de+f3");
    files.PutFile(u"\\Voices\\ENG_W\\svox.pil", "en+f3");
  }

  void SetSpeak(std::uint32_t speak) { registry.PutDword(kSettingsKey, u"ValSpeak", speak); }
  std::uint32_t Alive() { return registry.Dword(kSettingsKey, u"ValAlive").value_or(0); }
  void Set(const char16_t* event) { events.set[event] = true; }

  // True the first time the clock has reached the moment.
  bool Reached(std::uint64_t now, std::uint64_t moment) {
    return now >= moment && reached.insert(moment).second;
  }

  // Runs the service; at each sleep the script sees the time and may change the world. The
  // service is asked to quit at quitAt, and the heartbeat is checked all along.
  int RunUntil(std::uint64_t quitAt, const std::function<void(std::uint64_t)>& script = nullptr) {
    std::uint32_t lastAlive = Alive();
    std::uint64_t lastChange = 0;
    clock.onSleep = [&](std::uint64_t now) {
      if (Alive() != lastAlive) {
        lastAlive = Alive();
        lastChange = now;
      }
      longestStill = std::max(longestStill, now - lastChange);
      if (script) script(now);
      if (now >= quitAt) Set(kServiceQuitEvent);
    };
    return service.Run();
  }

  std::vector<WString> Said() const {
    std::vector<WString> said;
    for (const auto& rendering : speech.begun) said.push_back(rendering.text);
    return said;
  }

  fake::FakeRegistry registry;
  fake::FakeFiles files;
  fake::FakeClock clock;
  fake::FakeSpeech speech;
  fake::FakeAudio audio{clock};
  fake::FakeServiceEvents events;
  fake::FakeSingleInstance instance;
  FakeMailSource mail;
  fake::FakeMicrophone microphone{clock};
  fake::FakeCodePage codePage;
  FakeOutbox outbox;
  ReadingService service{{registry, files, clock, speech, audio, events, instance, mail, microphone,
                          codePage, outbox}};
  std::uint64_t longestStill = 0;
  std::set<std::uint64_t> reached;
};

}  // namespace lectavo
