#include "setup/setup_hooks.h"

#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "tests/support/complete_record.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_processes.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_user_interface.h"
#include "tests/support/text.h"

namespace lectavo {
namespace {

using fake::FakeFiles;
using fake::FakeProcesses;
using fake::FakeRegistry;
using fake::FakeUserInterface;

constexpr WStringView kKey = kSettingsKey;

class SetupHooksTest : public ::testing::Test {
 protected:
  // What the installer has copied before it calls InstallExit.
  void PutPackage(WStringView folder) {
    const WString at = WString(folder) + u"\\";
    files.PutFile(at + u"Lectavo_Config.exe", "config");
    files.PutFile(at + u"Lectavo_Today.dll", "today");
    files.PutFile(at + u"GER_W.pil", "German voice");
    files.PutFile(at + u"VoiceCommand\\GER_VorlesenEin.WAV", "prompt");
  }

  void ExpectOneTodayRefresh() {
    ASSERT_EQ(userInterface.broadcasts.size(), 1u);
    EXPECT_EQ(userInterface.broadcasts[0].message, 0x001Au);
    EXPECT_EQ(userInterface.broadcasts[0].wParam, 0xF2u);
    EXPECT_EQ(userInterface.broadcasts[0].lParam, 0);
  }

  FakeRegistry registry;
  FakeFiles files;
  FakeProcesses processes;
  FakeUserInterface userInterface;
  WString problem;
};

TEST_F(SetupHooksTest, InstallOnAStorageCardLaysOutVoicesAndMovesThePrograms) {
  PutPackage(u"\\Storage Card\\Lectavo");
  EXPECT_TRUE(InstallExit(registry, files, userInterface, u"\\Storage Card\\Lectavo", 0, problem));

  EXPECT_EQ(registry.Dword(kKey, u"ValSpeak"), kDefaultSpeak);
  EXPECT_EQ(registry.Text(kKey, u"StrLangPath"), WString(u"\\Storage Card\\Lectavo\\"));
  EXPECT_EQ(registry.Dword(kKey, u"ValAlive"), 0u);
  EXPECT_EQ(files.Content(u"\\Storage Card\\Lectavo\\GER_W\\svox.pil"), "German voice");
  EXPECT_TRUE(files.IsFolder(u"\\Storage Card\\Lectavo\\ITAENG_W"));
  EXPECT_EQ(files.Content(u"\\Storage Card\\Lectavo\\VoiceCommand\\GER_VorlesenEin.WAV"), "prompt");
  EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe"), "config");
  EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Today.dll"), "today");
  EXPECT_FALSE(files.IsFile(u"\\Storage Card\\Lectavo\\Lectavo_Config.exe"));
  EXPECT_FALSE(files.IsFile(u"\\ORBA-GMBH\\Lectavo\\GER_W.pil"))
      << "voices are not programs: they stay for the voice layout";
  ExpectOneTodayRefresh();
}

TEST_F(SetupHooksTest, InstallIntoTheProgramFolderMovesNothing) {
  for (WStringView folder :
       {u"\\ORBA-GMBH\\Lectavo", u"\\orba-gmbh\\lectavo", u"\\ORBA-GMBH2\\Lectavo"}) {
    SCOPED_TRACE(fake::Narrow(folder));
    files = FakeFiles();
    userInterface = FakeUserInterface();
    PutPackage(folder);
    EXPECT_TRUE(InstallExit(registry, files, userInterface, folder, 0, problem));
    EXPECT_EQ(registry.Text(kKey, u"StrLangPath"), WString(folder) + u"\\");
    EXPECT_TRUE(files.IsFile(WString(folder) + u"\\Lectavo_Config.exe"));
    EXPECT_TRUE(files.IsFile(WString(folder) + u"\\GER_W\\svox.pil"));
    EXPECT_EQ(files.faults.Calls("FindFirst"), 1) << "only the voice search";
    ExpectOneTodayRefresh();
  }
}

// Without its leading backslash the folder fails the ten-character test, yet on the device it
// is the program folder: moving its files would copy each over itself and delete it.
TEST_F(SetupHooksTest, ProgramFolderWithoutLeadingBackslashKeepsItsPrograms) {
  PutPackage(u"ORBA-GMBH\\Lectavo");
  EXPECT_TRUE(InstallExit(registry, files, userInterface, u"ORBA-GMBH\\Lectavo", 0, problem));
  EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe"), "config");
  EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Today.dll"), "today");
  EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\GER_W\\svox.pil"), "German voice");
  EXPECT_EQ(files.faults.Calls("Delete"), 1) << "only the delivered voice leaves its place";
  ExpectOneTodayRefresh();
}

TEST_F(SetupHooksTest, WithoutAnInstallationFolderOnlyTheTodayScreenIsRefreshed) {
  files.PutFile(u"\\Lectavo_Config.exe", "config");
  EXPECT_TRUE(InstallExit(registry, files, userInterface, u"", 0, problem));
  EXPECT_TRUE(registry.log.empty());
  EXPECT_TRUE(files.log.empty());
  ExpectOneTodayRefresh();
}

// An installation that cannot place every program file is handed back to be undone; the
// Today screen is not asked to load an item whose files are mixed.
TEST_F(SetupHooksTest, InstallThatCannotPlaceEveryProgramAsksToBeUndone) {
  struct Case {
    const char* name;
    WStringView folder;
    std::uint16_t failedFiles;
    bool moveFails;
  };
  const Case cases[] = {
      {"installer could not copy a file", u"\\ORBA-GMBH\\Lectavo", 1, false},
      {"installer could not copy a file elsewhere", u"\\Storage Card\\Lectavo", 2, false},
      {"a program cannot be moved", u"\\Storage Card\\Lectavo", 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    files = FakeFiles();
    registry = FakeRegistry();
    userInterface = FakeUserInterface();
    files.PutFile(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Today.dll", "older");
    PutPackage(c.folder);
    if (c.moveFails) {
      files.faults.FailWhen("Copy", [](WStringView to) { return to.ends_with(u"Config.exe"); });
    }
    EXPECT_FALSE(InstallExit(registry, files, userInterface, c.folder, c.failedFiles, problem));
    EXPECT_TRUE(userInterface.broadcasts.empty());
    if (c.folder.starts_with(u"\\Storage Card")) {
      EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Today.dll"), "older");
    }
    EXPECT_TRUE(registry.log.empty()) << "no setting follows an undone installation";
    EXPECT_FALSE(problem.empty());
  }
}

// An undone reinstall changes nothing the earlier installation left: its settings (the voice
// path above all), its voice folders, the new files where the installer put them. The setup
// says what stands in the way.
TEST_F(SetupHooksTest, UndoneInstallLeavesSettingsVoicesAndFilesAsTheyWere) {
  const WString tooLong = u"\\" + WString(kMaxInstallationFolder, u'f');
  struct Case {
    const char* name;
    WString folder;
    std::function<void(FakeFiles&)> fail;
    WString problem;
  };
  const Case cases[] = {
      {"a program of the earlier version is held", u"\\Program Files\\Lectavo",
       [](FakeFiles& f) {
         f.faults.FailWhen("Copy", [](WStringView to) { return to.ends_with(u"Config.exe"); });
       },
       u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe cannot be replaced: it is in use or cannot be "
       u"written"},
      {"a folder longer than the setup takes", tooLong, [](FakeFiles&) {},
       u"the installation folder is longer than 218 characters"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    files = FakeFiles();
    registry = FakeRegistry();
    userInterface = FakeUserInterface();
    fake::PutRecord(registry, {.langPath = u"\\ORBA-GMBH\\Lectavo\\"});
    files.PutFile(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe", "older");
    files.PutFile(u"\\ORBA-GMBH\\Lectavo\\GER_W\\svox.pil", "older voice");
    PutPackage(c.folder);
    const auto before = files.Paths();
    c.fail(files);
    problem.clear();

    EXPECT_FALSE(InstallExit(registry, files, userInterface, c.folder, 0, problem));
    EXPECT_EQ(problem, c.problem);
    EXPECT_TRUE(registry.log.empty()) << "no setting read or written";
    EXPECT_EQ(registry.Text(kKey, u"StrLangPath"), WString(u"\\ORBA-GMBH\\Lectavo\\"));
    EXPECT_EQ(files.Paths(), before) << "no voice folder made, no file moved";
    EXPECT_EQ(files.Content(WString(c.folder) + u"\\GER_W.pil"), "German voice");
    EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe"), "older");
    EXPECT_TRUE(userInterface.broadcasts.empty());
  }
}

// The longest folder the setup takes gets every path it needs, the voices' included.
TEST_F(SetupHooksTest, LongestInstallationFolderIsInstalledWhole) {
  const WString folder = u"\\" + WString(kMaxInstallationFolder - 1, u'f');
  PutPackage(folder);
  EXPECT_TRUE(InstallExit(registry, files, userInterface, folder, 0, problem));
  EXPECT_EQ(registry.Text(kKey, u"StrLangPath"), folder + u"\\");
  EXPECT_EQ(files.Content(folder + u"\\GER_W\\svox.pil"), "German voice");
  EXPECT_TRUE(files.IsFolder(folder + u"\\GERENG_W"));
  EXPECT_EQ(files.Content(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe"), "config");
  EXPECT_TRUE(problem.empty());
}

// Before and after an uninstallation alike: every copy of the product's programs stops, the
// launcher among them, any other program runs on, and no handle is left open.
TEST_F(SetupHooksTest, InstallInitAndUninstallInitStopTheProductsProgramsOnly) {
  for (void (*stop)(Processes&) : {&InstallInit, &UninstallInit}) {
    processes = FakeProcesses();
    processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Service.exe");
    processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Service.exe");
    processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Monitor.exe");
    processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe");
    processes.AddRunning(u"\\Windows\\Lectavo_Start.exe");
    processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_VC_AntwortAus.exe");
    processes.AddRunning(u"\\Windows\\pword.exe");
    stop(processes);
    for (WStringView program :
         {u"Lectavo_Service.exe", u"Lectavo_Monitor.exe", u"Lectavo_Config.exe",
          u"Lectavo_Start.exe", u"Lectavo_VC_AntwortAus.exe"}) {
      EXPECT_EQ(processes.CountRunning(program), 0) << fake::Narrow(program);
    }
    EXPECT_EQ(processes.CountRunning(u"pword.exe"), 1);
    EXPECT_EQ(processes.OpenHandles(), 0);
  }
}

TEST_F(SetupHooksTest, UninstallExitOnlyRefreshesTheTodayScreen) {
  UninstallExit(userInterface);
  ExpectOneTodayRefresh();
  EXPECT_TRUE(userInterface.boxes.empty()) << "nothing to tell the user";
}

}  // namespace
}  // namespace lectavo
