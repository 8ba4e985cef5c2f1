// The Answer page: three independent boxes, the copy address cut to 254 characters, the
// recording time chosen from its list.
#include "config/answer_page_controls.h"
#include "tests/config/config_fixture.h"

namespace lectavo {
namespace {

TEST_F(ConfigTest, AnswerPageShowsTheInstallDefaults) {
  PutRecord();
  registry.PutDword(kSettingsKey, u"ValAnswerTime", kDefaultAnswerTime);
  RunProgram([](HeadlessWindowSystem& user) {
    user.SelectTab(kAnswerTab);
    EXPECT_EQ(user.Dialogs(), (std::vector<int>{102, 137}));
    for (int id : {kAnswerOnId, kAnswerNoteId, kAnswerOriginalId})
      EXPECT_EQ(user.Check(id), 0) << id;
    EXPECT_EQ(user.Text(kAddressId), u"");
    EXPECT_EQ(user.Selection(kAnswerTimeId), 2);
    EXPECT_EQ(user.Items(kAnswerTimeId), (std::vector<WString>{u" 1", u" 2", u" 3", u" 4", u" 5",
                                                               u" 6", u" 7", u" 8", u" 9", u"10"}));
    EXPECT_EQ(user.Text(kAnswerOnId), u" Antwort-eMail aktivieren");
    EXPECT_EQ(user.Text(kAnswerTimeLabelId), u"max. Aufn.dauer [min]");
  });
}

TEST_F(ConfigTest, AnswerPageInEnglish) {
  PutRecord(kDefaultSpeak | kEnglish);
  RunProgram([](HeadlessWindowSystem& user) {
    const std::pair<int, WStringView> english[] = {
        {kAnswerOnId, u" Activating answer to e-mail"},
        {kAnswerNoteId, u" Enclosing reference to answer"},
        {kAnswerOriginalId, u" Enclosing original text"},
        {kAddressLabelId, u"CC to"},
        {kAnswerTimeLabelId, u"Max. length of the\nanswer [min]"},
    };
    user.SelectTab(kAnswerTab);
    for (const auto& [id, text] : english) EXPECT_EQ(user.Text(id), text) << id;
  });
}

TEST_F(ConfigTest, EachAnswerBoxWritesOnlyItsBit) {
  const std::pair<int, unsigned> boxes[] = {
      {kAnswerOnId, 23}, {kAnswerNoteId, 24}, {kAnswerOriginalId, 25}};
  const std::uint32_t start = kDefaultSpeak | (1u << 24) | (1u << 25);
  for (const auto& [id, bit] : boxes) {
    SCOPED_TRACE(id);
    ConfigHarness t;
    t.PutRecord(start);
    t.RunProgram([id](HeadlessWindowSystem& user) {
      user.SelectTab(kAnswerTab);
      user.Click(id);
      for (int other : {kAnswerOnId, kAnswerNoteId, kAnswerOriginalId})
        EXPECT_TRUE(user.Enabled(other));
      user.PressOk();
    });
    EXPECT_EQ(t.Stored(u"ValSpeak"), start ^ (1u << bit));
  }
}

TEST_F(ConfigTest, CopyAddressIsStoredAsTypedAtMost254Characters) {
  struct Case {
    const char* name;
    WString stored;  // in the registry before
    WString typed;   // after erasing, unless empty and keep
    bool erase;
    WString kept;
  };
  const WString a255(255, u'a');
  const Case cases[] = {
      {"typed 256", u"x", WString(256, u'b'), true, WString(254, u'b')},
      {"stored 255, shortened on opening", a255, u"", false, WString(254, u'a')},
      {"emptied", u"cc@example.org", u"", true, u""},
      {"taken as typed", u"", u" two, addresses ", true, u" two, addresses "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ConfigHarness t;
    t.PutRecord();
    t.registry.PutText(kSettingsKey, u"StrAddressCC", c.stored);
    t.RunProgram([&c](HeadlessWindowSystem& user) {
      user.SelectTab(kAnswerTab);
      if (c.erase) user.Erase(kAddressId);
      user.Type(kAddressId, c.typed);
      user.PressOk();
    });
    EXPECT_EQ(t.registry.Text(kSettingsKey, u"StrAddressCC"), c.kept);
  }
}

TEST_F(ConfigTest, AnswerTimeFollowsTheChosenItemOnly) {
  struct Case {
    std::uint32_t stored;
    int shown;
    int chosen;  // -1: nothing chosen
    std::uint32_t kept;
  };
  const Case cases[] = {
      {3, 2, 9, 10},
      {3, 2, 0, 1},
      {0, -1, -1, 0},
      {11, -1, -1, 11},
      {0xFFFFFFFF, -1, -1, 0xFFFFFFFF},
      {11, -1, 4, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.stored << " chosen " << c.chosen);
    ConfigHarness t;
    t.PutRecord();
    t.registry.PutDword(kSettingsKey, u"ValAnswerTime", c.stored);
    t.RunProgram([&c](HeadlessWindowSystem& user) {
      user.SelectTab(kAnswerTab);
      EXPECT_EQ(user.Selection(kAnswerTimeId), c.shown);
      if (c.chosen >= 0) user.ChooseItem(kAnswerTimeId, c.chosen);
      user.PressOk();
    });
    EXPECT_EQ(t.Stored(u"ValAnswerTime"), c.kept);
  }
}

TEST_F(ConfigTest, TextTypedIntoTheAnswerTimeFieldChangesNothing) {
  PutRecord();
  registry.PutDword(kSettingsKey, u"ValAnswerTime", 3);
  RunProgram([](HeadlessWindowSystem& user) {
    user.SelectTab(kAnswerTab);
    user.Type(kAnswerTimeId, u"7");
    user.PressOk();
  });
  EXPECT_EQ(Stored(u"ValAnswerTime"), 3u);
}

}  // namespace
}  // namespace lectavo
