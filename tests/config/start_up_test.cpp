// Start-up: the record is loaded before anything is shown, saved only after OK, and every
// failure is told in the language of the record as far as it was read.
#include <optional>

#include "config/general_page_controls.h"
#include "config/read_page_controls.h"
#include "tests/config/config_fixture.h"

namespace lectavo {
namespace {

TEST_F(ConfigTest, MissingEntriesAreToldInTheLanguageLoadedSoFarAndShowNoDialog) {
  // The record with ValSpeak as given, less the value missing; no key at all without speak.
  struct Case {
    const char* name;
    std::optional<std::uint32_t> speak;
    const WChar* missing;
    const WChar* text;
  };
  const WChar* german = u"Notwendige Registry-Einträge fehlen.";
  const WChar* english = u"Necessary Registry entries are missing.";
  const Case cases[] = {
      {"no key", std::nullopt, nullptr, german},
      {"no StrLangPath, German", kDefaultSpeak, u"StrLangPath", german},
      {"no StrLangPath, English", kDefaultSpeak | kEnglish, u"StrLangPath", english},
      {"ValSpeak read, ValWaitStart missing", 0x00400000, u"ValWaitStart", english},
      {"ValSpeak missing", kDefaultSpeak | kEnglish, u"ValSpeak", german},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ConfigHarness t;
    if (c.speak) {
      t.PutRecord(*c.speak);
      t.registry.Remove(kSettingsKey, c.missing);
    }
    t.RunProgram(nullptr);
    EXPECT_FALSE(t.dialogShown);
    ASSERT_EQ(t.userInterface.boxes.size(), 1u);
    EXPECT_EQ(t.userInterface.boxes[0].text, c.text);
    EXPECT_EQ(t.userInterface.boxes[0].caption, u"Lectavo");
    EXPECT_EQ(t.userInterface.boxes[0].style, kMbIconHand);
    EXPECT_EQ(t.userInterface.boxes[0].owner, kNoHandle);
    EXPECT_FALSE(t.WroteAnything());
  }
}

TEST_F(ConfigTest, OnlyOkStoresTheRecord) {
  PutRecord();
  RunProgram([](HeadlessWindowSystem& user) {
    user.Click(kReadOnId);
    user.Close();
  });
  EXPECT_TRUE(dialogShown);
  EXPECT_FALSE(WroteAnything());

  RunProgram([](HeadlessWindowSystem& user) {
    user.Click(kReadOnId);
    user.PressOk();
  });
  EXPECT_EQ(Stored(u"ValSpeak"), kDefaultSpeak & ~(1u << 27));
  EXPECT_EQ(Stored(u"ValAnswerTime"), 3u) << "a missing ValAnswerTime is stored as 3";
  EXPECT_TRUE(userInterface.boxes.empty());
}

TEST_F(ConfigTest, SaveFailureIsToldInTheLanguageChosenInThisRun) {
  PutRecord();
  registry.faults.FailWhen("SetValue", [](WStringView name) { return name == u"ValWaitStart"; });
  RunProgram([](HeadlessWindowSystem& user) {
    user.SelectTab(kGeneralTab);
    user.ChooseItem(kDialogLanguageId, 1);
    user.PressOk();
  });
  ASSERT_EQ(userInterface.boxes.size(), 1u);
  EXPECT_EQ(userInterface.boxes[0].text, u"Changes cannot be stored.");
  EXPECT_EQ(Stored(u"ValSpeak"), kDefaultSpeak | kEnglish) << "values before the failing one stay";
}

// A double tap starts the program twice: the second start shows the first one's dialog, which
// may still be on its way, and ends without reading or writing the record.
TEST_F(ConfigTest, SecondStartRaisesTheRunningDialogAndTouchesNothing) {
  struct Case {
    const char* name;
    int raisesUntilShown;
    std::size_t sleeps;
    std::size_t raised;
  };
  const Case cases[] = {{"dialog shown", 0, 0, 1},
                       {"dialog shown a moment later", 3, 3, 1},
                       {"the first ends without a dialog", 1000, 50, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ConfigHarness t;
    t.PutRecord();
    t.registry.log.clear();
    t.instance.heldElsewhere = {u"Lectavo_Config"};
    t.instance.dialogs = {kDialogCaption};
    t.instance.raisesUntilShown = c.raisesUntilShown;
    t.RunProgram(nullptr);
    EXPECT_FALSE(t.dialogShown);
    EXPECT_TRUE(t.registry.log.empty()) << "the record is neither read nor written";
    EXPECT_EQ(t.clock.sleeps.size(), c.sleeps);
    EXPECT_EQ(t.instance.raised.size(), c.raised);
  }
  ConfigHarness first;
  first.PutRecord();
  first.RunProgram(nullptr);
  EXPECT_TRUE(first.dialogShown);
  EXPECT_EQ(first.instance.claimed, (std::vector<WString>{u"Lectavo_Config"}));
}

}  // namespace
}  // namespace lectavo
