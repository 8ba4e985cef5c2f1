// The General page: the wait after a restart as typed and as stored, and the dialog language.
#include "config/general_page_controls.h"
#include "tests/config/config_fixture.h"

namespace lectavo {
namespace {

TEST_F(ConfigTest, TypedWaitStartIsStoredAsReadByStringToInteger) {
  struct Case {
    const WChar* typed;
    std::uint32_t stored;
  };
  const Case cases[] = {
      {u"", 10},    {u"0", 10},  {u"5", 5},
      {u"99", 99},  {u"ab", 10}, {u"-5", static_cast<std::uint32_t>(-5)},
      {u"123", 12},  // two characters at most
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(fake::Narrow(c.typed));
    ConfigHarness t;
    t.PutRecord(kDefaultSpeak, 42);
    t.RunProgram([&c](HeadlessWindowSystem& user) {
      user.SelectTab(kGeneralTab);
      user.Erase(kWaitStartId);
      user.Type(kWaitStartId, c.typed);
      user.PressOk();
    });
    EXPECT_EQ(t.Stored(u"ValWaitStart"), c.stored);
  }
}

TEST_F(ConfigTest, StoredWaitStartIsShownWholeAndKept) {
  struct Case {
    std::uint32_t stored;
    const WChar* shown;
    std::uint32_t kept;
  };
  const Case cases[] = {
      {10, u"10", 10},
      {150, u"150", 150},
      {0, u"0", 10},  // the change raised by showing it turns 0 into 10
      // Longer than the device's seven-character buffers: shown and read back whole.
      {4000000000u, u"-294967296", 4000000000u},
      {0x80000000u, u"-2147483648", 0x80000000u},
      {0x7FFFFFFFu, u"2147483647", 0x7FFFFFFFu},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    ConfigHarness t;
    t.PutRecord(kDefaultSpeak, c.stored);
    t.RunProgram([&c](HeadlessWindowSystem& user) {
      user.SelectTab(kGeneralTab);
      EXPECT_EQ(user.Text(kWaitStartId), c.shown);
      EXPECT_EQ(user.Selection(kDialogLanguageId), 0);
      EXPECT_EQ(user.Items(kDialogLanguageId), (std::vector<WString>{u"Deutsch", u"English"}));
      user.PressOk();
    });
    EXPECT_EQ(t.Stored(u"ValWaitStart"), c.kept);
  }
}

TEST_F(ConfigTest, ChoosingALanguageSetsBit22AtOnce) {
  PutRecord(kDefaultSpeak | kEnglish);
  RunProgram([](HeadlessWindowSystem& user) {
    user.SelectTab(kGeneralTab);
    EXPECT_EQ(user.Selection(kDialogLanguageId), 1);
    EXPECT_EQ(user.Text(kWaitStartLabelId), u"Wait after restart (1..99 sec)");
    user.ChooseItem(kDialogLanguageId, 0);
    EXPECT_EQ(user.Text(kWaitStartLabelId), u"Wait after restart (1..99 sec)");
    user.PressOk();
  });
  EXPECT_EQ(Stored(u"ValSpeak"), kDefaultSpeak);
}

}  // namespace
}  // namespace lectavo
