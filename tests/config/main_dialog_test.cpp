// The main dialog and its tab control: seven captions in the start-up language, the Read page
// first, one page at a time, and every change kept across tab switches until OK.
#include "config/accounts_page_controls.h"
#include "config/answer_page_controls.h"
#include "config/answer_text_page_controls.h"
#include "config/general_page_controls.h"
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
    user.SelectTab(0);
    user.ChooseItem(kDialogLanguageId, 1);
    EXPECT_EQ(user.Text(kWaitStartLabelId), u"Wartezeit n. Neustart (1..99s)")
        << "the open page keeps its texts";
    user.SelectTab(1);
    EXPECT_EQ(user.Text(kReadOnId), u" Activate reading");
    EXPECT_EQ(user.Text(kReadContentsId), u" Read contents");
    EXPECT_EQ(user.TabCaptions()[1], u"Vorlesen");
    user.SelectTab(0);
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
      {0, kWaitStartLabelId, u"Wartezeit n. Neustart (1..99s)", u"Wait after restart (1..99 sec)"},
      {1, kReadSubjectId, u" Betreff vorlesen", u" Read subject"},
      {2, kAnswerOriginalId, u" ursprüngl. Text beifügen", u" Enclosing original text"},
      {3, kSaveNoteId, u"Antworttext speichern", u"Save text for answer"},
      {4, kSpeechLanguageLabelId, u"Sprache", u" Standard language"},
      {5, kAccountHintId,
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
        user.SelectTab(0);
        user.ChooseItem(kDialogLanguageId, toEnglish ? 1 : 0);
        user.SelectTab(6);
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
    user.SelectTab(0);
    EXPECT_EQ(user.Dialogs(), (std::vector<int>{102, 136}));
    user.Erase(kWaitStartId);
    user.Type(kWaitStartId, u"7");
    user.SelectTab(6);
    EXPECT_EQ(user.Dialogs(), (std::vector<int>{102, 131}));
    user.SelectTab(3);
    EXPECT_EQ(user.Dialogs(), (std::vector<int>{102, 138}));
    user.SelectTab(1);
    EXPECT_EQ(user.Check(kReadUnaskedId), 1);
    user.SelectTab(0);
    EXPECT_EQ(user.Text(kWaitStartId), u"7");
    user.PressOk();
  });
  EXPECT_EQ(Stored(u"ValSpeak"), kDefaultSpeak | (1u << 28));
  EXPECT_EQ(Stored(u"ValWaitStart"), 7u);
}

TEST_F(ConfigTest, OkWhileAnyPageIsShownStoresEveryChange) {
  for (int lastTab : {0, 1, 2, 3, 4, 6}) {
    SCOPED_TRACE(lastTab);
    ConfigHarness t;
    t.PutRecord();
    t.RunProgram([lastTab](HeadlessWindowSystem& user) {
      user.Click(kReadSenderId);
      user.SelectTab(0);
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

}  // namespace
}  // namespace lectavo
