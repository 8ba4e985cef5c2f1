// The "Antwort-Text" / "Text for answer" page: the note that accompanies a spoken answer.
// It edits no setting: it reads the note from its file when it opens and writes it back
// when its button is pressed, independently of how the main dialog is closed.
#pragma once

#include "config/page_platform.h"
#include "config/text_source.h"
#include "framework/dialog.h"
#include "settings/answer_note.h"
#include "settings/settings_record.h"

namespace lectavo {

extern const DialogTemplate kAnswerTextPageTemplate;

class AnswerTextPage final : public Dialog {
 public:
  // record: only its dialog language is read.
  AnswerTextPage(SettingsRecord* record, TextSource* texts, const PagePlatform& platform);

 private:
  bool OnInitDialog() override;
  // Button 1 saves; it never closes the page or the main dialog.
  void OnClickedSave();
  // False when the note was not written whole.
  bool WriteNote(const char* note, std::uint32_t length);

  SettingsRecord* record_;
  PagePlatform platform_;
  WString path_;
  Edit note_;
};

}  // namespace lectavo
