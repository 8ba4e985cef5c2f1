#include "today/today_item.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/complete_record.h"
#include "tests/support/fake_named_events.h"
#include "tests/support/fake_processes.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_user_interface.h"
#include "tests/support/text.h"

namespace lectavo {
namespace {

using fake::Narrow;

constexpr WStringView kKey = kSettingsKey;
constexpr Handle kFirstWindow = 0x5000;
constexpr Handle kSecondWindow = 0x6000;
constexpr std::uint32_t kReadingOff = FlagReadOn.Set(kDefaultSpeak, 0);

class TodayItemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    events.signalled[WString(kShellReadyEvent)] = true;
    processes.AllowStart(kMonitorPath);
    processes.AllowStart(kConfigPath);
    PutSettings(kDefaultSpeak);
  }

  // A complete record with one account chosen, ValSpeak as given.
  void PutSettings(std::uint32_t speak) {
    fake::PutRecord(registry, {.speak = speak, .accounts = u"Outlook\t"});
  }

  // The host's sequence: load the library, make the item, ask once with height 0.
  void Create(Handle window = kFirstWindow) {
    item.Attach();
    item.Initialise(window);
  }

  bool Query() { return item.QueryRefresh(height); }

  int Starts(WStringView path) const {
    int count = 0;
    for (const auto& entry : processes.log) count += entry == "Start " + Narrow(path);
    return count;
  }

  int ReadingIcon() { return item.Paint()[1].icon; }

  fake::FakeRegistry registry;
  fake::FakeProcesses processes;
  fake::FakeNamedEvents events;
  fake::FakeUserInterface userInterface;
  TodayItem item{registry, processes, events, userInterface};
  std::uint32_t height = 0;
};

TEST_F(TodayItemTest, FirstQueryGivesTheItemItsHeightThenAsksNoMore) {
  Create();
  EXPECT_TRUE(Query());
  EXPECT_EQ(height, 30u);
  EXPECT_FALSE(Query()) << "nothing changed";
  EXPECT_EQ(height, 30u);

  height = 44;  // a height the host chose is kept
  EXPECT_FALSE(Query());
  EXPECT_EQ(height, 44u);
}

TEST_F(TodayItemTest, ReadingSwitchedOffAsksOnceAndPaintsTheCrossedOutLoudspeaker) {
  Create();
  Query();
  EXPECT_EQ(ReadingIcon(), kIconReadingOn);

  PutSettings(kReadingOff);
  EXPECT_TRUE(Query());
  EXPECT_EQ(item.LastSeenReadingState(), 0);
  EXPECT_FALSE(Query());
  const auto icons = item.Paint();
  EXPECT_EQ(icons[0].icon, kIconProduct);
  EXPECT_EQ(icons[0].x, 2);
  EXPECT_EQ(icons[0].y, 2);
  EXPECT_EQ(icons[1].icon, kIconReadingOff);
  EXPECT_EQ(icons[1].x, 22);
  EXPECT_EQ(icons[1].y, 2);

  PutSettings(kDefaultSpeak);
  EXPECT_TRUE(Query());
  EXPECT_EQ(ReadingIcon(), kIconReadingOn);
}

// A screen reader hears the state the icon shows; it changes at the query that reads it.
TEST_F(TodayItemTest, NameFollowsTheReadingStateAQueryRead) {
  EXPECT_EQ(item.Name(), u"Lectavo: Vorlesen aus") << "nothing read yet";
  Create();
  EXPECT_EQ(item.Name(), u"Lectavo: Vorlesen ein");
  PutSettings(kReadingOff);
  EXPECT_EQ(item.Name(), u"Lectavo: Vorlesen ein") << "until a query reads the change";
  Query();
  EXPECT_EQ(item.Name(), u"Lectavo: Vorlesen aus");
  registry.faults.FailAlways("OpenKey");
  PutSettings(kDefaultSpeak);
  Query();
  EXPECT_EQ(item.Name(), u"Lectavo: Vorlesen aus") << "unreadable settings keep the last state";
}

TEST_F(TodayItemTest, SettingsUnreadableUntilAfterCreationStillLeadToOneRefresh) {
  height = 30;
  registry.Remove(kKey, u"StrAccounts");
  Create();
  EXPECT_EQ(item.LastSeenReadingState(), -1);
  EXPECT_FALSE(Query()) << "unreadable settings report no change";

  registry.PutText(kKey, u"StrAccounts", u"");
  EXPECT_TRUE(Query());
  EXPECT_EQ(item.LastSeenReadingState(), 1);
  EXPECT_FALSE(Query());
  EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(TodayItemTest, PaintingUsesWhatWasReadLast) {
  fake::FakeRegistry partial;
  TodayItem painted{partial, processes, events, userInterface};
  EXPECT_EQ(painted.Paint()[1].icon, kIconReadingOff) << "nothing read yet";

  partial.PutDword(kKey, u"ValSpeak", kDefaultSpeak);
  EXPECT_EQ(painted.Paint()[1].icon, kIconReadingOn)
      << "ValSpeak counts though ValUsedLang is missing";

  partial.faults.FailAlways("OpenKey");
  EXPECT_EQ(painted.Paint()[1].icon, kIconReadingOn) << "unreadable settings keep the last ones";
}

TEST_F(TodayItemTest, ShellNotReadyAnswersNoAndLooksAtNothing) {
  Create();
  events.signalled[WString(kShellReadyEvent)] = false;
  processes.End(item.MonitorProcess().processId);
  PutSettings(kReadingOff);
  registry.log.clear();
  processes.log.clear();

  EXPECT_FALSE(Query());
  EXPECT_EQ(height, 0u);
  EXPECT_TRUE(registry.log.empty());
  EXPECT_TRUE(processes.log.empty());
  ASSERT_FALSE(events.waits.empty());
  EXPECT_EQ(Narrow(events.waits.back().name), "SYSTEM/ShellAPIReady");
  EXPECT_EQ(events.waits.back().timeout, 0u);
}

TEST_F(TodayItemTest, RunningMonitorIsOnlyLookedAtAndAnEndedOneStartedAgainQuietly) {
  Create();
  const std::uint32_t first = item.MonitorProcess().processId;
  ASSERT_NE(first, 0u);
  EXPECT_EQ(processes.OpenHandles(), 1) << "only the monitor's process handle is kept";

  processes.log.clear();
  Query();
  EXPECT_EQ(processes.log, (std::vector<std::string>{"Wait 0"}));

  processes.End(first);
  Query();
  EXPECT_EQ(Starts(kMonitorPath), 1);
  EXPECT_NE(item.MonitorProcess().processId, first);
  EXPECT_EQ(processes.CountRunning(u"Lectavo_Monitor.exe"), 1);
  EXPECT_TRUE(userInterface.boxes.empty());
  EXPECT_EQ(processes.OpenHandles(), 1) << "the ended monitor's handle is given back";
  item.Detach();
  EXPECT_EQ(processes.OpenHandles(), 0);
}

// The system gives an ended process's id to the next program it starts: a program running
// under the monitor's old id is not the monitor.
TEST_F(TodayItemTest, MonitorWhoseIdWentToAnotherProgramIsStartedAgain) {
  Create();
  const std::uint32_t monitor = item.MonitorProcess().processId;
  processes.End(monitor);
  processes.AddRunning(u"\\Windows\\calc.exe", monitor);

  Query();
  EXPECT_EQ(Starts(kMonitorPath), 2);
  EXPECT_EQ(processes.CountRunning(u"Lectavo_Monitor.exe"), 1);
  EXPECT_EQ(processes.CountRunning(u"calc.exe"), 1);
  EXPECT_TRUE(userInterface.boxes.empty());
}

TEST_F(TodayItemTest, EveryItemInitialisationStartsAMonitorAndTheNewestWindowOwnsTheBoxes) {
  Create(kFirstWindow);
  item.Initialise(kSecondWindow);
  EXPECT_EQ(Starts(kMonitorPath), 2);
  EXPECT_EQ(processes.CountRunning(u"Lectavo_Monitor.exe"), 2);
  EXPECT_EQ(item.Window(), kSecondWindow);
  EXPECT_EQ(processes.OpenHandles(), 1) << "the newest monitor's handle alone is kept";

  processes.startable.clear();
  item.Tap();
  ASSERT_EQ(userInterface.boxes.size(), 1u);
  EXPECT_EQ(userInterface.boxes[0].owner, kSecondWindow);
}

TEST_F(TodayItemTest, EveryTapStartsTheConfigurationProgram) {
  Create();
  item.Tap();
  item.Tap();
  EXPECT_EQ(Starts(kConfigPath), 2);
  EXPECT_EQ(processes.CountRunning(u"Lectavo_Config.exe"), 2);
  EXPECT_NE(item.ConfigProcess().processId, 0u);
  EXPECT_EQ(processes.OpenHandles(), 1) << "the monitor's alone";
  EXPECT_TRUE(userInterface.boxes.empty());
}

TEST_F(TodayItemTest, FailedStartShowsItsMessageAndKeepsTheEarlierRecord) {
  struct Case {
    const char* name;
    WStringView path;
    void (*act)(TodayItem&, std::uint32_t&);
    const ProcessInfo& (TodayItem::*record)() const;
    WStringView message;
  };
  const Case cases[] = {
      {"tap", kConfigPath, [](TodayItem& i, std::uint32_t&) { i.Tap(); }, &TodayItem::ConfigProcess,
       u"Lectavo-Konfiguration konnte nicht gestartet werden."},
      {"monitor restart", kMonitorPath, [](TodayItem& i, std::uint32_t& h) { i.QueryRefresh(h); },
       &TodayItem::MonitorProcess, u"Lectavo-Monitor konnte nicht gestartet werden."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake::FakeProcesses started;
    started.AllowStart(kMonitorPath);
    started.AllowStart(kConfigPath);
    fake::FakeUserInterface boxes;
    TodayItem fresh{registry, started, events, boxes};
    fresh.Attach();
    fresh.Initialise(kFirstWindow);
    fresh.Tap();
    const ProcessInfo before = (fresh.*c.record)();
    started.End(fresh.MonitorProcess().processId);
    started.faults.FailWhen("Start", [&](WStringView path) { return path == c.path; });

    std::uint32_t itemHeight = 30;
    c.act(fresh, itemHeight);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].owner, kFirstWindow);
    EXPECT_EQ(boxes.boxes[0].text, c.message);
    EXPECT_EQ(boxes.boxes[0].caption, u"Fehler");
    EXPECT_EQ(boxes.boxes[0].style, 0x10u);
    const ProcessInfo after = (fresh.*c.record)();
    EXPECT_EQ(after.processId, before.processId);
    EXPECT_EQ(after.threadId, before.threadId);
    EXPECT_EQ(after.process, before.process);
  }
}

TEST_F(TodayItemTest, MonitorThatCannotStartShowsOneBoxAtATimeAndRetriesAfterItCloses) {
  processes.startable.clear();
  std::vector<bool> answersWhileOpen;
  int nested = 0;
  userInterface.whileOpen = [&](const fake::FakeUserInterface::Box&) {
    if (++nested > 1) return;  // a stacked box would come back here
    for (int query = 0; query < 3; ++query) answersWhileOpen.push_back(Query());
  };
  Create();
  EXPECT_EQ(userInterface.boxes.size(), 1u) << "queries during the box open no second one";
  EXPECT_EQ(Starts(kMonitorPath), 1);
  EXPECT_EQ(answersWhileOpen, (std::vector<bool>{true, false, false}))
      << "the rest of the query still works";

  userInterface.whileOpen = nullptr;
  Query();
  EXPECT_EQ(userInterface.boxes.size(), 2u) << "after the box closed the next query tries again";
  EXPECT_EQ(Starts(kMonitorPath), 2);

  processes.AllowStart(kMonitorPath);
  Query();
  EXPECT_EQ(userInterface.boxes.size(), 2u);
  EXPECT_EQ(processes.CountRunning(u"Lectavo_Monitor.exe"), 1);
}

}  // namespace
}  // namespace lectavo
