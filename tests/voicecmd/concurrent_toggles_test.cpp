// Toggles that run at the same time, each in its own process: the settings lock makes their
// load-change-save steps take turns, so that a later save cannot undo an earlier change.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

#include "settings/settings_store.h"
#include "tests/support/complete_record.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fake_named_mutexes.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_sound.h"
#include "voicecmd/settings_change_lock.h"
#include "voicecmd/voice_command_app.h"

namespace lectavo {
namespace {

using fake::FakeRegistry;

constexpr WStringView kKey = kSettingsKey;

// One process's way into the shared registry: each call is one step of the system's
// registry; after a value has been read, another process may run before the next call.
class SharedRegistry final : public Registry {
 public:
  SharedRegistry(FakeRegistry& registry, std::mutex& calls) : registry_(registry), calls_(calls) {}

  std::function<void(WStringView name)> afterQuery;

  bool OpenKey(WStringView subKey, std::uint32_t access, Handle* key) override {
    std::lock_guard step(calls_);
    return registry_.OpenKey(subKey, access, key);
  }
  bool CreateKey(WStringView subKey, std::uint32_t access, Handle* key) override {
    std::lock_guard step(calls_);
    return registry_.CreateKey(subKey, access, key);
  }
  bool QueryValue(Handle key, WStringView name, std::uint32_t* type, void* data,
                  std::uint32_t* byteCount) override {
    bool read = false;
    {
      std::lock_guard step(calls_);
      read = registry_.QueryValue(key, name, type, data, byteCount);
    }
    if (afterQuery) afterQuery(name);
    return read;
  }
  bool SetValue(Handle key, WStringView name, std::uint32_t type, const void* data,
                std::uint32_t byteCount) override {
    std::lock_guard step(calls_);
    return registry_.SetValue(key, name, type, data, byteCount);
  }
  bool CloseKey(Handle key) override {
    std::lock_guard step(calls_);
    return registry_.CloseKey(key);
  }

 private:
  FakeRegistry& registry_;
  std::mutex& calls_;
};

// A toggle program of its own, on the shared registry and the system's mutexes.
struct ToggleProcess {
  ToggleProcess(const ToggleCommand& command, FakeRegistry& registry, std::mutex& calls,
                fake::FakeNamedMutexes& mutexes)
      : registry(registry, calls), application(command, this->registry, mutexes, clock, sound) {}

  SharedRegistry registry;
  fake::FakeClock clock;
  fake::FakeSound sound;
  VoiceCommandApp application;
};

bool WaitUntil(const std::function<bool()>& condition) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

void PutRecord(FakeRegistry& registry, std::uint32_t speak) {
  fake::PutRecord(registry, fake::InstallRecord(speak, u"\\Lectavo\\"));
}

// The second toggle starts after the first has read ValSpeak and before it saves: without
// the lock the first one's save writes back the bit the second one has just changed.
TEST(ConcurrentTogglesTest, ToggleStartedBetweenAnotherOnesLoadAndSaveKeepsBothChanges) {
  FakeRegistry registry;
  std::mutex calls;
  fake::FakeNamedMutexes mutexes;
  PutRecord(registry, kDefaultSpeak);
  ToggleProcess readingOff(kVorlesenAus, registry, calls, mutexes);
  ToggleProcess answerOn(kAntwortEin, registry, calls, mutexes);

  std::thread second;
  std::atomic<bool> secondEnded = false;
  readingOff.registry.afterQuery = [&](WStringView name) {
    if (name != u"ValSpeak" || second.joinable()) return;
    second = std::thread([&] {
      answerOn.application.InitInstance();
      secondEnded = true;
    });
    // The other toggle runs until it has ended or waits for this one's change.
    EXPECT_TRUE(WaitUntil([&] { return secondEnded || mutexes.Waiting() > 0; }));
  };
  readingOff.application.InitInstance();
  ASSERT_TRUE(second.joinable());
  second.join();

  const std::uint32_t both = FlagAnswerOn.Set(FlagReadOn.Set(kDefaultSpeak, 0), 1);
  EXPECT_EQ(registry.Dword(kKey, u"ValSpeak"), both);
  EXPECT_EQ(readingOff.sound.played.size(), 1u);
  EXPECT_EQ(answerOn.sound.played.size(), 1u);
  EXPECT_FALSE(mutexes.Owned(kSettingsChangeMutex));
}

// The lock covers the load, the change and the save, never the pause or the prompt; a lock
// left by an ended owner is taken over, and one that stays taken too long does not stop the
// change.
TEST(ConcurrentTogglesTest, LockIsHeldForTheChangeAloneAndNeverStopsIt) {
  struct Case {
    const char* name;
    void (*arrange)(fake::FakeNamedMutexes&);
    std::uint32_t speak;
    std::vector<std::string> lockCalls;
  };
  const Case cases[] = {
      {"free", [](fake::FakeNamedMutexes&) {}, kDefaultSpeak,
       {"Create Lectavo_Settings.Change", "Wait 5000", "Release", "Close"}},
      {"bit already set", [](fake::FakeNamedMutexes&) {}, FlagAnswerOn.Set(kDefaultSpeak, 1),
       {"Create Lectavo_Settings.Change", "Wait 5000", "Release", "Close"}},
      {"abandoned", [](fake::FakeNamedMutexes& m) { m.Abandon(kSettingsChangeMutex); },
       kDefaultSpeak, {"Create Lectavo_Settings.Change", "Wait 5000", "Release", "Close"}},
      {"kept by a stuck owner", [](fake::FakeNamedMutexes& m) { m.TimeOutEveryWait(); },
       kDefaultSpeak, {"Create Lectavo_Settings.Change", "Wait 5000", "Close"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeRegistry registry;
    std::mutex calls;
    fake::FakeNamedMutexes mutexes;
    PutRecord(registry, c.speak);
    c.arrange(mutexes);
    ToggleProcess answerOn(kAntwortEin, registry, calls, mutexes);
    bool heldWhileLoading = false;
    answerOn.registry.afterQuery = [&](WStringView name) {
      if (name == u"ValSpeak") heldWhileLoading = mutexes.Owned(kSettingsChangeMutex);
    };
    std::vector<bool> heldLater;
    answerOn.clock.onSleep = [&](std::uint64_t) {
      heldLater.push_back(mutexes.Owned(kSettingsChangeMutex));
    };
    answerOn.sound.faults.FailWhen("Play", [&](WStringView) {
      heldLater.push_back(mutexes.Owned(kSettingsChangeMutex));
      return false;
    });

    answerOn.application.InitInstance();

    EXPECT_EQ(registry.Dword(kKey, u"ValSpeak"), FlagAnswerOn.Set(c.speak, 1));
    EXPECT_EQ(heldWhileLoading, c.lockCalls.size() == 4);
    EXPECT_EQ(heldLater, std::vector<bool>(heldLater.size(), false));
    EXPECT_EQ(heldLater.size(), c.speak == kDefaultSpeak ? 2u : 1u) << "pause and prompt";
    EXPECT_EQ(mutexes.Log(), c.lockCalls);
    EXPECT_FALSE(mutexes.Owned(kSettingsChangeMutex));
  }
}

}  // namespace
}  // namespace lectavo
