// The "Antwort-Text" / "Text for answer" page: the note that accompanies a spoken answer.
// It edits no setting: it reads the note from its file when it opens and writes it back
// when its button is pressed, independently of how the main dialog is closed.
#pragma once

#include "config/page_platform.h"
#include "config/text_source.h"
#include "framework/dialog.h"
#include "settings/program_paths.h"
#include "settings/settings_record.h"

namespace lectavo {

extern const DialogTemplate kAnswerTextPageTemplate;

// What the page reads of the file and what its field holds.
inline constexpr int kAnswerTextLength = 2047;
// The note the page shows and saves when its file cannot be read.
inline constexpr char kDefaultAnswerNote[] =
    "----\r\n"
    "Email-Antwort wurde mit Lectavo im WAV-Format erstellt.\r\n"
    "Datei ist im Anhang. Bitte WAV-Datei anh\xF6ren.\r\n"
    "----\r\n"
    "Email contents was provided with Lectavo in WAV-Format.\r\n"
    "File is in the appendix. Please, listen to the wave-file.\r\n"
    "----\r\n";
static_assert(sizeof kDefaultAnswerNote - 1 == 238);

class AnswerTextPage final : public Dialog {
 public:
  // record: only its dialog language is read.
  AnswerTextPage(SettingsRecord* record, TextSource* texts, const PagePlatform& platform);

 private:
  bool OnInitDialog() override;
  // Button 1 saves; it never closes the page or the main dialog.
  void OnClickedSave();
  // The file's bytes up to the first zero byte, or the default note when it cannot be read.
  void ReadNote(char* note);
  // False when the note was not written whole.
  bool WriteNote(const char* note, std::uint32_t length);

  SettingsRecord* record_;
  PagePlatform platform_;
  WString path_;
  Edit note_;
};

}  // namespace lectavo
