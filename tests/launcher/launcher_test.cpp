// The launcher's whole run on the fakes: the heartbeat is scripted per poll, start attempts
// and message boxes are recorded with the poll they came at (0: the attempt at start-up).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <vector>

#include "launcher/launcher_application.h"
#include "tests/support/complete_record.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fake_power.h"
#include "tests/support/fake_processes.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_user_interface.h"

namespace lectavo {
namespace {

constexpr WStringView kKey = kSettingsKey;
constexpr std::uint32_t kEnd = kAliveEndOfWatching;

constexpr WChar kStartFailedGerman[] =
    u"Programm Lectavo konnte nicht gestartet werden.Wiederholen Sie bitte die Installation, "
    u"um den Fehler zu beheben";
constexpr WChar kStartFailedEnglish[] =
    u"Application Lectavo could not be started.Please, you repeat the installation.";
constexpr WChar kGivingUpGerman[] = u"Lectavo konnte nicht gestartet werden.";
constexpr WChar kGivingUpEnglish[] = u"Application Lectavo could not be started.";

// The heartbeat a poll reads; nullopt: the read fails.
using Heartbeat = std::function<std::optional<std::uint32_t>(int poll)>;

// Poll 1 reads the first value; after the last one the heartbeat ends the watch.
Heartbeat Script(std::vector<std::optional<std::uint32_t>> values) {
  return [values](int poll) -> std::optional<std::uint32_t> {
    return poll <= static_cast<int>(values.size()) ? values[poll - 1] : kEnd;
  };
}

struct Message {
  int poll;
  WString text;
};

class LauncherTest : public ::testing::Test {
 protected:
  LauncherTest() {
    PutSettings(kDefaultSpeak, 1);
    processes.AllowStart(kServicePath);
    ScriptTheHeartbeat();
    processes.faults.FailWhen("Start", [this](WStringView) {
      starts.push_back(polls);
      startTimes.push_back(clock.now);
      EXPECT_EQ(power.requests.size(), starts.size()) << "full power is asked for first";
      return startFails(polls);
    });
    userInterface.whileOpen = [this](const fake::FakeUserInterface::Box& box) {
      messages.push_back({polls, box.text});
      if (onMessage) onMessage(box);
    };
  }

  // Each read of ValAlive is one poll; the script decides what it finds.
  void ScriptTheHeartbeat() {
    registry.faults.FailWhen("QueryValue", [this](WStringView name) {
      if (name != u"ValAlive") return false;
      if (++polls > 1000) throw std::runtime_error("the launcher never ends");
      const std::optional<std::uint32_t> value = heartbeat(polls);
      if (value) registry.PutDword(kKey, u"ValAlive", *value);
      return !value.has_value();
    });
  }

  // The record an installation leaves, with ValSpeak and ValWaitStart as given.
  void PutSettings(std::uint32_t speak, std::uint32_t waitStart) {
    fake::RecordValues values = fake::InstallRecord(speak, u"\\Storage Card\\Lectavo\\");
    values.waitStart = waitStart;
    fake::PutRecord(registry, values);
  }

  void Run() {
    LauncherApplication application(registry, processes, power, userInterface, clock);
    EXPECT_FALSE(application.InitInstance());
    EXPECT_EQ(registry.OpenKeys(), 0);
  }

  // Sleeps of one poll interval.
  int PollSleeps() const {
    return static_cast<int>(
        std::count(clock.sleeps.begin(), clock.sleeps.end(), kPollIntervalMilliseconds));
  }

  fake::FakeRegistry registry;
  fake::FakeProcesses processes;
  fake::FakePower power;
  fake::FakeUserInterface userInterface;
  fake::FakeClock clock;

  Heartbeat heartbeat = Script({});
  std::function<bool(int poll)> startFails = [](int) { return false; };
  std::function<void(const fake::FakeUserInterface::Box&)> onMessage;

  int polls = 0;
  std::vector<int> starts;
  std::vector<std::uint64_t> startTimes;
  std::vector<Message> messages;
};

TEST_F(LauncherTest, StartAttemptRequestsFullPowerAndKeepsNoHandles) {
  power.faults.FailAlways("RequestPowerState");  // its result is not examined
  Run();
  ASSERT_EQ(processes.log,
            std::vector<std::string>{"Start \\ORBA-GMBH\\Lectavo\\Lectavo_Service.exe"});
  ASSERT_EQ(power.requests.size(), 1u);
  EXPECT_EQ(power.requests[0].state, 0x10000u);
  EXPECT_EQ(power.requests[0].options, 0x1000u);
  EXPECT_EQ(processes.CountRunning(u"lectavo_service.exe"), 1);
  EXPECT_EQ(processes.OpenHandles(), 0);
  for (const std::string& call : registry.log) {
    EXPECT_TRUE(call.starts_with("OpenKey") || call.starts_with("QueryValue") ||
                call.starts_with("CloseKey"))
        << "the launcher only reads the settings: " << call;
  }
}

struct DelayCase {
  const char* name;
  std::function<void(fake::FakeRegistry&)> prepare;
  std::uint64_t expectedMilliseconds;
};

TEST_F(LauncherTest, StartDelayComesFromValWaitStartOrIsTenSeconds) {
  const DelayCase cases[] = {
      {"5 s", [](auto& r) { r.PutDword(kKey, u"ValWaitStart", 5); }, 5000},
      {"99 s", [](auto& r) { r.PutDword(kKey, u"ValWaitStart", 99); }, 99000},
      {"0 s", [](auto& r) { r.PutDword(kKey, u"ValWaitStart", 0); }, 0},
      {"value missing", [](auto& r) { r.Remove(kKey, u"ValWaitStart"); }, 10000},
      {"load stopped before it",
       [](auto& r) {
         r.PutDword(kKey, u"ValWaitStart", 30);
         r.Remove(kKey, u"StrAccounts");
       },
       10000},
      {"times 1000 exceeds 32 bits", [](auto& r) { r.PutDword(kKey, u"ValWaitStart", 4294968); },
       4294968000ull},
      {"largest positive", [](auto& r) { r.PutDword(kKey, u"ValWaitStart", 0x7FFFFFFF); },
       2147483647000ull},
      {"-1", [](auto& r) { r.PutDword(kKey, u"ValWaitStart", 0xFFFFFFFF); }, 10000},
      {"most negative", [](auto& r) { r.PutDword(kKey, u"ValWaitStart", 0x80000000); }, 10000},
  };
  for (const DelayCase& c : cases) {
    SCOPED_TRACE(c.name);
    clock = {};
    starts.clear();
    startTimes.clear();
    power.requests.clear();
    polls = 0;
    PutSettings(kDefaultSpeak, 1);
    c.prepare(registry);
    Run();
    ASSERT_EQ(startTimes, std::vector<std::uint64_t>{c.expectedMilliseconds});
    EXPECT_EQ(std::accumulate(clock.sleeps.begin(), clock.sleeps.end(), std::uint64_t{0}),
              c.expectedMilliseconds)
        << "heartbeat 0x7FFFFFFF at the first poll: no wait after the start";
    for (std::uint32_t sleep : clock.sleeps) EXPECT_NE(sleep, 0xFFFFFFFFu) << "never forever";
  }
}

TEST_F(LauncherTest, StartDelayWithoutTheSettingsKeyIsTenSeconds) {
  registry = {};
  ScriptTheHeartbeat();
  clock.onSleep = [this](std::uint64_t) { registry.PutKey(kKey); };
  Run();
  EXPECT_EQ(startTimes, std::vector<std::uint64_t>{10000});
}

struct WatchCase {
  const char* name;
  std::vector<std::optional<std::uint32_t>> heartbeat;
  std::vector<int> startPolls;
};

TEST_F(LauncherTest, ServiceIsStartedAgainWhileTheHeartbeatStandsStill) {
  const auto x = std::nullopt;
  const WatchCase cases[] = {
      {"0x7FFFFFFF at the first poll", {}, {0}},
      {"changes at every poll", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {0}},
      {"frozen at a value other than 0", {7, 7, 7, 7, 7, 7, 7, 7}, {0, 5, 6, 7, 8}},
      {"stays 0", {0, 0, 0, 0, 0, 0}, {0, 4, 5, 6}},
      {"never readable", {x, x, x, x, x, x}, {0, 4, 5, 6}},
      {"unreadable keeps the last value", {3, x, x, x, x}, {0, 5}},
      {"a change resets the count", {1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2}, {0, 5, 6, 11}},
      {"back to 0 is a change", {5, 0, 0, 0, 0, 0}, {0, 6}},
      {"changing again stops the attempts", {4, 4, 4, 4, 4, 9, 9, 1}, {0, 5}},
  };
  for (const WatchCase& c : cases) {
    SCOPED_TRACE(c.name);
    clock = {};
    starts.clear();
    polls = 0;
    power.requests.clear();
    heartbeat = Script(c.heartbeat);
    Run();
    EXPECT_EQ(starts, c.startPolls);
    EXPECT_EQ(power.requests.size(), c.startPolls.size()) << "full power before every start";
    EXPECT_EQ(polls, static_cast<int>(c.heartbeat.size()) + 1) << "ends at 0x7FFFFFFF";
    EXPECT_EQ(PollSleeps(), static_cast<int>(c.heartbeat.size())) << "first poll without pause";
    EXPECT_TRUE(messages.empty());
  }
}

std::vector<int> Range(int from, int to) {
  std::vector<int> range(to - from + 1);
  std::iota(range.begin(), range.end(), from);
  return range;
}

std::vector<int> Concat(std::vector<int> a, const std::vector<int>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct GiveUpCase {
  const char* name;
  Heartbeat heartbeat;
  std::function<bool(int poll)> startFails;
  int lastPoll;
  bool givesUp;
  std::vector<int> startFailedPolls;
};

TEST_F(LauncherTest, GivesUpOnlyWhenTheAttemptAtCountTwentyFails) {
  const auto frozenAtZero = [](int) { return std::optional<std::uint32_t>{0}; };
  const GiveUpCase cases[] = {
      {"service missing", frozenAtZero, [](int) { return true; }, 20, true,
       Concat({0}, Range(4, 20))},
      {"count 20 reached after a change", [](int) { return std::optional<std::uint32_t>{1}; },
       [](int) { return true; }, 21, true, Concat({0}, Range(5, 21))},
      {"success at count 20 never gives up later",
       [](int poll) { return poll < 40 ? std::optional<std::uint32_t>{0} : kEnd; },
       [](int poll) { return poll != 20; }, 40, false,
       Concat(Concat({0}, Range(4, 19)), Range(21, 39))},
      {"failures at counts 19 and 21 only",
       [](int poll) { return poll < 30 ? std::optional<std::uint32_t>{0} : kEnd; },
       [](int poll) { return poll == 19 || poll == 21; },
       30,
       false,
       {19, 21}},
  };
  for (const GiveUpCase& c : cases) {
    SCOPED_TRACE(c.name);
    polls = 0;
    messages.clear();
    heartbeat = c.heartbeat;
    startFails = c.startFails;
    Run();
    EXPECT_EQ(polls, c.lastPoll);
    std::vector<int> startFailed;
    for (const Message& m : messages) {
      if (m.text == kStartFailedEnglish) startFailed.push_back(m.poll);
    }
    EXPECT_EQ(startFailed, c.startFailedPolls);
    const bool gaveUp = !messages.empty() && messages.back().text == kGivingUpEnglish;
    EXPECT_EQ(gaveUp, c.givesUp);
    if (c.givesUp) {
      ASSERT_GE(messages.size(), 2u);
      EXPECT_EQ(messages[messages.size() - 2].text, kStartFailedEnglish) << "first, then second";
      EXPECT_EQ(messages.back().poll, c.lastPoll);
    }
  }
}

struct LanguageCase {
  std::uint32_t speak;
  bool german;
};

TEST_F(LauncherTest, MessagesAreGermanOnlyWhenBits22To24ReadAsOne) {
  const LanguageCase cases[] = {
      {0xE8323232, false},                       // install default: bits 22 to 24 clear
      {0xE8723232, true},                        // bit 22 alone
      {0x00400000, true},  {0xE8F23232, false},  // bits 22 and 23
      {0xE9723232, false},                       // bits 22 and 24
      {0x01C00000, false}, {0x00800000, false}, {0, false},
  };
  heartbeat = [](int) { return std::optional<std::uint32_t>{0}; };
  startFails = [](int) { return true; };
  for (const LanguageCase& c : cases) {
    SCOPED_TRACE(c.speak);
    userInterface.boxes.clear();
    polls = 0;
    registry.PutDword(kKey, u"ValSpeak", c.speak);
    Run();
    const WStringView startFailed = c.german ? kStartFailedGerman : kStartFailedEnglish;
    const WStringView givingUp = c.german ? kGivingUpGerman : kGivingUpEnglish;
    ASSERT_EQ(userInterface.boxes.size(), 19u);
    for (std::size_t i = 0; i < userInterface.boxes.size(); ++i) {
      const auto& box = userInterface.boxes[i];
      EXPECT_EQ(box.text, i + 1 < userInterface.boxes.size() ? startFailed : givingUp);
      EXPECT_EQ(box.caption, u"Lectavo");
      EXPECT_EQ(box.style, 0x10u);
      EXPECT_EQ(box.owner, kNoHandle);
    }
  }
}

TEST_F(LauncherTest, LanguageFollowsTheSettingAtTheMomentOfEachMessage) {
  heartbeat = [](int) { return std::optional<std::uint32_t>{0}; };
  startFails = [](int) { return true; };
  onMessage = [this](const fake::FakeUserInterface::Box&) {
    if (messages.size() == 1) registry.PutDword(kKey, u"ValSpeak", 0x00400000);  // German
    // A reload that fails keeps the language last read.
    if (polls == 10) registry.Remove(kKey, u"ValSpeak");
    if (polls == 20) registry.PutDword(kKey, u"ValSpeak", kDefaultSpeak);  // English
  };
  Run();
  ASSERT_EQ(messages.size(), 19u);
  EXPECT_EQ(messages[0].text, kStartFailedEnglish);
  for (std::size_t i = 1; i < 18; ++i) EXPECT_EQ(messages[i].text, kStartFailedGerman) << i;
  EXPECT_EQ(messages[18].text, kGivingUpEnglish);
}

}  // namespace
}  // namespace lectavo
