// The Speak, Answer and Answer text pages of the real Lectavo_Config.exe under Wine, driven by
// control id: what OK leaves in Wine's registry, and the answer note on the prefix's drive C:.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "config/answer_page_controls.h"
#include "config/answer_text_page_controls.h"
#include "config/config_dialog_controls.h"
#include "config/speak_page_controls.h"
#include "settings/program_paths.h"
#include "settings/settings_record.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/product_names.h"
#include "tests/wine/support/settings_record.h"
#include "tests/wine/support/ui_driver.h"

namespace lectavo {
namespace {

using namespace lectavo::device;
using device::kSettingsKey;
using namespace lectavo::wine;

const wchar_t* const kNote = ApiChars(kAnswerTextPath);
using fake::kEnglish;

// A text as Windows-1252 bytes, as the note is saved.
std::string Ansi(const std::wstring& text) {
  std::string bytes(text.size() * 2 + 1, '\0');
  const int written =
      WideCharToMultiByte(1252, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                          static_cast<int>(bytes.size()), nullptr, nullptr);
  bytes.resize(static_cast<std::size_t>(written));
  return bytes;
}

class PagesWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveSettings();
    MakeProgramFolder();
    DeleteFileW(kNote);
    RemoveDirectoryW(kNote);
  }
  void TearDown() override {
    RemoveSettings();
    DeleteFileW(kNote);
    RemoveDirectoryW(kNote);
  }

  // The install defaults as the setup writes them, with ValSpeak as given.
  static void PutRecord(DWORD speak) { ASSERT_TRUE(PutInstallRecord(speak, L"C:\\Lectavo\\")); }

  static DWORD Dword(const wchar_t* name) {
    return ReadDword(kSettingsKey, name).value_or(0xDEADBEEF);
  }

  // The note file's bytes; "<none>" when it cannot be read.
  static std::string NoteBytes() { return Content(kNote).value_or("<none>"); }

  // Shows the page of this tab once the program's dialog is there; nullptr when it did not
  // come. A loaded machine can take long over the first window of a run.
  HWND OpenPage(StartedProcess& program, int tab) {
    HWND dialog = WaitForDialog(program.Id(), kConfigCaption, 30000);
    if (dialog == nullptr) return nullptr;
    SelectTab(FindControl(dialog, kTabControlId), tab);
    return dialog;
  }

  static void Confirm(HWND dialog, StartedProcess& program) {
    Click(GetDlgItem(dialog, IDOK));
    EXPECT_TRUE(program.WaitForExit(10000));
  }
};

TEST_F(PagesWineTest, TypedSpeedIsStoredHalvedAndChosenLanguageInValUsedLang) {
  PutRecord(kDefaultSpeak | (1u << 15));
  StartedProcess program(PackagePath(L"Lectavo_Config.exe"));
  HWND dialog = OpenPage(program, kSpeakTab);
  ASSERT_NE(dialog, nullptr);
  HWND speed = FindControl(dialog, kSpeedId);
  ASSERT_NE(speed, nullptr);
  EXPECT_EQ(wine::Text(speed), L"100");
  EXPECT_EQ(wine::Text(FindControl(dialog, kPitchLabelId)), L"Tonhöhe (50..200)");
  HWND languages = FindControl(dialog, kSpeechLanguageId);
  EXPECT_EQ(SendMessageW(languages, CB_GETCOUNT, 0, 0), 15);
  EXPECT_EQ(SendMessageW(languages, CB_GETCURSEL, 0, 0), 0);
  SendMessageW(speed, EM_SETSEL, 0, -1);
  Type(speed, L"1557");  // the fourth digit does not fit
  EXPECT_EQ(wine::Text(speed), L"155");
  ChooseItem(languages, 10);
  EXPECT_TRUE(TextDrawn(dialog, speed, L"lectavo_config_speak_de.bmp", 0))
      << "the typed speed is drawn";
  Confirm(dialog, program);
  EXPECT_EQ(Dword(L"ValSpeak"), SpeedHalf.Set(kDefaultSpeak | (1u << 15), 77));
  EXPECT_EQ(Dword(L"ValUsedLang"), 651u);
}

TEST_F(PagesWineTest, AnswerBoxesAddressAndTimeReachTheRegistry) {
  PutRecord(kDefaultSpeak | kEnglish);
  StartedProcess program(PackagePath(L"Lectavo_Config.exe"));
  HWND dialog = OpenPage(program, kAnswerTab);
  ASSERT_NE(dialog, nullptr);
  ASSERT_NE(FindControl(dialog, kAnswerOriginalId), nullptr);
  EXPECT_EQ(wine::Text(FindControl(dialog, kAnswerOnId)), L" Activating answer to e-mail");
  HWND time = FindControl(dialog, kAnswerTimeId);
  EXPECT_EQ(SendMessageW(time, CB_GETCURSEL, 0, 0), 2);
  Click(FindControl(dialog, kAnswerOnId));
  Click(FindControl(dialog, kAnswerOriginalId));
  Type(FindControl(dialog, kAddressId), L"copy@example.org");
  ChooseItem(time, 9);
  EXPECT_TRUE(
      TextDrawn(dialog, FindControl(dialog, kAnswerOnId), L"lectavo_config_answer_en.bmp"));
  Confirm(dialog, program);
  EXPECT_EQ(Dword(L"ValSpeak"), kDefaultSpeak | kEnglish | (1u << 23) | (1u << 25));
  EXPECT_EQ(ReadText(kSettingsKey, L"StrAddressCC"), L"copy@example.org");
  EXPECT_EQ(Dword(L"ValAnswerTime"), 10u);
}

TEST_F(PagesWineTest, SaveButtonWritesTheNoteWithCrLfAndClosesNothing) {
  PutRecord(kDefaultSpeak);
  StartedProcess program(PackagePath(L"Lectavo_Config.exe"));
  HWND dialog = OpenPage(program, kAnswerTextTab);
  ASSERT_NE(dialog, nullptr);
  HWND note = FindControl(dialog, kNoteFieldId);
  ASSERT_NE(note, nullptr);
  HWND save = GetDlgItem(GetParent(note), kSaveNoteId);
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(wine::Text(save), L"Antworttext speichern");
  EXPECT_TRUE(TextDrawn(dialog, save, L"lectavo_config_answer_text_de.bmp"));

  Click(save);
  const std::wstring shown = wine::Text(note);
  EXPECT_NE(shown.find(L"Bitte WAV-Datei anhören.\r\n----\r\n"), std::wstring::npos)
      << "the default note, its lines ending in CR LF";
  EXPECT_EQ(NoteBytes(), Ansi(shown)) << "the note as shown, byte for byte in Windows-1252";

  // Enter starts a new line, stored as CR LF.
  SendMessageW(note, EM_SETSEL, 0, -1);
  Type(note, L"Zeile 1\rZeile 2");
  Click(save);
  EXPECT_EQ(NoteBytes(), "Zeile 1\r\nZeile 2");
  ASSERT_EQ(WaitForDialog(program.Id(), kConfigCaption, 0), dialog) << "the dialog stays open";

  // Leaving without OK keeps the saved note and stores no setting.
  Close(dialog);
  EXPECT_TRUE(program.WaitForExit(10000));
  EXPECT_EQ(NoteBytes(), "Zeile 1\r\nZeile 2");
  EXPECT_EQ(Dword(L"ValSpeak"), kDefaultSpeak);
}

TEST_F(PagesWineTest, NoteThatCannotBeCreatedIsReportedAndKeptInTheField) {
  PutRecord(kDefaultSpeak | kEnglish);
  ASSERT_TRUE(CreateDirectoryW(kNote, nullptr)) << "a folder in the note's place";
  StartedProcess program(PackagePath(L"Lectavo_Config.exe"));
  HWND dialog = OpenPage(program, kAnswerTextTab);
  ASSERT_NE(dialog, nullptr);
  HWND note = FindControl(dialog, kNoteFieldId);
  ASSERT_NE(note, nullptr);
  HWND page = GetParent(note);
  // Posted: the message box holds the click until it is closed.
  PostMessageW(page, WM_COMMAND, MAKEWPARAM(kSaveNoteId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(page, kSaveNoteId)));
  HWND box = WaitForDialog(program.Id(), L"Lectavo");
  ASSERT_NE(box, nullptr);
  const std::vector<std::wstring> texts = Texts(box);
  EXPECT_NE(std::find(texts.begin(), texts.end(), L"The text for answer could not be saved."),
            texts.end());
  Click(FindControl(box, IDOK));
  EXPECT_EQ(wine::Text(note).size(), 238u);
  Close(dialog);
  EXPECT_TRUE(program.WaitForExit(10000));
}

}  // namespace
}  // namespace lectavo
