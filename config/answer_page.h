// The "Antworten" / "Answer" page: answering by voice and what an answer encloses (bits 23
// to 25 of ValSpeak), the copy address (StrAddressCC) and the longest recording
// (ValAnswerTime).
#pragma once

#include "config/text_source.h"
#include "framework/dialog.h"
#include "settings/settings_record.h"

namespace lectavo {

extern const DialogTemplate kAnswerPageTemplate;

class AnswerPage final : public Dialog {
 public:
  AnswerPage(SettingsRecord* record, TextSource* texts);

 private:
  bool OnInitDialog() override;
  // The click handler of each check box.
  void StoreBox(const CheckBox& box, BitField bit);
  void OnChangeAddress();
  void OnSelChangeAnswerTime();

  SettingsRecord* record_;
  CheckBox answerOn_;
  CheckBox answerNote_;
  CheckBox answerOriginal_;
  Edit address_;
  ComboBox answerTime_;
};

}  // namespace lectavo
