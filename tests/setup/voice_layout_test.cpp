#include "setup/voice_layout.h"

#include <gtest/gtest.h>

#include "tests/support/fake_files.h"
#include "tests/support/text.h"

namespace lectavo {
namespace {

using fake::FakeFiles;

constexpr WStringView kCard = u"\\Storage Card\\Lectavo";

WString In(WStringView folder, WStringView name) { return WString(folder) + u"\\" + WString(name); }

class VoiceLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { files.PutFolder(kCard); }

  void Install() {
    CreateVoiceFolders(files, kCard);
    PlaceVoiceFiles(files, kCard);
  }

  // The voices whose folder holds a svox.pil.
  std::vector<WString> PlacedVoices() const {
    std::vector<WString> placed;
    for (WStringView voice : kVoiceNames) {
      if (files.IsFile(In(In(kCard, voice), u"svox.pil"))) placed.emplace_back(voice);
    }
    return placed;
  }

  FakeFiles files;
};

TEST_F(VoiceLayoutTest, DeliveredVoiceGoesToItsFolderWhateverTheExtensionsCase) {
  for (WStringView delivered : {u"GER_W.pil", u"GER_W.PIL", u"ger_w.Pil"}) {
    SCOPED_TRACE(fake::Narrow(delivered));
    files = FakeFiles();
    files.PutFolder(kCard);
    files.PutFile(In(kCard, delivered), "German voice");
    Install();
    for (WStringView voice : kVoiceNames) EXPECT_TRUE(files.IsFolder(In(kCard, voice)));
    EXPECT_EQ(PlacedVoices(), std::vector<WString>{u"GER_W"});
    EXPECT_EQ(files.Content(u"\\Storage Card\\Lectavo\\GER_W\\svox.pil"), "German voice");
    EXPECT_FALSE(files.IsFile(In(kCard, delivered)));
    EXPECT_EQ(files.OpenHandles(), 0);
  }
}

TEST_F(VoiceLayoutTest, SecondInstallReplacesTheDeliveredVoicesOnly) {
  files.PutFile(In(kCard, u"GER_W.pil"), "old German");
  files.PutFile(In(kCard, u"ENG_W.pil"), "old English");
  Install();
  files.PutFile(In(kCard, u"GER_W.pil"), "new German");
  Install();
  EXPECT_EQ(files.Content(u"\\Storage Card\\Lectavo\\GER_W\\svox.pil"), "new German");
  EXPECT_EQ(files.Content(u"\\Storage Card\\Lectavo\\ENG_W\\svox.pil"), "old English");
}

TEST_F(VoiceLayoutTest, WithoutVoiceFilesOnlyTheTenEmptyFoldersAreMade) {
  files.PutFile(In(kCard, u"Lectavo_Config.exe"), "program");
  files.PutFile(u"\\Storage Card\\Lectavo\\Extra\\ITA_W.pil", "not at the top level");
  Install();
  EXPECT_EQ(files.Paths().size(), 2u + 1u + 2u + 10u)
      << "the card and its folder, the program, the extra folder and its file, ten voices";
  EXPECT_TRUE(PlacedVoices().empty());
  EXPECT_TRUE(files.IsFile(u"\\Storage Card\\Lectavo\\Extra\\ITA_W.pil"));
}

TEST_F(VoiceLayoutTest, EveryFolderIsTriedWhenOneCannotBeMade) {
  files.faults.FailCall("CreateFolder", 1);
  CreateVoiceFolders(files, kCard);
  EXPECT_EQ(files.faults.Calls("CreateFolder"), 10);
  EXPECT_FALSE(files.IsFolder(In(kCard, u"ENG_W")));
  EXPECT_TRUE(files.IsFolder(In(kCard, u"ITAENG_W")));
}

// A voice file that cannot be placed is never lost: it stays where it was delivered.
TEST_F(VoiceLayoutTest, VoiceThatCannotBePlacedStaysWhereItWasDelivered) {
  struct Case {
    const char* name;
    WString delivered;
    const char* failing;  // operation made to fail, or ""
  };
  const WString longest(31, u'v');
  const Case cases[] = {
      {"copy fails", u"GER_W.pil", "Copy"},
      {"delete fails", u"GER_W.pil", "Delete"},
      {"no folder of that name", u"XXX_W.pil", ""},
      {"voice name of 32 characters", WString(32, u'v') + u".pil", ""},
      {"no voice name at all", u".pil", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    files = FakeFiles();
    files.PutFolder(kCard);
    files.PutFolder(In(kCard, WString(32, u'v')));
    files.PutFile(In(kCard, c.delivered), "voice data");
    if (*c.failing != '\0') files.faults.FailAlways(c.failing);
    Install();
    EXPECT_EQ(files.Content(In(kCard, c.delivered)), "voice data");
  }

  files = FakeFiles();
  files.PutFolder(In(kCard, longest));
  files.PutFile(In(kCard, longest + u".pil"), "voice data");
  Install();
  EXPECT_EQ(files.Content(In(In(kCard, longest), u"svox.pil")), "voice data")
      << "31 characters still fit the voice name";
}

TEST_F(VoiceLayoutTest, PathsTooLongForTheDeviceAreNotBuilt) {
  // 250 + "\GERENG_W" makes 259 characters: the folders fit, "\svox.pil" no longer does.
  const WString folder = u"\\" + WString(249, u'f');
  files.PutFolder(folder);
  files.PutFile(In(folder, u"GERENG_W.pil"), "voice data");
  CreateVoiceFolders(files, folder);
  PlaceVoiceFiles(files, folder);
  EXPECT_TRUE(files.IsFolder(In(folder, u"GERENG_W")));
  EXPECT_EQ(files.Content(In(folder, u"GERENG_W.pil")), "voice data");

  const WString tooLong = folder + u"ffffff";  // 256 characters: no pattern fits
  files.PutFolder(tooLong);
  const auto calls = files.log.size();
  CreateVoiceFolders(files, tooLong);
  PlaceVoiceFiles(files, tooLong);
  EXPECT_EQ(files.log.size(), calls);
}

}  // namespace
}  // namespace lectavo
