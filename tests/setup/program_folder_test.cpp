#include "setup/program_folder.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/fake_files.h"
#include "tests/support/text.h"

namespace lectavo {
namespace {

using fake::FakeFiles;

constexpr WStringView kCard = u"\\Storage Card\\Lectavo";
constexpr WStringView kPrograms[] = {u"Lectavo_Config.exe", u"Lectavo_Today.dll",
                                     u"Lectavo_Monitor.exe"};

WString In(WStringView folder, WStringView name) { return WString(folder) + u"\\" + WString(name); }

TEST(ProgramFolderTest, OnlyTheFirstTenCharactersDecide) {
  struct Case {
    WStringView folder;
    bool isProgramFolder;
  };
  for (const Case& c : {Case{u"\\ORBA-GMBH\\Lectavo", true}, Case{u"\\orba-gmbh\\lectavo", true},
                        Case{u"\\ORBA-GMBH2\\Lectavo", true}, Case{u"\\ORBA-GMBH", true},
                        Case{u"\\Storage Card\\Lectavo", false}, Case{u"\\ORBA", false},
                        Case{u"\\Program Files\\Lectavo", false}}) {
    EXPECT_EQ(IsProgramFolder(c.folder), c.isProgramFolder) << fake::Narrow(c.folder);
  }
}

class MoveToProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (WStringView program : kPrograms) files.PutFile(In(kCard, program), fake::Narrow(program));
    files.PutFile(u"\\Storage Card\\Lectavo\\GER_W\\svox.pil", "voice");
    files.PutFile(u"\\Storage Card\\Lectavo\\VoiceCommand\\GER_VorlesenEin.WAV", "prompt");
  }

  FakeFiles files;
  WString problem;
};

TEST_F(MoveToProgramFolderTest, TopLevelFilesMoveAndSubfoldersStay) {
  EXPECT_TRUE(MoveToProgramFolder(files, kCard, problem));
  for (WStringView program : kPrograms) {
    EXPECT_EQ(files.Content(In(u"\\ORBA-GMBH\\Lectavo", program)), fake::Narrow(program));
  }
  EXPECT_EQ(
      files.Paths(),
      (std::vector<WString>{
          u"\\ORBA-GMBH", u"\\ORBA-GMBH\\Lectavo", u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe",
          u"\\ORBA-GMBH\\Lectavo\\Lectavo_Monitor.exe", u"\\ORBA-GMBH\\Lectavo\\Lectavo_Today.dll",
          u"\\Storage Card", WString(kCard), u"\\Storage Card\\Lectavo\\GER_W",
          u"\\Storage Card\\Lectavo\\GER_W\\svox.pil", u"\\Storage Card\\Lectavo\\VoiceCommand",
          u"\\Storage Card\\Lectavo\\VoiceCommand\\GER_VorlesenEin.WAV"}));
  EXPECT_EQ(files.OpenHandles(), 0);
}

TEST_F(MoveToProgramFolderTest, OlderCopiesInAnExistingProgramFolderAreReplaced) {
  files.PutFile(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe", "older");
  files.PutFile(u"\\ORBA-GMBH\\Lectavo\\LectavoAnswer.TXT", "the user's note");
  EXPECT_TRUE(MoveToProgramFolder(files, kCard, problem));
  EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe"), "Lectavo_Config.exe");
  EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\LectavoAnswer.TXT"), "the user's note");
  EXPECT_FALSE(files.IsFile(In(kCard, u"Lectavo_Config.exe")));
  EXPECT_FALSE(files.IsFile(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe.old"))
      << "the kept copy goes once every file has its place";
}

// All or nothing: when one program cannot be placed, the program folder gets back what it
// held and every new file stays in the installation folder; a source that cannot be deleted
// after its copy only leaves a second copy behind.
TEST_F(MoveToProgramFolderTest, ProgramThatCannotBePlacedLeavesTheProgramFolderAsItWas) {
  const auto isToday = [](WStringView path) { return path.ends_with(u"Lectavo_Today.dll"); };
  const auto isMonitor = [](WStringView path) { return path.ends_with(u"Lectavo_Monitor.exe"); };
  struct Case {
    const char* name;
    std::function<void(FakeFiles&)> fail;
    bool placed;
  };
  const Case cases[] = {
      {"copy of the new one fails", [&](FakeFiles& f) { f.faults.FailWhen("Copy", isToday); }, false},
      {"copy of the last one fails", [&](FakeFiles& f) { f.faults.FailWhen("Copy", isMonitor); },
       false},
      {"older copy cannot be kept",
       [&](FakeFiles& f) {
         f.faults.FailWhen("Copy", [](WStringView to) { return to.ends_with(u".old"); });
       },
       false},
      {"source cannot be deleted", [&](FakeFiles& f) { f.faults.FailWhen("Delete", isToday); },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    files = FakeFiles();
    SetUp();
    files.PutFile(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Today.dll", "older today");
    files.PutFile(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe", "older config");
    const auto before = files.Paths();
    c.fail(files);
    EXPECT_EQ(MoveToProgramFolder(files, kCard, problem), c.placed);
    for (WStringView program : kPrograms) {
      const WString placed = In(u"\\ORBA-GMBH\\Lectavo", program);
      if (c.placed) {
        EXPECT_EQ(files.Content(placed), fake::Narrow(program));
      } else {
        EXPECT_EQ(files.Content(In(kCard, program)), fake::Narrow(program)) << "nothing lost";
      }
    }
    if (!c.placed) {
      EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Today.dll"), "older today");
      EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe"), "older config");
      EXPECT_EQ(files.Paths(), before) << "no new program and no kept copy is left there";
    }
    EXPECT_EQ(files.OpenHandles(), 0);
  }
}

// A program named like a kept copy keeps a copy of its own, and both come back on failure.
TEST_F(MoveToProgramFolderTest, ProgramNamedLikeAKeptCopyIsPutBackToo) {
  files.PutFile(In(kCard, u"Lectavo_Today.dll.old"), "new old");
  files.PutFile(In(kCard, u"zz_last.exe"), "placed last");
  files.PutFile(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Today.dll", "older today");
  files.PutFile(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Today.dll.old", "older old");
  const auto before = files.Paths();
  files.faults.FailWhen("Copy", [](WStringView to) { return to.ends_with(u"zz_last.exe"); });
  EXPECT_FALSE(MoveToProgramFolder(files, kCard, problem));
  EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Today.dll"), "older today");
  EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Today.dll.old"), "older old");
  EXPECT_EQ(files.Paths(), before);
}

// Given the program folder itself, each file would be copied over itself and then deleted.
TEST_F(MoveToProgramFolderTest, ProgramFolderItselfKeepsEveryFile) {
  for (WStringView folder :
       {u"\\ORBA-GMBH\\Lectavo", u"\\orba-gmbh\\LECTAVO", u"ORBA-GMBH\\Lectavo"}) {
    SCOPED_TRACE(fake::Narrow(folder));
    files = FakeFiles();
    files.PutFile(u"\\ORBA-GMBH\\Lectavo\\svox.pil", "voice");
    files.PutFile(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe", "program");
    files.PutFolder(u"\\ORBA-GMBH\\Lectavo\\VoiceCommand");
    const auto before = files.Paths();
    EXPECT_TRUE(MoveToProgramFolder(files, folder, problem));
    EXPECT_EQ(files.Paths(), before);
    EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\svox.pil"), "voice");
    EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe"), "program");
    EXPECT_EQ(files.faults.Calls("Delete"), 0);
  }
}

// A file whose path does not fit cannot be placed, so none is.
TEST_F(MoveToProgramFolderTest, FileWhosePathDoesNotFitLeavesEveryFileInPlace) {
  const WString folder = u"\\" + WString(199, u'f');
  const WString name = WString(56, u'n') + u".exe";  // 200 + 1 + 60 = 261 characters
  files.PutFile(In(folder, name), "program");
  files.PutFile(In(folder, u"short.exe"), "program");
  EXPECT_FALSE(MoveToProgramFolder(files, folder, problem));
  EXPECT_TRUE(files.IsFile(In(folder, name)));
  EXPECT_TRUE(files.IsFile(In(folder, u"short.exe")));
  EXPECT_FALSE(files.IsFile(u"\\ORBA-GMBH\\Lectavo\\short.exe"));
  EXPECT_EQ(problem, In(folder, name) + u" is a path too long for the device");
}

// A folder that cannot be searched hides its programs: that is a failure, never an empty
// folder, and the reason names the folder.
TEST_F(MoveToProgramFolderTest, FolderThatCannotBeSearchedIsAFailure) {
  const WString tooLong = u"\\" + WString(255, u'f');  // its "\*.*" does not fit a path
  files.PutFile(In(tooLong, u"Lectavo_Config.exe"), "program");
  files.faults.FailWhen("FindFirst", [](WStringView p) { return p.starts_with(u"\\Storage"); });
  for (const WString& folder : {tooLong, WString(kCard)}) {
    EXPECT_FALSE(MoveToProgramFolder(files, folder, problem));
    EXPECT_EQ(problem, folder + u" cannot be searched");
  }
  EXPECT_FALSE(files.IsFile(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe"));
}

}  // namespace
}  // namespace lectavo
