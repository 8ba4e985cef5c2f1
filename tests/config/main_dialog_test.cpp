// The main dialog and its tab control: seven captions in the start-up language, the Read page
// first, one page at a time, and every change kept across tab switches until OK.
#include "config/accounts_page.h"
#include "config/accounts_page_controls.h"
#include "config/answer_page_controls.h"
#include "config/answer_text_page_controls.h"
#include "config/config_dialog.h"
#include "config/general_page_controls.h"
#include "config/page_layout.h"
#include "config/read_page_controls.h"
#include "config/speak_page_controls.h"
#include "tests/config/config_fixture.h"

namespace lectavo {
namespace {

TEST_F(ConfigTest, OpensOnTheReadTabWithTheCaptionsOfTheStartUpLanguage) {
  struct Case {
    std::uint32_t speak;
    std::vector<WString> captions;
  };
  const Case cases[] = {
      {kDefaultSpeak,
       {u"Allgemein", u"Vorlesen", u"Antworten", u"Antwort-Text", u"Sprechen", u"Konten", u"Info"}},
      {kDefaultSpeak | kEnglish,
       {u"General", u"Read", u"Answer", u"Text for answer", u"Speak", u"Accounts", u"About"}},
  };
  for (const Case& c : cases) {
    ConfigHarness t;
    t.PutRecord(c.speak);
    t.RunProgram([&c](HeadlessWindowSystem& user) {
      EXPECT_EQ(user.TabCaptions(), c.captions);
      EXPECT_EQ(user.SelectedTab(), 1);
      EXPECT_EQ(user.Dialogs(), (std::vector<int>{102, 132}));
    });
    EXPECT_TRUE(t.dialogShown);
  }
}

TEST_F(ConfigTest, PageLiesOnTheTabControlsDisplayArea) {
  PutRecord();
  RunProgram([](HeadlessWindowSystem& user) {
    // Headless: the client area is the template's size at two pixels a dialog unit, the tab
    // control lies 2, -10, -2, -20 from it and its display area 2, 22, -2, -2 inside that.
    const Rect page = user.PageRect();
    EXPECT_EQ(page.left, 4);
    EXPECT_EQ(page.top, 12);
    EXPECT_EQ(page.right, 196 * 2 - 4);
    EXPECT_EQ(page.bottom, 90 * 2 - 22);
  });
}

TEST_F(ConfigTest, PagesFollowTheLanguageChosenWhileCaptionsKeepTheStartUpOne) {
  PutRecord();
  RunProgram([](HeadlessWindowSystem& user) {
    user.SelectTab(kGeneralTab);
    user.ChooseItem(kDialogLanguageId, 1);
    EXPECT_EQ(user.Text(kWaitStartLabelId), u"Wartezeit n. Neustart (1..99s)")
        << "the open page keeps its texts";
    user.SelectTab(kReadTab);
    EXPECT_EQ(user.Text(kReadOnId), u" Activate reading");
    EXPECT_EQ(user.Text(kReadContentsId), u" Read contents");
    EXPECT_EQ(user.TabCaptions()[kReadTab], u"Vorlesen");
    user.SelectTab(kGeneralTab);
    EXPECT_EQ(user.Text(kWaitStartLabelId), u"Wait after restart (1..99 sec)");
    EXPECT_EQ(user.Selection(kDialogLanguageId), 1);
  });
}

// Each page with texts of its own, opened before and after the language is changed either way.
TEST_F(ConfigTest, EveryPageOpenedAfterALanguageChangeShowsTheNewLanguage) {
  struct Case {
    int tab;
    int id;
    const WChar* german;
    const WChar* english;
  };
  const Case cases[] = {
      {kGeneralTab, kWaitStartLabelId, u"Wartezeit n. Neustart (1..99s)",
       u"Wait after restart (1..99 sec)"},
      {kReadTab, kReadSubjectId, u" Betreff vorlesen", u" Read subject"},
      {kAnswerTab, kAnswerOriginalId, u" ursprüngl. Text beifügen", u" Enclosing original text"},
      {kAnswerTextTab, kSaveNoteId, u"Antworttext speichern", u"Save text for answer"},
      {kAnswerTextTab, kNoteLabelId, u"Antworttext:", u"Text for answer:"},
      {kSpeakTab, kSpeechLanguageLabelId, u"Sprache", u" Standard language"},
      {kAccountsTab, kAccountHintId,
       u"Klicken Sie auf die entsprechende\nZeile, um ein Konto für die Sprach-\nausgabe aus- oder "
       u"abzuwählen.",
       u"Select or deselect the appropriate Outlook account for the speech output."},
  };
  for (const Case& c : cases) {
    for (const bool toEnglish : {true, false}) {
      SCOPED_TRACE(testing::Message()
                   << "tab " << c.tab << (toEnglish ? " to English" : " to German"));
      ConfigHarness t;
      t.PutRecord(toEnglish ? kDefaultSpeak : kDefaultSpeak | kEnglish);
      t.RunProgram([&c, toEnglish](HeadlessWindowSystem& user) {
        user.SelectTab(c.tab);
        EXPECT_EQ(user.Text(c.id), toEnglish ? c.german : c.english);
        user.SelectTab(kGeneralTab);
        user.ChooseItem(kDialogLanguageId, toEnglish ? 1 : 0);
        user.SelectTab(kAboutTab);
        user.SelectTab(c.tab);
        EXPECT_EQ(user.Text(c.id), toEnglish ? c.english : c.german);
      });
    }
  }
}

TEST_F(ConfigTest, SwitchingTabsKeepsEveryChangeAndShowsOnePageAtATime) {
  PutRecord();
  RunProgram([](HeadlessWindowSystem& user) {
    user.Click(kReadUnaskedId);
    user.SelectTab(kGeneralTab);
    EXPECT_EQ(user.Dialogs(), (std::vector<int>{102, 136}));
    user.Erase(kWaitStartId);
    user.Type(kWaitStartId, u"7");
    user.SelectTab(kAboutTab);
    EXPECT_EQ(user.Dialogs(), (std::vector<int>{102, 131}));
    user.SelectTab(kAnswerTextTab);
    EXPECT_EQ(user.Dialogs(), (std::vector<int>{102, 138}));
    user.SelectTab(kReadTab);
    EXPECT_EQ(user.Check(kReadUnaskedId), 1);
    user.SelectTab(kGeneralTab);
    EXPECT_EQ(user.Text(kWaitStartId), u"7");
    user.PressOk();
  });
  EXPECT_EQ(Stored(u"ValSpeak"), kDefaultSpeak | (1u << 28));
  EXPECT_EQ(Stored(u"ValWaitStart"), 7u);
}

TEST_F(ConfigTest, OkWhileAnyPageIsShownStoresEveryChange) {
  for (int lastTab : {kGeneralTab, kReadTab, kAnswerTab, kAnswerTextTab, kSpeakTab, kAboutTab}) {
    SCOPED_TRACE(lastTab);
    ConfigHarness t;
    t.PutRecord();
    t.RunProgram([lastTab](HeadlessWindowSystem& user) {
      user.Click(kReadSenderId);
      user.SelectTab(kGeneralTab);
      user.ChooseItem(kDialogLanguageId, 1);
      user.SelectTab(lastTab);
      user.PressOk();
    });
    EXPECT_EQ(t.Stored(u"ValSpeak"), (kDefaultSpeak & ~(1u << 29)) | kEnglish);
  }
}

TEST_F(ConfigTest, PageThatCannotBeMadeLeavesTheDialogUsable) {
  PutRecord();
  windows.failChildWindows = true;
  RunProgram([](HeadlessWindowSystem& user) {
    EXPECT_EQ(user.Dialogs(), (std::vector<int>{102}));
    user.PressOk();
  });
  EXPECT_EQ(Stored(u"ValSpeak"), kDefaultSpeak);
}

TEST_F(ConfigTest, CtrlKeysStepThroughThePagesWrappingAroundIntoTheFirstControl) {
  struct Case {
    const char* name;
    int from;
    int key;
    bool control, shift;
    int to;
    int focusedId;  // 0: the focus was not moved
  };
  const Case cases[] = {
      {"Ctrl+Tab", 1, kVkTab, true, false, 2, 1000},
      {"Ctrl+Shift+Tab wraps to the last", 0, kVkTab, true, true, 6, kTabControlId},
      {"Ctrl+PageDown wraps to the first", 6, kVkPageDown, true, false, 0, 1023},
      {"Ctrl+PageUp", 4, kVkPageUp, true, false, 3, 1008},
      {"Tab alone is the dialog's own", 1, kVkTab, false, false, 1, 0},
      {"PageDown alone is the control's own", 1, kVkPageDown, false, true, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ConfigHarness t;
    t.PutRecord();
    t.RunProgram([&c](HeadlessWindowSystem& user) {
      user.SelectTab(c.from);
      user.PressKey(c.key, c.control, c.shift);
      EXPECT_EQ(user.SelectedTab(), c.to);
      EXPECT_EQ(user.Dialogs().back(), (std::vector<int>{136, 132, 137, 138, 134, 133, 131})[c.to]);
      EXPECT_EQ(user.FocusedId(), c.focusedId);
    });
  }
}

TEST(PageLayoutTest, ControlsFollowAWiderPageByWhereTheyStand) {
  struct Case {
    const char* name;
    std::int16_t x, cx;
    Follow follow;
  };
  const Case cases[] = {
      {"spans the page", 4, 124, Follow::kWidens},
      {"reaches the right edge from the left half", 28, 98, Follow::kWidens},
      {"at the right edge", 106, 22, Follow::kMoves},
      {"centred", 30, 72, Follow::kCentres},
      {"centred but for a unit", 11, 112, Follow::kCentres},
      {"left", 4, 100, Follow::kStays},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ControlTemplate control{1, ControlKind::kStatic, 0, u"", c.x, 0, c.cx, 10};
    EXPECT_EQ(HorizontalFollow(control, 132), c.follow);
  }
}

// Headless the display area is 384 pixels wide and a page template 264 or 268.
TEST_F(ConfigTest, PagesUseTheWholeDisplayArea) {
  PutRecord();
  RunProgram([](HeadlessWindowSystem& user) {
    EXPECT_EQ(user.ControlRect(1004).right, 126 * 2 + 120) << "widened";
    user.SelectTab(kGeneralTab);
    EXPECT_EQ(user.ControlRect(1008).left, 106 * 2 + 120) << "moved";
    EXPECT_EQ(user.ControlRect(1023).left, 30 * 2 + 60) << "centred";
    EXPECT_EQ(user.ControlRect(1024).right, 104 * 2) << "stays";
    user.SelectTab(kAccountsTab);
    EXPECT_EQ(user.ControlRect(kAccountListId).right, 384 - 8);
  });
}

}  // namespace
}  // namespace lectavo
