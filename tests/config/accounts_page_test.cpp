// The Accounts page: the lines the device's message stores give, the marks StrAccounts gives
// them, and the value every click rebuilds in table order.
#include "config/accounts_page.h"

#include "tests/config/config_fixture.h"

namespace lectavo {
namespace {

constexpr WChar kGermanHint[] =
    u"Klicken Sie auf die entsprechende\nZeile, um ein Konto für die Sprach-\nausgabe aus- oder "
    u"abzuwählen.";

class AccountsPageTest : public ConfigTest {
 protected:
  void Stores(std::initializer_list<WString> names) {
    for (const WString& name : names) messaging.stores.push_back({name, {}});
  }
  void Load(WStringView accounts) { registry.PutText(kSettingsKey, u"StrAccounts", accounts); }
  // Opens the Accounts page, lets user act on it, confirms with OK.
  void Confirm(std::function<void(HeadlessWindowSystem&)> user) {
    RunProgram([&user](HeadlessWindowSystem& w) {
      w.SelectTab(kAccountsTab);
      user(w);
      w.PressOk();
    });
    EXPECT_EQ(messaging.LiveObjects(), 0) << "every session and table released";
    EXPECT_EQ(messaging.UnfreedRowSets(), 0);
  }
  WString StoredAccounts() const {
    return registry.Text(kSettingsKey, u"StrAccounts").value_or(u"(none)");
  }
};

TEST_F(AccountsPageTest, ClicksRebuildTheValueInTableOrderAndTheMarksFollow) {
  struct Case {
    const char* name;
    WString loaded;
    std::vector<int> marked;
    std::vector<int> clicks;
    WString stored;
    std::vector<int> markedAfter;
  };
  const Case cases[] = {
      {"nothing chosen", u"", {}, {1}, u"B\t", {1}},
      {"table order, not loaded order", u"C\tA\t", {0, 2}, {1}, u"A\tB\tC\t", {0, 1, 2}},
      {"two clicks restore", u"C\tA\t", {0, 2}, {1, 1}, u"A\tC\t", {0, 2}},
      {"deselect", u"A\tB\t", {0, 1}, {0}, u"B\t", {1}},
      {"letter case differs", u"a\tb\t", {}, {2}, u"C\t", {2}},
      {"unlisted name dropped at the first click", u"X\tB\t", {1}, {0}, u"A\tB\t", {0, 1}},
      {"last name without its TAB", u"A\tC", {0, 2}, {1}, u"A\tB\tC\t", {0, 1, 2}},
      {"whole names only", u"AB\tA B\t", {}, {0}, u"A\t", {0}},
      {"unclicked value stored as loaded", u"X\tC\tA", {0, 2}, {}, u"X\tC\tA", {0, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ConfigHarness t;
    t.PutRecord();
    t.registry.PutText(kSettingsKey, u"StrAccounts", c.loaded);
    t.messaging.stores = {{u"A", {}}, {u"B", {}}, {u"C", {}}};
    t.RunProgram([&c](HeadlessWindowSystem& user) {
      user.SelectTab(kAccountsTab);
      EXPECT_EQ(user.Items(kAccountListId), (std::vector<WString>{u"A", u"B", u"C"}));
      EXPECT_TRUE(user.Enabled(kAccountListId));
      EXPECT_EQ(user.SelectedLines(kAccountListId), c.marked);
      for (int line : c.clicks) user.ClickLine(kAccountListId, line);
      EXPECT_EQ(user.SelectedLines(kAccountListId), c.markedAfter);
      user.PressOk();
    });
    EXPECT_EQ(t.registry.Text(kSettingsKey, u"StrAccounts"), c.stored);
    EXPECT_EQ(t.messaging.LiveObjects(), 0) << "every session and table released";
    EXPECT_EQ(t.messaging.UnfreedRowSets(), 0);
  }
}

TEST_F(AccountsPageTest, EmptyNamesMatchAStoreWithoutName) {
  PutRecord();
  Load(u"\tB\t");
  Stores({u"", u"B", u"C"});
  Confirm([](HeadlessWindowSystem& user) {
    EXPECT_EQ(user.SelectedLines(kAccountListId), (std::vector<int>{0, 1}));
    user.ClickLine(kAccountListId, 2);
  });
  EXPECT_EQ(StoredAccounts(), u"\tB\tC\t");
}

TEST_F(AccountsPageTest, NoStoreLeavesTheListEmptyAndDisabledWithoutMessage) {
  struct Case {
    const char* name;
    const char* failing;
  };
  const Case cases[] = {
      {"no store", nullptr}, {"log-on fails", "LogonEx"}, {"no store table", "GetMsgStoresTable"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ConfigHarness t;
    t.PutRecord();
    t.registry.PutText(kSettingsKey, u"StrAccounts", u"A\t");
    if (c.failing != nullptr) {
      t.messaging.stores = {{u"A", {}}};
      t.messaging.faults.FailAlways(c.failing);
    }
    t.RunProgram([](HeadlessWindowSystem& user) {
      user.SelectTab(kAccountsTab);
      EXPECT_TRUE(user.Items(kAccountListId).empty());
      EXPECT_FALSE(user.Enabled(kAccountListId));
      user.PressOk();
    });
    EXPECT_TRUE(t.userInterface.boxes.empty());
    EXPECT_EQ(t.registry.Text(kSettingsKey, u"StrAccounts"), u"A\t");
    EXPECT_EQ(t.messaging.LiveObjects(), 0);
  }
}

TEST_F(AccountsPageTest, RowFailureMidwayListsTheStoresReadUntilThen) {
  PutRecord();
  Stores({u"A", u"B", u"C"});
  messaging.faults.FailCall("QueryRows", 3);
  Confirm([](HeadlessWindowSystem& user) {
    EXPECT_EQ(user.Items(kAccountListId), (std::vector<WString>{u"A", u"B"}));
  });
}

TEST_F(AccountsPageTest, HintFollowsBit22AtPageCreation) {
  for (std::uint32_t speak : {kDefaultSpeak, kDefaultSpeak | kEnglish}) {
    ConfigHarness t;
    t.PutRecord(speak);
    t.RunProgram([speak](HeadlessWindowSystem& user) {
      user.SelectTab(kAccountsTab);
      EXPECT_EQ(user.Text(kAccountHintId),
                (speak & kEnglish) != 0
                    ? u"Select or deselect the appropriate Outlook account for the speech output."
                    : kGermanHint);
    });
  }
}

TEST_F(AccountsPageTest, EveryStoreBeyondTheSixteenthIsListedAndCanBeChosen) {
  PutRecord();
  std::vector<WString> names;
  for (int i = 0; i < 20; ++i) {
    names.push_back(u"S" + fake::Widen(std::to_string(i)));
    messaging.stores.push_back({names.back(), {}});
  }
  Load(u"S18\t");
  Confirm([&names](HeadlessWindowSystem& user) {
    EXPECT_EQ(user.Items(kAccountListId), names);
    EXPECT_EQ(user.SelectedLines(kAccountListId), (std::vector<int>{18}));
    user.ClickLine(kAccountListId, 16);
    user.ClickLine(kAccountListId, 19);
    EXPECT_EQ(user.SelectedLines(kAccountListId), (std::vector<int>{16, 18, 19}));
  });
  EXPECT_EQ(StoredAccounts(), u"S16\tS18\tS19\t");
}

// Three names of 100 characters and their TABs need 303 characters; StrAccounts holds 255.
TEST_F(AccountsPageTest, ChoiceThatDoesNotFitIsRefusedWithAMessageInTheDialogLanguage) {
  struct Case {
    std::uint32_t speak;
    const WChar* noRoom;
    const WChar* hint;
  };
  const Case cases[] = {
      {kDefaultSpeak,
       u"Kein Platz mehr für dieses Konto:\nbitte zuerst ein anderes Konto\nabwählen.",
       kGermanHint},
      {kDefaultSpeak | kEnglish, u"No room for this account: deselect another account first.",
       u"Select or deselect the appropriate Outlook account for the speech output."},
  };
  const WString a(100, u'a'), b(100, u'b'), c(100, u'c');
  for (const Case& k : cases) {
    ConfigHarness t;
    t.PutRecord(k.speak);
    t.messaging.stores = {{a, {}}, {b, {}}, {c, {}}};
    t.RunProgram([&](HeadlessWindowSystem& user) {
      user.SelectTab(kAccountsTab);
      user.ClickLine(kAccountListId, 2);
      user.ClickLine(kAccountListId, 1);
      user.ClickLine(kAccountListId, 0);
      EXPECT_EQ(user.SelectedLines(kAccountListId), (std::vector<int>{1, 2}));
      EXPECT_EQ(user.Text(kAccountHintId), k.noRoom);
      user.ClickLine(kAccountListId, 2);
      user.ClickLine(kAccountListId, 0);
      EXPECT_EQ(user.SelectedLines(kAccountListId), (std::vector<int>{0, 1}));
      EXPECT_EQ(user.Text(kAccountHintId), k.hint);
      user.PressOk();
    });
    EXPECT_EQ(t.registry.Text(kSettingsKey, u"StrAccounts"), a + u"\t" + b + u"\t");
  }
}

// Three stores share a 200-character name: the loaded value marks all three, but only one
// name fits; a click stores that one whole and unmarks the lines left out.
TEST_F(AccountsPageTest, SharedNamesThatDoNotFitAreUnmarkedNeverCut) {
  PutRecord();
  const WString name(200, u'n');
  Load(name + u"\t");
  messaging.stores = {{name, {}}, {name, {}}, {name, {}}};
  Confirm([](HeadlessWindowSystem& user) {
    EXPECT_EQ(user.SelectedLines(kAccountListId), (std::vector<int>{0, 1, 2}));
    user.ClickLine(kAccountListId, 0);
    EXPECT_EQ(user.SelectedLines(kAccountListId), (std::vector<int>{1}));
  });
  EXPECT_EQ(StoredAccounts(), name + u"\t");
}

// The focus line moves with the arrow keys, which notify as a click does: only a real change
// of the line's selection chooses or unchooses; the list keeps its focus line after a refill.
TEST_F(AccountsPageTest, OnlyARealSelectionChangeChoosesAndTheFocusLineStays) {
  struct Step {
    bool click;  // else the focus line moves there
    int line;
  };
  struct Case {
    const char* name;
    std::vector<WString> stores;
    std::vector<Step> steps;
    std::vector<int> markedAfter;
    WString stored;
    const WChar* hint;  // nullptr: the usual German hint
  };
  const Case cases[] = {
      {"arrows choose nothing", {u"A", u"B", u"C", u"D"}, {{false, 2}, {false, 3}, {false, 0}},
       {1}, u"B\t", nullptr},
      {"click after arrows", {u"A", u"B", u"C", u"D"}, {{false, 3}, {true, 3}}, {1, 3},
       u"B\tD\t", nullptr},
      {"a name holding a TAB cannot be chosen", {u"Privat\tArbeit", u"B"},
       {{true, 0}, {false, 1}}, {1}, u"B\t",
       u"Dieses Konto kann nicht gewählt\nwerden: sein Name enthält ein\nTAB-Zeichen."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ConfigHarness t;
    t.PutRecord();
    t.registry.PutText(kSettingsKey, u"StrAccounts", u"B\t");
    for (const WString& name : c.stores) t.messaging.stores.push_back({name, {}});
    t.RunProgram([&c](HeadlessWindowSystem& user) {
      user.SelectTab(kAccountsTab);
      EXPECT_EQ(user.Selection(kAccountListId), 0) << "opens at its first line";
      EXPECT_EQ(user.TopIndex(kAccountListId), 0);
      for (const Step& step : c.steps) {
        if (step.click) {
          user.ClickLine(kAccountListId, step.line);
        } else {
          user.MoveCaret(kAccountListId, step.line);
        }
        EXPECT_EQ(user.Selection(kAccountListId), step.line) << "the focus line stays";
      }
      EXPECT_EQ(user.SelectedLines(kAccountListId), c.markedAfter);
      EXPECT_EQ(user.Text(kAccountHintId), c.hint != nullptr ? c.hint : kGermanHint);
      user.PressOk();
    });
    EXPECT_EQ(t.registry.Text(kSettingsKey, u"StrAccounts"), c.stored);
  }
}

TEST_F(AccountsPageTest, ListScrollsAcrossTheWidestName) {
  PutRecord(kDefaultSpeak | kEnglish);
  Stores({u"A", WString(90, u'x'), u"B\tC"});
  Confirm([](HeadlessWindowSystem& user) {
    // Six pixels a character headless, six more after the text.
    EXPECT_EQ(user.HorizontalExtent(kAccountListId), 90 * 6 + 6);
    user.ClickLine(kAccountListId, 2);
    EXPECT_EQ(user.Text(kAccountHintId),
              u"This account cannot be chosen: its name contains a TAB character.");
  });
  EXPECT_EQ(StoredAccounts(), u"");
}

}  // namespace
}  // namespace lectavo
