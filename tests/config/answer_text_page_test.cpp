// The Answer text page: the note read from its file or the default note, saved by its
// button as 8-bit text, and a save that fails told to the user.
#include "config/answer_text_page.h"

#include "config/answer_text_page_controls.h"
#include "tests/config/config_fixture.h"

namespace lectavo {
namespace {

const std::string kDefaultNote = kDefaultAnswerNote;

// The install defaults and the program folder.
class AnswerTextHarness : public ConfigHarness {
 public:
  explicit AnswerTextHarness(std::uint32_t speak = kDefaultSpeak) {
    PutRecord(speak);
    files.PutFolder(kProgramFolder);
  }
  std::optional<std::string> Note() const { return files.Content(kAnswerTextPath); }
  // Opens the page, lets the user act on it and saves with its button; the main dialog is
  // then closed without OK.
  void SaveAfter(std::function<void(HeadlessWindowSystem&)> edit) {
    RunProgram([&edit](HeadlessWindowSystem& user) {
      user.SelectTab(kAnswerTextTab);
      if (edit) edit(user);
      user.Click(kIdOkButton);
      EXPECT_EQ(user.Dialogs(), (std::vector<int>{102, 138})) << "saving closes nothing";
    });
  }
};

class AnswerTextTest : public ::testing::Test, public AnswerTextHarness {};

TEST_F(AnswerTextTest, WithoutAFileTheDefaultNoteIsShownAndSavedByteForByte) {
  ASSERT_EQ(kDefaultNote.size(), 238u);
  EXPECT_TRUE(kDefaultNote.starts_with("----\r\nEmail-Antwort wurde mit Lectavo"));
  EXPECT_TRUE(kDefaultNote.ends_with("listen to the wave-file.\r\n----\r\n"));
  SaveAfter([](HeadlessWindowSystem& user) {
    // Every byte of the default note is Latin-1, so its characters are its bytes.
    WString expected;
    for (unsigned char byte : kDefaultNote) expected += static_cast<WChar>(byte);
    EXPECT_EQ(user.Text(kNoteFieldId), expected);
    EXPECT_EQ(user.Text(kNoteFieldId).find(u"anhören."), 100u);
    EXPECT_EQ(user.Text(kIdOkButton), u"Antworttext speichern");
  });
  EXPECT_EQ(Note(), kDefaultNote);
  EXPECT_FALSE(WroteAnything()) << "the settings are not stored by the note's button";
  EXPECT_TRUE(userInterface.boxes.empty());
  EXPECT_EQ(files.OpenHandles(), 0);
}

TEST_F(AnswerTextTest, FileContentIsShownAndSavedBack) {
  struct Case {
    const char* name;
    std::string file;
    WString shown;
    std::string saved;
  };
  const Case cases[] = {
      {"empty file", "", u"", ""},
      {"zero byte ends the text", std::string("vor\0nach", 8), u"vor", "vor"},
      {"8-bit characters", "Gr\xFC\xDF\x65 \x80 \x81", u"Grüße € \u0081",
       "Gr\xFC\xDF\x65 \x80 \x81"},
      {"CR without LF", "a\rb", u"a\rb", "a\rb"},
      {"3000 bytes", std::string(2047, 'x') + std::string(953, 'y'), WString(2047, u'x'),
       std::string(2047, 'x')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnswerTextHarness t;
    t.files.PutFile(kAnswerTextPath, c.file);
    t.SaveAfter([&c](HeadlessWindowSystem& user) { EXPECT_EQ(user.Text(kNoteFieldId), c.shown); });
    EXPECT_EQ(t.Note(), c.saved);
  }
}

TEST_F(AnswerTextTest, EditedNoteIsSavedAsAnsiWithCrLfAndQuestionMarks) {
  files.PutFile(kAnswerTextPath, "alt");
  SaveAfter([](HeadlessWindowSystem& user) {
    user.Erase(kNoteFieldId);
    user.Type(kNoteFieldId, u"Grüße\r\nZeile 2 \u0142");
  });
  EXPECT_EQ(Note(), "Gr\xFC\xDF\x65\r\nZeile 2 ?");
  // Comes back as "?".
  RunProgram([](HeadlessWindowSystem& user) {
    user.SelectTab(kAnswerTextTab);
    EXPECT_EQ(user.Text(kNoteFieldId), u"Grüße\r\nZeile 2 ?");
  });
}

TEST_F(AnswerTextTest, EmptyFieldSavesZeroBytes) {
  files.PutFile(kAnswerTextPath, "alt");
  SaveAfter([](HeadlessWindowSystem& user) { user.Erase(kNoteFieldId); });
  EXPECT_EQ(Note(), "");
}

TEST_F(AnswerTextTest, FieldTakesAtMost2047TypedCharacters) {
  files.PutFile(kAnswerTextPath, "");
  SaveAfter([](HeadlessWindowSystem& user) { user.Type(kNoteFieldId, WString(2050, u'z')); });
  EXPECT_EQ(Note(), std::string(2047, 'z'));
}

TEST_F(AnswerTextTest, UnsavedChangesAreLostOnATabSwitchAndOkDoesNotSaveTheNote) {
  files.PutFile(kAnswerTextPath, "alt");
  RunProgram([](HeadlessWindowSystem& user) {
    user.SelectTab(kAnswerTextTab);
    user.Type(kNoteFieldId, u" neu");
    user.SelectTab(kReadTab);
    user.SelectTab(kAnswerTextTab);
    EXPECT_EQ(user.Text(kNoteFieldId), u"alt");
    user.Type(kNoteFieldId, u" neu");
    user.PressOk();
  });
  EXPECT_EQ(Note(), "alt");
}

TEST_F(AnswerTextTest, UnreadableFileShowsTheDefaultNote) {
  files.PutFile(kAnswerTextPath, "alt");
  files.faults.FailAlways("Read");
  RunProgram([](HeadlessWindowSystem& user) {
    user.SelectTab(kAnswerTextTab);
    EXPECT_EQ(user.Text(kNoteFieldId).size(), 238u);
  });
  EXPECT_EQ(files.OpenHandles(), 0);
}

TEST_F(AnswerTextTest, NoteThatCannotBeSavedIsReportedAndKept) {
  struct Case {
    const char* name;
    std::uint32_t speak;
    std::function<void(AnswerTextHarness&)> fail;
    const WChar* message;
  };
  const Case cases[] = {
      {"folder missing", kDefaultSpeak,
       [](AnswerTextHarness& t) { t.files.faults.FailAlways("CreateForWriting"); },
       u"Der Antworttext konnte nicht gespeichert werden."},
      {"write fails, English", kDefaultSpeak | kEnglish,
       [](AnswerTextHarness& t) { t.files.faults.FailAlways("Write"); },
       u"The text for answer could not be saved."},
      {"conversion fails", kDefaultSpeak,
       [](AnswerTextHarness& t) { t.codePage.faults.FailAlways("ToAnsi"); },
       u"Der Antworttext konnte nicht gespeichert werden."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnswerTextHarness t(c.speak);
    t.files.PutFile(kAnswerTextPath, "alt");
    Handle mainDialog = kNoHandle;
    t.RunProgram([&c, &t, &mainDialog](HeadlessWindowSystem& user) {
      mainDialog = user.ModalWindow();
      user.SelectTab(kAnswerTextTab);
      user.Type(kNoteFieldId, u" neu");
      c.fail(t);
      user.Click(kIdOkButton);
      EXPECT_EQ(user.Text(kNoteFieldId), u"alt neu") << "the text stays for another try";
    });
    ASSERT_EQ(t.userInterface.boxes.size(), 1u);
    EXPECT_EQ(t.userInterface.boxes[0].text, c.message);
    EXPECT_EQ(t.userInterface.boxes[0].caption, u"Lectavo");
    EXPECT_EQ(t.userInterface.boxes[0].style, kMbIconHand);
    EXPECT_EQ(t.userInterface.boxes[0].owner, mainDialog) << "the box belongs to the dialog";
    EXPECT_EQ(t.files.OpenHandles(), 0);
  }
}

// A save is written beside the note and takes its place in one step: the note itself is never
// opened for writing, so a save cut short at any moment leaves the old note whole; a save that
// fails before its last step leaves the old note and nothing beside it.
TEST_F(AnswerTextTest, NoteIsAlwaysTheOldTextOrTheNewOne) {
  const std::string old(1880, 'a');
  const WString beside = WString(kAnswerTextPath) + u".new";
  struct Case {
    const char* name;
    const char* failing;
    std::string note;
  };
  const Case cases[] = {{"saved", nullptr, old + " neu"},
                        {"write fails", "Write", old},
                        {"replace fails", "Replace", old}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnswerTextHarness t;
    t.files.PutFile(kAnswerTextPath, old);
    t.RunProgram([&](HeadlessWindowSystem& user) {
      user.SelectTab(kAnswerTextTab);
      user.Type(kNoteFieldId, u" neu");
      if (c.failing != nullptr) t.files.faults.FailAlways(c.failing);
      t.files.log.clear();
      user.Click(kIdOkButton);
      t.files.faults.Clear();
    });
    EXPECT_EQ(t.Note(), c.note);
    EXPECT_FALSE(t.files.IsFile(beside));
    EXPECT_EQ(std::count(t.files.log.begin(), t.files.log.end(),
                         "CreateForWriting " + fake::Narrow(kAnswerTextPath)),
              0);
    EXPECT_EQ(t.userInterface.boxes.size(), c.failing == nullptr ? 0u : 1u);
  }
}

TEST_F(AnswerTextTest, SavingWithoutTheFolderReportsIt) {
  ConfigHarness t;
  t.PutRecord();
  t.RunProgram([](HeadlessWindowSystem& user) {
    user.SelectTab(kAnswerTextTab);
    user.Click(kIdOkButton);
  });
  ASSERT_EQ(t.userInterface.boxes.size(), 1u);
  EXPECT_FALSE(t.files.Content(kAnswerTextPath).has_value());
}

}  // namespace
}  // namespace lectavo
